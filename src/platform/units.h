#pragma once
// Twips, the screen's twips per pixel and &HBBGGRR colours.
#include <QColor>
#include <QSize>

namespace platform {

// The screen's twips per pixel: 15 at 96 dpi, 12 at 120 dpi. A runtime setting, so a
// screen can be run at scale 1.0 and 0.8 alike. Defaults to 15. A value that is not a
// positive finite number is ignored.
double twipsPerPixelX();
double twipsPerPixelY();
void setTwipsPerPixel(double x, double y);
// Twips per pixel of a screen of this many logical dots per inch: 1440 / dpi, to a whole number
// (15 at 96 dpi, 12 at 120); 15 for a dpi that says nothing.
double twipsPerPixelForDpi(double dpi);
// Takes both values from the primary screen's logical dots per inch (the program's start-up).
void useScreenTwipsPerPixel();

// Positions are stored in twips as given; pixels only exist when painting and hit-testing.
// toPixels rounds to the nearest pixel, halves away from zero.
int toPixelsX(double twips);
int toPixelsY(double twips);
double fromPixelsX(int px);
double fromPixelsY(int px);

// The screen in pixels: the primary screen unless a size was set (tests).
QSize screenPixels();
void setScreenPixels(QSize size); // an empty size returns to the real screen
double screenWidthTwips();
double screenHeightTwips();

// Colours are longs &HBBGGRR: red &HFF, green &HFF00, blue &HFF0000. A value with the high
// bit of its low 32 bits set is a system colour, &H80000000 + index (the screens' button
// face is &H8000000F); it maps to the Windows XP (Luna, blue) scheme. The value may come as
// a positive 64-bit long or as a negative 32-bit one; both mean the same colour.
QColor toQColor(long bgr);
long fromQColor(const QColor& c); // alpha is dropped

// The system colours the screens use by name.
constexpr long ScrollBarColor = 0x80000000L;
constexpr long DesktopColor = 0x80000001L;
constexpr long ActiveTitleBarColor = 0x80000002L;
constexpr long MenuBarColor = 0x80000004L;
constexpr long WindowBackgroundColor = 0x80000005L;
constexpr long WindowFrameColor = 0x80000006L;
constexpr long MenuTextColor = 0x80000007L;
constexpr long WindowTextColor = 0x80000008L;
constexpr long TitleBarTextColor = 0x80000009L;
constexpr long HighlightColor = 0x8000000DL;
constexpr long HighlightTextColor = 0x8000000EL;
constexpr long ButtonFaceColor = 0x8000000FL;
constexpr long ButtonShadowColor = 0x80000010L;
constexpr long GrayTextColor = 0x80000011L;
constexpr long ButtonTextColor = 0x80000012L;
constexpr long InfoTextColor = 0x80000017L;
constexpr long InfoBackgroundColor = 0x80000018L;

} // namespace platform
