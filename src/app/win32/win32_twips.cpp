#include "app/win32/win32_twips.h"

#include <cmath>

#include "about/about_design.h"

namespace pathnab {

WindowTwips::WindowTwips(HWND window)
    : perPixel_(static_cast<float>(TwipsPerPixel(static_cast<double>(GetDpiForWindow(window))))) {}

int WindowTwips::Pixels(float twips) const { return static_cast<int>(std::lround(twips / perPixel_)); }

float WindowTwips::Twips(int pixels) const { return static_cast<float>(pixels) * perPixel_; }

}  // namespace pathnab
