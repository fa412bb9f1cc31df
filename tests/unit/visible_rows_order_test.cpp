// Row order after a rebuild: sorting, pinned first, group sections, and the
// clean-up of focus and selection.
#include <algorithm>

#include "grid/VisibleRows.h"
#include "grid_test_support.h"

namespace {

using Urls = std::vector<std::wstring>;

class RowOrderTest : public GridRowsTest {};

TEST_F(RowOrderTest, OpenCountSortsAsText) {
    AddGroup(L"G", {L"u9", L"u0", L"u10", L"u2"});
    g_app.openCounts = {{L"u9", 9}, {L"u10", 10}, {L"u2", 2}};  // u0 has no entry
    g_settings.sortColumn = ColumnId::Opens;
    RebuildVisibleRows();
    EXPECT_EQ(VisibleUrls(), (Urls{L"u0", L"u10", L"u2", L"u9"}));
    g_settings.sortAscending = false;
    RebuildVisibleRows();
    EXPECT_EQ(VisibleUrls(), (Urls{L"u9", L"u2", L"u10", L"u0"}));
}

TEST_F(RowOrderTest, UnsortedColumnsKeepTheGroupOrder) {
    const Urls order = {L"c", L"a", L"b"};
    AddGroup(L"G", order);
    g_app.titles = {{L"c", L"3"}, {L"a", L"1"}, {L"b", L"2"}};
    for (int column : {-1, 0, 10}) {
        g_settings.sortColumn = column;
        for (bool ascending : {true, false}) {
            g_settings.sortAscending = ascending;
            RebuildVisibleRows();
            EXPECT_EQ(VisibleUrls(), order) << "column " << column << " ascending " << ascending;
        }
    }
    g_settings.sortColumn = ColumnId::Title;  // the same data does sort by title
    g_settings.sortAscending = true;
    RebuildVisibleRows();
    EXPECT_EQ(VisibleUrls(), (Urls{L"a", L"b", L"c"}));
}

TEST_F(RowOrderTest, TitleSortFoldsAsciiOnlyAndKeepsTies) {
    // Titles differing only in ASCII case tie and keep their order in both
    // directions; "_" sorts before letters because letters fold to lower
    // case; code units compare unsigned, so U+FF01 comes after "z".
    AddGroup(L"G", {L"u1", L"u2", L"u3", L"u4", L"u5", L"u6", L"u7"});
    g_app.titles = {{L"u1", L"b"},      {L"u2", L"A"},  {L"u3", L"B"},     {L"u4", L"a"},
                    {L"u5", L"\xFF01"}, {L"u6", L"_x"}, {L"u7", L"\x00C9"}};
    g_settings.sortColumn = ColumnId::Title;
    RebuildVisibleRows();
    EXPECT_EQ(VisibleUrls(), (Urls{L"u6", L"u2", L"u4", L"u1", L"u3", L"u7", L"u5"}));
    g_settings.sortAscending = false;
    RebuildVisibleRows();
    EXPECT_EQ(VisibleUrls(), (Urls{L"u5", L"u7", L"u1", L"u3", L"u2", L"u4", L"u6"}));
}

// The one-key-per-URL sort must give exactly the order of a stable sort that
// asks CompareCellTexts for every comparison, for every column and direction.
TEST_F(RowOrderTest, EveryColumnSortsLikeThePerComparisonPredicate) {
    Urls urls;
    const wchar_t* words[] = {L"alpha",  L"Beta", L"beta", L"", L"\x00E9t\x00E9",
                              L"_under", L"Z",    L"10",   L"9"};
    for (int i = 0; i < 40; ++i) {
        std::wstring url = L"https://h" + std::to_wstring(i % 7) + L".example/" + std::to_wstring(i);
        if (i % 5 == 0) url[8] = L'H';  // URLs differing in case only
        urls.push_back(url);
        const wchar_t* word = words[i % 9];
        if (i % 3) g_app.titles[url] = word;
        if (i % 4) g_app.urlTags[url] = {word, words[(i + 1) % 9]};
        if (i % 2) g_app.createdAt[url] = L"2024-0" + std::to_wstring(1 + i % 3) + L"-01 10:00:00";
        if (i % 6) g_app.updatedAt[url] = L"2024-01-0" + std::to_wstring(1 + i % 2) + L" 10:00:00";
        if (i % 3 == 1) g_app.validationStatus[url] = i % 2 ? L"\x2714 200" : L"\x2718 404";
        if (i % 4 != 1) g_app.openCounts[url] = (i * 7) % 13;
        if (i % 5 != 2) g_app.lastOpenedAt[url] = L"2023-12-3" + std::to_wstring(i % 2) + L" 09:00:00";
        if (i % 3 != 2) {
            g_app.reminderDates[url] = L"2024-06-0" + std::to_wstring(1 + i % 2) + L" 08:00";
            g_app.reminderActions[url] = static_cast<ReminderAction>(i % 3);
            g_app.reminderRepeats[url] = static_cast<ReminderRepeat>(i % 4);
        }
    }
    AddGroup(L"G", urls);
    for (int column = 1; column < kColumnCount; ++column) {
        g_settings.sortColumn = column;
        for (bool ascending : {true, false}) {
            g_settings.sortAscending = ascending;
            Urls expected = urls;
            std::stable_sort(expected.begin(), expected.end(), CompareCellTexts);
            RebuildVisibleRows();
            EXPECT_EQ(VisibleUrls(), expected) << "column " << column << " ascending " << ascending;
        }
    }
}

TEST_F(RowOrderTest, SortingStaysInsideEachGroup) {
    int first = AddGroup(L"First", {L"z2", L"z1"});
    int second = AddGroup(L"Second", {L"a2", L"a1"});
    g_settings.sortColumn = ColumnId::Url;
    RebuildVisibleRows();
    EXPECT_EQ(VisibleUrls(), (Urls{L"z1", L"z2", L"a1", L"a2"}));
    std::vector<int> groups;
    for (const auto& row : g_grid.visibleRows) groups.push_back(row.groupId);
    EXPECT_EQ(groups, (std::vector<int>{first, first, second, second}));
}

TEST_F(RowOrderTest, PinnedUrlsComeFirstInEveryGroupOnceAnyIsPinned) {
    AddGroup(L"First", {L"d", L"c", L"b", L"a"});
    AddGroup(L"Second", {L"y", L"x"});
    g_settings.sortColumn = ColumnId::Url;
    RebuildVisibleRows();
    EXPECT_EQ(VisibleUrls(), (Urls{L"a", L"b", L"c", L"d", L"x", L"y"}));

    g_app.pinnedUrls = {L"c", L"d"};  // pinned part keeps the sort order too
    RebuildVisibleRows();
    EXPECT_EQ(VisibleUrls(), (Urls{L"c", L"d", L"a", L"b", L"x", L"y"}));

    g_settings.sortColumn = -1;
    g_app.pinnedUrls = {L"x"};
    RebuildVisibleRows();
    EXPECT_EQ(VisibleUrls(), (Urls{L"d", L"c", L"b", L"a", L"x", L"y"}));
    g_app.pinnedUrls = {L"y", L"b"};
    RebuildVisibleRows();
    EXPECT_EQ(VisibleUrls(), (Urls{L"b", L"d", L"c", L"a", L"y", L"x"}));
}

TEST_F(RowOrderTest, FocusIsClampedToTheRows) {
    struct Case {
        int rows;
        int focusBefore;
        int focusAfter;
    };
    const Case cases[] = {
        {3, 5, 2}, {3, 3, 2}, {3, 2, 2}, {3, 0, 0}, {3, -1, -1}, {0, 0, -1}, {0, 7, -1}, {0, -1, -1},
    };
    for (const Case& c : cases) {
        Reset();
        Urls urls;
        for (int i = 0; i < c.rows; ++i) urls.push_back(L"u" + std::to_wstring(i));
        AddGroup(L"G", urls);
        g_grid.focusRow = c.focusBefore;
        RebuildVisibleRows();
        EXPECT_EQ(g_grid.focusRow, c.focusAfter) << c.rows << " rows, focus " << c.focusBefore;
    }
}

// Both a small selection in a big catalogue and a selection of nearly
// everything: deleted URLs leave, hidden ones stay.
TEST_F(RowOrderTest, SelectionKeepsHiddenUrlsAndDropsDeletedOnes) {
    for (int size : {10, 1000}) {
        Reset();
        Urls urls;
        for (int i = 0; i < size; ++i) urls.push_back(L"https://e/" + std::to_wstring(i));
        AddGroup(L"G", urls);
        g_app.urlTags[urls[1]] = {L"keep"};
        g_settings.tagFilter = L"keep";  // hides every URL but urls[1]
        const std::wstring deleted = urls[2];
        g_app.groups[0].urls.erase(g_app.groups[0].urls.begin() + 2);
        g_app.allUrls.erase(deleted);
        g_grid.selectedUrls = {urls[0], urls[1], deleted, L"https://never-filed/"};
        if (size == 10)  // nearly everything selected
            g_grid.selectedUrls.insert(urls.begin() + 3, urls.end());
        std::set<std::wstring> expected = g_grid.selectedUrls;
        expected.erase(deleted);
        expected.erase(L"https://never-filed/");

        RebuildVisibleRows();
        EXPECT_EQ(VisibleUrls(), Urls{urls[1]});
        EXPECT_EQ(g_grid.selectedUrls, expected) << size << " URLs";
    }
}

TEST_F(RowOrderTest, RowOfUrlFindsVisibleRowsByExactText) {
    AddGroup(L"G", {L"https://a/", L"https://b/"});
    AddGroup(L"H", {L"https://c/"});
    g_settings.sortColumn = ColumnId::Url;
    g_settings.sortAscending = false;
    RebuildVisibleRows();
    EXPECT_EQ(RowOfUrl(L"https://a/"), 1);
    EXPECT_EQ(RowOfUrl(L"https://b/"), 0);
    EXPECT_EQ(RowOfUrl(L"https://c/"), 2);
    EXPECT_EQ(RowOfUrl(L"https://A/"), -1);
    EXPECT_EQ(RowOfUrl(L""), -1);
    RebuildVisibleRowsWithSearch(L"c/");
    EXPECT_EQ(RowOfUrl(L"https://a/"), -1);
    EXPECT_EQ(RowOfUrl(L"https://c/"), 0);
}

TEST_F(RowOrderTest, SearchTextIsEmptyWithoutTheBox) { EXPECT_EQ(GetSearchText(), L""); }

}  // namespace
