#pragma once
// The scale a fixture lays its forms out at.
#include "common/scale.h"
#include "platform/units.h"

namespace testkit {

struct Scaled {
    // Twips per pixel on both axes: 15 (scale 1.0) or 12 (scale 0.8).
    static void useScale(double tpp)
    {
        platform::setTwipsPerPixel(tpp, tpp);
        common::computeScale();
    }
    static double sx() { return common::scaleX(); }
    static double sy() { return common::scaleY(); }
};

} // namespace testkit
