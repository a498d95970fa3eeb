#include "sample/xp.h"

#include "platform/fonts.h"
#include "sample/layout.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>

namespace sample::xp {
namespace {

const QColor Beige(0xEC, 0xE9, 0xD8);
const QColor MenuBlue(0x31, 0x6A, 0xC5);
const QColor FieldBorder(0x7F, 0x9D, 0xB9);
const QColor LinkBlue(0x21, 0x5D, 0xC6);

QLinearGradient vgrad(int y0, int y1, std::initializer_list<std::pair<double, QColor>> stops)
{
    QLinearGradient g(0, y0, 0, y1);
    for (const auto& [at, c] : stops)
        g.setColorAt(at, c);
    return g;
}

QString family()
{
    static const QString f = [] {
        const QString cjk = platform::cjkFontFamily();
        return cjk.isEmpty() ? QStringLiteral("Sans Serif") : cjk;
    }();
    return f;
}

// A row text ending in " >" opens a cascade; the arrow is drawn, the text is the row's name.
bool isCascade(const QString& s)
{
    return s.endsWith(QStringLiteral(" >"));
}
QString rowName(const QString& s)
{
    return isCascade(s) ? s.left(s.size() - 2) : s;
}

void arrowRight(QPainter& p, QPoint tip, QColor c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygon({tip, tip + QPoint(-4, -4), tip + QPoint(-4, 4)}));
}

void arrowDown(QPainter& p, QPoint tip, QColor c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygon({tip, tip + QPoint(-4, -4), tip + QPoint(4, -4)}));
}

void captionButton(QPainter& p, const QRect& r, int kind)
{
    // kind 0 minimise, 1 maximise, 2 close, 3 help
    const bool close = kind == 2;
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(vgrad(r.top(), r.bottom(),
                     close ? std::initializer_list<std::pair<double, QColor>>{{0, QColor(0xE8, 0x8C, 0x6C)},
                                                                              {1, QColor(0xC8, 0x3C, 0x14)}}
                           : std::initializer_list<std::pair<double, QColor>>{
                                 {0, QColor(0x7A, 0xA6, 0xF8)}, {1, QColor(0x22, 0x5A, 0xE0)}}));
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(QPen(Qt::white, 2));
    const QRect g = r.adjusted(6, 6, -6, -6);
    switch (kind) {
    case 0:
        p.drawLine(g.left(), g.bottom(), g.left() + 6, g.bottom());
        break;
    case 1:
        p.setBrush(Qt::NoBrush);
        p.drawRect(g.adjusted(0, 0, -1, -1));
        p.drawLine(g.left(), g.top() + 1, g.right(), g.top() + 1);
        break;
    case 2:
        p.drawLine(g.topLeft(), g.bottomRight());
        p.drawLine(g.topRight(), g.bottomLeft());
        break;
    default:
        text(p, r, QStringLiteral("?"), Qt::AlignCenter, Qt::white, 13, true);
        break;
    }
}

} // namespace

QFont font(int px, bool bold)
{
    QFont f(family());
    f.setPixelSize(px);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

void text(QPainter& p, const QRect& r, const QString& s, int flags, QColor colour, int px, bool bold)
{
    p.setFont(font(px, bold));
    p.setPen(colour);
    p.drawText(r, flags, s);
}

int textWidth(const QString& s, int px, bool bold)
{
    return QFontMetrics(font(px, bold)).horizontalAdvance(s);
}

// ----- the desktop -------------------------------------------------------------------------------

void wallpaper(QPainter& p, const QRect& r, const QString& name)
{
    p.save();
    if (name == QStringLiteral("Azul")) {
        p.setPen(Qt::NoPen);
        p.setBrush(
            vgrad(r.top(), r.bottom(), {{0, QColor(0x0E, 0x3C, 0x8C)}, {1, QColor(0x1C, 0x6C, 0xC8)}}));
        p.drawRect(r);
        // Soft waves of light blue.
        for (int i = 0; i < 5; ++i) {
            QPainterPath wave;
            const double y = r.top() + r.height() * (0.25 + 0.13 * i);
            wave.moveTo(r.left(), y);
            wave.cubicTo(r.left() + r.width() * 0.3, y - r.height() * 0.12, r.left() + r.width() * 0.6,
                         y + r.height() * 0.12, r.right() + 1, y - r.height() * 0.05);
            p.setPen(QPen(QColor(0x80, 0xC0, 0xFF, 60 + 15 * i), std::max(2.0, r.height() / 60.0)));
            p.setBrush(Qt::NoBrush);
            p.drawPath(wave);
        }
        p.restore();
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(vgrad(
        r.top(), r.top() + r.height() * 6 / 10,
        {{0, QColor(0x2A, 0x6C, 0xD6)}, {0.7, QColor(0x78, 0xAE, 0xEC)}, {1, QColor(0xC4, 0xDE, 0xF8)}}));
    p.drawRect(r);
    // A few soft clouds.
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(QRect(r.left() + 420, r.top() + 60, 220, 50));
    p.drawEllipse(QRect(r.left() + 520, r.top() + 90, 180, 40));
    p.drawEllipse(QRect(r.left() + 140, r.top() + 150, 200, 36));
    // The green hill.
    QPainterPath hill;
    hill.moveTo(r.left(), r.top() + r.height() * 0.62);
    hill.cubicTo(r.left() + r.width() * 0.3, r.top() + r.height() * 0.40, r.left() + r.width() * 0.7,
                 r.top() + r.height() * 0.52, r.right() + 1, r.top() + r.height() * 0.66);
    hill.lineTo(r.right() + 1, r.bottom() + 1);
    hill.lineTo(r.left(), r.bottom() + 1);
    hill.closeSubpath();
    p.setBrush(vgrad(
        r.top() + r.height() * 45 / 100, r.bottom(),
        {{0, QColor(0x78, 0xC0, 0x3C)}, {0.5, QColor(0x4C, 0x9C, 0x2C)}, {1, QColor(0x2E, 0x74, 0x1E)}}));
    p.drawPath(hill);
    p.restore();
}

QRect deskCell(int n)
{
    using namespace layout;
    if (n >= 0 && n < int(DeskIcons.size())) {
        const DeskIconSpot& s = DeskIcons[size_t(n)];
        return Twips{s.left, s.top, DeskIconWidth, DeskIconHeight}.px();
    }
    const int k = n - int(DeskIcons.size());
    static constexpr QPoint extra[] = {{14, 406}, {14, 486}, {96, 2},   {96, 84}, {96, 164}, {96, 245},
                                       {96, 326}, {96, 406}, {96, 486}, {178, 2}, {178, 84}};
    const QPoint at = k < int(std::size(extra)) ? extra[k] : QPoint(178 + 82 * (k - 10), 164);
    return {at, QSize(DeskIconWidth / TwipsPerPixel, DeskIconHeight / TwipsPerPixel)};
}

QRect deskLabelBox(const QRect& cell)
{
    return {cell.center().x() - 37, cell.top() + 37, 74, 17};
}

namespace {

void deskIcon(Canvas& c, const QRect& cell, const DeskItem& item, bool selected, bool editing)
{
    QPainter& p = c.p();
    const QRect ic(cell.center().x() - 16, cell.top() + 3, 32, 32);
    icon(p, ic, item.icon, item.shortcut);
    if (selected) {
        p.fillRect(ic, QColor(0x31, 0x6A, 0xC5, 90));
    }
    if (!editing) {
        const QRect box = deskLabelBox(cell).adjusted(0, 0, 0, 12);
        QFontMetrics fm(font(12));
        const QRect used =
            fm.boundingRect(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, item.label);
        if (selected) {
            p.fillRect(used.adjusted(-2, 0, 2, 1), MenuBlue);
        } else {
            text(p, box.translated(1, 1), item.label, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                 QColor(0, 0, 0, 200));
        }
        text(p, box, item.label, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, Qt::white);
    }
    c.mark(QStringLiteral("图标:") + item.label, cell);
    c.mark(QStringLiteral("名称:") + item.label, deskLabelBox(cell));
}

} // namespace

void desktop(Canvas& c, const Desk& d)
{
    QPainter& p = c.p();
    const QRect area(0, 0, layout::ScreenW, d.taskbar.autoHide ? layout::ScreenH - 2 : layout::TaskbarTop);
    wallpaper(p, QRect(0, 0, layout::ScreenW, layout::ScreenH), d.wallpaper);
    const QList<DeskItem> standard{
        {Icon::MyDocuments, QStringLiteral("我的文档")},
        {Icon::MyComputer, QStringLiteral("我的电脑")},
        {Icon::Network, QStringLiteral("网上邻居")},
        {d.recycleFull ? Icon::RecycleBinFull : Icon::RecycleBin, QStringLiteral("回收站")},
        {Icon::IE, QStringLiteral("Internet Explorer")}};
    int n = 0;
    for (const DeskItem& item : standard + d.extra) {
        deskIcon(c, deskCell(n), item, d.selected.contains(item.label), item.label == d.editing);
        ++n;
    }
    // A bare place of the desktop, away from the icons and the question panel.
    c.mark(QStringLiteral("桌面:空白"), QRect(300, 150, 120, 100).intersected(area));
    taskbar(c, d.taskbar);
}

void taskbar(Canvas& c, const Taskbar& t)
{
    QPainter& p = c.p();
    const int top = t.autoHide ? layout::ScreenH - 2 : layout::TaskbarTop;
    const QRect bar(0, top, layout::ScreenW, layout::ScreenH - top);
    p.setPen(Qt::NoPen);
    p.setBrush(vgrad(bar.top(), bar.bottom(),
                     {{0, QColor(0x3C, 0x81, 0xF3)},
                      {0.12, QColor(0x24, 0x5E, 0xDC)},
                      {0.85, QColor(0x22, 0x58, 0xD6)},
                      {1, QColor(0x1A, 0x46, 0xB4)}}));
    p.drawRect(bar);
    if (t.autoHide) {
        c.mark(QStringLiteral("任务栏:空白"), QRect(200, top, 200, 2));
        return;
    }
    // The Start button.
    const QRect start(0, top + 1, 97, bar.height() - 1);
    QPainterPath sp;
    sp.addRoundedRect(QRectF(start).adjusted(-10, 0, 0, 0), 10, 10);
    p.setBrush(vgrad(start.top(), start.bottom(),
                     t.startPressed
                         ? std::initializer_list<std::pair<double, QColor>>{{0, QColor(0x2A, 0x70, 0x2A)},
                                                                            {1, QColor(0x3C, 0x9A, 0x3C)}}
                         : std::initializer_list<std::pair<double, QColor>>{{0, QColor(0x5E, 0xB8, 0x5E)},
                                                                            {0.4, QColor(0x3C, 0x9A, 0x3C)},
                                                                            {1, QColor(0x2C, 0x80, 0x2C)}}));
    p.drawPath(sp);
    windowsLogo(p, QRectF(8, top + 7, 21, 21));
    if (t.classicStart) {
        text(p, QRect(33, top, 64, bar.height()), QStringLiteral("开始"), Qt::AlignLeft | Qt::AlignVCenter,
             Qt::white, 15, true);
    } else {
        text(p, QRect(35, top + 1, 64, bar.height()), QStringLiteral("开始"),
             Qt::AlignLeft | Qt::AlignVCenter, QColor(0, 0, 0, 120), 17, true);
        text(p, QRect(34, top, 64, bar.height()), QStringLiteral("开始"), Qt::AlignLeft | Qt::AlignVCenter,
             Qt::white, 17, true);
    }
    c.mark(QStringLiteral("任务栏:开始"), layout::StartButton.px().intersected(QRect(0, 0, 800, 600)));

    // An unlocked task bar shows a grip, a column of raised dots, before each of its bars.
    const auto grip = [&](int gx) {
        for (int gy = top + 6; gy + 2 < bar.bottom() - 3; gy += 4) {
            p.fillRect(QRect(gx + 1, gy + 1, 2, 2), QColor(0x10, 0x30, 0x80));
            p.fillRect(QRect(gx, gy, 2, 2), QColor(0xA8, 0xC8, 0xF8));
        }
    };
    int x = 104;
    if (!t.locked) {
        grip(x);
        x += 8;
    }
    if (t.quickLaunch) {
        const QList<std::pair<Icon, QString>> quick{
            {Icon::IE, QStringLiteral("启动 Internet Explorer 浏览器")},
            {Icon::Display, QStringLiteral("显示桌面")},
            {Icon::MediaPlayer, QStringLiteral("Windows Media Player")}};
        for (const auto& [ic, name] : quick) {
            icon(p, QRectF(x, top + 9, 16, 16), ic);
            c.mark(QStringLiteral("任务栏:") + name, QRect(x - 2, top + 7, 20, 20));
            x += 22;
        }
        p.setPen(QPen(QColor(0x1A, 0x40, 0xA0), 1));
        p.drawLine(x + 2, top + 5, x + 2, bar.bottom() - 5);
        x += 10;
        if (!t.locked) {
            grip(x);
            x += 8;
        }
    }
    for (int i = 0; i < t.tasks.size(); ++i) {
        const QRect b(x, top + 4, 150, bar.height() - 7);
        const bool pressed = i == t.active;
        p.setPen(QPen(QColor(0x10, 0x30, 0x90), 1));
        p.setBrush(
            vgrad(b.top(), b.bottom(),
                  pressed ? std::initializer_list<std::pair<double, QColor>>{{0, QColor(0x16, 0x40, 0xA8)},
                                                                             {1, QColor(0x1E, 0x52, 0xB7)}}
                          : std::initializer_list<std::pair<double, QColor>>{{0, QColor(0x5A, 0x9A, 0xF8)},
                                                                             {1, QColor(0x3C, 0x81, 0xF3)}}));
        p.drawRoundedRect(QRectF(b).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        icon(p, QRectF(b.left() + 6, b.center().y() - 7, 16, 16),
             i < t.taskIcons.size() ? t.taskIcons[i] : Icon::Folder);
        text(p, b.adjusted(26, 0, -4, 0),
             QFontMetrics(font(12)).elidedText(t.tasks[i], Qt::ElideRight, b.width() - 30),
             Qt::AlignLeft | Qt::AlignVCenter, Qt::white);
        c.mark(QStringLiteral("任务栏:") + t.tasks[i], b);
        x += 154;
    }
    // The notification area with the clock.
    const QRect tray(layout::ScreenW - 90, top + 1, 90, bar.height() - 1);
    if (!t.locked) grip(tray.left() - 8);
    p.setPen(QPen(QColor(0x10, 0x40, 0xA8), 1));
    p.setBrush(
        vgrad(tray.top(), tray.bottom(), {{0, QColor(0x1C, 0xA4, 0xF4)}, {1, QColor(0x0C, 0x88, 0xE0)}}));
    p.drawRect(tray);
    icon(p, QRectF(tray.left() + 8, tray.center().y() - 8, 16, 16), Icon::Volume);
    text(p, tray.adjusted(30, 0, -6, 0), QStringLiteral("10:30"), Qt::AlignRight | Qt::AlignVCenter,
         Qt::white);
    c.mark(QStringLiteral("任务栏:空白"), QRect(x + 8, top + 4, std::max(20, 440 - x), bar.height() - 8));
}

// ----- windows ------------------------------------------------------------------------------------

QRect window(Canvas& c, const Frame& f, const QString& prefix)
{
    QPainter& p = c.p();
    const QRect r = f.rect;
    c.cover(r);
    const int border = f.maximized ? 0 : 4;
    const int titleH = f.maximized ? 26 : 29;
    // Frame and body.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x00, 0x54, 0xE3));
    if (f.maximized) {
        p.drawRect(r);
    } else {
        QPainterPath path;
        path.addRoundedRect(QRectF(r), 8, 8);
        QPainterPath bottom;
        bottom.addRect(QRectF(r.left(), r.top() + 10, r.width(), r.height() - 10));
        p.drawPath(path.united(bottom));
    }
    const QRect title(r.left(), r.top(), r.width(), titleH);
    QPainterPath titlePath;
    if (f.maximized) {
        titlePath.addRect(QRectF(title));
    } else {
        titlePath.addRoundedRect(QRectF(title), 8, 8);
        titlePath.addRect(QRectF(title.left(), title.top() + 10, title.width(), title.height() - 10));
    }
    p.setBrush(vgrad(title.top(), title.bottom(),
                     {{0, QColor(0x09, 0x97, 0xFF)},
                      {0.08, QColor(0x00, 0x53, 0xEE)},
                      {0.5, QColor(0x00, 0x50, 0xEE)},
                      {0.9, QColor(0x06, 0x48, 0xD6)},
                      {1, QColor(0x00, 0x3D, 0xC8)}}));
    p.drawPath(titlePath.simplified());
    int tx = r.left() + 7;
    if (f.icon != Icon::None) {
        icon(p, QRectF(tx, title.center().y() - 8, 16, 16), f.icon);
        tx += 21;
    }
    text(p, QRect(tx + 1, title.top() + 1, r.width() - 100, titleH), f.title,
         Qt::AlignLeft | Qt::AlignVCenter, QColor(0, 0, 0x40), 13, true);
    text(p, QRect(tx, title.top(), r.width() - 100, titleH), f.title, Qt::AlignLeft | Qt::AlignVCenter,
         Qt::white, 13, true);
    c.mark(prefix + QStringLiteral("窗口:标题栏"),
           QRect(r.left() + 30, r.top() + 3, r.width() - 110, titleH - 6));
    // Caption buttons from the right.
    const int bs = 21;
    int bx = r.right() - border - bs - 2;
    const int by = title.top() + (titleH - bs) / 2;
    captionButton(p, QRect(bx, by, bs, bs), 2);
    c.mark(prefix + QStringLiteral("窗口:关闭"), QRect(bx, by, bs, bs));
    bx -= bs + 2;
    if (f.dialog) {
        if (f.help) {
            captionButton(p, QRect(bx, by, bs, bs), 3);
            c.mark(prefix + QStringLiteral("窗口:帮助"), QRect(bx, by, bs, bs));
        }
    } else {
        captionButton(p, QRect(bx, by, bs, bs), 1);
        c.mark(prefix + QStringLiteral("窗口:最大化"), QRect(bx, by, bs, bs));
        bx -= bs + 2;
        captionButton(p, QRect(bx, by, bs, bs), 0);
        c.mark(prefix + QStringLiteral("窗口:最小化"), QRect(bx, by, bs, bs));
    }
    const QRect client(r.left() + border, r.top() + titleH, r.width() - 2 * border,
                       r.height() - titleH - border);
    p.setBrush(Beige);
    p.drawRect(client);
    return client;
}

void menuBar(Canvas& c, const QRect& r, const QStringList& titles, const QList<QRect>& titleBoxes, int open)
{
    QPainter& p = c.p();
    p.fillRect(r, Beige);
    int x = r.left() + 2;
    for (int i = 0; i < titles.size(); ++i) {
        QRect box = i < titleBoxes.size() ? titleBoxes[i].translated(r.topLeft())
                                          : QRect(x, r.top() + 1, textWidth(titles[i]) + 14, r.height() - 2);
        if (i == open) p.fillRect(box, MenuBlue);
        text(p, box, titles[i], Qt::AlignCenter, i == open ? Qt::white : Qt::black);
        c.mark(QStringLiteral("菜单栏:") + titles[i], box);
        x = box.right() + 1;
    }
}

QList<MenuRow> rows(const QStringList& texts)
{
    QList<MenuRow> out;
    for (const QString& t : texts)
        out.append(MenuRow{t});
    return out;
}

QSize menuSize(const QList<MenuRow>& rs, int minWidth, int rowHeight)
{
    int w = minWidth;
    int h = 4;
    for (const MenuRow& r : rs) {
        w = std::max(w, textWidth(rowName(r.text), 12, r.bold) + 64);
        h += r.text == QStringLiteral("-") ? 7 : rowHeight;
    }
    return {w, h};
}

QRect menu(Canvas& c, QPoint at, const QList<MenuRow>& rs, int highlighted, int minWidth, int rowHeight)
{
    QPainter& p = c.p();
    const QRect box(at, menuSize(rs, minWidth, rowHeight));
    c.cover(box);
    p.setPen(QPen(QColor(0x8A, 0x86, 0x7A), 1));
    p.setBrush(Qt::white);
    p.drawRect(box.adjusted(0, 0, -1, -1));
    bool hasIcons = false;
    for (const MenuRow& r : rs)
        hasIcons |= r.icon != Icon::None;
    if (hasIcons)
        p.fillRect(QRect(box.left() + 1, box.top() + 1, 26, box.height() - 2), QColor(0xF4, 0xF3, 0xEE));
    int y = box.top() + 2;
    for (int i = 0; i < rs.size(); ++i) {
        const MenuRow& r = rs[i];
        if (r.text == QStringLiteral("-")) {
            p.setPen(QPen(QColor(0xAC, 0xA8, 0x99), 1));
            p.drawLine(box.left() + (hasIcons ? 30 : 4), y + 3, box.right() - 4, y + 3);
            y += 7;
            continue;
        }
        const QRect row(box.left() + 2, y, box.width() - 4, rowHeight);
        const bool hot = i == highlighted;
        if (hot) p.fillRect(row, MenuBlue);
        const QColor fg = r.disabled ? QColor(0xAC, 0xA8, 0x99) : hot ? Qt::white : Qt::black;
        if (r.icon != Icon::None) icon(p, QRectF(row.left() + 3, row.center().y() - 7.5, 16, 16), r.icon);
        if (r.checked)
            text(p, QRect(row.left() + 2, row.top(), 20, row.height()), QStringLiteral("✓"), Qt::AlignCenter,
                 fg);
        text(p, row.adjusted(28, 0, -18, 0), rowName(r.text), Qt::AlignLeft | Qt::AlignVCenter, fg, 12,
             r.bold);
        if (isCascade(r.text)) arrowRight(p, QPoint(row.right() - 6, row.center().y()), fg);
        c.mark(QStringLiteral("菜单:") + rowName(r.text), row);
        y += rowHeight;
    }
    return box;
}

// ----- controls -----------------------------------------------------------------------------------

void button(Canvas& c, const QRect& r, const QString& lbl, bool isDefault, bool enabled)
{
    QPainter& p = c.p();
    p.setPen(QPen(enabled ? QColor(0x00, 0x3C, 0x74) : QColor(0xC9, 0xC7, 0xBA), 1));
    p.setBrush(vgrad(r.top(), r.bottom(),
                     {{0, Qt::white}, {0.85, QColor(0xEC, 0xEB, 0xE6)}, {1, QColor(0xD6, 0xD0, 0xC5)}}));
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    if (isDefault) {
        p.setPen(QPen(QColor(0x7B, 0xA2, 0xE7), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(r).adjusted(2, 2, -2, -2), 2, 2);
    }
    text(p, r, lbl, Qt::AlignCenter, enabled ? Qt::black : QColor(0xAC, 0xA8, 0x99));
    c.mark(QStringLiteral("按钮:") + lbl, r);
}

void checkBox(Canvas& c, QPoint at, const QString& lbl, bool checked, bool enabled)
{
    QPainter& p = c.p();
    const QRect box(at.x(), at.y() + 1, 13, 13);
    p.setPen(QPen(QColor(0x1C, 0x51, 0x80), 1));
    p.setBrush(vgrad(box.top(), box.bottom(), {{0, QColor(0xDC, 0xDC, 0xD7)}, {1, Qt::white}}));
    p.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    if (checked) {
        p.setPen(QPen(QColor(0x21, 0xA1, 0x21), 2));
        p.drawPolyline(QPolygon(
            {box.topLeft() + QPoint(3, 6), box.topLeft() + QPoint(5, 9), box.topLeft() + QPoint(10, 3)}));
    }
    const int w = textWidth(lbl);
    text(p, QRect(at.x() + 18, at.y(), w + 4, 15), lbl, Qt::AlignLeft | Qt::AlignVCenter,
         enabled ? Qt::black : QColor(0xAC, 0xA8, 0x99));
    c.mark(QStringLiteral("复选框:") + lbl, QRect(at.x(), at.y(), w + 22, 15));
}

void radio(Canvas& c, QPoint at, const QString& lbl, bool checked)
{
    QPainter& p = c.p();
    const QRectF box(at.x() + 0.5, at.y() + 1.5, 12, 12);
    p.setPen(QPen(QColor(0x1C, 0x51, 0x80), 1));
    p.setBrush(vgrad(int(box.top()), int(box.bottom()), {{0, QColor(0xDC, 0xDC, 0xD7)}, {1, Qt::white}}));
    p.drawEllipse(box);
    if (checked) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x21, 0xA1, 0x21));
        p.drawEllipse(box.adjusted(3, 3, -3, -3));
    }
    const int w = textWidth(lbl);
    text(p, QRect(at.x() + 18, at.y(), w + 4, 15), lbl);
    c.mark(QStringLiteral("单选:") + lbl, QRect(at.x(), at.y(), w + 22, 15));
}

void edit(Canvas& c, const QRect& r, const QString& value, const QString& name, bool enabled)
{
    QPainter& p = c.p();
    p.setPen(QPen(FieldBorder, 1));
    p.setBrush(enabled ? Qt::white : Beige);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    text(p, r.adjusted(3, 0, -3, 0), value);
    c.mark(QStringLiteral("文本框:") + name, r);
}

void combo(Canvas& c, const QRect& r, const QString& value, const QString& name)
{
    QPainter& p = c.p();
    edit(c, r, value, name);
    const QRect b(r.right() - 17, r.top() + 1, 17, r.height() - 2);
    p.setPen(QPen(QColor(0xB9, 0xCB, 0xF3), 1));
    p.setBrush(vgrad(b.top(), b.bottom(), {{0, QColor(0xD8, 0xE6, 0xFE)}, {1, QColor(0xB4, 0xCA, 0xF8)}}));
    p.drawRoundedRect(QRectF(b).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    arrowDown(p, QPoint(b.center().x() + 1, b.center().y() + 3), QColor(0x4D, 0x61, 0x85));
    // Typing goes into the part left of the drop-down button.
    c.mark(QStringLiteral("文本框:") + name, r.adjusted(0, 0, -18, 0));
    c.mark(QStringLiteral("下拉框:") + name, r);
    c.mark(QStringLiteral("下拉按钮:") + name, b);
}

void listBox(Canvas& c, const QRect& r, const QStringList& items, int selected, const QString& name,
             int rowHeight)
{
    QPainter& p = c.p();
    p.setPen(QPen(FieldBorder, 1));
    p.setBrush(Qt::white);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    c.mark(QStringLiteral("列表:") + name, r);
    for (int i = 0; i < items.size(); ++i) {
        const QRect row(r.left() + 2, r.top() + 2 + i * rowHeight, r.width() - 4, rowHeight);
        if (row.bottom() > r.bottom()) break;
        if (i == selected) p.fillRect(row, MenuBlue);
        text(p, row.adjusted(3, 0, 0, 0), items[i], Qt::AlignLeft | Qt::AlignVCenter,
             i == selected ? Qt::white : Qt::black);
        c.mark(QStringLiteral("列表项:") + items[i], row);
    }
}

void group(Canvas& c, const QRect& r, const QString& title)
{
    QPainter& p = c.p();
    // The title sits on whatever the group is drawn on (a dialog's body or a tab page).
    const auto* image = dynamic_cast<const QImage*>(p.device());
    const QColor under = image && image->rect().contains(r.topLeft() + QPoint(3, 3))
                             ? image->pixelColor(r.topLeft() + QPoint(3, 3))
                             : Beige;
    p.setPen(QPen(QColor(0xD0, 0xD0, 0xBF), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 6.5, -0.5, -0.5), 3, 3);
    const int w = textWidth(title) + 6;
    p.fillRect(QRect(r.left() + 7, r.top(), w, 14), under);
    text(p, QRect(r.left() + 10, r.top(), w, 14), title, Qt::AlignLeft | Qt::AlignVCenter,
         QColor(0x00, 0x46, 0xD5));
}

void label(Canvas& c, const QRect& r, const QString& s, int flags, QColor colour)
{
    text(c.p(), r, s, flags, colour);
}

void link(Canvas& c, QPoint at, const QString& s, Icon ic, QColor colour)
{
    QPainter& p = c.p();
    int x = at.x();
    if (ic != Icon::None) {
        icon(p, QRectF(x, at.y() + 1, 16, 16), ic);
        x += 20;
    }
    const int w = textWidth(s);
    text(p, QRect(x, at.y(), w + 2, 18), s, Qt::AlignLeft | Qt::AlignVCenter, colour);
    c.mark(QStringLiteral("链接:") + s, QRect(at.x(), at.y(), x - at.x() + w + 2, 18));
}

QRect tabs(Canvas& c, const QRect& r, const QStringList& titles, int active)
{
    QPainter& p = c.p();
    const QRect page(r.left(), r.top() + 21, r.width(), r.height() - 21);
    p.setPen(QPen(QColor(0x91, 0x9B, 0x9C), 1));
    p.setBrush(QColor(0xFC, 0xFC, 0xFE));
    p.drawRect(page.adjusted(0, 0, -1, -1));
    int x = r.left() + 2;
    QRect activeBox;
    for (int i = 0; i < titles.size(); ++i) {
        const int w = textWidth(titles[i]) + 14;
        QRect t(x, r.top() + 2, w, 20);
        if (i == active) {
            activeBox = t.adjusted(-2, -2, 2, 1);
        } else {
            p.setPen(QPen(QColor(0x91, 0x9B, 0x9C), 1));
            p.setBrush(vgrad(t.top(), t.bottom(), {{0, Qt::white}, {1, QColor(0xEC, 0xEB, 0xE6)}}));
            p.drawRect(t.adjusted(0, 0, -1, -1));
            text(p, t, titles[i], Qt::AlignCenter);
        }
        c.mark(QStringLiteral("选项卡:") + titles[i], t);
        x += w;
    }
    if (activeBox.isValid()) {
        p.setPen(QPen(QColor(0x91, 0x9B, 0x9C), 1));
        p.setBrush(QColor(0xFC, 0xFC, 0xFE));
        p.drawRect(activeBox.adjusted(0, 0, -1, 0));
        p.fillRect(QRect(activeBox.left(), activeBox.top(), activeBox.width(), 3), QColor(0xFF, 0xC8, 0x3C));
        p.fillRect(QRect(activeBox.left() + 1, activeBox.bottom(), activeBox.width() - 2, 2),
                   QColor(0xFC, 0xFC, 0xFE));
        text(p, activeBox.adjusted(0, 2, 0, 0), titles[active], Qt::AlignCenter);
    }
    return page.adjusted(8, 8, -8, -8);
}

void slider(Canvas& c, const QRect& r, int ticks, int at, const QString& name)
{
    QPainter& p = c.p();
    const int y = r.top() + 8;
    p.setPen(QPen(QColor(0x9D, 0x9C, 0x99), 1));
    p.setBrush(QColor(0xEC, 0xEB, 0xE6));
    p.drawRect(QRect(r.left() + 5, y, r.width() - 10, 3));
    const double step = ticks > 1 ? double(r.width() - 12) / (ticks - 1) : 0;
    for (int i = 0; i < ticks; ++i) {
        const int x = r.left() + 6 + int(step * i);
        p.setPen(QPen(QColor(0xA1, 0xA1, 0x92), 1));
        p.drawLine(x, y + 12, x, y + 16);
        c.mark(QStringLiteral("滑块:") + name + QStringLiteral(":") + QString::number(i),
               QRect(x - 5, r.top(), 11, 22));
    }
    const int tx = r.left() + 6 + int(step * at);
    p.setPen(QPen(QColor(0x1C, 0x51, 0x80), 1));
    p.setBrush(vgrad(y - 6, y + 10, {{0, Qt::white}, {1, QColor(0xB6, 0xD0, 0xF0)}}));
    p.drawPolygon(
        QPolygon({{tx - 5, y - 6}, {tx + 5, y - 6}, {tx + 5, y + 6}, {tx, y + 11}, {tx - 5, y + 6}}));
}

void progress(Canvas& c, const QRect& r, int percent)
{
    QPainter& p = c.p();
    p.setPen(QPen(QColor(0x68, 0x68, 0x68), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    const int blocks = (r.width() - 6) * percent / 100 / 9;
    for (int i = 0; i < blocks; ++i) {
        const QRect b(r.left() + 3 + 9 * i, r.top() + 3, 7, r.height() - 6);
        p.fillRect(b, QColor(0x2F, 0xD0, 0x36));
    }
}

void messageBody(Canvas& c, const QRect& client, Icon ic, const QStringList& lines,
                 const QStringList& buttons)
{
    icon(c.p(), QRectF(client.left() + 14, client.top() + 14, 32, 32), ic);
    int y = client.top() + 18;
    for (const QString& l : lines) {
        text(c.p(), QRect(client.left() + 60, y, client.width() - 70, 16), l);
        y += 18;
    }
    const int bw = 75;
    const int total = int(buttons.size()) * bw + (int(buttons.size()) - 1) * 8;
    int x = client.center().x() - total / 2;
    for (int i = 0; i < buttons.size(); ++i) {
        button(c, QRect(x, client.bottom() - 32, bw, 23), buttons[i], i == 0);
        x += bw + 8;
    }
}

// ----- Explorer ------------------------------------------------------------------------------------

void toolbar(Canvas& c, QPoint at, bool second)
{
    using namespace layout;
    QPainter& p = c.p();
    const QRect bar(at, ToolBox.px().size());
    p.fillRect(
        bar, vgrad(bar.top(), bar.bottom(), {{0, QColor(0xFA, 0xF9, 0xF4)}, {1, QColor(0xE6, 0xE2, 0xD0)}}));
    const QColor disabled(0xAC, 0xA8, 0x99);
    for (const ToolButton& b : ToolButtons) {
        const QRect r = QRect(b.left / TwipsPerPixel, ToolButtonTop / TwipsPerPixel, b.width / TwipsPerPixel,
                              ToolButtonHeight / TwipsPerPixel)
                            .translated(at);
        const QRectF ic(r.left() + 4, r.center().y() - 12, 24, 24);
        QString name;
        switch (b.hotSpot) {
        case 11: {
            name = QStringLiteral("后退");
            const bool on = second;
            p.setPen(Qt::NoPen);
            p.setBrush(on ? QColor(0x3C, 0xA0, 0x3C) : QColor(0xC8, 0xC8, 0xC0));
            p.drawEllipse(ic);
            p.setBrush(Qt::white);
            p.drawPolygon(QPolygonF({{ic.left() + 5, ic.center().y()},
                                     {ic.left() + 13, ic.top() + 5},
                                     {ic.left() + 13, ic.bottom() - 5}}));
            p.drawRect(QRectF(ic.left() + 12, ic.center().y() - 2.5, 7, 5));
            text(p, QRect(r.left() + 30, r.top(), 30, r.height()), name, Qt::AlignLeft | Qt::AlignVCenter,
                 on ? Qt::black : disabled);
            arrowDown(p, QPoint(r.right() - 6, r.center().y() + 2), on ? Qt::black : disabled);
            break;
        }
        case 12:
            name = QStringLiteral("前进");
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xC8, 0xC8, 0xC0));
            p.drawEllipse(ic);
            p.setBrush(Qt::white);
            p.drawPolygon(QPolygonF({{ic.right() - 5, ic.center().y()},
                                     {ic.right() - 13, ic.top() + 5},
                                     {ic.right() - 13, ic.bottom() - 5}}));
            p.drawRect(QRectF(ic.left() + 5, ic.center().y() - 2.5, 7, 5));
            arrowDown(p, QPoint(r.right() - 6, r.center().y() + 2), disabled);
            break;
        case 13:
            name = QStringLiteral("向上");
            icon(p, ic, Icon::Folder);
            p.setPen(QPen(QColor(0x20, 0x90, 0x20), 3));
            p.drawLine(QPointF(ic.center().x(), ic.bottom() - 4), QPointF(ic.center().x(), ic.top() + 6));
            p.drawLine(QPointF(ic.center().x() - 5, ic.top() + 11), QPointF(ic.center().x(), ic.top() + 6));
            p.drawLine(QPointF(ic.center().x() + 5, ic.top() + 11), QPointF(ic.center().x(), ic.top() + 6));
            break;
        case 14:
            name = QStringLiteral("搜索");
            icon(p, ic, Icon::Search);
            text(p, QRect(r.left() + 30, r.top(), 32, r.height()), name);
            break;
        case 15:
            name = QStringLiteral("文件夹");
            icon(p, ic, Icon::Folder);
            text(p, QRect(r.left() + 30, r.top(), 44, r.height()), name);
            break;
        case 16:
            name = QStringLiteral("剪切");
            text(p, r, QStringLiteral("✂"), Qt::AlignCenter, QColor(0x30, 0x30, 0x40), 18);
            break;
        case 17:
            name = QStringLiteral("复制");
            icon(p, QRectF(r.left() + 4, r.top() + 8, 16, 20), Icon::TextFile);
            icon(p, QRectF(r.left() + 11, r.top() + 12, 16, 20), Icon::TextFile);
            break;
        case 18:
            name = QStringLiteral("粘贴");
            icon(p, ic, Icon::TextFile);
            break;
        case 19:
            name = QStringLiteral("撤消");
            text(p, r, QStringLiteral("↶"), Qt::AlignCenter, QColor(0x20, 0x50, 0xB0), 22, true);
            break;
        case 20:
            name = QStringLiteral("删除");
            text(p, r, QStringLiteral("✖"), Qt::AlignCenter, QColor(0xD0, 0x20, 0x10), 20, true);
            break;
        case 21:
            name = QStringLiteral("属性");
            icon(p, ic, Icon::TextFile);
            p.fillRect(QRectF(ic.left() + 4, ic.top() + 2, 10, 4), QColor(0x30, 0x70, 0xD0));
            break;
        case 23:
            name = QStringLiteral("查看");
            p.setPen(QPen(QColor(0x30, 0x50, 0x90), 1));
            for (int i = 0; i < 4; ++i) {
                p.setBrush(QColor(0x70, 0xA0, 0xE0));
                p.drawRect(QRectF(r.left() + 5 + (i % 2) * 10, r.top() + 9 + (i / 2) * 10, 8, 8));
            }
            arrowDown(p, QPoint(r.right() - 7, r.center().y() + 2), Qt::black);
            break;
        case 22:
            name = QStringLiteral("文件夹选项");
            icon(p, ic, Icon::FolderOptions);
            break;
        default:
            break;
        }
        c.mark(QStringLiteral("工具栏:") + name, r);
    }
    // Separators between the groups of buttons.
    p.setPen(QPen(QColor(0xC5, 0xC2, 0xB2), 1));
    for (const int x : {168, 314, 418, 490})
        p.drawLine(at.x() + x, at.y() + 6, at.x() + x, at.y() + 33);
}

void addressBar(Canvas& c, const QRect& r, const QString& address, Icon ic)
{
    QPainter& p = c.p();
    p.fillRect(r, QColor(0xEE, 0xEB, 0xDD));
    text(p, QRect(r.left() + 4, r.top(), 50, r.height()), QStringLiteral("地址(D)"),
         Qt::AlignLeft | Qt::AlignVCenter, QColor(0x70, 0x70, 0x70));
    const QRect field(r.left() + 56, r.top() + 2, r.width() - 56 - 64, r.height() - 4);
    combo(c, field, QString(), QStringLiteral("地址"));
    icon(p, QRectF(field.left() + 3, field.center().y() - 8, 16, 16), ic);
    text(p, field.adjusted(22, 0, -20, 0), address);
    c.mark(QStringLiteral("地址栏"), field.adjusted(20, 0, -18, 0));
    const QRect go(field.right() + 6, field.top(), 54, field.height());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3C, 0xA0, 0x3C));
    p.drawRoundedRect(QRectF(go.left() + 2, go.top() + 2, 16, 16), 3, 3);
    arrowRight(p, QPoint(go.left() + 15, go.top() + 10), Qt::white);
    text(p, go.adjusted(22, 0, 0, 0), QStringLiteral("转到"));
    c.mark(QStringLiteral("按钮:转到"), go);
}

namespace {

void paneGroup(QPainter& p, QRect r, const QString& title, bool special)
{
    QPainterPath head;
    head.addRoundedRect(QRectF(r.left(), r.top(), r.width(), 25), 4, 4);
    head.addRect(QRectF(r.left(), r.top() + 10, r.width(), 15));
    p.setPen(Qt::NoPen);
    QLinearGradient g(r.left(), 0, r.right(), 0);
    g.setColorAt(0, special ? QColor(0x00, 0x49, 0xD6) : Qt::white);
    g.setColorAt(1, special ? QColor(0x29, 0x80, 0xE8) : QColor(0xC6, 0xD3, 0xF7));
    p.setBrush(g);
    p.drawPath(head.simplified());
    text(p, QRect(r.left() + 10, r.top(), r.width() - 30, 25), title, Qt::AlignLeft | Qt::AlignVCenter,
         special ? Qt::white : QColor(0x21, 0x5D, 0xC6), 12, true);
    // The collapse chevron.
    p.setPen(QPen(special ? Qt::white : QColor(0x21, 0x5D, 0xC6), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(r.right() - 20, r.top() + 4.5, 16, 16));
    if (r.height() > 25) {
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(QColor(0xD6, 0xDF, 0xF7));
        p.drawRect(QRect(r.left(), r.top() + 25, r.width() - 1, r.height() - 26));
    }
}

struct PaneLink {
    int hotSpot;
    QString text;
    Icon icon;
};

} // namespace

void taskPane(Canvas& c, QPoint at, int code)
{
    using namespace layout;
    QPainter& p = c.p();
    const QRect box(at, TaskPaneBox.px().size());
    p.fillRect(
        box, vgrad(box.top(), box.bottom(), {{0, QColor(0x7B, 0xA2, 0xE7)}, {1, QColor(0x63, 0x75, 0xD6)}}));
    QList<PaneLink> tasks;
    QString taskTitle;
    switch (code) {
    case 0:
        taskTitle = QStringLiteral("系统任务");
        tasks = {{26, QStringLiteral("查看系统信息"), Icon::System},
                 {30, QStringLiteral("添加/删除程序"), Icon::AddRemove},
                 {27, QStringLiteral("更改一个设置"), Icon::ControlPanel}};
        break;
    case 1:
        taskTitle = QStringLiteral("文件和文件夹任务");
        tasks = {{26, QStringLiteral("创建一个新文件夹"), Icon::Folder},
                 {30, QStringLiteral("将这个文件夹发布到|Web"), Icon::IE},
                 {27, QStringLiteral("共享此文件夹"), Icon::SharedDocs}};
        break;
    case 3:
        taskTitle = QStringLiteral("文件和文件夹任务");
        tasks = {{26, QStringLiteral("创建一个新文件夹"), Icon::Folder},
                 {27, QStringLiteral("移动所选项目"), Icon::Folder},
                 {28, QStringLiteral("复制所选项目"), Icon::TextFile},
                 {30, QStringLiteral("将所选项目发布到|Web"), Icon::IE},
                 {29, QStringLiteral("共享此文件夹"), Icon::SharedDocs},
                 {38, QStringLiteral("以电子邮件发送所选项目"), Icon::Outlook},
                 {32, QStringLiteral("删除所选项目"), Icon::RecycleBin}};
        break;
    case 4:
        taskTitle = QStringLiteral("文件和文件夹任务");
        tasks = {{26, QStringLiteral("重命名这个文件夹"), Icon::Folder},
                 {27, QStringLiteral("移动这个文件夹"), Icon::Folder},
                 {28, QStringLiteral("复制这个文件夹"), Icon::Folder},
                 {29, QStringLiteral("将这个文件夹发布到 Web"), Icon::IE},
                 {30, QStringLiteral("以电子邮件形式发送该|文件夹中的文件"), Icon::Outlook},
                 {31, QStringLiteral("共享此文件夹"), Icon::SharedDocs},
                 {32, QStringLiteral("删除这个文件夹"), Icon::RecycleBin}};
        break;
    default:
        taskTitle = QStringLiteral("文件和文件夹任务");
        tasks = {{26, QStringLiteral("重命名这个文件"), Icon::TextFile},
                 {27, QStringLiteral("移动这个文件"), Icon::TextFile},
                 {28, QStringLiteral("复制这个文件"), Icon::TextFile},
                 {29, QStringLiteral("将这个文件发布到 Web"), Icon::IE},
                 {30, QStringLiteral("以电子邮件形式发送|此文件"), Icon::Outlook},
                 {31, QStringLiteral("打印此文件"), Icon::Printer},
                 {32, QStringLiteral("删除这个文件"), Icon::RecycleBin}};
        break;
    }
    const int layoutCode = code == 0 ? 1 : code;
    const auto linkBox = [&](int id) { return taskPaneLink(layoutCode, id).px().translated(at); };
    int lastTask = 0;
    for (const PaneLink& l : tasks)
        lastTask = std::max(lastTask, linkBox(l.hotSpot).bottom());
    const QRect places33 = linkBox(33);
    const QRect details = linkBox(39);
    paneGroup(p, QRect(at.x() + 8, at.y() + 8, 181, lastTask - at.y() - 8 + 8), taskTitle, false);
    paneGroup(p, QRect(at.x() + 8, places33.top() - 32, 181, linkBox(37).bottom() - places33.top() + 40),
              QStringLiteral("其它位置"), false);
    paneGroup(p, QRect(at.x() + 8, details.top(), 181, 25), QStringLiteral("详细信息"), false);
    c.mark(QStringLiteral("链接:详细信息"), details);
    const QList<PaneLink> places{{33, QStringLiteral("控制面板"), Icon::ControlPanel},
                                 {34, QStringLiteral("我的文档"), Icon::MyDocuments},
                                 {35, QStringLiteral("共享文档"), Icon::SharedDocs},
                                 {36, QStringLiteral("我的电脑"), Icon::MyComputer},
                                 {37, QStringLiteral("网上邻居"), Icon::Network}};
    // A link's text starts where the desktop underlines the hovered link; its icon stands before it.
    const int textLeft = at.x() + TaskPaneUnderlineLeft / TwipsPerPixel;
    for (const PaneLink& l : tasks + places) {
        const QRect r = linkBox(l.hotSpot);
        icon(p, QRectF(textLeft - 20, r.top() + 2, 16, 16), l.icon);
        const QStringList lines = l.text.split(QLatin1Char('|'));
        for (int i = 0; i < lines.size(); ++i) {
            const QRect box(textLeft, r.top() + 1 + 14 * i, at.x() + 187 - textLeft, 16);
            text(p, box, lines[i], Qt::AlignLeft | Qt::AlignVCenter, LinkBlue,
                 fittingSize(lines[i], box.width()));
        }
        c.mark(QStringLiteral("链接:") + lines.join(QString()), r);
    }
}

int fittingSize(const QString& s, int width, int px)
{
    while (px > 9 && textWidth(s, px) > width)
        --px;
    return px;
}

void myComputer(Canvas& c, QPoint at, int selected)
{
    using namespace layout;
    QPainter& p = c.p();
    const QRect box(at, MyPcBox.px().size());
    p.fillRect(box, Qt::white);
    const auto header = [&](int y, const QString& t) {
        text(p, QRect(at.x() + 12, at.y() + y, 300, 18), t, Qt::AlignLeft | Qt::AlignVCenter, Qt::black, 12,
             true);
        QLinearGradient g(at.x() + 12, 0, at.x() + 420, 0);
        g.setColorAt(0, QColor(0x70, 0x98, 0xE0));
        g.setColorAt(1, Qt::white);
        p.fillRect(QRect(at.x() + 12, at.y() + y + 19, 408, 1), g);
    };
    header(10, QStringLiteral("在这台计算机上存储的文件"));
    header(112, QStringLiteral("硬盘"));
    header(252, QStringLiteral("有可移动存储的设备"));
    header(356, QStringLiteral("其它"));
    struct Item {
        int hotSpot;
        Icon icon;
        QString label;
        QString detail;
    };
    const QList<Item> items{
        {92, Icon::SharedDocs, QStringLiteral("共享文档"), QStringLiteral("文件夹")},
        {93, Icon::MyDocuments, QStringLiteral("Administrator 的文档"), QStringLiteral("文件夹")},
        {94, Icon::MyDocuments, QStringLiteral("张老师 的文档"), QStringLiteral("文件夹")},
        {95, Icon::HardDisk, QStringLiteral("本地磁盘 (C:)"), QString()},
        {96, Icon::HardDisk, QStringLiteral("本地磁盘 (D:)"), QString()},
        {97, Icon::HardDisk, QStringLiteral("本地磁盘 (E:)"), QString()},
        {98, Icon::HardDisk, QStringLiteral("本地磁盘 (F:)"), QString()},
        {99, Icon::Floppy, QStringLiteral("3.5 软盘 (A:)"), QStringLiteral("3.5 英寸软盘")},
        {100, Icon::CdDrive, QStringLiteral("CD 驱动器 (G:)"), QStringLiteral("CD 驱动器")},
        {101, Icon::Removable, QStringLiteral("可移动磁盘 (I:)"), QString()},
        {102, Icon::SharedDocs, QStringLiteral("我的共享文件夹"), QStringLiteral("共享文件夹")}};
    for (const Item& it : items) {
        const Spot* spot = nullptr;
        for (const Spot& s : MyPcItems) {
            if (s.hotSpot == it.hotSpot) spot = &s;
        }
        const QRect r = spot->rect.px().translated(at);
        const int iconSize = r.height() >= 40 ? 32 : 24;
        if (it.hotSpot == selected) p.fillRect(r, QColor(0x31, 0x6A, 0xC5, 70));
        icon(p, QRectF(r.left() + 2, r.center().y() - iconSize / 2.0, iconSize, iconSize), it.icon);
        const QRect textBox = r.adjusted(iconSize + 6, 0, 40, 0);
        // A selected item's name stands white on the selection's blue.
        const bool sel = it.hotSpot == selected;
        const QRect nameBox = it.detail.isEmpty() ? textBox : textBox.adjusted(0, 0, 0, -r.height() / 2);
        const int nameFlags =
            it.detail.isEmpty() ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignBottom;
        if (sel) {
            const QRect used = QFontMetrics(font(12)).boundingRect(nameBox, nameFlags, it.label);
            p.fillRect(used.adjusted(-2, 0, 2, 0), MenuBlue);
        }
        if (it.detail.isEmpty()) {
            text(p, textBox, it.label, nameFlags, sel ? Qt::white : Qt::black);
        } else {
            text(p, nameBox, it.label, nameFlags, sel ? Qt::white : Qt::black);
            text(p, textBox.adjusted(0, r.height() / 2, 0, 0), it.detail, Qt::AlignLeft | Qt::AlignTop,
                 QColor(0x80, 0x80, 0x80));
        }
        c.mark(QStringLiteral("图标:") + it.label, r);
    }
    c.mark(QStringLiteral("我的电脑:空白"), QRect(at.x() + 40, at.y() + 210, 200, 34));
}

QRect tileBox(const QRect& area, int n)
{
    return {area.left() + 12 + (n % 3) * 186, area.top() + 12 + (n / 3) * 58, 176, 50};
}

QRect tileLabel(const QRect& area, int n)
{
    const QRect t = tileBox(area, n);
    return {t.left() + 40, t.top() + 6, 132, 18};
}

void tiles(Canvas& c, const QRect& area, const QList<FileItem>& items, const QStringList& selected,
           const QString& editing)
{
    QPainter& p = c.p();
    for (int i = 0; i < items.size(); ++i) {
        const FileItem& it = items[i];
        const QRect t = tileBox(area, i);
        const bool sel = selected.contains(it.label);
        icon(p, QRectF(t.left() + 2, t.top() + 9, 32, 32), it.icon);
        if (it.label != editing) {
            const QRect name = tileLabel(area, i);
            if (sel)
                p.fillRect(QRect(name.left() - 2, name.top(), textWidth(it.label) + 4, name.height()),
                           QColor(0x31, 0x6A, 0xC5));
            text(p, name, it.label, Qt::AlignLeft | Qt::AlignVCenter, sel ? Qt::white : Qt::black);
        }
        text(p, QRect(t.left() + 40, t.top() + 25, 132, 16), it.detail, Qt::AlignLeft | Qt::AlignVCenter,
             QColor(0x80, 0x80, 0x80));
        c.mark(QStringLiteral("图标:") + it.label, t);
        c.mark(QStringLiteral("名称:") + it.label, tileLabel(area, i));
    }
}

void details(Canvas& c, const QRect& area, const QList<FileItem>& items, const QStringList& selected)
{
    QPainter& p = c.p();
    const QStringList heads{QStringLiteral("名称"), QStringLiteral("大小"), QStringLiteral("类型"),
                            QStringLiteral("修改日期")};
    const int widths[] = {170, 70, 110, 140};
    int x = area.left();
    for (int i = 0; i < 4; ++i) {
        const QRect h(x, area.top(), widths[i], 20);
        p.fillRect(h, vgrad(h.top(), h.bottom(), {{0, Qt::white}, {1, QColor(0xEB, 0xEA, 0xDB)}}));
        p.setPen(QColor(0xC7, 0xC5, 0xB2));
        p.drawLine(h.right(), h.top() + 3, h.right(), h.bottom() - 3);
        text(p, h.adjusted(6, 0, 0, 0), heads[i]);
        x += widths[i];
    }
    for (int r = 0; r < items.size(); ++r) {
        const FileItem& it = items[r];
        const QRect row(area.left(), area.top() + 22 + 18 * r, widths[0], 18);
        const bool sel = selected.contains(it.label);
        if (sel) p.fillRect(row.adjusted(20, 0, 0, 0), QColor(0x31, 0x6A, 0xC5));
        icon(p, QRectF(row.left() + 2, row.top() + 1, 16, 16), it.icon);
        text(p, row.adjusted(22, 0, 0, 0), it.label, Qt::AlignLeft | Qt::AlignVCenter,
             sel ? Qt::white : Qt::black);
        const QStringList parts = it.detail.split(QLatin1Char('|'));
        int cx = area.left() + widths[0];
        for (int i = 1; i < 4; ++i) {
            text(p, QRect(cx + 6, row.top(), widths[i] - 8, 18), parts.value(i - 1),
                 Qt::AlignLeft | Qt::AlignVCenter);
            cx += widths[i];
        }
        c.mark(QStringLiteral("图标:") + it.label, row);
    }
}

void list(Canvas& c, const QRect& area, const QList<FileItem>& items, const QStringList& selected)
{
    QPainter& p = c.p();
    const int width = 180, height = 18;
    const int perColumn = std::max(1, (area.height() - 8) / height);
    for (int n = 0; n < items.size(); ++n) {
        const FileItem& it = items[n];
        const QRect row(area.left() + 6 + width * (n / perColumn), area.top() + 6 + height * (n % perColumn),
                        width - 10, height);
        const bool sel = selected.contains(it.label);
        const QRect name(row.left() + 20, row.top() + 1, std::min(textWidth(it.label) + 4, row.width() - 20),
                         height - 2);
        if (sel) p.fillRect(name, QColor(0x31, 0x6A, 0xC5));
        icon(p, QRectF(row.left() + 1, row.top() + 1, 16, 16), it.icon);
        text(p, name.adjusted(2, 0, 0, 0), it.label, Qt::AlignLeft | Qt::AlignVCenter,
             sel ? Qt::white : Qt::black);
        c.mark(QStringLiteral("图标:") + it.label,
               QRect(row.topLeft(), QSize(name.right() - row.left() + 1, height)));
    }
}

// ----- the Start menu -----------------------------------------------------------------------------

void startMenu(Canvas& c, QPoint at, const StartMenu& s)
{
    using namespace layout;
    QPainter& p = c.p();
    const QRect box(at, StartBox.px().size());
    c.cover(box);
    const auto spot = [&](int id) {
        for (const Spot& sp : StartItems) {
            if (sp.hotSpot == id) return sp.rect.px().translated(at);
        }
        return QRect();
    };
    // Frame, banner, the two columns and the bottom bar.
    QPainterPath frame;
    frame.addRoundedRect(QRectF(box), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1C, 0x5B, 0xD8));
    p.drawPath(frame);
    const QRect banner(box.left(), box.top(), box.width(), 64);
    p.setBrush(vgrad(
        banner.top(), banner.bottom(),
        {{0, QColor(0x46, 0x8E, 0xF0)}, {0.3, QColor(0x16, 0x5C, 0xE0)}, {1, QColor(0x1A, 0x5E, 0xD8)}}));
    QPainterPath bp;
    bp.addRoundedRect(QRectF(banner), 7, 7);
    bp.addRect(QRectF(banner.left(), banner.top() + 10, banner.width(), banner.height() - 10));
    p.drawPath(bp.simplified());
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(box.left() + 7, box.top() + 8, 48, 48), 3, 3);
    icon(p, QRectF(box.left() + 8, box.top() + 9, 46, 46), Icon::UserPicture);
    text(p, QRect(box.left() + 63, box.top() + 1, 300, 64), QStringLiteral("Administrator"),
         Qt::AlignLeft | Qt::AlignVCenter, QColor(0, 0, 0x50), 16, true);
    text(p, QRect(box.left() + 62, box.top(), 300, 64), QStringLiteral("Administrator"),
         Qt::AlignLeft | Qt::AlignVCenter, Qt::white, 16, true);
    p.fillRect(QRect(box.left() + 2, box.top() + 64, box.width() - 4, 3), QColor(0xE8, 0x90, 0x30));
    const QRect left(box.left() + 2, box.top() + 67, 187, 367);
    const QRect right(box.left() + 189, box.top() + 67, box.width() - 191, 367);
    p.fillRect(left, Qt::white);
    p.fillRect(right, QColor(0xD3, 0xE5, 0xFA));
    p.fillRect(QRect(right.left(), right.top(), 1, right.height()), QColor(0x95, 0xBD, 0xEE));
    const QRect bottom(box.left(), box.top() + 434, box.width(), box.height() - 434);
    p.fillRect(bottom, vgrad(bottom.top(), bottom.bottom(),
                             {{0, QColor(0x42, 0x82, 0xE6)}, {1, QColor(0x16, 0x4E, 0xC8)}}));

    const auto item = [&](const QRect& r, Icon ic, const QString& name, const QString& sub, bool bold,
                          bool rightColumn) {
        const bool hot = name == s.highlighted;
        if (hot) p.fillRect(r, QColor(0x31, 0x6A, 0xC5));
        const int is = r.height() >= 34 ? 32 : 24;
        icon(p, QRectF(r.left() + 3, r.center().y() - is / 2.0, is, is), ic);
        const QColor fg = hot ? Qt::white : rightColumn ? QColor(0x00, 0x16, 0x5C) : Qt::black;
        if (sub.isEmpty()) {
            text(p, r.adjusted(is + 8, 0, 0, 0), name, Qt::AlignLeft | Qt::AlignVCenter, fg, 12, bold);
        } else {
            text(p, r.adjusted(is + 8, 2, 0, -r.height() / 2), name, Qt::AlignLeft | Qt::AlignVCenter, fg, 12,
                 bold);
            text(p, r.adjusted(is + 8, r.height() / 2 - 1, 0, 0), sub, Qt::AlignLeft | Qt::AlignVCenter,
                 hot ? Qt::white : QColor(0x70, 0x70, 0x70));
        }
        c.mark(QStringLiteral("开始:") + name, r);
    };
    item(spot(91), Icon::IE, QStringLiteral("Internet"), QStringLiteral("Internet Explorer"), true, false);
    item(spot(90), Icon::Outlook, QStringLiteral("电子邮件"), QStringLiteral("Outlook Express"), true, false);
    // Programs pinned later push the frequently used list down.
    int shift = 0;
    for (const QString& pinned : s.pinned) {
        const QRect r = spot(90).translated(0, 40 + shift);
        item(r, pinned == QStringLiteral("记事本") ? Icon::Notepad : Icon::Programs, pinned, QString(), false,
             false);
        shift += 40;
    }
    p.setPen(QPen(QColor(0xD6, 0xD3, 0xCE), 1));
    p.drawLine(left.left() + 8, spot(89).top() - 5 + shift, left.right() - 8, spot(89).top() - 5 + shift);
    const QList<std::tuple<int, Icon, QString>> recent{
        {89, Icon::MediaPlayer, QStringLiteral("Windows Media Player")},
        {88, Icon::Messenger, QStringLiteral("Windows Messenger")},
        {87, Icon::Tour, QStringLiteral("漫游 Windows XP")},
        {86, Icon::Excel, QStringLiteral("Microsoft Office Excel")},
        {85, Icon::Word, QStringLiteral("Microsoft Office Word")}};
    for (const auto& [id, ic, name] : recent) {
        const QRect r = spot(id).translated(0, shift);
        if (r.bottom() < spot(84).top() - 8) item(r, ic, name, QString(), false, false);
    }
    p.setPen(QPen(QColor(0xD6, 0xD3, 0xCE), 1));
    p.drawLine(left.left() + 8, spot(84).top() - 6, left.right() - 8, spot(84).top() - 6);
    {
        const QRect r = spot(84);
        const bool hot = s.highlighted == QStringLiteral("所有程序(P)") || s.allProgramsOpen;
        if (hot) p.fillRect(r, QColor(0x31, 0x6A, 0xC5));
        text(p, r.adjusted(40, 0, 0, 0), QStringLiteral("所有程序(P)"), Qt::AlignLeft | Qt::AlignVCenter,
             hot ? Qt::white : Qt::black, 12, true);
        icon(p, QRectF(r.left() + 120, r.center().y() - 9, 18, 18), Icon::Programs);
        c.mark(QStringLiteral("开始:所有程序(P)"), r);
    }
    const QList<std::tuple<int, Icon, QString, bool>> rightItems{
        {81, Icon::MyDocuments, QStringLiteral("我的文档"), true},
        {80, Icon::MyDocuments, QStringLiteral("我最近的文档(D)"), true},
        {79, Icon::Picture, QStringLiteral("图片收藏"), true},
        {78, Icon::Sound, QStringLiteral("我的音乐"), true},
        {77, Icon::MyComputer, QStringLiteral("我的电脑"), true},
        {76, Icon::ControlPanel, QStringLiteral("控制面板(C)"), false},
        {75, Icon::Programs, QStringLiteral("设定程序访问和默认值"), false},
        {74, Icon::Printer, QStringLiteral("打印机和传真"), false},
        {73, Icon::Help, QStringLiteral("帮助和支持(H)"), false},
        {72, Icon::Search, QStringLiteral("搜索(S)"), false},
        {71, Icon::Run, QStringLiteral("运行(R)..."), false}};
    for (const auto& [id, ic, name, bold] : rightItems) {
        item(spot(id), ic, name, QString(), bold, true);
        if (id == 80)
            arrowRight(p, QPoint(spot(id).right() - 6, spot(id).center().y()), QColor(0x00, 0x16, 0x5C));
    }
    p.setPen(QPen(QColor(0xAC, 0xC4, 0xEE), 1));
    p.drawLine(right.left() + 8, spot(77).bottom() + 6, right.right() - 8, spot(77).bottom() + 6);
    p.drawLine(right.left() + 8, spot(74).bottom() + 6, right.right() - 8, spot(74).bottom() + 6);
    const auto bottomButton = [&](int id, Icon ic, const QString& name) {
        const QRect r = spot(id);
        icon(p, QRectF(r.left() + 4, r.center().y() - 11, 22, 22), ic);
        text(p, r.adjusted(30, 0, 0, 0), name, Qt::AlignLeft | Qt::AlignVCenter, Qt::white);
        c.mark(QStringLiteral("开始:") + name, r);
    };
    bottomButton(82, Icon::LogOff, QStringLiteral("注销(L)"));
    bottomButton(83, Icon::TurnOff, QStringLiteral("关闭计算机(U)"));
}

} // namespace sample::xp
