#include "app/main_window.h"

#include <gtest/gtest.h>

#include "app/fakes/fake_main_window.h"
#include "app/main_window_design.h"
#include "app/fakes/window_settings.h"
#include "pathforms/fakes/path_forms_fakes.h"

namespace pathnab {
namespace {

using fakes::FakeMainWindow;

class FixedVersion final : public VersionSource {
public:
    VersionInfo Read() override { return {"Tallwick", "Pathnab", 1, 0, 0, 1}; }
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        window.onClose = [this] { handlers.Unload(); };
    }

    FakeMainWindow window;
    fakes::FakeClipboard clipboard;
    fakes::FakeScreen screen;
    FixedVersion version;
    FakeRegistry registry;
    fakes::FakePathForms forms;
    fakes::FakeMessageBox messages;
    MainWindowHandlers handlers{{window, clipboard, screen, version, registry, forms, messages}};
};

TEST_F(MainWindowTest, HandlersReceiveTheWindowsEventsForTheirLifetimeOnly) {
    EXPECT_EQ(window.handlers, &handlers);
    FakeMainWindow other;
    {
        MainWindowHandlers passing{{other, clipboard, screen, version, registry, forms, messages}};
        EXPECT_EQ(other.handlers, &passing);
    }
    EXPECT_EQ(other.handlers, nullptr);
}

TEST_F(MainWindowTest, CaptionIsCompanyThenProduct) {
    handlers.Load("/tmp/a.txt");
    EXPECT_EQ(window.caption, "Tallwick - Pathnab");
}

TEST_F(MainWindowTest, FilePathIsTheArgumentStringUnchanged) {
    handlers.Load(" \"/tmp/a b.txt\" ");
    EXPECT_EQ(handlers.FilePath(), " \"/tmp/a b.txt\" ");
    EXPECT_EQ(forms.requests, std::vector<std::string>{" \"/tmp/a b.txt\" |"});
}

TEST_F(MainWindowTest, WithoutAStoreTheDefaultSizeApplies) {
    handlers.Load("/tmp/a.txt");
    EXPECT_EQ(window.outerHeight, 2535);
    EXPECT_EQ(window.outerWidth, 7695);
    EXPECT_FALSE(fakes::StoreWritten(registry));
}

TEST_F(MainWindowTest, HeightIsAppliedBeforeWidth) {
    handlers.Load("/tmp/a.txt");
    EXPECT_EQ(window.events, (std::vector<std::string>{"height 2535", "width 7695"}));
}

TEST_F(MainWindowTest, StoredNumbersAreUsedWhateverTheirType) {
    fakes::StoreWindowDword(registry, "Height", 3000);
    fakes::StoreWindowText(registry, "Width", "9000");
    handlers.Load("/tmp/a.txt");
    EXPECT_EQ(window.outerHeight, 3000);
    EXPECT_EQ(window.outerWidth, 9000);
}

TEST_F(MainWindowTest, StoredLettersGiveZero) {
    fakes::StoreWindowText(registry, "Height", "tall");
    handlers.Load("/tmp/a.txt");
    EXPECT_EQ(window.outerHeight, 0);
    EXPECT_EQ(window.outerWidth, 7695);
}

TEST_F(MainWindowTest, EmptyArgumentShowsOnlyTheAboutBoxThenEnds) {
    handlers.Load("");
    EXPECT_EQ(window.aboutBoxes, 1);
    EXPECT_TRUE(window.ended);
    EXPECT_FALSE(window.list.Visible());
    EXPECT_TRUE(forms.requests.empty());
    EXPECT_TRUE(window.events.empty());
    EXPECT_FALSE(window.position.has_value());
    EXPECT_FALSE(fakes::StoreWritten(registry));
    EXPECT_EQ(window.caption, "Tallwick - Pathnab");
}

TEST_F(MainWindowTest, LoadPlacesTheWindowNextToTheCursor) {
    screen.cursor = {100, 100};
    handlers.Load("/tmp/a.txt");
    // client 7455 wide: 1500 - 240 - 7455/6; client top at the cursor: 1500 - 810.
    ASSERT_TRUE(window.position.has_value());
    EXPECT_FLOAT_EQ(window.position->first, 17.5f);
    EXPECT_FLOAT_EQ(window.position->second, 690.0f);
}

using fakes::FakeListView;

// The fake's width of "Full Path" and "File Name", the longest captions.
constexpr float kCaptionsWidth = FakeListView::kCellMargins + 9 * FakeListView::kByteWidth;
constexpr float kInnerWidth = 4935 - FakeListView::kBorders;

TEST_F(MainWindowTest, PopulateBuildsTwoColumnsThatFillTheList) {
    handlers.Load("/tmp/a.txt");
    const auto& columns = window.list.columns;
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[0].header, "Type");
    EXPECT_EQ(columns[1].header, "Text");
    EXPECT_EQ(columns[0].width, kCaptionsWidth);
    EXPECT_EQ(columns[1].width, kInnerWidth - kCaptionsWidth);
    EXPECT_TRUE(window.list.headersHidden);
}

TEST_F(MainWindowTest, TextColumnLeavesRoomForTheVerticalScrollBar) {
    window.list.scrollBarShown = true;
    handlers.Load("/tmp/a.txt");
    EXPECT_EQ(window.list.columns[1].width, kInnerWidth - FakeListView::kScrollBarWidth - kCaptionsWidth);
}

TEST_F(MainWindowTest, TextWiderThanTheListGetsAColumnThatShowsItWhole) {
    const std::string path = "/tmp/" + std::string(80, 'x');
    handlers.Load(path);
    EXPECT_EQ(window.list.columns[1].width, FakeListView::kCellMargins + 85 * FakeListView::kByteWidth);
}

TEST_F(MainWindowTest, RowsKeepTheirOrderKeysCaptionsAndTexts) {
    handlers.Load("/tmp/a.txt");
    const auto& rows = window.list.rows;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].key, "longFullName");
    EXPECT_EQ(rows[0].caption, "Full Path");
    EXPECT_EQ(rows[0].text, "/tmp/a.txt");
    EXPECT_EQ(rows[2].key, "UNC");
}

TEST_F(MainWindowTest, ResizeCoversTheClientAreaAndLeavesColumns) {
    handlers.Load("/tmp/a.txt");
    window.outerWidth = 9000;
    window.outerHeight = 4000;
    handlers.Resize();
    EXPECT_EQ(window.list.Left(), 0);
    EXPECT_EQ(window.list.Top(), 0);
    EXPECT_EQ(window.list.Width(), 9000 - FakeMainWindow::kFrameWidth);
    EXPECT_EQ(window.list.Height(), 4000 - FakeMainWindow::kFrameHeight);
    EXPECT_EQ(window.list.columns[1].width, kInnerWidth - kCaptionsWidth);
}

TEST_F(MainWindowTest, KnownFrameFitsTheTextColumnToTheShrunkenList) {
    handlers.Load("/tmp/a.txt");
    window.outerWidth = 7695 - 120;  // the real frame is wider than the one assumed
    handlers.FrameKnown();
    EXPECT_EQ(window.list.Width(), 7695 - 120 - FakeMainWindow::kFrameWidth);
    EXPECT_EQ(window.list.columns[0].width, kCaptionsWidth);
    EXPECT_EQ(window.list.columns[1].width,
              7695 - 120 - FakeMainWindow::kFrameWidth - FakeListView::kBorders - kCaptionsWidth);
    EXPECT_EQ(window.list.rows.size(), 3u);
}

TEST_F(MainWindowTest, KnownFramePlacesAgainForTheCursorReadAtLoad) {
    screen.cursor = {200, 100};
    handlers.Load("/tmp/a.txt");
    screen.cursor = {600, 600};  // the pointer moved on meanwhile
    window.outerWidth = 7695 + 120;
    handlers.FrameKnown();
    // client 7575 wide: 3000 - 240 - 7575/6; client top at the cursor: 1500 - 810.
    ASSERT_TRUE(window.position.has_value());
    EXPECT_FLOAT_EQ(window.position->first, 3000 - 240 - 7575 / 6.0f);
    EXPECT_FLOAT_EQ(window.position->second, 690.0f);
}

TEST_F(MainWindowTest, UnloadStoresTheOuterSizeAsText) {
    handlers.Load("/tmp/a.txt");
    window.outerHeight = 2535;
    window.outerWidth = 7696.5f;
    handlers.FileExit();
    EXPECT_EQ(fakes::StoredWindowText(registry, "Height"), "2535");
    EXPECT_EQ(fakes::StoredWindowText(registry, "Width"), "7696.5");
}

TEST_F(MainWindowTest, UnloadLeavesOtherValuesAlone) {
    fakes::StoreWindowText(registry, "Colour", "blue");
    handlers.Load("/tmp/a.txt");
    handlers.FileExit();
    EXPECT_EQ(fakes::StoredWindowText(registry, "Colour"), "blue");
}

TEST_F(MainWindowTest, CancelEndsAtOnceAndLeavesTheStore) {
    fakes::StoreWindowText(registry, "Height", "3000");
    handlers.Load("/tmp/a.txt");
    window.outerHeight = 5000;
    handlers.CancelButton();
    EXPECT_TRUE(window.ended);
    EXPECT_EQ(window.closes, 0);
    EXPECT_FALSE(fakes::StoreWritten(registry));
    EXPECT_EQ(fakes::StoredWindowText(registry, "Height"), "3000");
}

TEST_F(MainWindowTest, SelectPathWithoutARowDoesNothing) {
    handlers.Load("/tmp/a.txt");
    handlers.ListClick();
    EXPECT_TRUE(clipboard.calls.empty());
    EXPECT_EQ(window.closes, 0);
    EXPECT_FALSE(fakes::StoreWritten(registry));
}

TEST_F(MainWindowTest, SelectPathCopiesTheRowTextThenClosesAndSaves) {
    handlers.Load("/tmp/a.txt");
    window.list.selected = 2;
    handlers.SelectButton();
    EXPECT_EQ(clipboard.calls, (std::vector<std::string>{"clear", "text:a.txt"}));
    EXPECT_EQ(window.closes, 1);
    EXPECT_EQ(fakes::StoredWindowText(registry, "Height"), "2535");
    EXPECT_EQ(fakes::StoredWindowText(registry, "Width"), "7695");
}

TEST_F(MainWindowTest, UnreachableClipboardIsReportedAndTheWindowStaysOpen) {
    handlers.Load("/tmp/a.txt");
    window.list.selected = 2;
    clipboard.reachable = false;
    handlers.SelectButton();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].first, kClipboardUnavailable);
    EXPECT_EQ(messages.shown[0].second, "Pathnab");
    EXPECT_EQ(window.closes, 0);
    EXPECT_FALSE(fakes::StoreWritten(registry));
}

TEST_F(MainWindowTest, SelectPathPutsEmptyTextToo) {
    handlers.Load("/tmp/a.txt");
    window.list.selected = 3;
    handlers.ListClick();
    EXPECT_EQ(clipboard.calls, (std::vector<std::string>{"clear", "text:"}));
    EXPECT_EQ(window.closes, 1);
}

TEST_F(MainWindowTest, SyntaxCTypeChecksItAndRebuildsOneSetOfColumnsAndRows) {
    handlers.Load("/tmp/a.txt");
    handlers.SyntaxCType();
    EXPECT_TRUE(window.checked[SyntaxItem::CType]);
    EXPECT_FALSE(window.checked[SyntaxItem::Normal]);
    EXPECT_EQ(window.list.columns.size(), 2u);
    ASSERT_EQ(window.list.rows.size(), 3u);
    EXPECT_EQ(window.list.rows[0].text, "/tmp/a.txt (C)");
    EXPECT_EQ(forms.requests.back(), "/tmp/a.txt|C");
}

TEST_F(MainWindowTest, SyntaxNormalRebuildsEvenWhenAlreadyChecked) {
    handlers.Load("/tmp/a.txt");
    handlers.SyntaxNormal();
    EXPECT_TRUE(window.checked[SyntaxItem::Normal]);
    EXPECT_FALSE(window.checked[SyntaxItem::CType]);
    EXPECT_EQ(forms.requests, (std::vector<std::string>{"/tmp/a.txt|", "/tmp/a.txt|"}));
    EXPECT_EQ(window.list.rows.size(), 3u);
    EXPECT_EQ(window.list.columns.size(), 2u);
}

TEST_F(MainWindowTest, SyntaxSwitchBackRestoresTheNormalTexts) {
    handlers.Load("/tmp/a.txt");
    handlers.SyntaxCType();
    handlers.SyntaxNormal();
    EXPECT_EQ(window.list.rows[0].text, "/tmp/a.txt");
    EXPECT_TRUE(window.checked[SyntaxItem::Normal]);
    EXPECT_FALSE(window.checked[SyntaxItem::CType]);
}

TEST_F(MainWindowTest, EachMenuCommandRunsItsHandler) {
    handlers.Load("/tmp/a.txt");
    handlers.MenuChosen(MenuCommand::SyntaxCType);
    EXPECT_TRUE(window.checked[SyntaxItem::CType]);
    handlers.MenuChosen(MenuCommand::SyntaxNormal);
    EXPECT_TRUE(window.checked[SyntaxItem::Normal]);
    handlers.MenuChosen(MenuCommand::HelpAbout);
    EXPECT_EQ(window.aboutBoxes, 1);
    handlers.MenuChosen(MenuCommand::FileExit);
    EXPECT_EQ(window.closes, 1);
}

TEST(MainWindowDesign, EveryMenuCommandHasOneItemAndOnlyNormalStartsChecked) {
    std::vector<MenuCommand> commands;
    std::vector<MenuCommand> checked;
    for (const main_window_design::Menu& menu : main_window_design::kMenus) {
        for (const main_window_design::MenuItem& item : menu.items) {
            commands.push_back(item.command);
            if (item.checked) checked.push_back(item.command);
            EXPECT_TRUE(item.checkable || !item.checked) << item.caption;
        }
    }
    EXPECT_EQ(commands, (std::vector<MenuCommand>{MenuCommand::FileExit, MenuCommand::SyntaxNormal,
                                                  MenuCommand::SyntaxCType, MenuCommand::HelpAbout}));
    EXPECT_EQ(static_cast<int>(commands.size()), kMenuCommandCount);
    EXPECT_EQ(checked, std::vector<MenuCommand>{MenuCommandOf(SyntaxItem::Normal)});
}

TEST_F(MainWindowTest, HelpAboutKeepsTheWindowOpen) {
    handlers.Load("/tmp/a.txt");
    handlers.HelpAbout();
    EXPECT_EQ(window.aboutBoxes, 1);
    EXPECT_FALSE(window.ended);
    EXPECT_EQ(window.closes, 0);
}

}  // namespace
}  // namespace pathnab
