#pragma once
#include "app/main_window_ports.h"
#include "platform/win32/windows_api.h"

namespace pathnab {

// The Windows clipboard, owned by the main window while it writes. The text goes there as
// CF_UNICODETEXT (Windows offers it as ANSI text to older readers itself) and stays there
// after the program has ended.
class Win32Clipboard final : public Clipboard {
public:
    explicit Win32Clipboard(HWND owner) : owner_(owner) {}
    bool Clear() override;
    bool SetText(const std::string& text) override;

private:
    // Another program may hold the clipboard open for a moment: a few tries, briefly apart.
    bool Open();

    HWND owner_;
};

}  // namespace pathnab
