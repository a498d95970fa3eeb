#include "sample/layout.h"

#include "desktop/menu_tables.h"

namespace sample::layout {

Twips menuTitle(char letter, int i)
{
    // The desktop's own title table, at scale 1: every value is a whole twip.
    const auto titles = menus::menuTitles(QChar(QLatin1Char(letter)), 1, 1);
    if (!titles || i < 1 || i > 10) return {};
    const menus::Box& b = (*titles)[size_t(i)];
    return {int(b.left), int(b.top), int(b.width), int(b.height)};
}

Twips taskPaneLink(int code, int id)
{
    constexpr int parked = 9600;
    // The base layout (Top, Width, Height).
    int top = 0;
    int width = 1560;
    int height = 300;
    switch (id) {
    case 26:
        top = 540, width = 1740;
        break;
    case 27:
        top = 840;
        break;
    case 28:
        top = 1140;
        break;
    case 29:
        top = 1440, width = 2280;
        break;
    case 30:
        top = 1740, width = 2280, height = 435;
        break;
    case 31:
        top = 2160;
        break;
    case 32:
        top = 2460;
        break;
    case 33:
        top = 3615, width = 1740;
        break;
    case 34:
    case 35:
    case 36:
    case 37:
        top = 3915 + 300 * (id - 34), width = 1200;
        break;
    case 39:
        top = 5535, width = 2640;
        break;
    default:
        top = parked;
        break;
    }
    if (code == 1) {
        switch (id) {
        case 26:
            width = 1920;
            break;
        case 27:
            top = 1260;
            break;
        case 30:
            top = 840, width = 2100;
            break;
        case 33:
            top = 2415, width = 1200;
            break;
        case 34:
        case 35:
        case 36:
        case 37:
            top = 2415 + 300 * (id - 33);
            break;
        case 39:
            top = 4380;
            break;
        case 28:
        case 29:
        case 31:
        case 32:
        case 38:
        case 40:
            top = parked;
            break;
        default:
            break;
        }
    } else if (code == 3) {
        switch (id) {
        case 26:
            width = 1920;
            break;
        case 27:
        case 28:
            width = 1740;
            break;
        case 29:
            top = 1860, width = 1560;
            break;
        case 30:
            top = 1440, width = 2100;
            break;
        case 31:
            top = parked;
            break;
        case 32:
            width = 1740, top = 2580;
            break;
        case 33:
            top = 3735;
            break;
        case 34:
        case 35:
        case 36:
        case 37:
            top = 3735 + 300 * (id - 33);
            break;
        case 38:
            top = 2160, width = 2280;
            break;
        default:
            break;
        }
    }
    return {210, top, width, height};
}

Twips dialogItem(int digit, int id)
{
    const Twips parked{-30, -30, 15, 15};
    if (digit == 0) {
        static constexpr double n41[] = {5, 8, 10.5, 4, 6.5, 13, 10, 6, 5, 4};
        static constexpr int n51[] = {7, 7, 5, 8};
        if (id >= 41 && id <= 50) {
            return {3360 + 3585 * ((id - 41) % 2), 810 + 930 * ((id - 41) / 2), int(975 + 195 * n41[id - 41]),
                    855};
        }
        if (id >= 51 && id <= 54)
            return {375, id == 51 ? 765 : 1935 + 300 * (id - 52), 390 + 180 * n51[id - 51], 330};
        return parked;
    }
    if (digit == 1) {
        static constexpr int n41[] = {8, 6, 10, 7};
        static constexpr int n51[] = {2, 4, 4, 6, 2, 2};
        if (id >= 41 && id <= 44) return {3345, 1410 + 450 * (id - 41), 435 + 195 * n41[id - 41], 450};
        if (id == 45) return {3345, 4080, 720 + 195 * 10, 690};
        if (id == 46) return {6105, 4080, 720 + 195 * 5, 690};
        if (id == 47) return {3345, 4770, 720 + 195 * 2, 690};
        if (id >= 48 && id <= 50) return {3345, 1410 + 450 * (id - 41), 15, 450};
        if (id >= 51 && id <= 56) {
            return {375, 660 + 300 * (id - 51) + (id >= 55 ? 855 : 0), 390 + 180 * n51[id - 51], 330};
        }
    }
    return parked;
}

} // namespace sample::layout
