#include "app/placement.h"

namespace pathnab {
namespace {

// Sums are rounded to single precision before they are compared, as the window system's
// geometry is.
float SingleSum(float a, float b) { return static_cast<float>(a + b); }

WindowPosition NextToCursor(const PlacementInput& in) {
    const double frameHeight = static_cast<float>(in.outerHeight - in.clientHeight);
    const double frameWidth = static_cast<float>(in.outerWidth - in.clientWidth);
    const double sixthOfClient = static_cast<float>(in.clientWidth / 6.0f);
    WindowPosition at;
    at.top = static_cast<float>(in.cursor.y * static_cast<double>(in.twipsPerPixelY) - frameHeight);
    at.left = static_cast<float>(in.cursor.x * static_cast<double>(in.twipsPerPixelX) - frameWidth -
                                 sixthOfClient);
    return at;
}

}  // namespace

WindowPosition PlaceNextToCursor(const PlacementInput& in) {
    WindowPosition at = NextToCursor(in);
    if (SingleSum(in.outerHeight, at.top) > in.screenHeight) at.top = in.screenHeight - in.outerHeight;
    if (SingleSum(in.outerWidth, at.left) > in.screenWidth) at.left = in.screenWidth - in.outerWidth;
    if (at.left < 0) at.left = 0;
    if (at.top < 0) at.top = 0;
    return at;
}

}  // namespace pathnab
