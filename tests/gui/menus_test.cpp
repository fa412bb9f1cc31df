// The program's menu: its items in order, and how each pop-up greys, checks
// and relabels its items when it opens, for an empty catalogue, one selected
// URL and several; with a thousand groups and tags every item still reaches
// its own group or tag.
#include <algorithm>
#include <string>
#include <vector>

#include "GuiFixture.h"
#include "app/Commands.h"
#include "app/Menus.h"
#include "grid/Selection.h"
#include "model/Undo.h"
#include "ui/CommandIds.h"
#include "ui/DynamicCommands.h"

namespace {

std::wstring ItemText(HMENU menu, UINT item, UINT by) {
    wchar_t text[512] = L"";
    GetMenuStringW(menu, item, text, 512, by);
    return text;
}
std::wstring TextOf(HMENU menu, UINT id) { return ItemText(menu, id, MF_BYCOMMAND); }
bool Greyed(HMENU menu, UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0; }
bool GreyedAt(HMENU menu, UINT position) { return (GetMenuState(menu, position, MF_BYPOSITION) & MF_GRAYED) != 0; }
bool Checked(HMENU menu, UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0; }

// The identifiers of a pop-up, in order; separators as 0, submenus as -1.
std::vector<int> Layout(HMENU menu) {
    std::vector<int> ids;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (GetSubMenu(menu, i)) {
            ids.push_back(-1);
            continue;
        }
        ids.push_back(static_cast<int>(GetMenuItemID(menu, i)));
    }
    return ids;
}

class MenuTest : public MainWindowTest {
   protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        undoSlot = UndoSnapshot{};
        redoSlot = UndoSnapshot{};
        StartWindow();
    }
    void Open(HMENU popup) { SendMessageW(g_mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0); }
    void Fill(int groups, int urlsPerGroup) {
        for (int g = 0; g < groups; ++g) {
            int id = g == 0 ? DefaultGroupId() : CreateGroup(L"Group " + std::to_wstring(g));
            for (int u = 0; u < urlsPerGroup; ++u)
                AddUrlToGroup(id, L"https://g" + std::to_wstring(g) + L".example/" + std::to_wstring(u));
        }
        RefreshGridWithColumns();
    }
};

}  // namespace

TEST_F(MenuTest, TheMenuHoldsTheSevenPopupsWithTheirItemsInOrder) {
    HMENU bar = g_mainMenu.bar;
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 7);
    const wchar_t* titles[] = {L"&File", L"&Edit", L"&URLs", L"&Tags", L"&Groups", L"&Columns", L"&Help"};
    for (UINT i = 0; i < 7; ++i) EXPECT_EQ(ItemText(bar, i, MF_BYPOSITION), titles[i]);
    struct Case {
        HMENU popup;
        std::vector<int> ids;
    };
    const Case cases[] = {
        {g_mainMenu.file, {607, 608, 0, 606, 604, 605, 0, 609, 610, 0, 611, 612, 0, 106, 0, 40003, 105}},
        {g_mainMenu.edit, {613, 614}},
        {g_mainMenu.urls,
         {40006, 0, 2005, 2028, 2022, 2004, 2029, 2037, 2038, 0, 2041, 2042, 0, 615, 616, 0, 2003, 2002, 0, 2031, 2033,
          2032}},
        {g_mainMenu.tags, {2025, 2026, 0, 2027, -1, -1, 0, 2034}},
        {g_mainMenu.groups, {2006, -1, -1, 0, 2035, 0, 2023, 2024}},
        {g_mainMenu.columns, {2060, 2061, 2062, 0, 2050, 2051, 2052, 2053, 2054, 2055, 2056, 2057, 2058, 2059}},
        {g_mainMenu.help, {104, 0, 40005}},
    };
    for (const Case& c : cases) EXPECT_EQ(Layout(c.popup), c.ids);
    EXPECT_EQ(TextOf(g_mainMenu.urls, IDM_TOGGLE_PIN), L"\U0001F4CC &Pin/Unpin URL");
    EXPECT_EQ(TextOf(g_mainMenu.urls, IDM_SET_REMINDER), L"\U0001F514 Set &Reminder...");
    EXPECT_EQ(TextOf(g_mainMenu.columns, IDM_COLUMN_FIRST + 7), L"Open Count");
    EXPECT_TRUE(Greyed(g_mainMenu.urls, IDM_DELETE_INVALID));
}

TEST_F(MenuTest, AnEmptyCatalogueGreysWhatNeedsARowATagOrAnUndoStep) {
    g_app.groups.clear();
    RebuildGroupMenus();
    Open(g_mainMenu.urls);
    for (UINT id : {IDM_OPEN_IN_BROWSER, IDM_EDIT_TITLE, IDM_COPY, IDM_DESKTOP_SHORTCUT, IDM_GENERATE_QR, IDM_EDIT_URL,
                    IDM_DELETE_SELECTED, IDM_VALIDATE_GROUP, IDM_TOGGLE_PIN, IDM_SET_REMINDER, IDM_CLEAR_REMINDER,
                    IDM_DELETE_ALL, IDM_DELETE_INVALID, IDM_UNPIN_ALL})
        EXPECT_TRUE(Greyed(g_mainMenu.urls, id)) << id;
    EXPECT_FALSE(Greyed(g_mainMenu.urls, IDM_QUICK_ADD));
    Open(g_mainMenu.tags);
    EXPECT_TRUE(GreyedAt(g_mainMenu.tags, 4));
    EXPECT_TRUE(GreyedAt(g_mainMenu.tags, 5));
    EXPECT_TRUE(Greyed(g_mainMenu.tags, IDM_EDIT_TAGS));
    for (HMENU sub : {g_mainMenu.renameTag, g_mainMenu.deleteTag}) {
        ASSERT_EQ(GetMenuItemCount(sub), 1);
        EXPECT_EQ(ItemText(sub, 0, MF_BYPOSITION), L"(No tags)");
        EXPECT_TRUE(GreyedAt(sub, 0));
    }
    Open(g_mainMenu.groups);
    EXPECT_EQ(ItemText(g_mainMenu.renameGroup, 0, MF_BYPOSITION), L"(No groups)");
    EXPECT_TRUE(GreyedAt(g_mainMenu.groups, 1));
    EXPECT_TRUE(GreyedAt(g_mainMenu.groups, 2));
    EXPECT_TRUE(Greyed(g_mainMenu.groups, IDM_MOVE_GROUP_UP));
    EXPECT_TRUE(Greyed(g_mainMenu.groups, IDM_MOVE_GROUP_DOWN));
    Open(g_mainMenu.edit);
    EXPECT_TRUE(Greyed(g_mainMenu.edit, IDM_UNDO));
    EXPECT_EQ(TextOf(g_mainMenu.edit, IDM_UNDO), L"&Undo\tCtrl+Z");
    EXPECT_TRUE(Greyed(g_mainMenu.edit, IDM_REDO));
}

TEST_F(MenuTest, OneSelectedRowEnablesTheUrlCommandsAndThePinTextFollowsTheSelection) {
    Fill(3, 2);
    ASSERT_EQ(g_grid.visibleRows.size(), 6u);
    SelectOnlyRow(2);  // the first URL of the second group
    g_app.pinnedUrls.insert(g_grid.visibleRows[2].url);
    Open(g_mainMenu.urls);
    for (UINT id : {IDM_OPEN_IN_BROWSER, IDM_EDIT_TITLE, IDM_COPY, IDM_DELETE_SELECTED, IDM_TOGGLE_PIN, IDM_DELETE_ALL,
                    IDM_UNPIN_ALL})
        EXPECT_FALSE(Greyed(g_mainMenu.urls, id)) << id;
    EXPECT_TRUE(Greyed(g_mainMenu.urls, IDM_DELETE_INVALID));
    EXPECT_EQ(TextOf(g_mainMenu.urls, IDM_TOGGLE_PIN), L"Unpin URL");

    // Two selected, one of them pinned.
    ToggleRowSelection(3);
    Open(g_mainMenu.urls);
    EXPECT_EQ(TextOf(g_mainMenu.urls, IDM_TOGGLE_PIN), L"\U0001F4CC &Pin/Unpin URL");

    Open(g_mainMenu.groups);
    EXPECT_FALSE(Greyed(g_mainMenu.groups, IDM_MOVE_GROUP_UP));
    EXPECT_FALSE(Greyed(g_mainMenu.groups, IDM_MOVE_GROUP_DOWN));
    SelectOnlyRow(0);
    Open(g_mainMenu.groups);
    EXPECT_TRUE(Greyed(g_mainMenu.groups, IDM_MOVE_GROUP_UP));
    SelectOnlyRow(5);
    Open(g_mainMenu.groups);
    EXPECT_TRUE(Greyed(g_mainMenu.groups, IDM_MOVE_GROUP_DOWN));
}

TEST_F(MenuTest, TheEditMenuNamesTheStepItTakesBackAndTheColumnsMenuChecksShownColumns) {
    Fill(1, 2);
    SelectOnlyRow(0);
    SendMessageW(g_mainWindow, WM_COMMAND, IDM_DELETE_SELECTED, 0);
    Open(g_mainMenu.edit);
    EXPECT_FALSE(Greyed(g_mainMenu.edit, IDM_UNDO));
    EXPECT_EQ(TextOf(g_mainMenu.edit, IDM_UNDO), L"&Undo Delete\tCtrl+Z");
    SendMessageW(g_mainWindow, WM_COMMAND, IDM_UNDO, 0);
    Open(g_mainMenu.edit);
    EXPECT_EQ(TextOf(g_mainMenu.edit, IDM_REDO), L"&Redo Delete\tCtrl+Y");
    EXPECT_TRUE(Greyed(g_mainMenu.edit, IDM_UNDO));

    Open(g_mainMenu.columns);
    EXPECT_TRUE(Greyed(g_mainMenu.columns, IDM_SHOW_ALL_COLUMNS));
    g_settings.columnVisible[3] = false;
    Open(g_mainMenu.columns);
    EXPECT_FALSE(Checked(g_mainMenu.columns, IDM_COLUMN_FIRST + 3));
    EXPECT_TRUE(Checked(g_mainMenu.columns, IDM_COLUMN_FIRST + 2));
    EXPECT_FALSE(Greyed(g_mainMenu.columns, IDM_SHOW_ALL_COLUMNS));
}

// Beyond a hundred groups or tags the numbering of one kind would run into
// the next; every item still decodes to its own group or tag.
TEST_F(MenuTest, AThousandGroupsAndTagsEachReachTheirOwnItem) {
    Fill(1000, 0);
    for (int t = 0; t < 1000; ++t) g_app.tagNames.push_back(L"tag & " + std::to_wstring(t));
    Open(g_mainMenu.groups);
    Open(g_mainMenu.tags);
    struct Case {
        HMENU submenu;
        CommandKind kind;
        bool byGroup;
    };
    const Case cases[] = {
        {g_mainMenu.renameGroup, CommandKind::RenameGroup, true},
        {g_mainMenu.deleteGroup, CommandKind::DeleteGroup, true},
        {g_mainMenu.renameTag, CommandKind::RenameTag, false},
        {g_mainMenu.deleteTag, CommandKind::DeleteTag, false},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(GetMenuItemCount(c.submenu), 1000);
        std::vector<UINT> seen;
        for (int i = 0; i < 1000; ++i) {
            const UINT id = GetMenuItemID(c.submenu, i);
            const DecodedCommand decoded = DecodeCommand(id, 0);
            ASSERT_EQ(decoded.kind, c.kind) << "item " << i << " id " << id;
            if (c.byGroup) {
                EXPECT_EQ(decoded.argument, g_app.groups[i].id);
            } else {
                EXPECT_EQ(decoded.argument, i);
                EXPECT_EQ(ItemText(c.submenu, i, MF_BYPOSITION), L"tag && " + std::to_wstring(i));
            }
            seen.push_back(id);
        }
        std::sort(seen.begin(), seen.end());
        EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end()) << "identifiers shared";
    }
}

// The row menu's "Move URL to Group" with a thousand groups: the last group's
// item moves the row there.
TEST_F(MenuTest, MoveToGroupReachesAGroupBeyondTheHundredth) {
    Fill(1000, 0);
    AddUrlToGroup(DefaultGroupId(), L"https://moving.example/x");
    RefreshGridWithColumns();
    SelectOnlyRow(0);
    Open(g_mainMenu.groups);  // the group menus hand out identifiers of their own meanwhile
    const int last = g_app.groups.back().id;
    ASSERT_GE(last, 1000);
    // The identifier the row menu gives the last group's item.
    UINT id = 0;
    {
        ForgetDynamicCommands(DynamicCommand::MoveToGroup);
        for (const UrlGroup& group : g_app.groups)
            if (group.id != g_app.groups[0].id) id = DynamicCommandId(DynamicCommand::MoveToGroup, group.id);
    }
    SendMessageW(g_mainWindow, WM_COMMAND, id, 0);
    EXPECT_EQ(g_app.groups.back().urls, std::vector<std::wstring>{L"https://moving.example/x"});
    EXPECT_TRUE(g_app.groups[0].urls.empty());
}

// The Columns commands change what the grid shows and write the settings
// file at once; the last visible column cannot be hidden.
TEST_F(MenuTest, ColumnCommandsChangeTheColumnsAndWriteTheSettings) {
    auto visibleInFile = [] {
        wchar_t text[128] = L"";
        GetPrivateProfileStringW(L"Columns", L"Visible", L"", text, 128, SettingsFilePath().c_str());
        return std::wstring(text);
    };
    SendMessageW(g_mainWindow, WM_COMMAND, IDM_COLUMN_FIRST + 3, 0);
    EXPECT_FALSE(g_settings.columnVisible[3]);
    EXPECT_NE(visibleInFile().find(L"0"), std::wstring::npos) << visibleInFile();
    SendMessageW(g_mainWindow, WM_COMMAND, IDM_SHOW_ALL_COLUMNS, 0);
    EXPECT_TRUE(g_settings.columnVisible[3]);
    EXPECT_EQ(visibleInFile().find(L"0"), std::wstring::npos) << visibleInFile();

    g_settings.columnOrder = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    g_settings.columnWidths[1] = 333;
    SendMessageW(g_mainWindow, WM_COMMAND, IDM_RESET_COLUMN_ORDER, 0);
    EXPECT_EQ(g_settings.columnOrder, (std::array<int, kColumnCount>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    SendMessageW(g_mainWindow, WM_COMMAND, IDM_RESET_COLUMN_WIDTHS, 0);
    EXPECT_NE(g_settings.columnWidths[1], 333);

    for (int c = 1; c < kColumnCount; ++c) SendMessageW(g_mainWindow, WM_COMMAND, IDM_COLUMN_FIRST + c, 0);
    EXPECT_TRUE(g_settings.columnVisible[0]);
    SendMessageW(g_mainWindow, WM_COMMAND, IDM_COLUMN_FIRST + 0, 0);
    EXPECT_TRUE(g_settings.columnVisible[0]) << "the last visible column stays";
}
