#pragma once
#include "app/main_window_ports.h"

namespace pathnab {

// The desktop clipboard. Text goes there as UTF-8 plain text; once put there, this program
// can keep serving it after its window is gone, until another program takes the clipboard.
class QtClipboard final : public Clipboard {
public:
    // The toolkit reports no failure: the desktop clipboard is always ours to take.
    bool Clear() override;
    bool SetText(const std::string& text) override;

    // True when text was put there and no other program has taken the clipboard since.
    bool HoldsCopiedText() const;
    // Runs the event loop until another program owns the clipboard.
    void ServeUntilTaken() const;

private:
    bool copied_ = false;
};

}  // namespace pathnab
