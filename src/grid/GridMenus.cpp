// The grid's three context menus: columns (header), group (group header
// line) and URL (row). Each menu is built by a function of its own, so the
// items can be checked without opening a menu, and shown by another.
#include <algorithm>
#include <array>

#include "ui/CommandIds.h"
#include "ui/DynamicCommands.h"
#include "ui/MenuLabel.h"
#include "grid/Columns.h"
#include "grid/GridInternal.h"
#include "grid/GridWindow.h"
#include "grid/Selection.h"
#include "model/AppState.h"

namespace {

constexpr UINT kColumnCommandBase = IDM_COLUMN_FIRST;

struct MenuItem {
    UINT command;  // 0 for a separator
    const wchar_t* text;
};

// The URL menu between the pin item and the reminder items.
constexpr std::array<MenuItem, 10> kUrlActions{{
    {IDM_OPEN_IN_BROWSER, L"Open in Browser"},
    {IDM_DESKTOP_SHORTCUT, L"Create Desktop Shortcut"},
    {IDM_GENERATE_QR, L"Generate QR Code..."},
    {IDM_COPY, L"Copy to Clipboard"},
    {IDM_DELETE_SELECTED, L"Delete"},
    {IDM_EDIT_TITLE, L"Edit Title..."},
    {IDM_EDIT_URL, L"Edit URL..."},
    {IDM_EDIT_TAGS, L"Edit Tags..."},
    {IDM_VALIDATE_URL, L"Validate URL..."},
    {IDM_VALIDATE_GROUP, L"Validate Group URLs..."},
}};


// Owns a menu handle for the time it is shown.
class MenuHandle {
   public:
    explicit MenuHandle(HMENU menu) : menu_(menu) {}
    ~MenuHandle() {
        if (menu_) DestroyMenu(menu_);
    }
    MenuHandle(const MenuHandle&) = delete;
    MenuHandle& operator=(const MenuHandle&) = delete;
    HMENU get() const { return menu_; }

   private:
    HMENU menu_;
};

int GroupIndex(int groupId) {
    for (size_t i = 0; i < g_app.groups.size(); ++i)
        if (g_app.groups[i].id == groupId) return static_cast<int>(i);
    return -1;
}

// Popup menus need their owner in front, or they stay open after a click
// elsewhere.
UINT TrackMenu(HMENU menu, HWND owner, POINT screen, UINT flags) {
    SetForegroundWindow(owner);
    return static_cast<UINT>(
        TrackPopupMenu(menu, flags | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner, nullptr));
}

HWND MenuOwner(HWND grid) {
    HWND parent = GetParent(grid);
    return parent ? parent : grid;
}

}  // namespace

bool IsPinned(const std::wstring& url) { return g_app.pinnedUrls.count(url) != 0; }

bool AllPinned(const std::vector<std::wstring>& urls) {
    return !urls.empty() && std::all_of(urls.begin(), urls.end(), IsPinned);
}

HMENU BuildColumnMenu() {
    HMENU menu = CreatePopupMenu();
    for (const ColumnInfo& column : kColumnTable) {
        const UINT checked = g_settings.columnVisible[column.id] ? MF_CHECKED : MF_UNCHECKED;
        AppendMenuW(menu, MF_STRING | checked, kColumnCommandBase + column.id, column.title);
    }
    return menu;
}

HMENU BuildGroupMenu(int groupId) {
    const int index = GroupIndex(groupId);
    const int last = static_cast<int>(g_app.groups.size()) - 1;
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, IDM_RENAME_GROUP, L"Rename Group...");
    AppendMenuW(menu, MF_STRING, IDM_DELETE_GROUP, L"Delete Group");
    AppendMenuW(menu, MF_STRING, IDM_VALIDATE_GROUP, L"Validate Group URLs...");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING | (index == 0 ? MF_GRAYED : 0), IDM_MOVE_GROUP_UP, L"Move Group Up");
    AppendMenuW(menu, MF_STRING | (index == last ? MF_GRAYED : 0), IDM_MOVE_GROUP_DOWN, L"Move Group Down");
    return menu;
}

// Acts on the selection, or on the clicked row when nothing is selected.
HMENU BuildUrlContextMenu(int row) {
    if (row < 0 || row >= static_cast<int>(g_grid.visibleRows.size())) return nullptr;
    const VisibleRow& target = g_grid.visibleRows[row];
    std::vector<std::wstring> urls = GetSelectedUrls();
    if (urls.empty()) urls.push_back(target.url);

    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, IDM_TOGGLE_PIN, AllPinned(urls) ? L"Unpin URL" : L"\U0001F4CC Pin URL");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    for (const MenuItem& item : kUrlActions) AppendMenuW(menu, MF_STRING, item.command, item.text);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_SET_REMINDER, L"\U0001F514 Set Reminder...");
    const bool anyReminder = std::any_of(urls.begin(), urls.end(),
                                         [](const std::wstring& url) { return g_app.reminderDates.count(url) != 0; });
    if (anyReminder) AppendMenuW(menu, MF_STRING, IDM_CLEAR_REMINDER, L"Clear Reminder");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);

    HMENU groups = CreatePopupMenu();
    ForgetDynamicCommands(DynamicCommand::MoveToGroup);
    for (const UrlGroup& group : g_app.groups)
        if (group.id != target.groupId)
            AppendMenuW(groups, MF_STRING, DynamicCommandId(DynamicCommand::MoveToGroup, group.id),
                        MenuLabel(group.name).c_str());
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(groups), L"Move URL to Group");
    return menu;
}

void ShowColumnMenu(HWND grid, POINT screen) {
    MenuHandle menu(BuildColumnMenu());
    const UINT command = TrackMenu(menu.get(), MenuOwner(grid), screen, TPM_RETURNCMD);
    if (command >= kColumnCommandBase && command < kColumnCommandBase + kColumnCount)
        ToggleColumnVisible(static_cast<int>(command - kColumnCommandBase));
}

// The command goes out synchronously so the main window's group handlers
// still find the group in contextGroupId.
void ShowGroupMenu(HWND grid, int groupId, POINT screen) {
    MenuHandle menu(BuildGroupMenu(groupId));
    HWND owner = MenuOwner(grid);
    g_grid.contextGroupId = groupId;
    const UINT command = TrackMenu(menu.get(), owner, screen, TPM_RETURNCMD);
    if (command != 0) SendMessageW(owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    g_grid.contextGroupId = -1;
}

void ShowUrlContextMenu(HWND owner, int row, POINT screen) {
    if (row < 0) return;
    MenuHandle menu(BuildUrlContextMenu(row));
    if (!menu.get()) return;
    TrackMenu(menu.get(), owner, screen, 0);
}
