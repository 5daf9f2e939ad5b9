#include "about/about_design.h"

#include <cmath>

namespace pathnab {

namespace {
// The usual screen density: 15 twips to a pixel.
constexpr double kUsualDpi = 96.0;
}  // namespace

double TwipsPerPixel(double logicalDpi) {
    // A screen that reports no usable density is drawn at the usual one.
    return 1440.0 / (std::isfinite(logicalDpi) && logicalDpi > 0 ? logicalDpi : kUsualDpi);
}

int TwipsToPixels(int twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

}  // namespace pathnab
