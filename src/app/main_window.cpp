#include "app/main_window.h"

#include <algorithm>

#include "app/placement.h"
#include "settings/app_settings.h"
#include "settings/reg_value.h"

namespace pathnab {
namespace {

constexpr float kTypeColumnWidth = 1000;
constexpr float kTextColumnWidth = 7000;

}  // namespace

void MainWindowHandlers::Load(const std::string& commandLine) {
    const VersionInfo version = ports_.version.Read();
    company_ = version.CompanyName;
    product_ = version.ProductName;
    ports_.view.SetCaption(company_ + " - " + product_);
    if (commandLine.empty()) {
        ports_.view.List().SetVisible(false);
        ports_.view.ShowAboutBox();
        ports_.view.EndNow();
        return;
    }
    filePath_ = commandLine;
    RestoreSize();
    Populate(kSyntaxNormal);
    cursor_ = ports_.screen.CursorPos();
    PlaceAt(cursor_);
}

void MainWindowHandlers::RestoreSize() {
    const std::int32_t height =
        SafeLongNumber(GetAppSetting(ports_.registry, company_, product_, kHeightSetting, kDefaultHeight));
    const std::int32_t width =
        SafeLongNumber(GetAppSetting(ports_.registry, company_, product_, kWidthSetting, kDefaultWidth));
    ports_.view.SetOuterHeight(static_cast<float>(height));
    ports_.view.SetOuterWidth(static_cast<float>(width));
}

void MainWindowHandlers::PlaceAt(CursorPosition cursor) {
    Screen& screen = ports_.screen;
    MainWindowView& view = ports_.view;
    PlacementInput in;
    in.cursor = cursor;
    in.twipsPerPixelX = screen.TwipsPerPixelX();
    in.twipsPerPixelY = screen.TwipsPerPixelY();
    in.outerWidth = view.OuterWidth();
    in.outerHeight = view.OuterHeight();
    in.clientWidth = view.ClientWidth();
    in.clientHeight = view.ClientHeight();
    in.screenWidth = screen.WidthTwips();
    in.screenHeight = screen.HeightTwips();
    const WindowPosition at = PlaceNextToCursor(in);
    view.Move(at.left, at.top);
}

void MainWindowHandlers::Resize() {
    ports_.view.List().Place(0, 0, ports_.view.ClientWidth(), ports_.view.ClientHeight());
}

void MainWindowHandlers::FrameKnown() {
    Resize();
    FitTextColumn();
    PlaceAt(cursor_);
}

void MainWindowHandlers::Unload() {
    SaveAppSetting(ports_.registry, company_, product_, kHeightSetting, ports_.view.OuterHeight());
    SaveAppSetting(ports_.registry, company_, product_, kWidthSetting, ports_.view.OuterWidth());
}

void MainWindowHandlers::Populate(const SyntaxMode& syntax) {
    const std::vector<PathForm> rows = ports_.forms.Rows(filePath_, syntax);
    SetColumns();
    ports_.view.List().ClearRows();
    AddRows(rows);
    FitColumns();
}

void MainWindowHandlers::SetColumns() {
    ListView& list = ports_.view.List();
    list.ClearColumns();
    list.AddColumn("Type", kTypeColumnWidth);
    list.AddColumn("Text", kTextColumnWidth);
    list.HideColumnHeaders();
}

void MainWindowHandlers::FitColumns() {
    ListView& list = ports_.view.List();
    list.SetColumnWidth(1, list.FittingColumnWidth(1));
    FitTextColumn();
}

// The text column fills the list beside the captions, or is as wide as its widest text when
// that is wider: a horizontal scroll bar appears only for a text that does not fit.
void MainWindowHandlers::FitTextColumn() {
    ListView& list = ports_.view.List();
    list.SetColumnWidth(2, std::max(list.InnerWidth() - list.ColumnWidth(1), list.FittingColumnWidth(2)));
}

void MainWindowHandlers::AddRows(const std::vector<PathForm>& rows) {
    ListView& list = ports_.view.List();
    for (const PathForm& form : rows) {
        const ListView::Row row = list.AddRow(form.key, form.caption);
        list.SetRowText(row, form.text);
    }
}

void MainWindowHandlers::SelectPath() {
    ListView& list = ports_.view.List();
    const std::optional<ListView::Row> row = list.SelectedRow();
    if (!row) return;
    const std::string text = list.RowText(*row);
    if (!ports_.clipboard.Clear() || !ports_.clipboard.SetText(text)) {
        ports_.messages.Show(kClipboardUnavailable, product_);
        return;
    }
    ports_.view.Close();
}

void MainWindowHandlers::MenuChosen(MenuCommand command) {
    switch (command) {
        case MenuCommand::FileExit: FileExit(); break;
        case MenuCommand::SyntaxNormal: SyntaxNormal(); break;
        case MenuCommand::SyntaxCType: SyntaxCType(); break;
        case MenuCommand::HelpAbout: HelpAbout(); break;
    }
}

void MainWindowHandlers::SyntaxNormal() {
    ports_.view.SetMenuChecked(SyntaxItem::CType, false);
    ports_.view.SetMenuChecked(SyntaxItem::Normal, true);
    Populate(kSyntaxNormal);
}

void MainWindowHandlers::SyntaxCType() {
    ports_.view.SetMenuChecked(SyntaxItem::CType, true);
    ports_.view.SetMenuChecked(SyntaxItem::Normal, false);
    Populate(kSyntaxC);
}

}  // namespace pathnab
