#include "app/win32/win32_screen.h"

#include "platform/win32/window_twips.h"

namespace pathnab {

CursorPosition Win32Screen::CursorPos() {
    POINT at{};
    if (!GetCursorPos(&at)) return {};
    return {static_cast<std::int32_t>(at.x), static_cast<std::int32_t>(at.y)};
}

float Win32Screen::WidthTwips() { return WindowTwips(window_).TwipsX(GetSystemMetrics(SM_CXSCREEN)); }
float Win32Screen::HeightTwips() { return WindowTwips(window_).TwipsY(GetSystemMetrics(SM_CYSCREEN)); }
float Win32Screen::TwipsPerPixelX() { return WindowTwips(window_).PerPixelX(); }
float Win32Screen::TwipsPerPixelY() { return WindowTwips(window_).PerPixelY(); }

}  // namespace pathnab
