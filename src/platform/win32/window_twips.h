#pragma once
#include "about/twips.h"
#include "platform/win32/windows_api.h"

namespace pathnab {

// Twips and pixels at one window's DPI: the window may sit on a monitor of its own density.
// The density is asked once, when made, as each asking is a round trip to the window system;
// make one for each use.
TwipScale WindowTwips(HWND window);

}  // namespace pathnab
