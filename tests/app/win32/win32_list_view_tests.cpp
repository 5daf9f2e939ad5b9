#include "app/win32/win32_list_view.h"

#include <gtest/gtest.h>

#include <memory>
// After the Win32 headers, which it needs.
#include <commctrl.h>

namespace pathnab {
namespace {

// The real comctl32 list in a window of its own that is never shown.
class Win32ListViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        parent_ = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 200, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
        list_ = std::make_unique<Win32ListView>(parent_, 1);
    }
    void TearDown() override {
        list_.reset();
        DestroyWindow(parent_);
    }

    // A fill as the main window makes it: the rows replaced by three new ones.
    void Fill() {
        list_->ClearRows();
        for (const char* caption : {"Full Path", "File Name", "Base Name"}) {
            list_->SetRowText(list_->AddRow(caption, caption), std::string("text of ") + caption);
        }
    }
    int Focused() const { return ListView_GetNextItem(list_->Handle(), -1, LVNI_FOCUSED); }
    UINT SelectedCount() const { return ListView_GetSelectedCount(list_->Handle()); }
    void SelectOnly(int index) {
        ListView_SetItemState(list_->Handle(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_SetItemState(list_->Handle(), index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }

    HWND parent_ = nullptr;
    std::unique_ptr<Win32ListView> list_;
};

TEST_F(Win32ListViewTest, EveryFillStartsOnTheFirstRowSelectedAndFocused) {
    ASSERT_EQ(list_->SelectedRow(), std::nullopt);
    for (int fill = 0; fill < 3; ++fill) {
        if (fill > 0) SelectOnly(2);
        Fill();
        EXPECT_EQ(list_->SelectedRow(), std::optional<ListView::Row>(1)) << "fill " << fill;
        EXPECT_EQ(SelectedCount(), 1u) << "fill " << fill;
        EXPECT_EQ(Focused(), 0) << "fill " << fill;
        EXPECT_EQ(list_->RowText(*list_->SelectedRow()), "text of Full Path");
    }
}

TEST_F(Win32ListViewTest, AnEmptiedListHasNoSelectedRow) {
    Fill();
    list_->ClearRows();
    EXPECT_EQ(list_->SelectedRow(), std::nullopt);
}

}  // namespace
}  // namespace pathnab
