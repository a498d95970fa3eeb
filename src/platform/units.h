#pragma once
// Twips, the screen's twips per pixel and &HBBGGRR colours.
#include <QColor>
#include <QSize>

namespace platform {

// The screen's twips per pixel: 15 at 96 dpi, 12 at 120 dpi. A runtime setting, so a
// screen can be run at scale 1.0 and 0.8 alike. Defaults to 15.
double twipsPerPixelX();
double twipsPerPixelY();
void setTwipsPerPixel(double x, double y);

// Positions are stored in twips as given; pixels only exist when painting and hit-testing.
int toPixelsX(double twips);
int toPixelsY(double twips);
double fromPixelsX(int px);
double fromPixelsY(int px);

// The screen in pixels: the primary screen unless a size was set (tests).
QSize screenPixels();
void setScreenPixels(QSize size); // an empty size returns to the real screen
double screenWidthTwips();
double screenHeightTwips();

// Colours are longs &HBBGGRR.
QColor toQColor(long bgr);
long fromQColor(const QColor& c);

} // namespace platform
