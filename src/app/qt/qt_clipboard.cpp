#include "app/qt/qt_clipboard.h"

#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>

namespace pathnab {
namespace {

QClipboard& Desktop() { return *QGuiApplication::clipboard(); }

}  // namespace

void QtClipboard::Clear() { Desktop().clear(QClipboard::Clipboard); }

void QtClipboard::SetText(const std::string& text) {
    Desktop().setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QClipboard::Clipboard);
    copied_ = true;
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
