#pragma once
#include "platform/win32/windows_api.h"

namespace pathnab {

// The system's message font at the window's DPI, for the window's controls; null when the
// system gives none. The caller deletes it.
HFONT DialogFont(HWND window);

}  // namespace pathnab
