#include "app/qt/frm_main.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QFile>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include "app/main_window_design.h"

namespace pathnab {
namespace {

namespace design = main_window_design;

void PlaceAtDesign(QWidget& widget, const TwipsRect& rect) {
    const PixelRect at = PrimaryScreenTwips().Pixels(rect);
    widget.setGeometry(at.left, at.top, at.width, at.height);
}

}  // namespace

FrmMain::FrmMain(std::function<void()> showAboutBox)
    : showAboutBox_(std::move(showAboutBox)), client_(new QWidget(this)), list_(client_) {
    setObjectName("frmMain");
    setWindowTitle(QString::fromUtf8(design::kCaptionAtDesign));
    setCentralWidget(client_);
    client_->installEventFilter(this);
    BuildMenus();
    BuildButtons();
    PlaceAtDesign(list_.Widget(), design::kList);
    list_.Widget().raise();
    list_.Widget().viewport()->installEventFilter(this);
    setTabOrder(&list_.Widget(), cmdCancel_);
    setTabOrder(cmdCancel_, cmdSelect_);
    BuildKeys();
    // Once the window is up: reading the icon's images loads every image format plug-in.
    QTimer::singleShot(0, this, &FrmMain::SetIcon);
    setMinimumSize(SmallestUsableSize());
    const TwipScale scale = PrimaryScreenTwips();
    resize(scale.PixelsX(design::kClientWidth),
           scale.PixelsY(design::kClientHeight) + menuBar()->sizeHint().height());
}

void FrmMain::BuildMenus() {
    for (const design::Menu& designed : design::kMenus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(designed.caption));
        for (const design::MenuItem& item : designed.items) {
            QAction* action = menu->addAction(QString::fromUtf8(item.caption));
            action->setCheckable(item.checkable);
            action->setChecked(item.checked);
            connect(action, &QAction::triggered, this, [this, command = item.command] {
                if (handlers_) handlers_->MenuChosen(command);
            });
            menuItems_[static_cast<std::size_t>(item.command)] = action;
        }
    }
}

void FrmMain::BuildButtons() {
    cmdCancel_ = new QPushButton(QString::fromUtf8(design::kCancelCaption), client_);
    cmdCancel_->setObjectName("cmdCancel");
    PlaceAtDesign(*cmdCancel_, design::kCancel);
    cmdSelect_ = new QPushButton(QString::fromUtf8(design::kSelectCaption), client_);
    cmdSelect_->setObjectName("cmdSelect");
    cmdSelect_->setDefault(true);
    PlaceAtDesign(*cmdSelect_, design::kSelect);
    connect(cmdSelect_, &QPushButton::clicked, this, [this] {
        if (handlers_) handlers_->SelectButton();
    });
    connect(cmdCancel_, &QPushButton::clicked, this, [this] {
        if (handlers_) handlers_->CancelButton();
    });
}

// As a window system's default and cancel buttons work: a focused button takes Enter itself
// (see keyPressEvent for Enter elsewhere); Escape presses Cancel wherever the focus is.
void FrmMain::BuildKeys() {
    cmdCancel_->setAutoDefault(true);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, cmdCancel_,
            &QPushButton::click);
}

void FrmMain::SetIcon() {
    QIcon icon;
    for (const char* image : {":/pathnab/icon-16.png", ":/pathnab/icon-32.png"}) {
        if (QFile::exists(image)) icon.addFile(image);
    }
    if (!icon.isNull()) setWindowIcon(icon);
}

// The window system's minimum for this window, as its minimum tracking size would be: the
// whole menu bar and one row of the list, whatever size is asked for.
QSize FrmMain::SmallestUsableSize() {
    const QSize menu = menuBar()->sizeHint();
    return {menu.width(), menu.height() + list_.OneRowPixels()};
}

void FrmMain::SetCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

// A hidden window gets its resize event only when shown; the list is laid out at once instead,
// so that a fill before the first showing sees the list at the window's size.
void FrmMain::ApplyOuterSize(QSize outer) {
    frame_.ResizeOuter(outer);
    if (!isVisible() && handlers_) handlers_->Resize();
}

// Where the frame could not be learnt before the window was shown, the real one arrives with an
// expose (Wayland's client-side decorations) or a move (an X window manager's reparenting).
void FrmMain::AdoptReportedFrame() {
    if (frame_.AdoptReported() && handlers_) handlers_->FrameKnown();
}

float FrmMain::OuterHeight() { return PrimaryScreenTwips().TwipsY(frame_.Outer().height()); }
float FrmMain::OuterWidth() { return PrimaryScreenTwips().TwipsX(frame_.Outer().width()); }

void FrmMain::SetOuterHeight(float height) {
    QSize outer = frame_.Outer();
    outer.setHeight(PrimaryScreenTwips().PixelsY(height));
    ApplyOuterSize(outer);
}

void FrmMain::SetOuterWidth(float width) {
    QSize outer = frame_.Outer();
    outer.setWidth(PrimaryScreenTwips().PixelsX(width));
    ApplyOuterSize(outer);
}

// Before the first showing the main window's layout has not run yet; run it for the size set.
QSize FrmMain::ClientPixels() {
    if (!isVisible() && layout()) {
        layout()->invalidate();
        layout()->activate();
    }
    return client_->size();
}

float FrmMain::ClientWidth() { return PrimaryScreenTwips().TwipsX(ClientPixels().width()); }
float FrmMain::ClientHeight() { return PrimaryScreenTwips().TwipsY(ClientPixels().height()); }

void FrmMain::Move(float left, float top) {
    const TwipScale scale = PrimaryScreenTwips();
    frame_.MoveOuter(QPoint(scale.PixelsX(left), scale.PixelsY(top)));
}

void FrmMain::SetMenuChecked(SyntaxItem item, bool checked) {
    menuItems_[static_cast<std::size_t>(MenuCommandOf(item))]->setChecked(checked);
}

void FrmMain::EndNow() {
    ended_ = true;
    QCoreApplication::exit(0);
}

void FrmMain::closeEvent(QCloseEvent* event) {
    if (handlers_) handlers_->Unload();
    event->accept();
    emit Closed();
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (!handlers_) return QMainWindow::eventFilter(watched, event);
    if (watched == windowHandle() && event->type() == QEvent::Expose) {
        AdoptReportedFrame();
    } else if (watched == client_ && event->type() == QEvent::Resize) {
        handlers_->Resize();
    } else if (watched == list_.Widget().viewport() && event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        handlers_->ListClick();
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (windowHandle()) windowHandle()->installEventFilter(this);
    AdoptReportedFrame();
}

void FrmMain::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    AdoptReportedFrame();
}

// Enter that no focused control took (the list lets it pass) presses the default button.
void FrmMain::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        cmdSelect_->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void FrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    AdoptReportedFrame();
}

}  // namespace pathnab
