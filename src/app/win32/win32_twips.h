#pragma once
#include "platform/win32/windows_api.h"

namespace pathnab {

// Twips and pixels at one window's DPI (1440 / DPI twips to a pixel): the window may sit on a
// monitor of its own density. The density is asked once, when made, as each asking is a round
// trip to the window system; make one for each use.
class WindowTwips {
public:
    explicit WindowTwips(HWND window);
    float PerPixel() const { return perPixel_; }
    int Pixels(float twips) const;
    float Twips(int pixels) const;

private:
    float perPixel_;
};

}  // namespace pathnab
