// One-step undo and redo: which state each step brings back, the Edit menu
// texts, and that a restore reaches the database.
#include "capture/ClipboardCapture.h"
#include "edit_test_support.h"
#include "grid/Selection.h"
#include "grid/SelectionEdits.h"

namespace {

const std::wstring kA = L"https://a.example/caf\u00e9", kB = L"https://b.example/\U0001F600",
                   kC = L"http://c.example/", kD = L"https://d.example/x?y=1";

class UndoTest : public EditTest {
   protected:
    void SetUp() override {
        EditTest::SetUp();
        FillSampleCatalogue();  // Uncategorized: c; work: a, b, d; Empty
        ShowAllRows();          // rows: c, a, b, d
        work_ = FindGroupByName(L"Caf\u00e9 \U0001F600 work")->id;
        empty_ = FindGroupByName(L"Empty")->id;
    }

    void SelectRows(std::initializer_list<int> rows, int focus) {
        g_grid.selectedUrls.clear();
        for (int row : rows) g_grid.selectedUrls.insert(g_grid.visibleRows[row].url);
        g_grid.focusRow = focus;
    }

    int work_ = 0;
    int empty_ = 0;
};

}  // namespace

TEST_F(UndoTest, UndoTakesBackOnlyTheLastEditAndOnlyOnce) {
    SelectRows({1}, 1);
    DeleteSelectedUrls();  // a
    ShowAllRows();
    const UndoSnapshot afterFirst = TakeSnapshot();
    SelectRows({1}, 1);
    DeleteSelectedUrls();  // b
    ShowAllRows();

    Undo();
    ExpectSameState(TakeSnapshot(), afterFirst);
    EXPECT_EQ(g_app.allUrls.count(kA), 0u);
    EXPECT_EQ(g_app.allUrls.count(kB), 1u);

    Undo();
    ExpectSameState(TakeSnapshot(), afterFirst);
    EXPECT_FALSE(CanUndo());
    EXPECT_TRUE(CanRedo());
}

TEST_F(UndoTest, RedoReturnsExactlyToTheStateAfterTheEdit) {
    g_grid.collapsedGroups = {empty_};
    SelectRows({0, 3}, 3);
    const UndoSnapshot before = TakeSnapshot();

    MoveUrlsToGroup(-1, work_);
    ShowAllRows();
    // The user then changes the view, which records no step of its own.
    g_grid.collapsedGroups = {work_, empty_};
    SelectRows({2}, 2);
    const UndoSnapshot after = TakeSnapshot();

    Undo();
    ExpectSameState(TakeSnapshot(), before);
    Redo();
    ExpectSameState(TakeSnapshot(), after);
    EXPECT_TRUE(CanUndo());
    EXPECT_FALSE(CanRedo());

    Redo();  // a second redo has nothing left to do
    ExpectSameState(TakeSnapshot(), after);
}

TEST_F(UndoTest, EditMenuFollowsTheSlots) {
    struct Step {
        const char* name;
        void (*action)();
        bool canUndo, canRedo;
        const wchar_t* undoText;
        const wchar_t* redoText;
    };
    const Step steps[] = {
        {"fresh", [] {}, false, false, L"&Undo\tCtrl+Z", L"&Redo\tCtrl+Y"},
        {"after an edit", [] { PushUndo(L"Delete Group"); }, true, false, L"&Undo Delete Group\tCtrl+Z",
         L"&Redo\tCtrl+Y"},
        {"after undo", [] { Undo(); }, false, true, L"&Undo\tCtrl+Z", L"&Redo Delete Group\tCtrl+Y"},
        {"after redo", [] { Redo(); }, true, false, L"&Undo Delete Group\tCtrl+Z", L"&Redo\tCtrl+Y"},
        {"an edit without a label", [] { PushUndo(L""); }, true, false, L"&Undo\tCtrl+Z", L"&Redo\tCtrl+Y"},
        {"its undo", [] { Undo(); }, false, true, L"&Undo\tCtrl+Z", L"&Redo\tCtrl+Y"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.action();
        EXPECT_EQ(CanUndo(), step.canUndo);
        EXPECT_EQ(CanRedo(), step.canRedo);
        EXPECT_EQ(UndoMenuText(), step.undoText);
        EXPECT_EQ(RedoMenuText(), step.redoText);
    }
}

TEST_F(UndoTest, AnEditAfterUndoDropsTheRedoStep) {
    SelectRows({1}, 1);
    DeleteSelectedUrls();
    Undo();
    ASSERT_TRUE(CanRedo());
    ShowAllRows();
    MoveUrlsToGroup(0, work_);
    EXPECT_FALSE(CanRedo());
    EXPECT_EQ(UndoMenuText(), L"&Undo Move to Group\tCtrl+Z");
    const UndoSnapshot afterMove = TakeSnapshot();
    Redo();
    ExpectSameState(TakeSnapshot(), afterMove);
}

TEST_F(UndoTest, UndoHandsOutTheRemovedGroupsIdAgain) {
    PushUndo(L"Add Group");
    const int id = CreateGroup(L"Later");
    Undo();
    EXPECT_EQ(FindGroupByName(L"Later"), nullptr);
    EXPECT_EQ(CreateGroup(L"Again"), id);
}

TEST_F(UndoTest, UrlCapturedAfterTheStepIsGoneAfterUndo) {
    PushUndo(L"Pin");
    const std::vector<std::wstring> filed = FileUrlsFromText(L"see https://captured.example/page");
    ASSERT_EQ(filed.size(), 1u);
    Undo();
    EXPECT_EQ(g_app.allUrls.count(filed[0]), 0u);
    EXPECT_EQ(g_app.createdAt.count(filed[0]), 0u);
    for (const UrlGroup& group : g_app.groups)
        EXPECT_EQ(std::count(group.urls.begin(), group.urls.end(), filed[0]), 0) << "group " << group.id;
}

TEST_F(UndoTest, UndoAndRedoWriteTheRestoredCatalogue) {
    const AppState before = g_app;
    SelectRows({0, 2}, 0);
    DeleteSelectedUrls();
    SaveCatalogue();
    const AppState after = g_app;

    Undo();
    const AppState restored = g_app;
    ExpectSameSavedCatalogue(LoadIntoFreshCatalogue(), before);

    g_app = restored;
    Redo();
    ExpectSameSavedCatalogue(LoadIntoFreshCatalogue(), after);
}

TEST_F(UndoTest, RulesAndSettingsStayAsTheyAreAcrossUndo) {
    PushUndo(L"Add Tag");
    g_app.autoTagRules.push_back({L"new", L"Fresh"});
    g_app.autoGroupRules.clear();
    g_app.tagNames.push_back(L"Fresh");
    g_settings.sortColumn = 3;
    const auto tagRules = g_app.autoTagRules;

    Undo();
    const int sortColumn = g_settings.sortColumn;
    g_settings.sortColumn = -1;  // back to the default before anything can fail
    EXPECT_EQ(sortColumn, 3);
    EXPECT_EQ(g_app.tagNames.size(), 3u);  // the tag itself is part of the step
    ASSERT_EQ(g_app.autoTagRules.size(), tagRules.size());
    EXPECT_EQ(g_app.autoTagRules.back().pattern, L"new");
    EXPECT_TRUE(g_app.autoGroupRules.empty());
}

TEST_F(UndoTest, RestoringAnEmptySnapshotChangesAndWritesNothing) {
    const UndoSnapshot before = TakeSnapshot();
    RestoreSnapshot(UndoSnapshot{});
    Undo();
    Redo();
    ExpectSameState(TakeSnapshot(), before);
    EXPECT_FALSE(std::filesystem::exists(dbPath_));
}
