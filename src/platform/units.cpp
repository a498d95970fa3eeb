#include "platform/units.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace platform {

namespace {

double tppX = 15.0;
double tppY = 15.0;
QSize screenOverride;

bool usable(double v)
{
    return std::isfinite(v) && v > 0.0;
}

int roundToInt(double v)
{
    if (!std::isfinite(v)) return 0;
    const double r = std::round(v); // halves away from zero
    if (r >= 2147483647.0) return 2147483647;
    if (r <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(r);
}

// GetSysColor under Windows XP's default Luna (blue) theme, indexed by COLOR_xxx.
constexpr std::array<QRgb, 31> xpSystemColors = {
    0xFFD4D0C8, //  0 scroll bar
    0xFF004E98, //  1 desktop
    0xFF0054E3, //  2 active title bar
    0xFF7A96DF, //  3 inactive title bar
    0xFFFFFFFF, //  4 menu
    0xFFFFFFFF, //  5 window background
    0xFF000000, //  6 window frame
    0xFF000000, //  7 menu text
    0xFF000000, //  8 window text
    0xFFFFFFFF, //  9 active title text
    0xFFD4D0C8, // 10 active border
    0xFFD4D0C8, // 11 inactive border
    0xFF808080, // 12 application workspace
    0xFF316AC5, // 13 highlight
    0xFFFFFFFF, // 14 highlight text
    0xFFECE9D8, // 15 button face
    0xFFACA899, // 16 button shadow
    0xFFACA899, // 17 grey text
    0xFF000000, // 18 button text
    0xFFD8E4F8, // 19 inactive title text
    0xFFFFFFFF, // 20 button highlight
    0xFF716F64, // 21 3-D dark shadow
    0xFFF1EFE2, // 22 3-D light
    0xFF000000, // 23 tooltip text
    0xFFFFFFE1, // 24 tooltip background
    0xFFB5B5B5, // 25 (unused by Windows)
    0xFF000080, // 26 hot-tracked item
    0xFF3D95FF, // 27 active title gradient
    0xFF9DB9EB, // 28 inactive title gradient
    0xFF316AC5, // 29 menu highlight
    0xFFECE9D8, // 30 menu bar
};

} // namespace

double twipsPerPixelX()
{
    return tppX;
}
double twipsPerPixelY()
{
    return tppY;
}

void setTwipsPerPixel(double x, double y)
{
    if (usable(x)) tppX = x;
    if (usable(y)) tppY = y;
}

double twipsPerPixelForDpi(double dpi)
{
    if (!usable(dpi)) return 15.0;
    return std::max(1.0, std::round(1440.0 / dpi));
}

void useScreenTwipsPerPixel()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    setTwipsPerPixel(twipsPerPixelForDpi(screen->logicalDotsPerInchX()),
                     twipsPerPixelForDpi(screen->logicalDotsPerInchY()));
}

int toPixelsX(double twips)
{
    return roundToInt(twips / tppX);
}
int toPixelsY(double twips)
{
    return roundToInt(twips / tppY);
}
double fromPixelsX(int px)
{
    return px * tppX;
}
double fromPixelsY(int px)
{
    return px * tppY;
}

QSize screenPixels()
{
    if (!screenOverride.isEmpty()) return screenOverride;
    if (qGuiApp) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) return screen->geometry().size();
    }
    // No application object or no screen: the design screen of the screens.
    return QSize(800, 600);
}

void setScreenPixels(QSize size)
{
    screenOverride = size.isEmpty() ? QSize() : size;
}

double screenWidthTwips()
{
    return screenPixels().width() * tppX;
}
double screenHeightTwips()
{
    return screenPixels().height() * tppY;
}

QColor toQColor(long bgr)
{
    const auto v = static_cast<std::uint32_t>(static_cast<unsigned long>(bgr));
    if (v & 0x80000000u) {
        // GetSysColor reads the index from the low bits; an unknown index gives black, as there.
        const std::uint32_t index = v & 0x00FFFFFFu;
        if (index < xpSystemColors.size()) return QColor::fromRgb(xpSystemColors[index]);
        return QColor(0, 0, 0);
    }
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

long fromQColor(const QColor& c)
{
    const QColor rgb = c.toRgb();
    return long(rgb.red()) | (long(rgb.green()) << 8) | (long(rgb.blue()) << 16);
}

} // namespace platform
