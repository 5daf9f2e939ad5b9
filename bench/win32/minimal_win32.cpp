// The Win32 floor for the start-up benchmark: a top-level window with a report-style ListView of
// 8 rows in two columns and two push buttons, built as pathnab.exe is and with the same manifest.
#include <windows.h>
// After the Win32 headers, which it needs.
#include <commctrl.h>

#include <string>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeList(HWND parent, HINSTANCE instance) {
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER,
                                0, 0, 500, 140, parent, nullptr, instance, nullptr);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (int column = 0; column < 2; ++column) {
        LVCOLUMNW item{};
        item.mask = LVCF_WIDTH | LVCF_SUBITEM;
        item.cx = column == 0 ? 100 : 380;
        item.iSubItem = column;
        ListView_InsertColumn(list, column, &item);
    }
    for (int row = 0; row < 8; ++row) {
        std::wstring caption = L"Form " + std::to_wstring(row + 1);
        std::wstring text = L"C:\\temp\\file " + std::to_wstring(row + 1) + L".txt";
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = caption.data();
        ListView_InsertItem(list, &item);
        ListView_SetItemText(list, row, 1, text.data());
    }
    return list;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"MinimalWin32";
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, L"MinimalWin32", L"Minimal Win32", WS_OVERLAPPEDWINDOW, 100, 100, 516, 200,
                                  nullptr, nullptr, instance, nullptr);
    CreateWindowExW(0, WC_BUTTONW, L"Select", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 240, 96, 91, 22, window,
                    nullptr, instance, nullptr);
    CreateWindowExW(0, WC_BUTTONW, L"Cancel", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 141, 96, 97, 22, window,
                    nullptr, instance, nullptr);
    MakeList(window, instance);
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
