#include "app/qt/window_frame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "app/posix/frame_extents.h"

namespace pathnab {

QMargins WindowFrame::Announced() const {
    if (QGuiApplication::platformName() != "xcb") return {};
    const std::optional<FrameExtents> frame = AnnouncedX11Frame(static_cast<std::uint32_t>(window_.winId()));
    return frame ? QMargins(frame->left, frame->top, frame->right, frame->bottom) : QMargins();
}

QMargins WindowFrame::Margins() {
    if (!known_) {
        assumed_ = Announced();
        known_ = true;
    }
    return assumed_;
}

QSize WindowFrame::Outer() { return window_.size().grownBy(Margins()); }

// As a window system does for any size asked for, the window keeps within what the screens
// together hold, frame included, and within its own minimum.
void WindowFrame::ResizeOuter(QSize outer) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QSize largest = screen->virtualSize().shrunkBy(Margins());
        window_.setMaximumSize(largest.expandedTo(window_.minimumSize()));
    }
    window_.resize(outer.shrunkBy(Margins()));
    asked_ = window_.size().grownBy(Margins());
}

void WindowFrame::MoveOuter(QPoint outer) {
    const QMargins frame = Margins();
    window_.setGeometry(QRect(outer + QPoint(frame.left(), frame.top()), window_.size()));
}

namespace {

// A frame lies around its window. KWin first wraps a new X11 window in a 1x1 frame, and what the
// toolkit reports from that has sides as negative as the window is large: adopting them once
// grew the window to the screen's width.
bool AroundTheWindow(const QMargins& margins) {
    return margins.left() >= 0 && margins.top() >= 0 && margins.right() >= 0 && margins.bottom() >= 0;
}

}  // namespace

// The outer size last given stays while the window is still at it less either frame: the one
// assumed, where the toolkit grew the frame around the window (Qt 6.4's Wayland decorations),
// or the real one, where it fitted the frame inside the size given (Qt 6.8's). Else the window's
// size with the frame assumed is kept.
QSize WindowFrame::OuterToKeep(const QMargins& real) {
    const QSize size = window_.size();
    if (asked_ == size.grownBy(Margins()) || asked_ == size.grownBy(real)) return asked_;
    return Outer();
}

bool WindowFrame::AdoptReported() {
    if (!window_.isVisible() || !window_.windowHandle()) return false;
    const QMargins real = window_.windowHandle()->frameMargins();
    if (real.isNull() || real == Margins() || !AroundTheWindow(real)) return false;
    const QSize outer = OuterToKeep(real);
    assumed_ = real;
    ResizeOuter(outer);
    return true;
}

}  // namespace pathnab
