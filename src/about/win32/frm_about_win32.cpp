#include "about/win32/frm_about_win32.h"

#include "about/about_box.h"
#include "about/about_design.h"
#include "platform/win32/dialog_font.h"
#include "about/win32/resource_ids.h"
#include "platform/win32/window_twips.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"
// After the Win32 headers, which it needs.
#include <commctrl.h>

namespace pathnab {
namespace {

constexpr int kSysInfoId = 101;
constexpr DWORD kDialogStyle = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

// A dialog with no controls of its own: they are made at their twips positions when it opens.
struct alignas(DWORD) EmptyDialogTemplate {
    DLGTEMPLATE dialog{kDialogStyle, 0, 0, 0, 0, 0, 0};
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

struct AboutBox {
    const AboutServices& services;
    HWND title = nullptr;
    HFONT font = nullptr;
    HBITMAP picture = nullptr;
};

RECT Pixels(const TwipsRect& twips, HWND dialog) {
    const PixelRect at = WindowTwips(dialog).Pixels(twips);
    return RECT{at.left, at.top, at.left + at.width, at.top + at.height};
}

HWND AddControl(HWND dialog, const wchar_t* kind, const char* text, DWORD style, int id, const TwipsRect& place,
                HFONT font) {
    const RECT at = Pixels(place, dialog);
    HWND control = CreateWindowExW(0, kind, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, at.left, at.top,
                                   at.right - at.left, at.bottom - at.top, dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                   nullptr);
    if (font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void SetIcons(HWND dialog) {
    for (const auto& [which, metric] : {std::pair{ICON_SMALL, SM_CXSMICON}, std::pair{ICON_BIG, SM_CXICON}}) {
        const int size = GetSystemMetrics(metric);
        HANDLE icon =
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(PATHNAB_ICON), IMAGE_ICON, size, size, 0);
        SendMessageW(dialog, WM_SETICON, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(icon));
    }
}

void GrowToText(HWND label, HFONT font) {
    RECT place{};
    GetClientRect(label, &place);
    const std::wstring text = Wide(about_design::kDescription);
    HDC drawing = GetDC(label);
    HGDIOBJ before = font ? SelectObject(drawing, font) : nullptr;
    RECT needed{0, 0, place.right, 0};
    DrawTextW(drawing, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    if (before) SelectObject(drawing, before);
    ReleaseDC(label, drawing);
    const int height = about_design::DescriptionHeight(place.bottom, needed.bottom);
    if (height == place.bottom) return;
    SetWindowPos(label, nullptr, 0, 0, place.right, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The client area at its fixed place from the screen's top-left corner.
void PlaceOnScreen(HWND dialog) {
    RECT outer = Pixels(about_design::kClientArea, dialog);
    AdjustWindowRectExForDpi(&outer, kDialogStyle, FALSE, 0, GetDpiForWindow(dialog));
    SetWindowPos(dialog, nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER);
}

// Made in tab order.
void CreateControls(HWND dialog, AboutBox& box) {
    using namespace about_design;
    box.font = DialogFont(dialog);
    HWND ok = AddControl(dialog, WC_BUTTONW, kOkCaption, WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, kCmdOK, box.font);
    AddControl(dialog, WC_BUTTONW, kSysInfoCaption, WS_TABSTOP | BS_PUSHBUTTON, kSysInfoId, kCmdSysInfo, box.font);
    box.title = AddControl(dialog, WC_STATICW, kTitleAtDesign, SS_LEFT | SS_NOPREFIX, -1, kLblTitle, box.font);
    HWND version = AddControl(dialog, WC_STATICW, kVersionAtDesign, SS_LEFT | SS_NOPREFIX, -1, kLblVersion, box.font);
    HWND label1 = AddControl(dialog, WC_STATICW, kDescription, SS_LEFT | SS_NOPREFIX, -1, kLabel1, box.font);
    GrowToText(label1, box.font);
    HWND picture = AddControl(dialog, WC_STATICW, "", SS_BITMAP | SS_REALSIZECONTROL, -1, kPicture1, box.font);
    box.picture = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(PATHNAB_PICTURE), IMAGE_BITMAP, 0, 0, 0));
    SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(box.picture));

    const AboutTexts texts = LoadAboutTexts(box.services.version.Read());
    SetWindowTextW(dialog, Wide(texts.caption).c_str());
    SetWindowTextW(version, Wide(texts.version).c_str());
    SetWindowTextW(box.title, Wide(texts.title).c_str());
    SetFocus(ok);
}

void Release(AboutBox& box) {
    if (box.font) DeleteObject(box.font);
    if (box.picture) DeleteObject(box.picture);
}

// Text areas are drawn on the system's window-background colour; the title in black.
INT_PTR ColourFor(AboutBox& box, HDC drawing, HWND control) {
    SetBkColor(drawing, GetSysColor(COLOR_WINDOW));
    if (control == box.title) SetTextColor(drawing, RGB(0, 0, 0));
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* box = reinterpret_cast<AboutBox*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            box = reinterpret_cast<AboutBox*>(lParam);
            CreateControls(dialog, *box);
            SetIcons(dialog);
            PlaceOnScreen(dialog);
            return FALSE;  // the focus is set
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            return ColourFor(*box, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, 0);
            } else if (LOWORD(wParam) == kSysInfoId) {
                StartSysInfo(box->services);
            }
            return TRUE;
        case WM_DESTROY:
            if (box) Release(*box);
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

void ShowWin32AboutBox(const AboutServices& services) {
    static const EmptyDialogTemplate kTemplate;
    AboutBox box{services};
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &kTemplate.dialog, nullptr, &Procedure,
                            reinterpret_cast<LPARAM>(&box));
}

}  // namespace pathnab
