#pragma once
#include <QMimeData>
#include <QObject>
#include <QPointer>
#include <chrono>
#include <optional>
#include <string>

#include "app/main_window_ports.h"

namespace pathnab {

// The copied text as the clipboard serves it; it tells when another program has read it.
class ServedText final : public QMimeData {
    Q_OBJECT
public:
    explicit ServedText(const std::string& text);
    bool WasRead() const { return read_; }
    // Reads count from here on: while taking the text, the toolkit reads it itself.
    void MarkOffered() { offered_ = true; }

signals:
    void Read();

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    bool offered_ = false;
    mutable bool read_ = false;
};

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
    // True once another program has read the copied text; waits up to `patience` for the first read.
    bool WaitUntilRead(std::chrono::milliseconds patience) const;
    // Runs the event loop until another program owns the clipboard, or for `atMost` when given.
    void ServeUntilTaken(std::optional<std::chrono::milliseconds> atMost = std::nullopt) const;

private:
    void EmptyUnlessTextFollowed();

    bool copied_ = false;
    bool emptying_ = false;
    std::string text_;
    QPointer<ServedText> served_;
    // Ends a deferred emptying that outlives this clipboard.
    QObject lifetime_;
};

}  // namespace pathnab
