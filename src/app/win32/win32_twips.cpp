#include "app/win32/win32_twips.h"

#include <cmath>

#include "about/about_design.h"

namespace pathnab {

float WindowTwips::PerPixel() const {
    return static_cast<float>(TwipsPerPixel(static_cast<double>(GetDpiForWindow(window_))));
}

int WindowTwips::Pixels(float twips) const { return static_cast<int>(std::lround(twips / PerPixel())); }

float WindowTwips::Twips(int pixels) const { return static_cast<float>(pixels) * PerPixel(); }

}  // namespace pathnab
