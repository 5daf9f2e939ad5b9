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

}  // namespace

// The text's bytes as they are, for the targets that carry bytes: on X11 Qt serves "text/plain"
// as text/plain and UTF8_STRING unchanged (a Linux name need not be UTF-8), and as STRING and
// TEXT in Latin-1. The UTF-8 target is offered only for text that is UTF-8, so that it never
// carries what its name denies.
ServedText::ServedText(const std::string& text) {
    const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    setData(QStringLiteral("text/plain"), bytes);
    if (IsUtf8(bytes)) setData(QStringLiteral("text/plain;charset=utf-8"), bytes);
}

// Called when a program asks for the text; the toolkit sends it as soon as this returns. Qt's
// Wayland clipboard also calls it while taking the text, to add the UTF-8 type from the plain one
// whatever the bytes: that is no read.
QVariant ServedText::retrieveData(const QString& mimeType, QMetaType type) const {
    if (offered_ && !read_ && hasFormat(mimeType)) {
        read_ = true;
        emit const_cast<ServedText*>(this)->Read();
    }
    return QMimeData::retrieveData(mimeType, type);
}

// Emptying and putting text there are one request wherever they follow each other: a Wayland
// compositor judges a clipboard request by the input event that caused it, and mutter keeps
// the first of two made for one event, here the empty one, and drops the text. Emptied on its
// own, the clipboard is owned with nothing on it, not given up: an earlier Pathnab still
// serving its text learns of a new owner only when there is one, and takes an ownerless
// clipboard for its own doing, so it would wait for good.
bool QtClipboard::Clear() {
    emptying_ = true;
    QTimer::singleShot(0, &lifetime_, [this] { EmptyUnlessTextFollowed(); });
    return true;
}

void QtClipboard::EmptyUnlessTextFollowed() {
    if (!emptying_) return;
    emptying_ = false;
    copied_ = false;
    Desktop().setMimeData(new QMimeData, QClipboard::Clipboard);
}

bool QtClipboard::SetText(const std::string& text) {
    emptying_ = false;
    served_ = new ServedText(text);
    Desktop().setMimeData(served_, QClipboard::Clipboard);
    if (served_) served_->MarkOffered();
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

// The quit is queued: the toolkit sends the text once the read has been reported.
bool QtClipboard::WaitUntilRead(std::chrono::milliseconds patience) const {
    if (served_ && !served_->WasRead()) {
        QEventLoop waiting;
        QObject::connect(served_, &ServedText::Read, &waiting, &QEventLoop::quit, Qt::QueuedConnection);
        QTimer::singleShot(patience, &waiting, &QEventLoop::quit);
        waiting.exec();
    }
    return served_ && served_->WasRead();
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
