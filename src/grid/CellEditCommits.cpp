// What the in-place editor's text does to the catalogue: a URL's new title,
// a URL's new text, a group's new name. Each checks the text, shows the
// message of a refusal, records its undo step, changes the catalogue,
// refreshes the grid and saves.
#include <algorithm>

#include "grid/CellEditor.h"
#include "grid/Columns.h"
#include "grid/GridInternal.h"
#include "grid/VisibleRows.h"
#include "model/AppState.h"
#include "model/CatalogueViews.h"
#include "model/Undo.h"
#include "net/FaviconFetch.h"
#include "storage/Database.h"
#include "ui/StandardDialogs.h"

namespace {

// Refusals are told to the user over the main window, as every message is.
void Warn(const wchar_t* text, const wchar_t* caption) {
    HWND owner = g_gridWindow ? GetAncestor(g_gridWindow, GA_ROOT) : nullptr;
    ShowMessageBox(owner, text, caption, MB_OK | MB_ICONWARNING);
}

// The entry of the new text becomes the old text's entry: a left-over entry
// under the new text (a URL deleted earlier keeps its attributes until the
// next start) is dropped rather than handed to the URL being renamed.
template <class Map>
void MoveKey(Map& map, const std::wstring& oldKey, const std::wstring& newKey) {
    map.erase(newKey);
    auto node = map.extract(oldKey);
    if (node.empty()) return;
    node.key() = newKey;
    map.insert(std::move(node));
}

void MoveMember(std::set<std::wstring>& set, const std::wstring& oldKey, const std::wstring& newKey) {
    set.erase(newKey);
    if (set.erase(oldKey)) set.insert(newKey);
}

std::wstring EditedUrl(int row) { return row >= 0 ? g_grid.visibleRows[row].url : std::wstring(); }

}  // namespace

// Every attribute goes with the URL, the title and the verdict included:
// the new text is usually the old address corrected, and what the user
// stored about it must not be lost by a correction.
bool MoveUrlText(int groupId, const std::wstring& oldUrl, const std::wstring& newUrl) {
    UrlGroup* group = FindGroupById(groupId);
    if (!group || newUrl.empty() || g_app.allUrls.count(newUrl)) return false;
    auto member = std::find(group->urls.begin(), group->urls.end(), oldUrl);
    if (member == group->urls.end()) return false;

    g_app.allUrls.erase(oldUrl);
    g_app.allUrls.insert(newUrl);
    *member = newUrl;
    MoveKey(g_app.titles, oldUrl, newUrl);
    MoveKey(g_app.createdAt, oldUrl, newUrl);
    MoveKey(g_app.urlTags, oldUrl, newUrl);
    MoveMember(g_grid.selectedUrls, oldUrl, newUrl);
    g_app.updatedAt.erase(oldUrl);
    g_app.updatedAt[newUrl] = NowTimestamp();
    MoveKey(g_app.validationStatus, oldUrl, newUrl);
    MoveKey(g_app.openCounts, oldUrl, newUrl);
    MoveKey(g_app.lastOpenedAt, oldUrl, newUrl);
    MoveMember(g_app.pinnedUrls, oldUrl, newUrl);
    MoveKey(g_app.reminderDates, oldUrl, newUrl);
    MoveKey(g_app.reminderActions, oldUrl, newUrl);
    MoveKey(g_app.reminderRepeats, oldUrl, newUrl);
    return true;
}

// An empty entry never clears a title, and typing the URL itself over an
// untitled URL (whose cell shows the URL) stores nothing.
bool CommitTitleEdit(const std::wstring& text) {
    const int row = InlineEditRow();
    const std::wstring url = EditedUrl(row);
    if (url.empty() || text.empty() || text == GetCellText(url, ColumnId::Title, row)) return true;
    PushUndo(L"Edit Title");
    g_app.titles[url] = text;
    g_app.updatedAt[url] = NowTimestamp();
    AutoSizeColumns();
    RefreshGrid();
    SaveCatalogue();
    return true;
}

// URL texts compare exactly: a text that differs from a filed URL only in
// letter case is another URL and is accepted.
bool CommitUrlEdit(const std::wstring& text) {
    const int row = InlineEditRow();
    const std::wstring oldUrl = EditedUrl(row);
    if (oldUrl.empty() || text == oldUrl) return true;
    if (text.empty()) {
        Warn(L"URL cannot be empty.", L"Vantrelix Edit URL");
        return false;
    }
    if (g_app.allUrls.count(text)) {
        Warn(L"Vantrelix This URL already exists in the list.", L"Duplicate URL");
        return false;
    }
    const int groupId = g_grid.visibleRows[row].groupId;
    const UrlGroup* group = FindGroupById(groupId);
    if (!group || std::find(group->urls.begin(), group->urls.end(), oldUrl) == group->urls.end())
        return false;

    PushUndo(L"Edit URL");
    MoveUrlText(groupId, oldUrl, text);
    FetchTitleNow(text);
    FetchFaviconNow(text);
    RefreshGridWithColumns();
    g_grid.focusRow = RowOfUrl(text);
    SaveCatalogue();
    return true;
}

// The undo step is recorded before the name is tested, so a name already in
// use leaves a step behind that changes nothing.
bool CommitGroupRename(const std::wstring& text) {
    const int groupId = g_grid.editGroupId;
    const UrlGroup* group = FindGroupById(groupId);
    if (!group) return false;
    if (text == group->name) return true;
    if (text.empty()) {
        Warn(L"Group name cannot be empty.", L"Vantrelix Rename Group");
        return false;
    }
    PushUndo(L"Rename Group");
    if (!RenameGroup(groupId, text)) {
        Warn(L"Name already in use!", L"Vantrelix Error");
        return false;
    }
    SaveCatalogue();
    NotifyGroupsChanged();
    RefreshGrid();
    return true;
}
