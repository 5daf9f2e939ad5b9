#include "about/twips.h"

#include <cmath>

namespace pathnab {
namespace {

constexpr double kTwipsPerInch = 1440.0;
// The usual screen density: 15 twips to a pixel.
constexpr double kUsualDpi = 96.0;

double PerPixel(double dpi) { return kTwipsPerInch / (std::isfinite(dpi) && dpi > 0 ? dpi : kUsualDpi); }

int Rounded(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

TwipScale::TwipScale(double dpiX, double dpiY) : perPixelX_(PerPixel(dpiX)), perPixelY_(PerPixel(dpiY)) {}

int TwipScale::PixelsX(double twips) const { return Rounded(twips / perPixelX_); }
int TwipScale::PixelsY(double twips) const { return Rounded(twips / perPixelY_); }

PixelRect TwipScale::Pixels(const TwipsRect& rect) const {
    return {PixelsX(rect.left), PixelsY(rect.top), PixelsX(rect.width), PixelsY(rect.height)};
}

}  // namespace pathnab
