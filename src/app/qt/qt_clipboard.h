#pragma once
#include <chrono>
#include <optional>
#include <string>

#include "app/main_window_ports.h"

namespace pathnab {

// The desktop clipboard. Text goes there as plain text, byte for byte; once put there, this program
// can keep serving it after its window is gone, until another program takes the clipboard.
class QtClipboard final : public Clipboard {
public:
    // The toolkit reports no failure: the desktop clipboard is always ours to take.
    bool Clear() override;
    bool SetText(const std::string& text) override;

    // True when text was put there and no other program has taken the clipboard since.
    bool HoldsCopiedText() const;
    // Gives the clipboard up for a clipboard manager and waits up to `patience` for another program
    // to own it and offer the copied text, byte for byte. When none does, the text is put back and
    // false is returned: a manager that took the clipboard without the text must not lose it.
    bool HandOver(std::chrono::milliseconds patience);
    // Runs the event loop until another program owns the clipboard, or for `atMost` when given.
    void ServeUntilTaken(std::optional<std::chrono::milliseconds> atMost = std::nullopt) const;

private:
    bool copied_ = false;
    std::string text_;
};

}  // namespace pathnab
