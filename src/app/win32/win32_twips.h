#pragma once
#include "pathforms/win32/windows_api.h"

namespace pathnab {

// Twips and pixels at one window's DPI (1440 / DPI twips to a pixel): the window may sit on a
// monitor of its own density.
class WindowTwips {
public:
    explicit WindowTwips(HWND window) : window_(window) {}
    float PerPixel() const;
    int Pixels(float twips) const;
    float Twips(int pixels) const;

private:
    HWND window_;
};

}  // namespace pathnab
