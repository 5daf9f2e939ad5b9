#pragma once
#include <string>
#include <vector>

#include "app/main_window_ports.h"
#include "platform/win32/windows_api.h"

namespace pathnab {

// The comctl32 report-style ListView `lv`. The texts given are kept as given, so the text read
// back is byte for byte the one set.
class Win32ListView final : public ListView {
public:
    // Creates the control as a child of the window, with the control id.
    Win32ListView(HWND parent, int id);
    HWND Handle() const { return list_; }

    void SetVisible(bool visible) override;
    void Place(float left, float top, float width, float height) override;
    float InnerWidth() override;

    void ClearColumns() override;
    void AddColumn(const std::string& header, float width) override;
    void HideColumnHeaders() override;
    float ColumnWidth(int column) override;
    void SetColumnWidth(int column, float width) override;
    float FittingColumnWidth(int column) override;

    void ClearRows() override;
    Row AddRow(const std::string& key, const std::string& caption) override;
    void SetRowText(Row row, const std::string& text) override;
    std::string RowText(Row row) override;
    std::optional<Row> SelectedRow() override;

private:
    void SelectFirstRow();
    bool HasRow(Row row) const { return row >= 1 && static_cast<std::size_t>(row) <= texts_.size(); }

    HWND list_;
    std::vector<std::string> texts_;
};

}  // namespace pathnab
