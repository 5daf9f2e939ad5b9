#include "platform/win32/window_twips.h"

namespace pathnab {

TwipScale WindowTwips(HWND window) { return TwipScale(static_cast<double>(GetDpiForWindow(window))); }

}  // namespace pathnab
