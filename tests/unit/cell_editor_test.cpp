// The in-place editor without a window: where its box goes over a cell or a
// group header line, how far a cell is scrolled into view, what a new URL
// text takes along, and which title texts change nothing.
#include <gtest/gtest.h>

#include "edit_test_support.h"
#include "grid/CellEditor.h"
#include "grid/GridInternal.h"

namespace {

// "#" [0,40), "Title" [40,240), "URL" [240,490), "Tags" [490,498).
GridColumnLayout FourColumns() {
    const int ids[] = {ColumnId::Id, ColumnId::Title, ColumnId::Url, ColumnId::Tags};
    const int widths[] = {40, 200, 250, 8};
    return MakeColumnLayout(ids, widths, 4);
}

TEST(CellEditorLayoutTest, TheBoxSitsInsideItsCellOnLinesBelowTheHeader) {
    const GridColumnLayout layout = FourColumns();
    struct Case {
        const char* name;
        int column, lineTop, scrollX, clientHeight;
        bool shown;
        RECT rect;
    } cases[] = {
        {"title: clear of the favicon", ColumnId::Title, 28, 0, 300, true, {64, 31, 236, 49}},
        {"url: four pixels in", ColumnId::Url, 52, 0, 300, true, {244, 55, 486, 73}},
        {"scrolled columns move the box", ColumnId::Url, 52, 100, 300, true, {144, 55, 386, 73}},
        {"a cell too narrow still gets 24 pixels", ColumnId::Tags, 28, 0, 300, true, {494, 31, 518, 49}},
        {"line top 27 is under the header", ColumnId::Title, 27, 0, 300, false, {}},
        {"line top at the client bottom is off screen", ColumnId::Title, 300, 0, 300, false, {}},
        {"the last partly visible line still counts",
         ColumnId::Title,
         299,
         0,
         300,
         true,
         {64, 302, 236, 320}},
        {"a hidden column has no box", ColumnId::Reminder, 28, 0, 300, false, {}},
    };
    for (const Case& c : cases) {
        const std::optional<RECT> rect =
            CellEditorRect(layout, c.column, c.lineTop, c.scrollX, c.clientHeight);
        ASSERT_EQ(rect.has_value(), c.shown) << c.name;
        if (!rect) continue;
        EXPECT_EQ(rect->left, c.rect.left) << c.name;
        EXPECT_EQ(rect->top, c.rect.top) << c.name;
        EXPECT_EQ(rect->right, c.rect.right) << c.name;
        EXPECT_EQ(rect->bottom, c.rect.bottom) << c.name;
    }
}

TEST(CellEditorLayoutTest, TheGroupBoxSpansTheHeaderLineRightOfTheExpandBox) {
    struct Case {
        int lineTop, clientWidth, clientHeight;
        bool shown;
        int right;
    } cases[] = {{28, 600, 300, true, 596},
                 {28, 40, 300, true, 52},
                 {10, 600, 300, false, 0},
                 {300, 600, 300, false, 0}};
    for (const Case& c : cases) {
        const std::optional<RECT> rect = GroupEditorRect(c.lineTop, c.clientWidth, c.clientHeight);
        ASSERT_EQ(rect.has_value(), c.shown) << c.lineTop << " " << c.clientWidth;
        if (!rect) continue;
        EXPECT_EQ(rect->left, 28);
        EXPECT_EQ(rect->right, c.right);
        EXPECT_EQ(rect->top, c.lineTop + 3);
        EXPECT_EQ(rect->bottom, c.lineTop + 21);
    }
}

TEST(CellEditorLayoutTest, ACellIsScrolledIntoViewWithTheLeastMovement) {
    const GridColumnLayout layout = FourColumns();
    struct Case {
        const char* name;
        int pos, scrollX, clientWidth, expected;
    } cases[] = {
        {"already in view", 1, 0, 300, 0},
        {"left of the view: its left edge", 1, 100, 300, 40},
        {"right of the view: its right edge at the view's", 2, 0, 300, 190},
        {"wider than the view: its right edge wins", 2, 0, 100, 390},
        {"no such position", 7, 55, 300, 55},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScrollXShowingColumn(layout, c.pos, c.scrollX, c.clientWidth), c.expected) << c.name;
}

const std::wstring kOld = L"https://old.example/page", kNew = L"https://new.example/page";
const std::wstring kOther = L"https://other.example/", kThird = L"https://third.example/";

class CellEditCommitTest : public EditTest {
   protected:
    void SetUp() override {
        EditTest::SetUp();
        inbox_ = DefaultGroupId();
        work_ = CreateGroup(L"Work");
        for (const std::wstring& url : {kOther, kOld, kThird}) AddUrlToGroup(work_, url);
        ShowAllRows();
    }

    // The editor's target as BeginCellEdit leaves it, without a box.
    static void EditCell(const std::wstring& url, int column) {
        for (size_t row = 0; row < g_grid.visibleRows.size(); ++row)
            if (g_grid.visibleRows[row].url == url) g_grid.editRow = static_cast<int>(row);
        g_grid.editColumn = column;
        g_grid.editGroupId = -1;
        g_grid.editUrl = url;
    }

    int inbox_ = 0;
    int work_ = 0;
};

TEST_F(CellEditCommitTest, ANewUrlTextTakesEveryAttributeAlongAndKeepsItsPlace) {
    g_app.titles[kOld] = L"Old page";
    g_app.createdAt[kOld] = L"2020-01-01 00:00:00";
    g_app.updatedAt[kOld] = L"2020-02-02 00:00:00";
    g_app.validationStatus[kOld] = L"\u2714 200";
    g_app.openCounts[kOld] = 7;
    g_app.lastOpenedAt[kOld] = L"2021-03-03 00:00:00";
    g_app.pinnedUrls.insert(kOld);
    g_app.reminderDates[kOld] = L"2030-01-01 09:00";
    g_app.reminderActions[kOld] = ReminderAction::Both;
    g_app.reminderRepeats[kOld] = ReminderRepeat::Weekly;
    g_app.urlTags[kOld] = {L"news", L"later"};
    g_grid.selectedUrls = {kOld};
    const AppState before = g_app;

    ASSERT_TRUE(MoveUrlText(work_, kOld, kNew));

    EXPECT_EQ(g_app.groups[1].urls, (std::vector<std::wstring>{kOther, kNew, L"https://third.example/"}));
    EXPECT_FALSE(g_app.allUrls.count(kOld));
    EXPECT_TRUE(g_app.allUrls.count(kNew));
    EXPECT_EQ(g_app.titles[kNew], before.titles.at(kOld));
    EXPECT_EQ(g_app.createdAt[kNew], before.createdAt.at(kOld));
    EXPECT_EQ(g_app.validationStatus[kNew], before.validationStatus.at(kOld));
    EXPECT_EQ(g_app.openCounts[kNew], 7);
    EXPECT_EQ(g_app.lastOpenedAt[kNew], before.lastOpenedAt.at(kOld));
    EXPECT_TRUE(g_app.pinnedUrls.count(kNew));
    EXPECT_EQ(g_app.reminderDates[kNew], before.reminderDates.at(kOld));
    EXPECT_EQ(g_app.reminderActions[kNew], ReminderAction::Both);
    EXPECT_EQ(g_app.reminderRepeats[kNew], ReminderRepeat::Weekly);
    EXPECT_EQ(g_app.urlTags[kNew], before.urlTags.at(kOld));
    EXPECT_EQ(g_grid.selectedUrls, std::set<std::wstring>{kNew});
    EXPECT_EQ(g_app.updatedAt[kNew].size(), 19u);
    EXPECT_NE(g_app.updatedAt[kNew], before.updatedAt.at(kOld)) << "the edit is stamped now";
    for (auto* map : {&g_app.titles, &g_app.createdAt, &g_app.updatedAt, &g_app.validationStatus,
                      &g_app.lastOpenedAt, &g_app.reminderDates})
        EXPECT_FALSE(map->count(kOld));
    EXPECT_FALSE(g_app.openCounts.count(kOld) || g_app.pinnedUrls.count(kOld) || g_app.urlTags.count(kOld) ||
                 g_app.reminderActions.count(kOld) || g_app.reminderRepeats.count(kOld));
}

// A URL deleted earlier leaves its entries behind until the next start; a
// URL renamed to that text keeps its own attributes, not the left-overs.
TEST_F(CellEditCommitTest, LeftOverEntriesUnderTheNewTextAreNotInherited) {
    g_app.titles[kNew] = L"stale title";
    g_app.reminderDates[kNew] = L"2001-01-01 01:01";
    g_app.pinnedUrls.insert(kNew);
    g_app.urlTags[kNew] = {L"stale"};
    ASSERT_TRUE(MoveUrlText(work_, kOld, kNew));
    EXPECT_FALSE(g_app.titles.count(kNew));
    EXPECT_FALSE(g_app.reminderDates.count(kNew));
    EXPECT_FALSE(g_app.pinnedUrls.count(kNew));
    EXPECT_FALSE(g_app.urlTags.count(kNew));
}

TEST_F(CellEditCommitTest, ANewUrlTextIsRefusedWhenItCannotBeFiled) {
    const AppState before = g_app;
    EXPECT_FALSE(MoveUrlText(work_, kOld, kOther)) << "already filed";
    EXPECT_FALSE(MoveUrlText(work_, kOld, L"")) << "empty";
    EXPECT_FALSE(MoveUrlText(inbox_, kOld, kNew)) << "not in that group";
    EXPECT_FALSE(MoveUrlText(999, kOld, kNew)) << "no such group";
    EXPECT_EQ(g_app.allUrls, before.allUrls);
    EXPECT_EQ(GroupUrls()[1], before.groups[1].urls);
}

TEST_F(CellEditCommitTest, TitleTextsThatChangeNothingRecordNoUndoStep) {
    g_app.titles[kOther] = L"Other";
    struct Case {
        const char* name;
        const std::wstring& url;
        std::wstring text;
    } cases[] = {
        {"empty text keeps the title", kOther, L""},
        {"the title itself", kOther, L"Other"},
        {"the URL typed over an untitled URL", kOld, kOld},
    };
    for (const Case& c : cases) {
        EditCell(c.url, ColumnId::Title);
        EXPECT_TRUE(CommitTitleEdit(c.text)) << c.name;
        EXPECT_FALSE(CanUndo()) << c.name;
    }
    EXPECT_EQ(g_app.titles, (std::map<std::wstring, std::wstring>{{kOther, L"Other"}}));
    EXPECT_TRUE(g_app.updatedAt.empty());
}

TEST_F(CellEditCommitTest, ANewTitleIsStampedSavedAndUndoable) {
    EditCell(kOld, ColumnId::Title);
    ASSERT_TRUE(CommitTitleEdit(L"Fresh title"));
    EXPECT_EQ(g_app.titles[kOld], L"Fresh title");
    EXPECT_EQ(g_app.updatedAt[kOld].size(), 19u);
    EXPECT_EQ(UndoMenuText(), L"&Undo Edit Title\tCtrl+Z");
    EXPECT_EQ(LoadIntoFreshCatalogue().titles[kOld], L"Fresh title");
}

// The row index is a hint: after the rows were rebuilt in another order the
// commit still edits the URL the editor was opened on.
TEST_F(CellEditCommitTest, TheCommitEditsTheUrlTheEditorWasOpenedOnAfterTheRowsMoved) {
    EditCell(kOld, ColumnId::Url);
    std::reverse(g_grid.visibleRows.begin(), g_grid.visibleRows.end());
    ASSERT_TRUE(CommitUrlEdit(kNew));
    EXPECT_EQ(g_app.groups[1].urls, (std::vector<std::wstring>{kOther, kNew, L"https://third.example/"}));
    EXPECT_EQ(UndoMenuText(), L"&Undo Edit URL\tCtrl+Z");
}

}  // namespace
