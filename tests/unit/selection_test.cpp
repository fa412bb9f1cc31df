// The selection queries: rows in row order whatever the order of the URL set,
// hidden selected URLs left out, and the focus falling back to the first
// selected row.
#include "grid/Selection.h"

#include <gtest/gtest.h>

#include "grid/GridState.h"

namespace {

// Row order deliberately differs from the sorted order of the URL texts.
const std::vector<VisibleRow> kRows = {{1, L"https://zeta.example"},
                                       {1, L"https://alpha.example"},
                                       {2, L"https://mid.example"},
                                       {2, L"https://beta.example"},
                                       {3, L"https://omega.example"}};

class SelectionTest : public testing::Test {
   protected:
    void SetUp() override {
        g_grid = GridState{};
        g_grid.visibleRows = kRows;
    }
    void TearDown() override { g_grid = GridState{}; }

    static void Select(const std::vector<int>& rows) {
        for (int row : rows) g_grid.selectedUrls.insert(kRows[row].url);
    }
};

}  // namespace

TEST_F(SelectionTest, SelectedRowsAndUrlsComeInRowOrder) {
    Select({3, 0, 2});
    g_grid.selectedUrls.insert(L"https://filtered-out.example");
    EXPECT_EQ(GetSelectedRows(), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(GetSelectedUrls(), (std::vector<std::wstring>{kRows[0].url, kRows[2].url, kRows[3].url}));
    EXPECT_TRUE(IsRowSelected(2));
    EXPECT_FALSE(IsRowSelected(1));
    EXPECT_FALSE(IsRowSelected(-1));
    EXPECT_FALSE(IsRowSelected(5));
}

TEST_F(SelectionTest, OnlyHiddenUrlsSelectedMeansNoSelection) {
    g_grid.selectedUrls = {L"https://filtered-out.example"};
    g_grid.focusRow = 1;
    EXPECT_TRUE(GetSelectedRows().empty());
    EXPECT_TRUE(GetSelectedUrls().empty());
    EXPECT_EQ(GetFocusRow(), -1);
    EXPECT_EQ(g_grid.selectedUrls.size(), 1u);  // still selected, only not shown
}

TEST_F(SelectionTest, FocusRowFallsBackToTheFirstSelectedRow) {
    struct Case {
        const char* name;
        std::vector<int> selected;
        int focus;
        int expected;  // returned and left in focusRow
    };
    const Case cases[] = {
        {"focus selected", {1, 3}, 3, 3}, {"focus not selected", {3, 4}, 1, 3},
        {"no focus", {4, 2}, -1, 2},      {"focus past the last row", {1}, 9, 1},
        {"nothing selected", {}, 2, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_grid.selectedUrls.clear();
        Select(c.selected);
        g_grid.focusRow = c.focus;
        EXPECT_EQ(GetFocusRow(), c.expected);
        EXPECT_EQ(g_grid.focusRow, c.expected);
    }
}

TEST_F(SelectionTest, SelectOnlyRowReplacesTheSelection) {
    struct Case {
        const char* name;
        int row;
        std::set<std::wstring> selected;
        int focus;
    };
    const Case cases[] = {
        {"existing row", 2, {kRows[2].url}, 2},
        {"last row", 4, {kRows[4].url}, 4},
        {"no row", -1, {}, -1},
        {"past the last row", 5, {}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_grid.selectedUrls = {kRows[0].url, kRows[3].url, L"https://filtered-out.example"};
        g_grid.focusRow = 3;
        SelectOnlyRow(c.row);
        EXPECT_EQ(g_grid.selectedUrls, c.selected);
        EXPECT_EQ(g_grid.focusRow, c.focus);
    }
}
