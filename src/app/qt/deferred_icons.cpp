#include "app/qt/deferred_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace pathnab {
namespace {

// Stands for one standard icon of a style and asks the style for it on its first use.
class DeferredStandardIcon final : public QIconEngine {
public:
    DeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        : style_(const_cast<QStyle*>(style)), which_(which), widget_(const_cast<QWidget*>(widget)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Made().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Made().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return Made().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Made().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Made().availableSizes(mode, state);
    }
    bool isNull() override { return Made().isNull(); }
    QString key() const override { return QStringLiteral("DeferredStandardIcon"); }
    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }

private:
    const QIcon& Made() {
        if (!made_ && style_) icon_ = style_->standardIcon(which_, nullptr, widget_);
        made_ = true;
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    // The widget's layout direction chooses between mirrored icons.
    QPointer<QWidget> widget_;
    QIcon icon_;
    bool made_ = false;
};

}  // namespace

QIcon DeferredIconsStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                       const QWidget* widget) const {
    // Asked with an option, the answer may depend on it: asked now.
    if (option) return QProxyStyle::standardIcon(which, option, widget);
    return QIcon(new DeferredStandardIcon(baseStyle(), which, widget));
}

}  // namespace pathnab
