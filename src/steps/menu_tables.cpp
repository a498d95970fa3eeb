#include "steps/menu_tables.h"

#include <cstring>

#include "common/naming.h"
#include "common/numbers.h"

namespace menus {
namespace {

using common::roundHalfEven;
using common::twoDigits;

// The MenuTable: every drop-down that lays out rows. Fixed lists have no layout.
constexpr MenuEntry MenuTable[] = {
    {"A1", "911141", 17, 3000, 270, 0},  {"A2", "1422", 9, 2820, 270, 0},
    {"A3", "35122", 13, 2190, 270, 0},   {"A4", "26", 8, 2550, 270, 0},
    {"A5", "31", 4, 2370, 270, 0},       {"A6", "12", 3, 2640, 270, 0},
    {"B1", "421", 7, 2460, 270, 0},      {"B2", "1442", 11, 2370, 270, 0},
    {"B3", "2", 2, 1560, 270, 0},        {"B4", "1", 1, 1380, 270, 0},
    {"B5", "11", 2, 1740, 270, 0},       {"C1", "412121", 11, 3075, 330, 0},
    {"C2", "241211", 11, 2895, 330, 0},  {"C3", "1324211", 14, 2355, 330, 0},
    {"C4", "22411", 10, 2265, 330, 0},   {"C5", "3341", 11, 3435, 330, 0},
    {"C6", "44", 8, 2985, 330, 0},       {"C7", "31", 4, 3615, 330, 0},
    {"D1", "4131221", 14, 3180, 270, 0}, {"D2", "252", 9, 2550, 270, 0},
    {"D3", "42", 6, 2370, 270, 0},       {"D4", "6", 6, 3000, 270, 0},
    {"D5", "1", 1, 1830, 270, 0},        {"D6", "11", 2, 1560, 270, 0},
    {"E1", "61", 7, 1650, 270, 0},       {"E2", "3221", 8, 3450, 270, 0},
    {"E3", "222", 6, 2370, 270, 0},      {"E4", "11", 2, 1740, 270, 0},
    {"F1", "11", 2, 2370, 270, 0},       {"F2", "3", 3, 2280, 270, 0},
    {"F3", "23", 5, 1560, 270, 0},       {"F4", "6", 6, 1560, 270, 0},
    {"F5", "6", 6, 2460, 270, 0},        {"F6", "11", 2, 2460, 270, 0},
    {"G1", "43111", 10, 2460, 270, 0},   {"G2", "1633", 13, 2730, 270, 0},
    {"G3", "41", 5, 1470, 270, 0},       {"G4", "2", 2, 2010, 270, 0},
    {"G5", "4", 4, 1920, 270, 0},        {"G6", "11", 2, 1740, 270, 0},
    {"23", "5", 5, 2560, 270, 0},        {"25", "32", 5, 1740, 270, 0},
    {"61", "3131", 8, 1920, 270, 0},     {"62", "4231", 10, 2370, 270, 0},
    {"63", "4231", 10, 2370, 270, 0},    {"64", "311", 5, 1920, 270, 0},
    {"65", "131", 5, 1920, 270, 0},      {"69", "2311", 7, 2550, 270, 0},
    {"70", "322", 7, 2370, 270, 0},      {"80", nullptr, 7, 1725, 345, 0},
    {"84", nullptr, 15, 2595, 345, 0},   {"95", "3111121", 10, 2370, 270, 0},
    {"96", "3111121", 10, 2370, 270, 0}, {"97", "3111121", 10, 2370, 270, 0},
    {"98", "3111121", 10, 2370, 270, 0}, {"99", "3111121", 10, 2370, 270, 0},
    {"Z0", "3111121", 10, 2370, 270, 0}, {"Z3", nullptr, 8, 2550, 270, 0},
    {"S1", "511231", 13, 2370, 270, 0},  {"S2", "3111331", 13, 2370, 270, 0},
    {"92", "3111331", 13, 2370, 270, 0}, {"93", "3111331", 13, 2370, 270, 0},
    {"94", "3111331", 13, 2370, 270, 0}, {"S3", "21", 3, 1920, 270, 0},
    {"S5", nullptr, 14, 2025, 240, 0},   {"S6", nullptr, 14, 10215, 240, 9600},
    {"S7", "61", 7, 1650, 270, 0},       {"S8", "3221", 8, 3450, 270, 0},
};

// The SubMenuTable: keys sharing one line share its layout. A fixed list has no layout.
struct SubMenuEntry {
    const char* keys; // "-"-separated
    const char* layout;
    int width;
    int pitch;
    int demoWidth;     // where the demonstration desktop differs, else 0
    int lowerFirstSix; // twips rows 1-6 move down after the layout
};
constexpr SubMenuEntry SubMenuTable[] = {
    {"A104-S105", "51", 2625, 285, 0, 0},
    {"A110-S107-S206-9206-9306-9406", "6", 2415, 330, 0, 15},
    {"A111-6906-Z306", "2B", 3765, 285, 0, 0},
    {"A112", "1", 1380, 285, 0, 0},
    {"A301", "32", 1740, 270, 0, 0},
    {"A303", "52", 2190, 270, 0, 0},
    {"A309-Z301", "43", 1740, 270, 0, 0},
    {"A312", "316", 2370, 270, 0, 0},
    {"A403", "31", 2190, 270, 0, 0},
    {"F302", "4", 1560, 270, 0, 0},
    {"C313", "6", 1815, 330, 0, 0},
    {"C502", "4", 2265, 330, 0, 0},
    {"C503", "3", 2085, 330, 0, 0},
    {"D305", "32", 2730, 270, 0, 0},
    {"6901", "433", 2730, 270, 0, 0},
    {"8401-8408-8409-8410", nullptr, 3675, 345, 2400, 0},
    {"Z308", "5", 1560, 270, 0, 0},
};

// Keys whose second level shows another key's pictures.
struct Alias {
    const char* keys;
    const char* shared;
};
constexpr Alias SecondLevelAliases[] = {
    {"S105", "A104"},
    {"S107-S206-9206-9306-9406", "A110"},
    {"6906-Z306", "A111"},
    {"Z301", "A309"},
};

// Exact membership of a four-character key in a "-"-separated list.
bool listHolds(const char* list, QStringView key)
{
    if (key.size() != 4) return false;
    for (const char* p = list; *p;) {
        const char* end = std::strchr(p, '-');
        const qsizetype n = end ? end - p : qsizetype(std::strlen(p));
        if (n == 4 && QLatin1StringView(p, n) == key) return true;
        if (!end) break;
        p = end + 1;
    }
    return false;
}

Rows<MaxRows1> parked(Offset offset)
{
    Rows<MaxRows1> rows;
    rows.fill(Parked);
    for (Box& b : rows) {
        b.left += offset.x;
        b.top += offset.y;
    }
    return rows;
}

void shift(Box& b, Offset offset)
{
    b.left += offset.x;
    b.top += offset.y;
}

QString aliasOf(QStringView key)
{
    for (const Alias& a : SecondLevelAliases) {
        if (listHolds(a.keys, key)) return QString::fromLatin1(a.shared);
    }
    return key.toString();
}

} // namespace

int groupRowCount(QStringView layout, Level level)
{
    int n = 0;
    for (QChar c : layout) {
        if (c >= u'0' && c <= u'9')
            n += c.unicode() - u'0';
        else if (c == u'B' && level == Level::Second)
            n += 11;
    }
    return n;
}

void placeGroups(Rows<MaxRows1>& rows, QStringView layout, int width, int pitch, Level level, double sx,
                 double sy)
{
    // The Tops are whole twips, rounded after every addition, so rounding differences add up
    // exactly as the rows of the pictures were measured.
    std::array<double, MaxGroupRows + 1> t{};
    t[1] = roundHalfEven(45 * sy);
    for (int i = 2; i <= MaxGroupRows; ++i)
        t[size_t(i)] = roundHalfEven(t[size_t(i - 1)] + pitch * sy);
    const int gap = level == Level::First && pitch == 330 ? 150 : 135;
    int n = 0;
    for (QChar c : layout) {
        n += groupRowCount(QStringView(&c, 1), level);
        for (int j = n + 1; j <= MaxGroupRows; ++j)
            t[size_t(j)] = roundHalfEven(t[size_t(j)] + gap * sy);
    }
    // A layout of more than twenty rows is cut at the twentieth: the table has no further Tops.
    const int placed = n < MaxGroupRows ? n : MaxGroupRows;
    const double height = level == Level::First ? pitch * sy : 270 * sy;
    for (int i = 1; i <= placed; ++i)
        rows[size_t(i)] = Box{45 * sx, t[size_t(i)], width * sx, height};
}

const MenuEntry* menuEntry(QStringView menuId)
{
    for (const MenuEntry& e : MenuTable) {
        if (QLatin1StringView(e.id) == menuId) return &e;
    }
    return nullptr;
}

Rows<MaxRows1> firstLevelRows(QStringView menuId, double sx, double sy, Desk desk, Offset offset)
{
    Rows<MaxRows1> rows = parked({});
    const MenuEntry* e = menuEntry(menuId);
    if (!e) return parked(offset);
    const int width = desk == Desk::Demonstration && e->demoWidth ? e->demoWidth : e->width;
    if (e->layout) {
        placeGroups(rows, QString::fromLatin1(e->layout), width, e->height, Level::First, sx, sy);
    } else {
        // Fixed lists: every row by its formula first, then the corrections on the scaled values.
        const QLatin1StringView id(e->id);
        for (int i = 1; i <= e->rows; ++i) {
            Box& b = rows[size_t(i)];
            b.width = width * sx;
            b.height = e->height * sy;
            if (id == u"84") {
                b.left = 90 * sx;
                b.top = (4950 - 345 * (i - 1)) * sy;
                if (i >= 11) b.top -= 120 * sy;
            } else if (id == u"80") {
                b.left = 90 * sx;
                b.top = 345 * (i - 1) * sy;
            } else if (id == u"Z3") {
                b.left = 45 * sx;
                b.top = (180 + 270 * i) * sy;
                if (i >= 3 && i <= 5) b.top += 135 * sy;
                if (i == 6) b.top += 270 * sy;
                if (i == 7) b.top += 405 * sy;
                if (i == 8) b.top = 45 * sy;
            } else { // "S5", "S6"
                constexpr int ownLeft[] = {0, 60, 60, 210, 255, 345};
                b.left = 360 * sx;
                if (i <= 5) b.left = ownLeft[i] * sx;
                if (i == 14) b.left = 210 * sx;
                b.top = (15 + 240 * (i - 1)) * sy;
            }
        }
    }
    for (Box& b : rows)
        shift(b, offset);
    return rows;
}

QString secondLevelKey(QStringView menuId, int row1)
{
    return menuId.toString() + twoDigits(row1);
}

bool hasSecondLevel(QStringView key)
{
    return listHolds(SecondLevelKeys, key);
}

Rows<MaxRows2> secondLevelRows(QStringView key, double sx, double sy, Desk desk, Offset offset)
{
    Rows<MaxRows2> rows = parked({});
    for (const SubMenuEntry& e : SubMenuTable) {
        if (!listHolds(e.keys, key)) continue;
        const int width = desk == Desk::Demonstration && e.demoWidth ? e.demoWidth : e.width;
        if (e.layout) {
            placeGroups(rows, QString::fromLatin1(e.layout), width, e.pitch, Level::Second, sx, sy);
            for (int i = 1; i <= 6 && e.lowerFirstSix; ++i)
                rows[size_t(i)].top += e.lowerFirstSix * sy;
        } else {
            for (int i = 1; i <= 15; ++i)
                rows[size_t(i)] = Box{90 * sx, (i - 1) * 345 * sy, width * sx, e.pitch * sy};
        }
        break;
    }
    for (Box& b : rows)
        shift(b, offset);
    return rows;
}

bool opensThirdLevel(QStringView menuId, int row1, int row2)
{
    return menuId == u"84" && row1 == 10 && row2 <= 4;
}

Rows<MaxRows3> thirdLevelRows(double sx, double sy, Desk desk, Offset offset)
{
    Rows<MaxRows3> rows;
    rows.fill(Parked);
    const int width = desk == Desk::Demonstration ? 1980 : 2595;
    for (int i = 1; i <= MaxRows3; ++i) {
        rows[size_t(i)] = Box{90 * sx, (i - 1) * 345 * sy, width * sx, 345 * sy};
        shift(rows[size_t(i)], offset);
    }
    return rows;
}

QString firstLevelPanelCode(QStringView menuId)
{
    if (menuId == u"63") return QStringLiteral("62");
    if (menuId == u"92" || menuId == u"93" || menuId == u"94") return QStringLiteral("S2");
    if ((menuId.size() == 2 && menuId >= u"95" && menuId <= u"99") || menuId == u"Z0")
        return QStringLiteral("95");
    return menuId.toString();
}

QString firstLevelPanel(QStringView menuId)
{
    return firstLevelPanelCode(menuId) + QStringLiteral("0077");
}

QString firstLevelRowPicture(QStringView menuId, int row, QChar appLetter)
{
    QString code = firstLevelPanelCode(menuId);
    if (menuId.size() == 2 && menuId >= u"01" && menuId <= u"09")
        code = QString(appLetter) + QString::number(int(common::leadingNumber(menuId)));
    else if (menuId == u"Z3" && row <= 7)
        code = QStringLiteral("69");
    else if (menuId == u"S6")
        code = QStringLiteral("S5");
    return code + twoDigits(row) + QStringLiteral("00");
}

QString secondLevelPanel(QStringView key)
{
    if (key == u"Z308") return QStringLiteral("230077");
    return aliasOf(key) + QStringLiteral("77");
}

QString secondLevelRowPicture(QStringView key, int row)
{
    if (key == u"Z308") return QStringLiteral("23") + twoDigits(row) + QStringLiteral("00");
    return aliasOf(key) + twoDigits(row);
}

QString thirdLevelPanel(int row2)
{
    return QStringLiteral("SS0") + QString::number(row2) + QStringLiteral("77");
}

QString thirdLevelRowPicture(int row2, int row)
{
    return QStringLiteral("SS0") + QString::number(row2) + QStringLiteral("0") + QString::number(row);
}

Offset menuBarPlace(const steps::Step& step)
{
    if (step.menuBarPlaced()) return {double(step.menuBarLeft()), double(step.menuBarTop())};
    return {MenuBarLeft, MenuBarTop};
}

std::optional<std::array<Box, LastTitleHotSpot + 1>> menuTitles(QChar letter, double sx, double sy,
                                                                Offset offset)
{
    // Per letter: Left of title 1 and the pitch, Top, Width, Height.
    struct Bar {
        char letter;
        int first, pitch, top, width, height;
    };
    constexpr Bar bars[] = {
        {'A', 15, 870, 15, 885, 270}, {'B', -15, 810, 0, 810, 285}, {'C', 165, 870, 15, 885, 270},
        {'D', 0, 810, 0, 810, 300},   {'E', 0, 810, 0, 810, 285},   {'F', 0, 810, 0, 810, 285},
        {'G', -15, 810, 0, 810, 270},
    };
    const Bar* bar = nullptr;
    for (const Bar& b : bars) {
        if (QChar(QLatin1Char(b.letter)) == letter) bar = &b;
    }
    if (!bar) return std::nullopt;
    std::array<int, LastTitleHotSpot + 1> left{};
    for (int i = FirstTitleHotSpot; i <= LastTitleHotSpot; ++i)
        left[size_t(i)] = bar->first + bar->pitch * (i - 1);
    // The title after the last one with a menu goes to title 8's place or to 8160.
    switch (bar->letter) {
    case 'A':
    case 'F':
    case 'G':
        left[7] = left[8];
        break;
    case 'B':
        left[1] = 0;
        left[6] = left[8];
        break;
    case 'C':
        left[8] = 8160;
        break;
    case 'D':
        left[7] = 8160;
        break;
    case 'E':
        left[5] = left[8];
        break;
    default:
        break;
    }
    std::array<Box, LastTitleHotSpot + 1> out{};
    for (int i = FirstTitleHotSpot; i <= LastTitleHotSpot; ++i)
        out[size_t(i)] =
            Box{left[size_t(i)] * sx + offset.x, bar->top * sy + offset.y, bar->width * sx, bar->height * sy};
    return out;
}

} // namespace menus
