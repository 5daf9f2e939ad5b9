// Test equipment, not part of Pathnab. Started with no argument it leaves a file
// "<its own path>.started" and ends: the proof that a program started it. With "--hold" it
// stays, invisible, for up to two minutes: Wine's clipboard lives in a process that ends with
// the last Wine program, and a test reads the clipboard after Pathnab has ended; with
// "--hold-clipboard-open" it also keeps the clipboard open all that time, so no other program
// can write there; "--end" ends every companion that holds. With
// "--rects TITLE" it prints the window's outer rectangle and its client area in screen pixels
// as Windows reports them: "left top width height clientLeft clientTop clientWidth clientHeight";
// with "--rows TITLE" the number of rows in that window's list; "--style TITLE" prints the
// window's style and extended style in hexadecimal; "--columns TITLE" prints that window's list
// as "horizontalScrollBar verticalScrollBar column1 column2 clientWidth captionsWidth" (the bars
// 1 when shown, widths in pixels; the last the width the control itself gives column 1 to show
// its captions whole); "--start PROGRAM ARGUMENTS"
// starts PROGRAM with exactly ARGUMENTS after its quoted name on the command line, as a
// shortcut or cmd does, waits for it and exits with its code; "--cursor X Y" puts the mouse
// cursor at X Y through Windows, so that Wine's own idea of where it is agrees with the X pointer.
#include <windows.h>
#include <shellapi.h>
// After the Win32 headers, which it needs.
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr UINT kHoldMs = 120000;
constexpr wchar_t kHolderTitle[] = L"wine companion holding";

void LeaveStartedMark() {
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    HANDLE mark = CreateFileW((self + L".started").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (mark != INVALID_HANDLE_VALUE) CloseHandle(mark);
}

void Hold(bool clipboardOpen) {
    HWND window = CreateWindowExW(0, L"STATIC", kHolderTitle, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (clipboardOpen && !OpenClipboard(window)) return;
    SetTimer(window, 1, kHoldMs, nullptr);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER || message.message == WM_APP) break;
        DispatchMessageW(&message);
    }
}

int PrintRects(const wchar_t* title) {
    HWND window = FindWindowW(nullptr, title);
    RECT outer{}, client{};
    if (!window || !GetWindowRect(window, &outer) || !GetClientRect(window, &client)) return 1;
    POINT corner{0, 0};
    ClientToScreen(window, &corner);
    std::printf("%ld %ld %ld %ld %ld %ld %ld %ld\n", outer.left, outer.top, outer.right - outer.left,
                outer.bottom - outer.top, corner.x, corner.y, client.right, client.bottom);
    return 0;
}

// A killed Wine process lives on in another Unix process, so holders are ended by a message.
int EndHolders() {
    for (HWND holder = nullptr; (holder = FindWindowExW(HWND_MESSAGE, holder, L"STATIC", kHolderTitle));) {
        PostMessageW(holder, WM_APP, 0, 0);
    }
    return 0;
}

HWND ListOf(const wchar_t* title) {
    HWND window = FindWindowW(nullptr, title);
    return window ? FindWindowExW(window, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
}

int PrintRows(const wchar_t* title) {
    HWND list = ListOf(title);
    if (!list) return 1;
    std::printf("%d\n", ListView_GetItemCount(list));
    return 0;
}

int PrintStyle(const wchar_t* title) {
    HWND window = FindWindowW(nullptr, title);
    if (!window) return 1;
    std::printf("%#lx %#lx\n", static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)));
    return 0;
}

// The width the control gives the column to show its texts whole; the column is left as it was.
int FittingWidth(HWND list, int column) {
    const int shown = ListView_GetColumnWidth(list, column);
    ListView_SetColumnWidth(list, column, LVSCW_AUTOSIZE);
    const int fitting = ListView_GetColumnWidth(list, column);
    ListView_SetColumnWidth(list, column, shown);
    return fitting;
}

// The scroll bars as the control shows them: a shown bar is in its window style.
int PrintColumns(const wchar_t* title) {
    HWND list = ListOf(title);
    RECT client{};
    if (!list || !GetClientRect(list, &client)) return 1;
    const LONG style = GetWindowLongW(list, GWL_STYLE);
    std::printf("%d %d %d %d %ld %d\n", (style & WS_HSCROLL) ? 1 : 0, (style & WS_VSCROLL) ? 1 : 0,
                ListView_GetColumnWidth(list, 0), ListView_GetColumnWidth(list, 1), client.right,
                FittingWidth(list, 0));
    return 0;
}

int StartWith(const std::wstring& program, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return 101;
    }
    DWORD code = 102;
    if (WaitForSingleObject(process.hProcess, kHoldMs) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

int PutCursor(const wchar_t* x, const wchar_t* y) {
    return SetCursorPos(static_cast<int>(std::wcstol(x, nullptr, 10)), static_cast<int>(std::wcstol(y, nullptr, 10)))
               ? 0
               : 1;
}

}  // namespace

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::wstring option = count > 1 ? arguments[1] : L"";
    if (option == L"--rects" && count > 2) return PrintRects(arguments[2]);
    if (option == L"--rows" && count > 2) return PrintRows(arguments[2]);
    if (option == L"--style" && count > 2) return PrintStyle(arguments[2]);
    if (option == L"--columns" && count > 2) return PrintColumns(arguments[2]);
    if (option == L"--start" && count > 3) return StartWith(arguments[2], arguments[3]);
    if (option == L"--end") return EndHolders();
    if (option == L"--cursor" && count > 3) return PutCursor(arguments[2], arguments[3]);
    if (option == L"--hold" || option == L"--hold-clipboard-open") {
        Hold(option == L"--hold-clipboard-open");
    } else {
        LeaveStartedMark();
    }
    return 0;
}
