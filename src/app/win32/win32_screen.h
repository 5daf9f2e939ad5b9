#pragma once
#include "app/main_window_ports.h"
#include "platform/win32/windows_api.h"

namespace pathnab {

// The cursor and the primary screen, in twips at the main window's DPI.
class Win32Screen final : public Screen {
public:
    explicit Win32Screen(HWND window) : window_(window) {}
    CursorPosition CursorPos() override;
    float WidthTwips() override;
    float HeightTwips() override;
    float TwipsPerPixelX() override;
    float TwipsPerPixelY() override;

private:
    HWND window_;
};

}  // namespace pathnab
