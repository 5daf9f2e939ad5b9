#include "app/win32/frm_main_win32.h"

#include "platform/win32/dialog_font.h"
#include "about/win32/resource_ids.h"
#include "app/main_window_design.h"
#include "platform/win32/window_twips.h"
#include "platform/win32/wide_text.h"
// After the Win32 headers, which it needs.
#include <commctrl.h>

namespace pathnab {
namespace {

constexpr wchar_t kWindowClass[] = L"PathnabFrmMain";

namespace design = main_window_design;

// Select and Cancel carry the ids the dialog manager gives Enter and Escape; the menu items'
// ids follow the list's, one for each command.
enum ControlId : int {
    kSelectId = IDOK,
    kCancelId = IDCANCEL,
    kListId = 100,
    kFirstMenuId,
};

int MenuId(MenuCommand command) { return kFirstMenuId + static_cast<int>(command); }

HMENU Submenu(std::span<const design::MenuItem> items) {
    HMENU menu = CreatePopupMenu();
    for (const design::MenuItem& item : items) {
        AppendMenuW(menu, MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED),
                    static_cast<UINT_PTR>(MenuId(item.command)), Wide(item.caption).c_str());
    }
    return menu;
}

HMENU BuildMenuBar() {
    HMENU bar = CreateMenu();
    for (const design::Menu& menu : design::kMenus) {
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Submenu(menu.items)), Wide(menu.caption).c_str());
    }
    return bar;
}

HICON ProgramIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(PATHNAB_ICON), IMAGE_ICON,
                                         size, size, LR_DEFAULTCOLOR));
}

ATOM RegisterWindowClass(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = ProgramIcon(GetSystemMetrics(SM_CXICON));
    windowClass.hIconSm = ProgramIcon(GetSystemMetrics(SM_CXSMICON));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass);
}

HWND Button(HWND parent, const char* caption, int id, DWORD kind) {
    return CreateWindowExW(0, WC_BUTTONW, Wide(caption).c_str(),
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | kind, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void PlaceAtDesign(HWND control, const TwipsRect& rect) {
    const PixelRect at = WindowTwips(control).Pixels(rect);
    MoveWindow(control, at.left, at.top, at.width, at.height, FALSE);
}

}  // namespace

Win32FrmMain::Win32FrmMain(std::function<void()> showAboutBox) : showAboutBox_(std::move(showAboutBox)) {
    static const ATOM registered = RegisterWindowClass(&Win32FrmMain::Procedure);
    menu_ = BuildMenuBar();
    window_ = CreateWindowExW(0, MAKEINTATOM(registered), Wide(design::kCaptionAtDesign).c_str(),
                              WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu_,
                              GetModuleHandleW(nullptr), this);
    CreateControls();
    SetDesignSize();
}

Win32FrmMain::~Win32FrmMain() {
    if (IsWindow(window_)) DestroyWindow(window_);
    if (font_) DeleteObject(font_);
}

// Created in tab order: the list first, so that it also lies over the two buttons.
void Win32FrmMain::CreateControls() {
    list_ = std::make_unique<Win32ListView>(window_, kListId);
    cmdCancel_ = Button(window_, design::kCancelCaption, kCancelId, BS_PUSHBUTTON);
    cmdSelect_ = Button(window_, design::kSelectCaption, kSelectId, BS_DEFPUSHBUTTON);
    SetWindowPos(list_->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    PlaceAtDesign(list_->Handle(), design::kList);
    PlaceAtDesign(cmdCancel_, design::kCancel);
    PlaceAtDesign(cmdSelect_, design::kSelect);
    ApplyFont();
}

void Win32FrmMain::ApplyFont() {
    HFONT font = DialogFont(window_);
    if (!font) return;
    for (HWND control : {list_->Handle(), cmdCancel_, cmdSelect_}) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    if (font_) DeleteObject(font_);
    font_ = font;
}

void Win32FrmMain::SetDesignSize() {
    const TwipScale twips = WindowTwips(window_);
    RECT outer{0, 0, twips.PixelsX(design::kClientWidth), twips.PixelsY(design::kClientHeight)};
    AdjustWindowRectExForDpi(&outer, WS_OVERLAPPEDWINDOW, TRUE, 0, GetDpiForWindow(window_));
    ResizeOuter(SIZE{outer.right - outer.left, outer.bottom - outer.top});
}

void Win32FrmMain::ShowAndRun() {
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
    SetFocus(focused_ ? focused_ : list_->Handle());
    MSG message{};
    while (!ended_ && IsWindow(window_) && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

LRESULT CALLBACK Win32FrmMain::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32FrmMain*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->handlers_) return DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT Win32FrmMain::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            handlers_->Resize();
            return 0;
        case WM_COMMAND:
            Command(LOWORD(wParam));
            return 0;
        case WM_NOTIFY: {
            const auto* note = reinterpret_cast<const NMHDR*>(lParam);
            if (note->idFrom == kListId && note->code == NM_CLICK) handlers_->ListClick();
            return 0;
        }
        case WM_ACTIVATE:
            KeepFocus(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case DM_GETDEFID:
            return DefaultButton();
        case WM_CLOSE:
            handlers_->Unload();
            DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            ApplyFont();
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void Win32FrmMain::Command(int id) {
    switch (id) {
        case kSelectId: handlers_->SelectButton(); break;
        case kCancelId: handlers_->CancelButton(); break;
        default:
            if (id >= kFirstMenuId && id < kFirstMenuId + kMenuCommandCount) {
                handlers_->MenuChosen(static_cast<MenuCommand>(id - kFirstMenuId));
            }
            break;
    }
}

// Like a dialog, the window gives the focus back to the control that had it when it was left
// (the list at first), so the keys reach the controls after a message box or the About box.
void Win32FrmMain::KeepFocus(bool activated) {
    if (!activated) {
        HWND focused = GetFocus();
        if (focused && IsChild(window_, focused)) focused_ = focused;
        return;
    }
    SetFocus(focused_ ? focused_ : list_->Handle());
}

// Enter presses the focused button; anywhere else it presses Select.
LRESULT Win32FrmMain::DefaultButton() const {
    const int id = GetFocus() == cmdCancel_ ? kCancelId : kSelectId;
    return MAKELRESULT(id, DC_HASDEFID);
}

SIZE Win32FrmMain::OuterPixels() const {
    RECT outer{};
    GetWindowRect(window_, &outer);
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

SIZE Win32FrmMain::ClientPixels() const {
    RECT client{};
    GetClientRect(window_, &client);
    return SIZE{client.right, client.bottom};
}

void Win32FrmMain::ResizeOuter(SIZE pixels) {
    SetWindowPos(window_, nullptr, 0, 0, pixels.cx, pixels.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FrmMain::SetCaption(const std::string& caption) { SetWindowTextW(window_, Wide(caption).c_str()); }

float Win32FrmMain::OuterHeight() { return WindowTwips(window_).TwipsY(OuterPixels().cy); }
float Win32FrmMain::OuterWidth() { return WindowTwips(window_).TwipsX(OuterPixels().cx); }

void Win32FrmMain::SetOuterHeight(float height) {
    SIZE outer = OuterPixels();
    outer.cy = WindowTwips(window_).PixelsY(height);
    ResizeOuter(outer);
}

void Win32FrmMain::SetOuterWidth(float width) {
    SIZE outer = OuterPixels();
    outer.cx = WindowTwips(window_).PixelsX(width);
    ResizeOuter(outer);
}

float Win32FrmMain::ClientWidth() { return WindowTwips(window_).TwipsX(ClientPixels().cx); }
float Win32FrmMain::ClientHeight() { return WindowTwips(window_).TwipsY(ClientPixels().cy); }

void Win32FrmMain::Move(float left, float top) {
    const TwipScale twips = WindowTwips(window_);
    SetWindowPos(window_, nullptr, twips.PixelsX(left), twips.PixelsY(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FrmMain::SetMenuChecked(SyntaxItem item, bool checked) {
    CheckMenuItem(menu_, MenuId(MenuCommandOf(item)),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Win32FrmMain::Close() { SendMessageW(window_, WM_CLOSE, 0, 0); }

void Win32FrmMain::EndNow() {
    ended_ = true;
    PostQuitMessage(0);
}

// The box has no owner; the main window takes no input while it is open.
void Win32FrmMain::ShowAboutBox() {
    const bool shown = IsWindowVisible(window_) != 0;
    if (shown) EnableWindow(window_, FALSE);
    showAboutBox_();
    if (!shown) return;
    EnableWindow(window_, TRUE);
    SetForegroundWindow(window_);
}

}  // namespace pathnab
