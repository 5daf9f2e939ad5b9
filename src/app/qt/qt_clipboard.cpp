#include "app/qt/qt_clipboard.h"

#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>

namespace pathnab {
namespace {

QClipboard& Desktop() { return *QGuiApplication::clipboard(); }

bool IsUtf8(const QByteArray& bytes) { return QString::fromUtf8(bytes).toUtf8() == bytes; }

// The text's bytes as they are, for the targets that carry bytes: on X11 Qt serves "text/plain"
// as text/plain and UTF8_STRING unchanged (a Linux name need not be UTF-8), and as STRING and
// TEXT in Latin-1. The UTF-8 target is offered only for text that is UTF-8, so that it never
// carries what its name denies.
QMimeData* PlainText(const std::string& text) {
    const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/plain"), bytes);
    if (IsUtf8(bytes)) data->setData(QStringLiteral("text/plain;charset=utf-8"), bytes);
    return data;
}

}  // namespace

// Emptied by owning it with nothing on it, not by giving it up: an earlier Pathnab still serving
// its text learns of a new owner only when there is one, and takes an ownerless clipboard for
// its own doing, so it would wait for good.
bool QtClipboard::Clear() {
    Desktop().setMimeData(new QMimeData, QClipboard::Clipboard);
    return true;
}

bool QtClipboard::SetText(const std::string& text) {
    Desktop().setMimeData(PlainText(text), QClipboard::Clipboard);
    copied_ = true;
    text_ = text;
    return true;
}

bool QtClipboard::HoldsCopiedText() const { return copied_ && Desktop().ownsClipboard(); }

// Some managers save the text when the clipboard changes owner and take it over only once its owner
// has gone, instead of answering the request to save it; some lose the text on the way. Only
// another owner that offers the same bytes counts as a handover.
bool QtClipboard::HandOver(std::chrono::milliseconds patience) {
    if (!HoldsCopiedText()) return true;
    const QByteArray copied(text_.data(), static_cast<qsizetype>(text_.size()));
    const auto takenOver = [&copied] {
        const QMimeData* offered = Desktop().ownsClipboard() ? nullptr : Desktop().mimeData(QClipboard::Clipboard);
        return offered && offered->data(QStringLiteral("text/plain")) == copied;
    };
    QEventLoop waiting;
    QObject::connect(&Desktop(), &QClipboard::changed, &waiting, [&](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && takenOver()) waiting.quit();
    });
    QTimer::singleShot(patience, &waiting, &QEventLoop::quit);
    Desktop().clear(QClipboard::Clipboard);
    waiting.exec();
    if (takenOver()) return true;
    SetText(text_);
    return false;
}

void QtClipboard::ServeUntilTaken(std::optional<std::chrono::milliseconds> atMost) const {
    QEventLoop serving;
    QObject::connect(&Desktop(), &QClipboard::changed, &serving, [&serving](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !Desktop().ownsClipboard()) serving.quit();
    });
    if (atMost) QTimer::singleShot(*atMost, &serving, &QEventLoop::quit);
    if (HoldsCopiedText()) serving.exec();
}

}  // namespace pathnab
