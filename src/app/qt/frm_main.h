#pragma once
#include <QMainWindow>
#include <QMargins>
#include <array>
#include <functional>

#include "app/main_window.h"
#include "app/qt/list_view.h"
#include "app/qt/window_frame.h"

class QAction;
class QPushButton;

namespace pathnab {

// The main window `frmMain`: draws the list, the buttons and the menus and forwards every
// event to its handlers.
class FrmMain final : public QMainWindow, public MainWindowView {
    Q_OBJECT
public:
    explicit FrmMain(std::function<void()> showAboutBox);

    // True once the program was told to end at once.
    bool Ended() const { return ended_; }

    void ForwardTo(MainWindowHandlers* handlers) override { handlers_ = handlers; }
    void SetCaption(const std::string& caption) override;
    float OuterHeight() override;
    float OuterWidth() override;
    void SetOuterHeight(float height) override;
    void SetOuterWidth(float width) override;
    float ClientWidth() override;
    float ClientHeight() override;
    void Move(float left, float top) override;
    void SetMenuChecked(SyntaxItem item, bool checked) override;
    ListView& List() override { return list_; }
    void Close() override { close(); }
    void EndNow() override;
    void ShowAboutBox() override { showAboutBox_(); }

signals:
    // The window has been closed in the ordinary way.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildMenus();
    void BuildButtons();
    void BuildKeys();
    void SetIcon();
    QSize SmallestUsableSize();
    void ApplyOuterSize(QSize outer);
    void AdoptReportedFrame();
    QSize ClientPixels();

    std::function<void()> showAboutBox_;
    MainWindowHandlers* handlers_ = nullptr;
    QWidget* client_;
    QtListView list_;
    QPushButton* cmdSelect_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    // By command.
    std::array<QAction*, kMenuCommandCount> menuItems_{};
    WindowFrame frame_{*this};
    bool ended_ = false;
};

}  // namespace pathnab
