// Group sections: the display lines, the cached copy of them and the line of
// a row.
#include "grid/VisibleRows.h"
#include "grid_test_support.h"

bool operator==(const DisplayLine& a, const DisplayLine& b) {
    return a.isGroupHeader == b.isGroupHeader && a.groupId == b.groupId && a.rowIndex == b.rowIndex;
}
void PrintTo(const DisplayLine& line, std::ostream* os) {
    *os << (line.isGroupHeader ? "header " : "row ") << line.groupId << "/" << line.rowIndex;
}

namespace {

DisplayLine Header(int group) { return DisplayLine{true, group, -1}; }
DisplayLine Row(int group, int row) { return DisplayLine{false, group, row}; }

class DisplayLinesTest : public GridRowsTest {
   protected:
    // The cached lines and the row index must match a fresh build.
    static void ExpectCacheMatchesFreshBuild(const char* after) {
        const std::vector<DisplayLine> fresh = BuildDisplayLines();
        EXPECT_EQ(CurrentDisplayLines(), fresh) << "after " << after;
        for (int row = -1; row <= static_cast<int>(g_grid.visibleRows.size()); ++row) {
            int expected = -1;
            for (size_t i = 0; i < fresh.size(); ++i) {
                if (fresh[i].rowIndex == row && !fresh[i].isGroupHeader) {
                    expected = static_cast<int>(i);
                    break;
                }
            }
            EXPECT_EQ(DisplayLineOfRow(row), expected) << "row " << row << " after " << after;
        }
    }
};

TEST_F(DisplayLinesTest, EveryGroupHasAHeaderAndCollapsedGroupsNoRows) {
    int full = AddGroup(L"Full", {L"https://a/1", L"https://a/2"});
    int empty = AddGroup(L"Empty", {});
    int filtered = AddGroup(L"Filtered", {L"https://b/1"});
    int collapsed = AddGroup(L"Collapsed", {L"https://a/3"});
    int last = AddGroup(L"Last", {L"https://a/4"});
    SetGroupCollapsed(collapsed, true);
    RebuildVisibleRowsWithSearch(L"/a/");

    const std::vector<DisplayLine> expected = {
        Header(full),     Row(full, 0),      Row(full, 1), Header(empty),
        Header(filtered), Header(collapsed), Header(last), Row(last, 3),
    };
    EXPECT_EQ(BuildDisplayLines(), expected);
    EXPECT_EQ(DisplayLineOfRow(1), 2);
    EXPECT_EQ(DisplayLineOfRow(2), -1);  // its group is collapsed
    EXPECT_EQ(DisplayLineOfRow(3), 7);
    EXPECT_EQ(DisplayLineOfRow(4), -1);
    EXPECT_EQ(DisplayLineOfRow(-1), -1);
}

// Rows are taken per group in increasing index, whatever order visibleRows
// holds them in; rows of a group that is not in the catalogue get no line.
TEST_F(DisplayLinesTest, RowsFollowTheGroupListNotTheRowList) {
    int g1 = AddGroup(L"One", {});
    int g2 = AddGroup(L"Two", {});
    g_grid.visibleRows = {{g2, L"x"}, {g1, L"y"}, {99, L"z"}, {g2, L"w"}, {g1, L"v"}};
    const std::vector<DisplayLine> expected = {Header(g1), Row(g1, 1), Row(g1, 4),
                                               Header(g2), Row(g2, 0), Row(g2, 3)};
    EXPECT_EQ(BuildDisplayLines(), expected);
    ExpectCacheMatchesFreshBuild("a hand-made row list");
}

TEST_F(DisplayLinesTest, CacheFollowsEveryKindOfChange) {
    int g1 = AddGroup(L"One", {L"https://a/1", L"https://b/2", L"https://a/3"});
    int g2 = AddGroup(L"Two", {L"https://b/4", L"https://a/5"});
    RebuildVisibleRows();
    ExpectCacheMatchesFreshBuild("the first rebuild");

    RebuildVisibleRowsWithSearch(L"/a/");
    ExpectCacheMatchesFreshBuild("a search");
    g_settings.sortColumn = ColumnId::Url;
    g_settings.sortAscending = false;
    RebuildVisibleRows();
    ExpectCacheMatchesFreshBuild("a sort change");

    SetGroupCollapsed(g1, true);
    ExpectCacheMatchesFreshBuild("collapsing a group");
    ToggleGroupCollapsed(g1);
    ExpectCacheMatchesFreshBuild("expanding it again");
    ToggleGroupCollapsed(g2);
    EXPECT_TRUE(IsGroupCollapsed(g2));
    ExpectCacheMatchesFreshBuild("toggling another group");
    g_grid.collapsedGroups.clear();  // as clearing the catalogue does
    ExpectCacheMatchesFreshBuild("emptying collapsedGroups directly");
    g_grid.collapsedGroups.insert(g1);  // as undo restores it
    ExpectCacheMatchesFreshBuild("restoring collapsedGroups directly");

    AddGroup(L"Three", {});
    ExpectCacheMatchesFreshBuild("adding a group without a rebuild");
    std::swap(g_app.groups[0], g_app.groups[1]);
    ExpectCacheMatchesFreshBuild("reordering groups");
    g_app.groups.erase(g_app.groups.begin());
    ExpectCacheMatchesFreshBuild("deleting a group");

    g_app.groups[0].urls.push_back(L"https://a/6");
    g_app.allUrls.insert(L"https://a/6");
    RebuildVisibleRows();
    ExpectCacheMatchesFreshBuild("a new URL");

    g_grid.visibleRows.pop_back();
    InvalidateDisplayLines();
    ExpectCacheMatchesFreshBuild("a hand edit of the rows");
    g_grid = GridState{};
    ExpectCacheMatchesFreshBuild("a reset grid state");
}

TEST_F(DisplayLinesTest, CollapsingTwiceOrExpandingAnOpenGroupChangesNothing) {
    int g = AddGroup(L"G", {L"u"});
    RebuildVisibleRows();
    SetGroupCollapsed(g, true);
    SetGroupCollapsed(g, true);
    EXPECT_EQ(g_grid.collapsedGroups, std::set<int>{g});
    EXPECT_EQ(CurrentDisplayLines().size(), 1u);
    SetGroupCollapsed(g, false);
    SetGroupCollapsed(g, false);
    EXPECT_TRUE(g_grid.collapsedGroups.empty());
    EXPECT_EQ(CurrentDisplayLines().size(), 2u);
}

}  // namespace
