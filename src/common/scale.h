#pragma once
// The screen scale factors `scaleX` and `scaleY`: the screen's twips per pixel / 15,
// so 1.0 at 15 twips per pixel (96 dpi) and 0.8 at 12 (120 dpi). Every design position, size and
// font size is multiplied by the matching factor when it is applied.

namespace common {

// Computes both factors from platform::twipsPerPixelX/Y. The start-up calls it once; a test that
// changes the twips per pixel calls it again. Until the first call both factors are 1.
void computeScale();

double scaleX();
double scaleY();

} // namespace common
