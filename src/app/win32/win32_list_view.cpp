#include "app/win32/win32_list_view.h"

#include "platform/win32/window_twips.h"
#include "platform/win32/wide_text.h"
// After the Win32 headers, which it needs.
#include <commctrl.h>

namespace pathnab {

Win32ListView::Win32ListView(HWND parent, int id)
    : list_(CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT |
                                LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                            0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr)) {
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
}

void Win32ListView::SetVisible(bool visible) { ShowWindow(list_, visible ? SW_SHOW : SW_HIDE); }

void Win32ListView::Place(float left, float top, float width, float height) {
    const TwipScale twips = WindowTwips(list_);
    MoveWindow(list_, twips.PixelsX(left), twips.PixelsY(top), twips.PixelsX(width), twips.PixelsY(height), TRUE);
}

// The scroll bars shown now may be those of the columns before the fill: the inside is taken
// without them, and the vertical one left out only when the rows are taller than that.
float Win32ListView::InnerWidth() {
    RECT inside{};
    GetClientRect(list_, &inside);
    const UINT dpi = GetDpiForWindow(list_);
    const LONG_PTR style = GetWindowLongPtrW(list_, GWL_STYLE);
    const int scrollBarWidth = GetSystemMetricsForDpi(SM_CXVSCROLL, dpi);
    const int width = inside.right + ((style & WS_VSCROLL) ? scrollBarWidth : 0);
    const int height = inside.bottom + ((style & WS_HSCROLL) ? GetSystemMetricsForDpi(SM_CYHSCROLL, dpi) : 0);
    RECT row{};
    const bool rowsTaller = ListView_GetItemRect(list_, 0, &row, LVIR_BOUNDS) &&
                            ListView_GetItemCount(list_) * (row.bottom - row.top) > height;
    return WindowTwips(list_).TwipsX(width - (rowsTaller ? scrollBarWidth : 0));
}

void Win32ListView::ClearColumns() {
    while (ListView_DeleteColumn(list_, 0)) {
    }
}

void Win32ListView::AddColumn(const std::string& header, float width) {
    HWND headerBar = ListView_GetHeader(list_);
    const int column = headerBar ? Header_GetItemCount(headerBar) : 0;
    std::wstring text = Wide(header);
    LVCOLUMNW item{};
    item.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    item.pszText = text.data();
    item.cx = WindowTwips(list_).PixelsX(width);
    item.iSubItem = column;
    ListView_InsertColumn(list_, column, &item);
}

void Win32ListView::HideColumnHeaders() {
    SetWindowLongPtrW(list_, GWL_STYLE, GetWindowLongPtrW(list_, GWL_STYLE) | LVS_NOCOLUMNHEADER);
}

float Win32ListView::ColumnWidth(int column) {
    return WindowTwips(list_).TwipsX(ListView_GetColumnWidth(list_, column - 1));
}

// The control keeps a horizontal scroll bar that a wider column needed, and the vertical one that
// the bar's height called for, when the new width would just fit without both: it lets them go
// when the column is first made narrow.
void Win32ListView::SetColumnWidth(int column, float width) {
    ListView_SetColumnWidth(list_, column - 1, 0);
    ListView_SetColumnWidth(list_, column - 1, WindowTwips(list_).PixelsX(width));
}

// Measured by the control itself, which knows its font and its cell margins; the width shown
// is left as it was.
float Win32ListView::FittingColumnWidth(int column) {
    const int index = column - 1;
    const int shown = ListView_GetColumnWidth(list_, index);
    ListView_SetColumnWidth(list_, index, LVSCW_AUTOSIZE);
    const int fitting = ListView_GetColumnWidth(list_, index);
    ListView_SetColumnWidth(list_, index, shown);
    return WindowTwips(list_).TwipsX(fitting);
}

void Win32ListView::ClearRows() {
    ListView_DeleteAllItems(list_);
    texts_.clear();
}

ListView::Row Win32ListView::AddRow(const std::string&, const std::string& caption) {
    std::wstring text = Wide(caption);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(texts_.size());
    item.pszText = text.data();
    ListView_InsertItem(list_, &item);
    texts_.emplace_back();
    if (texts_.size() == 1) SelectFirstRow();
    return static_cast<Row>(texts_.size());
}

void Win32ListView::SetRowText(Row row, const std::string& text) {
    if (!HasRow(row)) return;
    std::wstring shown = Wide(text);
    ListView_SetItemText(list_, row - 1, 1, shown.data());
    texts_[static_cast<std::size_t>(row - 1)] = text;
}

std::string Win32ListView::RowText(Row row) {
    return HasRow(row) ? texts_[static_cast<std::size_t>(row - 1)] : std::string();
}

// A list that has rows always has one selected and focused, as a new list starts on its first
// row: Enter copies it at once, and the arrow keys move on from there.
void Win32ListView::SelectFirstRow() {
    constexpr UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list_, 0, kSelectedAndFocused, kSelectedAndFocused);
}

std::optional<ListView::Row> Win32ListView::SelectedRow() {
    const int index = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
    if (index < 0) return std::nullopt;
    return static_cast<Row>(index + 1);
}

}  // namespace pathnab
