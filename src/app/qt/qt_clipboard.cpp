#include "app/qt/qt_clipboard.h"

#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMimeData>

namespace pathnab {
namespace {

QClipboard& Desktop() { return *QGuiApplication::clipboard(); }

}  // namespace

// Emptied by owning it with nothing on it, not by giving it up: an earlier Pathnab still serving
// its text learns of a new owner only when there is one, and takes an ownerless clipboard for
// its own doing, so it would wait for good.
bool QtClipboard::Clear() {
    Desktop().setMimeData(new QMimeData, QClipboard::Clipboard);
    return true;
}

bool QtClipboard::SetText(const std::string& text) {
    Desktop().setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QClipboard::Clipboard);
    copied_ = true;
    return true;
}

bool QtClipboard::HoldsCopiedText() const { return copied_ && Desktop().ownsClipboard(); }

void QtClipboard::ServeUntilTaken() const {
    QEventLoop serving;
    QObject::connect(&Desktop(), &QClipboard::changed, &serving, [&serving](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !Desktop().ownsClipboard()) serving.quit();
    });
    if (HoldsCopiedText()) serving.exec();
}

}  // namespace pathnab
