#include "app/Menus.h"

#include <string>
#include <vector>

#include "grid/Columns.h"
#include "grid/GridState.h"
#include "grid/GridWindow.h"
#include "grid/Selection.h"
#include "model/AppState.h"
#include "model/Undo.h"
#include "settings/Settings.h"
#include "ui/CommandIds.h"
#include "ui/DynamicCommands.h"
#include "ui/MenuLabel.h"

MainMenu g_mainMenu;

namespace {

constexpr wchar_t kPinText[] = L"\U0001F4CC &Pin/Unpin URL";
constexpr wchar_t kUnpinText[] = L"Unpin URL";

// One line of a pop-up: a command, a separator (id 0, no text) or a submenu
// (its handle is stored through `submenu`).
struct MenuLine {
    UINT id;
    const wchar_t* text;
    HMENU MainMenu::*submenu = nullptr;
};
constexpr MenuLine kSeparator{0, nullptr};

const MenuLine kFileLines[] = {
    {IDM_OPEN_DATABASE, L"Open &Database..."},
    {IDM_SAVE_DATABASE_AS, L"Save Database &As..."},
    kSeparator,
    {IDM_EXPORT_CSV, L"Export to &CSV..."},
    {IDM_EXPORT_JSON, L"&Export to JSON..."},
    {IDM_IMPORT_JSON, L"&Import from JSON..."},
    kSeparator,
    {IDM_IMPORT_CHROMIUM, L"Import &Chromium Bookmarks..."},
    {IDM_IMPORT_FIREFOX, L"Import &Firefox Bookmarks..."},
    kSeparator,
    {IDM_EXPORT_SELECTED_HTML, L"Export Selected as &Bookmarks HTML..."},
    {IDM_EXPORT_GROUP_HTML, L"Export &Group as Bookmarks HTML..."},
    kSeparator,
    {IDM_OPTIONS, L"&Options..."},
    kSeparator,
    {IDM_HIDE_TO_TRAY, L"&Hide to Tray"},
    {IDM_EXIT, L"E&xit"},
};
const MenuLine kEditLines[] = {
    {IDM_UNDO, L"&Undo\tCtrl+Z"},
    {IDM_REDO, L"&Redo\tCtrl+Y"},
};
const MenuLine kUrlLines[] = {
    {IDM_QUICK_ADD, L"Quick &Add URL..."},
    kSeparator,
    {IDM_OPEN_IN_BROWSER, L"&Open in Browser\tF3"},
    {IDM_EDIT_TITLE, L"Edit &Title...\tF2"},
    {IDM_EDIT_URL, L"&Edit URL...\tF4"},
    {IDM_COPY, L"&Copy to Clipboard\tF5"},
    {IDM_DESKTOP_SHORTCUT, L"Create Desktop &Shortcut"},
    {IDM_GENERATE_QR, L"Generate &QR Code..."},
    {IDM_IMPORT_QR_IMAGE, L"Import URL from QR &Image..."},
    kSeparator,
    {IDM_TOGGLE_PIN, kPinText},
    {IDM_UNPIN_ALL, L"Unpin All URLs"},
    kSeparator,
    {IDM_SET_REMINDER, L"\U0001F514 Set &Reminder..."},
    {IDM_CLEAR_REMINDER, L"Clear Re&minder"},
    kSeparator,
    {IDM_DELETE_SELECTED, L"&Delete Selected\tF8"},
    {IDM_DELETE_ALL, L"Delete &All..."},
    kSeparator,
    {IDM_VALIDATE_ALL, L"&Validate All..."},
    {IDM_VALIDATE_GROUP, L"Validate &Group URLs..."},
    {IDM_DELETE_INVALID, L"Delete &Invalid URLs..."},
};
const MenuLine kTagLines[] = {
    {IDM_EDIT_TAGS, L"&Edit Tags..."},
    {IDM_FILTER_BY_TAGS, L"&Filter by Tags..."},
    kSeparator,
    {IDM_ADD_TAG, L"&Add Tag...\tF6"},
    {0, L"&Rename Tag", &MainMenu::renameTag},
    {0, L"&Delete Tag", &MainMenu::deleteTag},
    kSeparator,
    {IDM_AUTO_TAG_RULES, L"A&uto-Tag Rules..."},
};
const MenuLine kGroupLines[] = {
    {IDM_ADD_GROUP, L"&Add Group...\tF7"},
    {0, L"&Rename Group", &MainMenu::renameGroup},
    {0, L"&Delete Group", &MainMenu::deleteGroup},
    kSeparator,
    {IDM_AUTO_GROUP_RULES, L"A&uto-Group Rules..."},
    kSeparator,
    {IDM_MOVE_GROUP_UP, L"Move Group &Up"},
    {IDM_MOVE_GROUP_DOWN, L"Move Group Do&wn"},
};
const MenuLine kColumnLines[] = {
    {IDM_SHOW_ALL_COLUMNS, L"&Show All Columns"},
    {IDM_RESET_COLUMN_WIDTHS, L"Reset Column &Widths"},
    {IDM_RESET_COLUMN_ORDER, L"Reset Column &Order"},
    kSeparator,
};
const MenuLine kHelpLines[] = {
    {IDM_ABOUT, L"&About ...\tF1"},
    kSeparator,
    {IDM_CHECK_UPDATES, L"&Check for Updates..."},
};

// The Tags pop-up's submenus stand at these positions, the Groups pop-up's
// at 1 and 2.
constexpr UINT kRenameTagPosition = 4, kDeleteTagPosition = 5;
constexpr UINT kRenameGroupPosition = 1, kDeleteGroupPosition = 2;

template <size_t N>
HMENU BuildPopup(const MenuLine (&lines)[N]) {
    HMENU popup = CreatePopupMenu();
    for (const MenuLine& line : lines) {
        if (line.submenu) {
            HMENU sub = CreatePopupMenu();
            g_mainMenu.*line.submenu = sub;
            AppendMenuW(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), line.text);
        } else if (line.id == 0) {
            AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(popup, MF_STRING, line.id, line.text);
        }
    }
    return popup;
}

void Grey(HMENU menu, UINT id, bool grey) { EnableMenuItem(menu, id, MF_BYCOMMAND | (grey ? MF_GRAYED : MF_ENABLED)); }
void GreyAt(HMENU menu, UINT position, bool grey) {
    EnableMenuItem(menu, position, MF_BYPOSITION | (grey ? MF_GRAYED : MF_ENABLED));
}

void Relabel(HMENU menu, UINT id, const std::wstring& text) {
    ModifyMenuW(menu, id, MF_BYCOMMAND | MF_STRING, id, text.c_str());
}

bool Contains(HMENU menu, UINT id) { return GetMenuState(menu, id, MF_BYCOMMAND) != static_cast<UINT>(-1); }

void EmptyMenu(HMENU menu) {
    for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
}

void AppendNone(HMENU menu, const wchar_t* text) { AppendMenuW(menu, MF_STRING | MF_GRAYED, 0, text); }

// The two items that act on the undo slots name the edit they take back.
// Relabelling resets an item's state, so the texts come first.
void PrepareEditMenu(HMENU popup) {
    Relabel(popup, IDM_UNDO, UndoMenuText());
    Relabel(popup, IDM_REDO, RedoMenuText());
    Grey(popup, IDM_UNDO, !CanUndo());
    Grey(popup, IDM_REDO, !CanRedo());
}

// The URL commands: the URLs pop-up and the grid's row menu.
void PrepareUrlItems(HMENU popup) {
    const bool noRow = GetFocusRow() < 0;
    for (UINT id : {IDM_OPEN_IN_BROWSER, IDM_EDIT_TITLE, IDM_COPY, IDM_DESKTOP_SHORTCUT, IDM_GENERATE_QR,
                    IDM_EDIT_URL, IDM_DELETE_SELECTED, IDM_VALIDATE_GROUP, IDM_TOGGLE_PIN, IDM_SET_REMINDER,
                    IDM_CLEAR_REMINDER})
        Grey(popup, id, noRow);
    Grey(popup, IDM_DELETE_ALL, g_grid.visibleRows.empty());
    Grey(popup, IDM_DELETE_INVALID, g_app.validationStatus.empty());
    if (!noRow) Relabel(popup, IDM_TOGGLE_PIN, PinItemText(AllPinned(GetSelectedUrls())));
    Grey(popup, IDM_UNPIN_ALL, g_app.pinnedUrls.empty());
}

void PrepareTagsMenu(HMENU popup) {
    RebuildTagMenus();
    Grey(popup, IDM_EDIT_TAGS, GetFocusRow() < 0);
    GreyAt(popup, kRenameTagPosition, g_app.tagNames.empty());
    GreyAt(popup, kDeleteTagPosition, g_app.tagNames.empty());
}

// Where the current row's group stands in the group list; -1 without one.
int CurrentGroupPosition() {
    const int row = GetFocusRow();
    if (row < 0 || row >= static_cast<int>(g_grid.visibleRows.size())) return -1;
    const int groupId = g_grid.visibleRows[row].groupId;
    for (size_t i = 0; i < g_app.groups.size(); ++i)
        if (g_app.groups[i].id == groupId) return static_cast<int>(i);
    return -1;
}

void PrepareGroupsMenu(HMENU popup) {
    const int p = CurrentGroupPosition();
    const int count = static_cast<int>(g_app.groups.size());
    GreyAt(popup, kRenameGroupPosition, count == 0);
    GreyAt(popup, kDeleteGroupPosition, count == 0);
    Grey(popup, IDM_MOVE_GROUP_UP, p < 1);
    Grey(popup, IDM_MOVE_GROUP_DOWN, !(p >= 0 && p < count - 1));
}

void PrepareColumnsMenu(HMENU popup) {
    bool allShown = true;
    for (int c = 0; c < kColumnCount; ++c) {
        const bool shown = g_settings.columnVisible[c];
        allShown &= shown;
        CheckMenuItem(popup, IDM_COLUMN_FIRST + c, MF_BYCOMMAND | (shown ? MF_CHECKED : MF_UNCHECKED));
    }
    Grey(popup, IDM_SHOW_ALL_COLUMNS, allShown);
}

}  // namespace

const wchar_t* PinItemText(bool allSelectedPinned) { return allSelectedPinned ? kUnpinText : kPinText; }

HMENU BuildMainMenu() {
    if (g_mainMenu.bar) return g_mainMenu.bar;
    g_mainMenu.file = BuildPopup(kFileLines);
    g_mainMenu.edit = BuildPopup(kEditLines);
    g_mainMenu.urls = BuildPopup(kUrlLines);
    Grey(g_mainMenu.urls, IDM_DELETE_INVALID, true);
    g_mainMenu.tags = BuildPopup(kTagLines);
    g_mainMenu.groups = BuildPopup(kGroupLines);
    g_mainMenu.columns = BuildPopup(kColumnLines);
    for (int c = 0; c < kColumnCount; ++c)
        AppendMenuW(g_mainMenu.columns, MF_STRING | (g_settings.columnVisible[c] ? MF_CHECKED : 0),
                    IDM_COLUMN_FIRST + c, ColumnTitle(c));
    g_mainMenu.help = BuildPopup(kHelpLines);

    HMENU bar = CreateMenu();
    const std::pair<HMENU, const wchar_t*> popups[] = {
        {g_mainMenu.file, L"&File"},     {g_mainMenu.edit, L"&Edit"},       {g_mainMenu.urls, L"&URLs"},
        {g_mainMenu.tags, L"&Tags"},     {g_mainMenu.groups, L"&Groups"},   {g_mainMenu.columns, L"&Columns"},
        {g_mainMenu.help, L"&Help"},
    };
    for (const auto& [popup, title] : popups) AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), title);
    g_mainMenu.bar = bar;
    RebuildTagMenus();
    RebuildGroupMenus();
    return bar;
}

void RebuildTagMenus() {
    if (!g_mainMenu.tags || !g_mainMenu.renameTag || !g_mainMenu.deleteTag) return;
    EmptyMenu(g_mainMenu.renameTag);
    EmptyMenu(g_mainMenu.deleteTag);
    ForgetDynamicCommands(DynamicCommand::RenameTag);
    ForgetDynamicCommands(DynamicCommand::DeleteTag);
    if (g_app.tagNames.empty()) {
        AppendNone(g_mainMenu.renameTag, L"(No tags)");
        AppendNone(g_mainMenu.deleteTag, L"(No tags)");
        return;
    }
    for (size_t i = 0; i < g_app.tagNames.size(); ++i) {
        const std::wstring label = MenuLabel(g_app.tagNames[i]);
        const int position = static_cast<int>(i);
        AppendMenuW(g_mainMenu.renameTag, MF_STRING, DynamicCommandId(DynamicCommand::RenameTag, position),
                    label.c_str());
        AppendMenuW(g_mainMenu.deleteTag, MF_STRING, DynamicCommandId(DynamicCommand::DeleteTag, position),
                    label.c_str());
    }
}

void RebuildGroupMenus() {
    if (!g_mainMenu.groups || !g_mainMenu.renameGroup || !g_mainMenu.deleteGroup) return;
    EmptyMenu(g_mainMenu.renameGroup);
    EmptyMenu(g_mainMenu.deleteGroup);
    ForgetDynamicCommands(DynamicCommand::RenameGroup);
    ForgetDynamicCommands(DynamicCommand::DeleteGroup);
    if (g_app.groups.empty()) {
        AppendNone(g_mainMenu.renameGroup, L"(No groups)");
        AppendNone(g_mainMenu.deleteGroup, L"(No groups)");
    }
    for (const UrlGroup& group : g_app.groups) {
        const std::wstring label = MenuLabel(group.name);
        AppendMenuW(g_mainMenu.renameGroup, MF_STRING, DynamicCommandId(DynamicCommand::RenameGroup, group.id),
                    label.c_str());
        AppendMenuW(g_mainMenu.deleteGroup, MF_STRING, DynamicCommandId(DynamicCommand::DeleteGroup, group.id),
                    label.c_str());
    }
    UpdateStatusBar();
}

void OnInitMenuPopup(HMENU popup) {
    if (!popup) return;
    if (popup == g_mainMenu.groups) RebuildGroupMenus();
    if (popup == g_mainMenu.edit) PrepareEditMenu(popup);
    if (Contains(popup, IDM_OPEN_IN_BROWSER)) PrepareUrlItems(popup);
    if (popup == g_mainMenu.tags) PrepareTagsMenu(popup);
    if (popup == g_mainMenu.groups) PrepareGroupsMenu(popup);
    if (popup == g_mainMenu.columns) PrepareColumnsMenu(popup);
}
