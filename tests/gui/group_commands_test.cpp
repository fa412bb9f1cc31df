// The group commands of the main window, answered through their real
// dialogs: Add Group, Rename Group, Delete Group, Move Group Up and Down,
// for the current row's group, for the group whose heading menu sends them
// and for every item of the group submenus of a thousand groups. Each checks
// the catalogue, the database file and the undo step.
#include <string>
#include <vector>

#include "CatalogueCommandTest.h"
#include "DialogTestSupport.h"
#include "app/Menus.h"
#include "grid/Selection.h"
#include "grid/VisibleRows.h"
#include "model/Undo.h"
#include "ui/CommandIds.h"
#include "unit/storage_test_support.h"

namespace {

using Names = std::vector<std::wstring>;
using Stored = std::vector<std::string>;

constexpr wchar_t kW1[] = L"https://work.example/1";
constexpr wchar_t kW2[] = L"https://work.example/2";
constexpr wchar_t kN1[] = L"https://news.example/1";

std::wstring MenuText(HMENU menu, int position) {
    wchar_t text[300] = L"";
    GetMenuStringW(menu, static_cast<UINT>(position), text, 300, MF_BYPOSITION);
    return text;
}

// Chooses from the grid's heading menu of a group as the user does: a right
// click on the heading, then arrow keys down to the item and Enter, which
// the menu's own loop reads while it is open.
class HeadingMenu {
   public:
    HeadingMenu(int groupId, int itemsDown) : itemsDown_(itemsDown) {
        g_menu = this;
        timer_ = SetTimer(nullptr, 0, 30, OnTimer);
        const std::vector<DisplayLine>& lines = CurrentDisplayLines();
        for (size_t line = 0; line < lines.size(); ++line)
            if (lines[line].isGroupHeader && lines[line].groupId == groupId) line_ = static_cast<int>(line);
    }
    ~HeadingMenu() {
        KillTimer(nullptr, timer_);
        g_menu = nullptr;
    }
    bool Open() {
        if (line_ < 0) return false;
        const int y = kGridHeaderHeight + (line_ - g_grid.topLine) * kGridLineHeight + 12;
        SendMessageW(g_gridWindow, WM_RBUTTONUP, 0, MAKELPARAM(300, y));
        return shown_;
    }

   private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        if (!g_menu || g_menu->shown_) return;
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (!menu || !IsWindowVisible(menu)) return;
        g_menu->shown_ = true;
        for (int i = 0; i < g_menu->itemsDown_; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    }
    static inline HeadingMenu* g_menu = nullptr;
    int itemsDown_;
    int line_ = -1;
    bool shown_ = false;
    UINT_PTR timer_ = 0;
};

class GroupCommands : public CatalogueCommandTest {
   protected:
    // Uncategorized (empty, so without rows), Work with two URLs, News with one.
    void FillGroups() {
        work_ = File(L"Work", {kW1, kW2});
        news_ = File(L"News", {kN1});
    }
    Stored StoredUrls() { return RawDb(dbPath_).Column("SELECT url FROM urls ORDER BY url;"); }
    int work_ = -1, news_ = -1;
};

}  // namespace

TEST_F(GroupCommands, AddGroupAppendsTheTrimmedNameSavesItAndUndoTakesItBack) {
    FillGroups();
    std::wstring shown = L"unset";
    DialogSequence dialogs({{L"Vantrelix Add Group", Type(L"  Reading list\t", &shown)}});
    Command(IDM_ADD_GROUP);
    EXPECT_EQ(dialogs.answered(), 1u);
    EXPECT_EQ(shown, L"");
    EXPECT_EQ(GroupNames(), (Names{L"Uncategorized", L"Work", L"News", L"Reading list"}));
    EXPECT_TRUE(g_app.groups.back().urls.empty());
    EXPECT_FALSE(g_app.groupUpdatedAt.count(L"Reading list")) << "a new group is not stamped";
    EXPECT_EQ(StoredGroups(), (Stored{"Uncategorized", "Work", "News", "Reading list"}));
    const int items = GetMenuItemCount(g_mainMenu.renameGroup);
    EXPECT_EQ(MenuText(g_mainMenu.renameGroup, items - 1), L"Reading list")
        << "the group menus list it at once";
    EXPECT_EQ(UndoMenuText(), L"&Undo Add Group\tCtrl+Z");

    Command(IDM_UNDO);
    EXPECT_EQ(GroupNames(), (Names{L"Uncategorized", L"Work", L"News"}));
    EXPECT_EQ(StoredGroups(), (Stored{"Uncategorized", "Work", "News"}));
    Command(IDM_REDO);
    EXPECT_EQ(GroupNames().back(), L"Reading list");
    EXPECT_EQ(StoredGroups().back(), "Reading list");
}

TEST_F(GroupCommands, AddGroupRefusesATakenOrBlankNameAndKeepsTheUndoStepItRecorded) {
    FillGroups();
    const std::wstring cases[] = {L"uncategorized", L"WORK", L" \t "};
    for (const std::wstring& typed : cases) {
        SCOPED_TRACE(testing::PrintToString(typed));
        undoSlot = UndoSnapshot{};
        const std::string before = RawDb(dbPath_).Dump();
        std::wstring told;
        DialogSequence dialogs({{L"Vantrelix Add Group", Type(typed)}, {L"Error", Press(IDOK, &told)}});
        Command(IDM_ADD_GROUP);
        EXPECT_EQ(dialogs.answered(), 2u);
        EXPECT_EQ(told, L"Vantrelix Group already exists or name is empty.");
        EXPECT_EQ(GroupNames(), (Names{L"Uncategorized", L"Work", L"News"}));
        EXPECT_EQ(UndoMenuText(), L"&Undo Add Group\tCtrl+Z") << "the step stays although nothing changed";
        EXPECT_EQ(RawDb(dbPath_).Dump(), before);
    }
    undoSlot = UndoSnapshot{};
    DialogSequence cancelled({{L"Vantrelix Add Group", CancelPrompt()}});
    Command(IDM_ADD_GROUP);
    EXPECT_EQ(cancelled.answered(), 1u);
    EXPECT_FALSE(CanUndo());
    EXPECT_EQ(g_app.groups.size(), 3u);
}

TEST_F(GroupCommands, RenameGroupRenamesTheCurrentRowsGroupAndUndoRestoresTheOldName) {
    FillGroups();
    SelectOnlyRow(RowOf(kN1));
    std::wstring shown;
    DialogSequence dialogs({{L"Vantrelix Rename Group", Type(L" Headlines ", &shown)}});
    Command(IDM_RENAME_GROUP);
    EXPECT_EQ(dialogs.answered(), 1u);
    EXPECT_EQ(shown, L"News");
    EXPECT_EQ(GroupNames(), (Names{L"Uncategorized", L"Work", L"Headlines"}));
    EXPECT_EQ(FindGroupById(news_)->urls, Names{kN1});
    EXPECT_EQ(g_app.groupUpdatedAt[L"Headlines"].size(), 19u);
    EXPECT_FALSE(g_app.groupUpdatedAt.count(L"News"));
    EXPECT_EQ(StoredGroups(), (Stored{"Uncategorized", "Work", "Headlines"}));
    EXPECT_EQ(RawDb(dbPath_).Value("SELECT length(updated) FROM groups WHERE name = 'Headlines';"), "19");
    EXPECT_EQ(MenuText(g_mainMenu.deleteGroup, 2), L"Headlines");
    EXPECT_EQ(UndoMenuText(), L"&Undo Rename Group\tCtrl+Z");

    Command(IDM_UNDO);
    EXPECT_EQ(GroupNames(), (Names{L"Uncategorized", L"Work", L"News"}));
    EXPECT_EQ(StoredGroups(), (Stored{"Uncategorized", "Work", "News"}));
}

// As when the name is edited in the grid: a name that any group has, the
// group's own in another letter case included, is refused after the step
// was recorded; an empty one before; the unchanged name asks nothing.
TEST_F(GroupCommands, RenameGroupRefusesTakenAndBlankNamesAndLeavesTheSameNameAlone) {
    FillGroups();
    SelectOnlyRow(RowOf(kN1));
    struct Case {
        std::wstring typed;
        const wchar_t* caption;  // of the message; null for none
        const wchar_t* message;
        bool stepRecorded;
    };
    const Case cases[] = {
        {L"news", L"Vantrelix Error", L"Name already in use!", true},
        {L"WORK", L"Vantrelix Error", L"Name already in use!", true},
        {L"   ", L"Vantrelix Rename Group", L"Group name cannot be empty.", false},
        {L"News", nullptr, nullptr, false},
        {L" News ", nullptr, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.typed));
        undoSlot = UndoSnapshot{};
        const std::string before = RawDb(dbPath_).Dump();
        std::wstring told;
        std::vector<DialogStep> steps{{L"Vantrelix Rename Group", Type(c.typed)}};
        if (c.caption) steps.push_back({c.caption, Press(IDOK, &told)});
        DialogSequence dialogs(steps);
        Command(IDM_RENAME_GROUP);
        EXPECT_EQ(dialogs.answered(), steps.size());
        if (c.message) {
            EXPECT_EQ(told, c.message);
        }
        EXPECT_EQ(GroupNames(), (Names{L"Uncategorized", L"Work", L"News"}));
        EXPECT_EQ(CanUndo(), c.stepRecorded);
        if (c.stepRecorded) {
            EXPECT_EQ(UndoMenuText(), L"&Undo Rename Group\tCtrl+Z");
        }
        EXPECT_EQ(RawDb(dbPath_).Dump(), before);
    }
}

TEST_F(GroupCommands, DeleteGroupAsksFirstThenRemovesTheGroupWithItsUrlsAndUndoBringsThemBack) {
    FillGroups();
    SelectOnlyRow(RowOf(kW2));
    for (auto answer : {Press(IDNO), std::function<void(HWND)>([](HWND d) { PressKey(d, VK_ESCAPE); })}) {
        DialogSequence refused({{L"Vantrelix Confirm Delete Group", answer}});
        Command(IDM_DELETE_GROUP);
        EXPECT_EQ(refused.answered(), 1u);
        EXPECT_EQ(g_app.groups.size(), 3u);
        EXPECT_FALSE(CanUndo());
    }
    std::wstring asked;
    DialogSequence yes({{L"Vantrelix Confirm Delete Group", Press(IDYES, &asked)}});
    Command(IDM_DELETE_GROUP);
    EXPECT_EQ(asked, L"Delete group \"Work\" and all its URLs?");
    EXPECT_EQ(GroupNames(), (Names{L"Uncategorized", L"News"}));
    EXPECT_EQ(g_app.allUrls, std::set<std::wstring>{kN1});
    ASSERT_EQ(g_grid.visibleRows.size(), 1u);
    EXPECT_EQ(StoredGroups(), (Stored{"Uncategorized", "News"}));
    EXPECT_EQ(StoredUrls(), Stored{"https://news.example/1"});
    EXPECT_EQ(GetMenuItemCount(g_mainMenu.deleteGroup), 2) << "the group menus lose it at once";
    EXPECT_EQ(UndoMenuText(), L"&Undo Delete Group\tCtrl+Z");

    Command(IDM_UNDO);
    EXPECT_EQ(GroupNames(), (Names{L"Uncategorized", L"Work", L"News"}));
    EXPECT_EQ(FindGroupByName(L"Work")->urls, (Names{kW1, kW2}));
    EXPECT_EQ(StoredUrls().size(), 3u);
}

TEST_F(GroupCommands, MoveGroupSwapsTheCurrentRowsGroupAndAtTheEndOnlyRecordsTheStep) {
    FillGroups();
    SelectOnlyRow(RowOf(kN1));
    Command(IDM_MOVE_GROUP_UP);
    EXPECT_EQ(GroupNames(), (Names{L"Uncategorized", L"News", L"Work"}));
    EXPECT_EQ(StoredGroups(), (Stored{"Uncategorized", "News", "Work"}));
    EXPECT_EQ(g_grid.visibleRows.front().url, kN1);
    EXPECT_EQ(UndoMenuText(), L"&Undo Move Group Up\tCtrl+Z");
    Command(IDM_MOVE_GROUP_DOWN);
    EXPECT_EQ(GroupNames(), (Names{L"Uncategorized", L"Work", L"News"}));
    EXPECT_EQ(UndoMenuText(), L"&Undo Move Group Down\tCtrl+Z");
    Command(IDM_UNDO);
    EXPECT_EQ(GroupNames(), (Names{L"Uncategorized", L"News", L"Work"}));
    EXPECT_EQ(StoredGroups(), (Stored{"Uncategorized", "News", "Work"}));

    // The first group cannot go up, nor the last down: the step is recorded
    // all the same, and nothing else happens.
    const int first = File(L"Uncategorized", {L"https://first.example/"});
    struct Case {
        int groupOf;
        UINT command;
        const wchar_t* label;
    };
    const Case cases[] = {{first, IDM_MOVE_GROUP_UP, L"&Undo Move Group Up\tCtrl+Z"},
                          {work_, IDM_MOVE_GROUP_DOWN, L"&Undo Move Group Down\tCtrl+Z"}};
    for (const Case& c : cases) {
        SelectOnlyRow(RowOf(FindGroupById(c.groupOf)->urls.front()));
        undoSlot = UndoSnapshot{};
        const std::string before = RawDb(dbPath_).Dump();
        Command(c.command);
        EXPECT_EQ(GroupNames(), (Names{L"Uncategorized", L"News", L"Work"}));
        EXPECT_EQ(UndoMenuText(), c.label);
        EXPECT_EQ(RawDb(dbPath_).Dump(), before);
    }
}

TEST_F(GroupCommands, TheGroupCommandsActOnlyWithACurrentRowOrAHeading) {
    FillGroups();
    SelectOnlyRow(-1);
    UnexpectedDialogs dialogs;
    for (UINT id : {IDM_RENAME_GROUP, IDM_DELETE_GROUP, IDM_MOVE_GROUP_UP, IDM_MOVE_GROUP_DOWN}) Command(id);
    PumpFor(100);
    EXPECT_TRUE(dialogs.captions().empty());
    EXPECT_FALSE(CanUndo());
    EXPECT_EQ(GroupNames(), (Names{L"Uncategorized", L"Work", L"News"}));
    // Items of groups that are gone do nothing either.
    Command(IDM_RENAME_GROUP_BASE + 77);
    Command(IDM_DELETE_GROUP_BASE + 77);
    PumpFor(100);
    EXPECT_TRUE(dialogs.captions().empty());
    // With a current row they act.
    SelectOnlyRow(RowOf(kN1));
    Command(IDM_MOVE_GROUP_UP);
    EXPECT_EQ(GroupNames(), (Names{L"Uncategorized", L"News", L"Work"}));
}

// The heading's menu sends its command while the grid keeps the heading's
// group as the context group, which wins over the current row.
TEST_F(GroupCommands, TheHeadingMenuActsOnItsOwnGroupWhateverTheCurrentRow) {
    FillGroups();
    SelectOnlyRow(RowOf(kW1));
    {
        HeadingMenu upItem(news_, 4);  // Rename, Delete, Validate, (separator), Move Group Up
        EXPECT_TRUE(upItem.Open());
    }
    EXPECT_EQ(GroupNames(), (Names{L"Uncategorized", L"News", L"Work"}));
    EXPECT_EQ(g_grid.contextGroupId, -1) << "only while the command runs";

    std::wstring asked;
    DialogSequence yes({{L"Vantrelix Confirm Delete Group", Press(IDYES, &asked)}});
    {
        HeadingMenu deleteItem(news_, 2);
        EXPECT_TRUE(deleteItem.Open());
    }
    EXPECT_EQ(asked, L"Delete group \"News\" and all its URLs?");
    EXPECT_EQ(GroupNames(), (Names{L"Uncategorized", L"Work"}));
    EXPECT_EQ(StoredGroups(), (Stored{"Uncategorized", "Work"}));
}

// A thousand groups reach past the classic ranges: every item still renames
// or deletes its own group, the one whose name it shows.
TEST_F(GroupCommands, EachItemOfTheGroupSubmenusOfAThousandGroupsReachesItsOwnGroup) {
    for (int g = 1; g < 1000; ++g) CreateGroup(L"Group " + std::to_wstring(g));
    ASSERT_EQ(g_app.groups.size(), 1000u);
    const int positions[] = {1, 99, 100, 101, 555, 999};
    for (int p : positions) {
        SCOPED_TRACE(p);
        SendMessageW(g_mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(g_mainMenu.groups), 0);
        const std::wstring old = g_app.groups[p].name;
        ASSERT_EQ(MenuText(g_mainMenu.renameGroup, p), old);
        std::wstring shown;
        const std::wstring renamed = L"Renamed " + std::to_wstring(p);
        DialogSequence dialogs({{L"Vantrelix Rename Group", Type(renamed, &shown)}});
        Command(GetMenuItemID(g_mainMenu.renameGroup, p));
        EXPECT_EQ(shown, old);
        EXPECT_EQ(g_app.groups[p].name, renamed);
    }
    EXPECT_EQ(RawDb(dbPath_).Value("SELECT count(*) FROM groups WHERE name LIKE 'Renamed %';"), "6");
    // From the end, so that the positions still to come stay where they were.
    for (auto p = std::rbegin(positions); p != std::rend(positions); ++p) {
        SCOPED_TRACE(*p);
        SendMessageW(g_mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(g_mainMenu.groups), 0);
        const std::wstring name = g_app.groups[*p].name;
        const size_t count = g_app.groups.size();
        std::wstring asked;
        DialogSequence yes({{L"Vantrelix Confirm Delete Group", Press(IDYES, &asked)}});
        Command(GetMenuItemID(g_mainMenu.deleteGroup, *p));
        EXPECT_EQ(asked, L"Delete group \"" + name + L"\" and all its URLs?");
        EXPECT_EQ(g_app.groups.size(), count - 1);
        EXPECT_EQ(FindGroupByName(name), nullptr);
    }
    EXPECT_EQ(RawDb(dbPath_).Value("SELECT count(*) FROM groups WHERE name LIKE 'Renamed %';"), "0");
    EXPECT_EQ(RawDb(dbPath_).Value("SELECT count(*) FROM groups;"), "994");
}

// A name longer than the prompt (an import can make one) is shown cut in the
// prompt; confirming it as shown keeps the whole name. The question names
// it shortened, and still ends as the question does.
TEST_F(GroupCommands, ALongGroupNameIsNeverCutByARenameAndIsShortenedInTheQuestion) {
    const std::wstring longName = L"Long " + std::wstring(400, L'n') + L" end";
    const int id = File(longName, {kW1});
    SelectOnlyRow(0);
    std::wstring shown;
    DialogSequence asIs({{L"Vantrelix Rename Group", [&](HWND d) {
                              shown = ItemText(d, 102);
                              ClickButton(d, IDOK);
                          }}});
    Command(IDM_RENAME_GROUP);
    EXPECT_EQ(asIs.answered(), 1u);
    EXPECT_EQ(shown.size(), 255u);
    EXPECT_EQ(FindGroupById(id)->name, longName);
    EXPECT_FALSE(CanUndo());

    std::wstring asked;
    DialogSequence no({{L"Vantrelix Confirm Delete Group", Press(IDNO, &asked)}});
    Command(IDM_DELETE_GROUP);
    EXPECT_LE(asked.size(), 255u);
    EXPECT_EQ(asked.substr(0, 19), L"Delete group \"Long ");
    EXPECT_NE(asked.find(L"\u2026\" and all its URLs?"), std::wstring::npos) << testing::PrintToString(asked);
}
