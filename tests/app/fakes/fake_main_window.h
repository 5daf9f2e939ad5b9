#pragma once
#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window_ports.h"

namespace pathnab::fakes {

struct FakeColumn {
    std::string header;
    float width = 0;
};

struct FakeRow {
    std::string key;
    std::string caption;
    std::string text;
};

class FakeListView final : public ListView {
public:
    void SetVisible(bool visible) override { visible_ = visible; }
    void Place(float left, float top, float width, float height) override {
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
    }
    float InnerWidth() override { return width_ - kBorders - (scrollBarShown ? kScrollBarWidth : 0); }
    void ClearColumns() override { columns.clear(); }
    void AddColumn(const std::string& header, float width) override { columns.push_back({header, width}); }
    void HideColumnHeaders() override { headersHidden = true; }
    float ColumnWidth(int column) override { return columns.at(column - 1).width; }
    void SetColumnWidth(int column, float width) override { columns.at(column - 1).width = width; }
    // Every byte as wide as the next, within the cell's margins.
    float FittingColumnWidth(int column) override {
        std::size_t longest = 0;
        for (const FakeRow& row : rows) longest = std::max(longest, (column == 1 ? row.caption : row.text).size());
        return kCellMargins + kByteWidth * static_cast<float>(longest);
    }
    void ClearRows() override {
        rows.clear();
        selected.reset();
    }
    Row AddRow(const std::string& key, const std::string& caption) override {
        rows.push_back({key, caption, {}});
        return static_cast<Row>(rows.size());
    }
    void SetRowText(Row row, const std::string& text) override { rows.at(row - 1).text = text; }
    std::string RowText(Row row) override { return rows.at(row - 1).text; }
    std::optional<Row> SelectedRow() override { return selected; }

    static constexpr float kBorders = 60;
    static constexpr float kScrollBarWidth = 255;
    static constexpr float kCellMargins = 90;
    static constexpr float kByteWidth = 75;

    float Width() const { return width_; }
    bool Visible() const { return visible_; }
    float Left() const { return left_; }
    float Top() const { return top_; }
    float Height() const { return height_; }

    std::vector<FakeColumn> columns;
    std::vector<FakeRow> rows;
    bool headersHidden = false;
    bool scrollBarShown = false;  // the vertical one
    std::optional<Row> selected;

private:
    bool visible_ = true;
    float left_ = 0;
    float top_ = 0;
    float width_ = 4935;
    float height_ = 1380;
};

// A window whose frame (title bar, menu bar and border) has a fixed size in twips.
class FakeMainWindow final : public MainWindowView {
public:
    static constexpr float kFrameWidth = 240;
    static constexpr float kFrameHeight = 810;

    void SetCaption(const std::string& text) override { caption = text; }
    float OuterHeight() override { return outerHeight; }
    float OuterWidth() override { return outerWidth; }
    void SetOuterHeight(float height) override {
        outerHeight = height;
        events.push_back("height " + std::to_string(static_cast<int>(height)));
    }
    void SetOuterWidth(float width) override {
        outerWidth = width;
        events.push_back("width " + std::to_string(static_cast<int>(width)));
    }
    float ClientWidth() override { return outerWidth - kFrameWidth; }
    float ClientHeight() override { return outerHeight - kFrameHeight; }
    void Move(float left, float top) override { position = {left, top}; }
    void SetMenuChecked(SyntaxItem item, bool isChecked) override { checked[item] = isChecked; }
    ListView& List() override { return list; }
    void ForwardTo(MainWindowHandlers* to) override { handlers = to; }
    void Close() override {
        ++closes;
        if (onClose) onClose();
    }
    void EndNow() override { ended = true; }
    void ShowAboutBox() override { ++aboutBoxes; }

    std::string caption = "Pathnab";
    float outerHeight = 2535;
    float outerWidth = 7695;
    std::optional<std::pair<float, float>> position;
    std::map<SyntaxItem, bool> checked{{SyntaxItem::Normal, true}, {SyntaxItem::CType, false}};
    FakeListView list;
    MainWindowHandlers* handlers = nullptr;
    int closes = 0;
    bool ended = false;
    int aboutBoxes = 0;
    std::vector<std::string> events;
    std::function<void()> onClose;  // the ordinary close runs the unload handler
};

class FakeClipboard final : public Clipboard {
public:
    bool Clear() override {
        calls.push_back("clear");
        return reachable;
    }
    bool SetText(const std::string& text) override {
        calls.push_back("text:" + text);
        return reachable;
    }
    std::vector<std::string> calls;
    bool reachable = true;
};

class FakeScreen final : public Screen {
public:
    CursorPosition CursorPos() override { return cursor; }
    float WidthTwips() override { return 1024 * 15.0f; }
    float HeightTwips() override { return 768 * 15.0f; }
    float TwipsPerPixelX() override { return 15; }
    float TwipsPerPixelY() override { return 15; }
    CursorPosition cursor{100, 100};
};

class FakePathForms final : public PathFormsSource {
public:
    std::vector<PathForm> Rows(const std::string& filePath, const SyntaxMode& syntax) override {
        requests.push_back(filePath + "|" + syntax);
        std::vector<PathForm> rows = {{"longFullName", "Full Path", filePath},
                                      {"longFileName", "File Name", "a.txt"},
                                      {"UNC", "UNC", ""}};
        if (syntax == "C") rows[0].text += " (C)";
        return rows;
    }
    std::vector<std::string> requests;
};

}  // namespace pathnab::fakes
