#pragma once
#include <QTreeWidget>

#include "app/main_window_ports.h"
#include "app/qt/qt_screen.h"

namespace pathnab {

// The main window's report list `lv`: a flat two-column tree without decorations.
class QtListView final : public ListView {
public:
    explicit QtListView(QWidget* parent);
    QTreeWidget& Widget() { return *tree_; }
    // The list's height, in pixels, that shows one whole row above a horizontal scroll bar.
    int OneRowPixels() const;

    void SetVisible(bool visible) override { tree_->setVisible(visible); }
    void Place(float left, float top, float width, float height) override;
    float InnerWidth() override;
    void ClearColumns() override;
    void AddColumn(const std::string& header, float width) override;
    void HideColumnHeaders() override { tree_->setHeaderHidden(true); }
    float ColumnWidth(int column) override;
    void SetColumnWidth(int column, float width) override;
    float FittingColumnWidth(int column) override;
    void ClearRows() override { tree_->clear(); }
    Row AddRow(const std::string& key, const std::string& caption) override;
    void SetRowText(Row row, const std::string& text) override;
    std::string RowText(Row row) override;
    std::optional<Row> SelectedRow() override;

private:
    QTreeWidgetItem* Item(Row row) const { return tree_->topLevelItem(row - 1); }
    TwipScale Scale() const { return PrimaryScreenTwips(); }

    QTreeWidget* tree_;
};

}  // namespace pathnab
