#pragma once
#include "app/main_window_ports.h"

namespace pathnab {

// The desktop clipboard. Text goes there as plain text, byte for byte; once put there, this program
// can keep serving it after its window is gone, until another program takes the clipboard.
class QtClipboard final : public Clipboard {
public:
    void Clear() override;
    void SetText(const std::string& text) override;

    // True when text was put there and no other program has taken the clipboard since.
    bool HoldsCopiedText() const;
    // Runs the event loop until another program owns the clipboard.
    void ServeUntilTaken() const;

private:
    bool copied_ = false;
};

}  // namespace pathnab
