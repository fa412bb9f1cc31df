#include <climits>
#include <cstdint>
#include <map>
#include <string>

#include "grid/Columns.h"
#include "model/AppState.h"
#include "model/TextUtil.h"
#include "storage/Database.h"
#include "storage/SqliteHandles.h"

bool g_catalogueLoading = false;

namespace {

// Column auto-sizing measures every row; it is held back while thousands of
// URL rows arrive one by one and done once afterwards. The flag is cleared on
// every way out of the URL pass.
class CatalogueLoadingScope {
   public:
    CatalogueLoadingScope() { g_catalogueLoading = true; }
    ~CatalogueLoadingScope() { g_catalogueLoading = false; }
    CatalogueLoadingScope(const CatalogueLoadingScope&) = delete;
    CatalogueLoadingScope& operator=(const CatalogueLoadingScope&) = delete;
};

// Stored group row id to the id of the group in memory that receives its URLs.
using GroupIdMap = std::map<int64_t, int>;

// Stored names merge with groups already in memory by the case-insensitive
// name rule, so a stored "uncategorized" joins the default group.
bool LoadGroups(sqlite3* db, GroupIdMap& groupIds) {
    SqliteStatement query(db, "SELECT id, name, updated FROM groups ORDER BY sort_order;");
    if (!query) return false;
    // The first group of each folded name, kept as a map so that a large
    // number of stored groups is not matched by scanning the list per row.
    std::map<std::wstring, int> byFoldedName;
    for (const UrlGroup& group : g_app.groups) byFoldedName.emplace(FoldAsciiCase(group.name), group.id);
    while (sqlite3_step(query.get()) == SQLITE_ROW) {
        std::wstring name = ColumnText(query.get(), 1);
        if (name.empty()) continue;
        std::wstring updated = ColumnText(query.get(), 2);
        if (!updated.empty()) g_app.groupUpdatedAt[name] = updated;
        std::wstring folded = FoldAsciiCase(name);
        auto known = byFoldedName.find(folded);
        int id = known != byFoldedName.end() ? known->second : CreateGroup(name);
        if (id < 0) continue;
        byFoldedName.emplace(folded, id);
        groupIds[sqlite3_column_int64(query.get(), 0)] = id;
    }
    return true;
}

// A counter beyond what the catalogue holds is kept at its largest value
// rather than wrapping round to a negative count.
int ClampedCount(int64_t stored) { return stored > INT_MAX ? INT_MAX : (int)stored; }

// Codes written by a newer or damaged database that this version does not
// know fall back to the plain notification and to no repetition.
ReminderAction ActionFromCode(int code) {
    return code >= 0 && code <= 2 ? static_cast<ReminderAction>(code) : ReminderAction::Notify;
}

void ReadUrlRow(sqlite3_stmt* row, const GroupIdMap& groupIds) {
    std::wstring url = ColumnText(row, 1);
    if (url.empty()) return;
    auto group = groupIds.find(sqlite3_column_int64(row, 0));
    if (group == groupIds.end()) return;

    std::wstring title = ColumnText(row, 2);
    if (!title.empty()) g_app.titles[url] = title;
    std::wstring created = ColumnText(row, 3);
    if (!created.empty()) g_app.createdAt[url] = created;
    std::wstring updated = ColumnText(row, 4);
    if (!updated.empty()) g_app.updatedAt[url] = updated;
    int64_t openCount = sqlite3_column_int64(row, 5);
    if (openCount > 0) g_app.openCounts[url] = ClampedCount(openCount);
    std::wstring lastOpened = ColumnText(row, 6);
    if (!lastOpened.empty()) g_app.lastOpenedAt[url] = lastOpened;
    if (sqlite3_column_int64(row, 7) != 0) g_app.pinnedUrls.insert(url);
    std::wstring reminderDate = ColumnText(row, 8);
    if (!reminderDate.empty()) {
        g_app.reminderDates[url] = reminderDate;
        g_app.reminderActions[url] = ActionFromCode(sqlite3_column_int(row, 9));
        int repeat = sqlite3_column_int(row, 10);
        if (repeat > 0 && repeat <= 3) g_app.reminderRepeats[url] = static_cast<ReminderRepeat>(repeat);
    }
    // Refuses a URL that is already filed; the attributes read above stay.
    AddUrlToGroup(group->second, url);
}

bool LoadUrls(sqlite3* db, const GroupIdMap& groupIds) {
    {
        CatalogueLoadingScope loading;
        SqliteStatement query(
            db,
            "SELECT u.group_id, u.url, u.title, u.created, u.updated, u.open_count, u.last_opened, "
            "u.pinned, u.reminder_date, u.reminder_action, u.reminder_repeat FROM urls u JOIN groups "
            "g ON u.group_id = g.id ORDER BY g.sort_order, u.sort_order;");
        if (!query) return false;
        while (sqlite3_step(query.get()) == SQLITE_ROW) ReadUrlRow(query.get(), groupIds);
    }
    AutoSizeColumns();
    return true;
}

void LoadTags(sqlite3* db) {
    g_app.tagNames.clear();
    SqliteStatement query(db, "SELECT name, updated FROM tags ORDER BY name;");
    if (!query) return;
    while (sqlite3_step(query.get()) == SQLITE_ROW) {
        std::wstring name = ColumnText(query.get(), 0);
        if (name.empty()) continue;
        g_app.tagNames.push_back(name);
        std::wstring updated = ColumnText(query.get(), 1);
        if (!updated.empty()) g_app.tagUpdatedAt[name] = updated;
    }
}

// Appends to what urlTags already holds; the list is not emptied first.
void LoadTagAttachments(sqlite3* db) {
    SqliteStatement query(
        db,
        "SELECT u.url, t.name FROM url_tags ut JOIN urls u ON ut.url_id = u.id JOIN tags t ON "
        "ut.tag_id = t.id;");
    if (!query) return;
    while (sqlite3_step(query.get()) == SQLITE_ROW) {
        std::wstring url = ColumnText(query.get(), 0);
        std::wstring tag = ColumnText(query.get(), 1);
        if (!url.empty() && !tag.empty()) g_app.urlTags[url].push_back(tag);
    }
}

// Rows come in row id order, which is the order the rules were saved in.
bool LoadRules(sqlite3* db, const char* sql, std::vector<AutoRule>& rules) {
    rules.clear();
    SqliteStatement query(db, sql);
    if (!query) return false;
    while (sqlite3_step(query.get()) == SQLITE_ROW) {
        AutoRule rule{ColumnText(query.get(), 0), ColumnText(query.get(), 1)};
        if (!rule.pattern.empty() && !rule.target.empty()) rules.push_back(rule);
    }
    return true;
}

}  // namespace

void LoadCatalogue() {
    SqliteConnection db(OpenDatabase());
    if (!db) return;
    GroupIdMap groupIds;
    if (!LoadGroups(db.get(), groupIds)) return;
    if (!LoadUrls(db.get(), groupIds)) return;
    LoadTags(db.get());
    LoadTagAttachments(db.get());
    LoadRules(db.get(), "SELECT pattern, tag_name FROM auto_tag_rules;", g_app.autoTagRules);
    LoadRules(db.get(), "SELECT pattern, group_name FROM auto_group_rules;", g_app.autoGroupRules);
}
