#include "app/qt/list_view.h"

#include <algorithm>

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>

namespace pathnab {
namespace {

// The row's key and its text as given, byte for byte (a Linux name need not be UTF-8).
constexpr int kKeyRole = Qt::UserRole;
constexpr int kTextRole = Qt::UserRole + 1;

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtListView::QtListView(QWidget* parent) : tree_(new QTreeWidget(parent)) {
    tree_->setObjectName("lv");
    tree_->setRootIsDecorated(false);
    tree_->setItemsExpandable(false);
    tree_->setUniformRowHeights(true);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    tree_->header()->setStretchLastSection(false);
}

int QtListView::OneRowPixels() const {
    QStyleOptionViewItem row;
    row.initFrom(tree_);
    row.features = QStyleOptionViewItem::HasDisplay;
    row.text = "Full Path";
    const int rowHeight = tree_->style()->sizeFromContents(QStyle::CT_ItemViewItem, &row, QSize(), tree_).height();
    return rowHeight + 2 * tree_->frameWidth() + tree_->horizontalScrollBar()->sizeHint().height();
}

void QtListView::Place(float left, float top, float width, float height) {
    const TwipScale scale = Scale();
    tree_->setGeometry(scale.PixelsX(left), scale.PixelsY(top), scale.PixelsX(width), scale.PixelsY(height));
}

// The scroll bars follow the rows only at the next layout, so the one the rows will need is
// worked out here.
float QtListView::InnerWidth() {
    const QSize inside = tree_->maximumViewportSize();
    const int rowsHeight = tree_->topLevelItemCount() * tree_->sizeHintForRow(0);
    const int scrollBar = rowsHeight > inside.height() ? tree_->verticalScrollBar()->sizeHint().width() : 0;
    return Scale().TwipsX(inside.width() - scrollBar);
}

void QtListView::ClearColumns() { tree_->setColumnCount(0); }

void QtListView::AddColumn(const std::string& header, float width) {
    const int column = tree_->columnCount();
    tree_->setColumnCount(column + 1);
    tree_->headerItem()->setText(column, FromUtf8(header));
    tree_->setColumnWidth(column, Scale().PixelsX(width));
}

float QtListView::ColumnWidth(int column) { return Scale().TwipsX(tree_->columnWidth(column - 1)); }

void QtListView::SetColumnWidth(int column, float width) {
    tree_->setColumnWidth(column - 1, Scale().PixelsX(width));
}

// The tree view keeps its own measure protected; the item view's is the same call, public.
float QtListView::FittingColumnWidth(int column) {
    const QAbstractItemView& view = *tree_;
    return Scale().TwipsX(std::max(view.sizeHintForColumn(column - 1), 0));
}

// A list that has rows always has one selected and current, as a new list starts on its first
// row: Enter copies it at once, and the arrow keys move on from there.
ListView::Row QtListView::AddRow(const std::string& key, const std::string& caption) {
    auto* item = new QTreeWidgetItem(tree_, QStringList{FromUtf8(caption)});
    item->setData(0, kKeyRole, FromUtf8(key));
    item->setData(1, kTextRole, QByteArray());
    if (tree_->topLevelItemCount() == 1) tree_->setCurrentItem(item);
    return static_cast<Row>(tree_->topLevelItemCount());
}

void QtListView::SetRowText(Row row, const std::string& text) {
    QTreeWidgetItem* item = Item(row);
    if (!item) return;
    item->setText(1, FromUtf8(text));
    item->setData(1, kTextRole, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

std::string QtListView::RowText(Row row) {
    const QTreeWidgetItem* item = Item(row);
    if (!item) return {};
    return item->data(1, kTextRole).toByteArray().toStdString();
}

std::optional<ListView::Row> QtListView::SelectedRow() {
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return static_cast<Row>(tree_->indexOfTopLevelItem(selected.first()) + 1);
}

}  // namespace pathnab
