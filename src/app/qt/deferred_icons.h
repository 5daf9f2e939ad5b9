#pragma once
#include <QProxyStyle>

namespace pathnab {

// The application's style, whose standard icons are made when first used. The menu bar asks
// for its overflow arrow when it is built; reading that image (or any) makes the toolkit load
// every image format plug-in installed, and a desktop may have dozens. The window needs none
// of them before it is shown.
class DeferredIconsStyle final : public QProxyStyle {
public:
    // Over the given style (taken over), or the application's usual one.
    explicit DeferredIconsStyle(QStyle* base = nullptr) : QProxyStyle(base) {}

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace pathnab
