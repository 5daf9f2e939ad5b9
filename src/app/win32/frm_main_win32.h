#pragma once
#include <functional>
#include <memory>

#include "app/main_window.h"
#include "app/win32/win32_list_view.h"
#include "platform/win32/windows_api.h"

namespace pathnab {

// The main window `frmMain` as a Win32 window: draws the list, the buttons and the menus and
// forwards every event to its handlers.
class Win32FrmMain final : public MainWindowView {
public:
    explicit Win32FrmMain(std::function<void()> showAboutBox);
    ~Win32FrmMain() override;
    Win32FrmMain(const Win32FrmMain&) = delete;
    Win32FrmMain& operator=(const Win32FrmMain&) = delete;

    HWND Handle() const { return window_; }
    // True once the program was told to end at once.
    bool Ended() const { return ended_; }
    // Shows the window and handles its messages until it is closed or the program ends.
    void ShowAndRun();

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
    ListView& List() override { return *list_; }
    void Close() override;
    void EndNow() override;
    void ShowAboutBox() override;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void SetDesignSize();
    void ApplyFont();
    void Command(int id);
    void KeepFocus(bool activated);
    LRESULT DefaultButton() const;
    SIZE OuterPixels() const;
    SIZE ClientPixels() const;
    void ResizeOuter(SIZE pixels);

    std::function<void()> showAboutBox_;
    MainWindowHandlers* handlers_ = nullptr;
    HWND window_ = nullptr;
    HMENU menu_ = nullptr;
    std::unique_ptr<Win32ListView> list_;
    HWND cmdCancel_ = nullptr;
    HWND cmdSelect_ = nullptr;
    HWND focused_ = nullptr;
    HFONT font_ = nullptr;
    bool ended_ = false;
};

}  // namespace pathnab
