#pragma once
#include <QMargins>
#include <QPoint>
#include <QSize>

class QWidget;

namespace pathnab {

// How a top-level window's outer size, its own (client) size and its frame relate. The frame is
// the one announced before the window is first shown where the window system offers that,
// else none, until the window system reports the real one.
class WindowFrame {
public:
    explicit WindowFrame(QWidget& window) : window_(window) {}

    QMargins Margins();
    QSize Outer();
    // The window's size becomes outer less the frame, within the window's own minimum and
    // what the screens hold.
    void ResizeOuter(QSize outer);
    // The frame's top-left corner goes to outer. The window's own position is given, as the
    // window system could only guess the frame of a window it has not shown yet.
    void MoveOuter(QPoint outer);
    // Once the window is shown: true when the window system reports a frame other than the one
    // assumed; the outer size is kept with the real frame.
    bool AdoptReported();

private:
    QMargins Announced() const;
    QSize OuterToKeep(const QMargins& real);

    QWidget& window_;
    bool known_ = false;
    QMargins assumed_;
    // The outer size last given, as the window took it; none before the first.
    QSize asked_;
};

}  // namespace pathnab
