#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/path_list.h"

namespace pathnab {

// The report-style list of the main window. Lengths are twips; columns count from 1.
class ListView {
public:
    using Row = int;

    virtual ~ListView() = default;
    virtual void SetVisible(bool visible) = 0;
    // Covers exactly that rectangle of the window's client area.
    virtual void Place(float left, float top, float width, float height) = 0;
    // The width the columns can fill without a horizontal scroll bar: the inside of the list,
    // less the vertical scroll bar when the rows need one.
    virtual float InnerWidth() = 0;

    virtual void ClearColumns() = 0;
    virtual void AddColumn(const std::string& header, float width) = 0;
    virtual void HideColumnHeaders() = 0;
    virtual float ColumnWidth(int column) = 0;
    virtual void SetColumnWidth(int column, float width) = 0;
    // The width that shows every text of the column whole, in the list's own font and margins.
    virtual float FittingColumnWidth(int column) = 0;

    virtual void ClearRows() = 0;
    // Appends a row with its caption in the first column.
    virtual Row AddRow(const std::string& key, const std::string& caption) = 0;
    virtual void SetRowText(Row row, const std::string& text) = 0;
    virtual std::string RowText(Row row) = 0;
    virtual std::optional<Row> SelectedRow() = 0;
};

enum class SyntaxItem { Normal, CType };

// What the main window's menu items do, one handler each.
enum class MenuCommand { FileExit, SyntaxNormal, SyntaxCType, HelpAbout };
inline constexpr int kMenuCommandCount = static_cast<int>(MenuCommand::HelpAbout) + 1;

// The menu item that carries a syntax's check mark.
constexpr MenuCommand MenuCommandOf(SyntaxItem item) {
    return item == SyntaxItem::Normal ? MenuCommand::SyntaxNormal : MenuCommand::SyntaxCType;
}

class MainWindowHandlers;

// The main window as its handlers see it. Outer sizes include the frame; all in twips.
class MainWindowView {
public:
    virtual ~MainWindowView() = default;
    // The handlers the window's events go to from now on; null once they are gone, when the
    // window handles its events alone.
    virtual void ForwardTo(MainWindowHandlers* handlers) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual float OuterHeight() = 0;
    virtual float OuterWidth() = 0;
    virtual void SetOuterHeight(float height) = 0;
    virtual void SetOuterWidth(float width) = 0;
    virtual float ClientWidth() = 0;
    virtual float ClientHeight() = 0;
    // Places the outer top-left corner.
    virtual void Move(float left, float top) = 0;
    virtual void SetMenuChecked(SyntaxItem item, bool checked) = 0;
    virtual ListView& List() = 0;
    // Ordinary close: the unload handler runs.
    virtual void Close() = 0;
    // Ends the program at once: no handler runs, nothing is saved.
    virtual void EndNow() = 0;
    // The About box, modal and without an owner; returns when it has been closed.
    virtual void ShowAboutBox() = 0;
};

// Each operation is false when the clipboard could not be reached (another program may hold it).
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool Clear() = 0;
    // Puts text on the clipboard as plain text.
    virtual bool SetText(const std::string& text) = 0;
};

struct CursorPosition {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// The mouse cursor and the primary screen.
class Screen {
public:
    virtual ~Screen() = default;
    virtual CursorPosition CursorPos() = 0;  // pixels
    virtual float WidthTwips() = 0;
    virtual float HeightTwips() = 0;
    virtual float TwipsPerPixelX() = 0;
    virtual float TwipsPerPixelY() = 0;
};

// The rows of a path in a syntax.
class PathFormsSource {
public:
    virtual ~PathFormsSource() = default;
    virtual std::vector<PathForm> Rows(const std::string& filePath, const SyntaxMode& syntax) = 0;
};

}  // namespace pathnab
