#include "common/scale.h"

#include "platform/units.h"

namespace common {

namespace {
double gScaleX = 1.0;
double gScaleY = 1.0;
} // namespace

void computeScale()
{
    gScaleX = platform::twipsPerPixelX() / 15.0;
    gScaleY = platform::twipsPerPixelY() / 15.0;
}

double scaleX()
{
    return gScaleX;
}

double scaleY()
{
    return gScaleY;
}

} // namespace common
