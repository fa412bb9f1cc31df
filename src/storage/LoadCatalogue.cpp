#include <climits>
#include <cstdint>
#include <algorithm>
#include <map>
#include <string_view>
#include <optional>
#include <vector>
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

// One stored URL row, as read.
struct LoadedUrl {
    int groupId = 0;
    std::wstring url, title, created, updated, lastOpened, reminderDate;
    int openCount = 0;
    bool pinned = false;
    ReminderAction action = ReminderAction::Notify;
    int repeat = 0;
};

bool ReadUrlRow(sqlite3_stmt* row, const GroupIdMap& groupIds, LoadedUrl& loaded) {
    loaded.url = ColumnText(row, 1);
    if (loaded.url.empty()) return false;
    auto group = groupIds.find(sqlite3_column_int64(row, 0));
    if (group == groupIds.end()) return false;
    loaded.groupId = group->second;
    loaded.title = ColumnText(row, 2);
    loaded.created = ColumnText(row, 3);
    loaded.updated = ColumnText(row, 4);
    int64_t openCount = sqlite3_column_int64(row, 5);
    loaded.openCount = openCount > 0 ? ClampedCount(openCount) : 0;
    loaded.lastOpened = ColumnText(row, 6);
    loaded.pinned = sqlite3_column_int64(row, 7) != 0;
    loaded.reminderDate = ColumnText(row, 8);
    loaded.action = ActionFromCode(sqlite3_column_int(row, 9));
    loaded.repeat = sqlite3_column_int(row, 10);
    return true;
}

// Sets map[url] for every row that has a value, as assigning row by row
// would (a later row wins), but walking the map front to back in URL order
// instead of searching it for each of 100,000 rows. `take` yields a row's
// value (moving it out where it is text) or nothing.
template <typename Map, typename Take>
void AssignInUrlOrder(Map& map, std::vector<LoadedUrl>& rows, const std::vector<size_t>& byUrl, Take take) {
    auto cursor = map.begin();
    for (size_t i : byUrl) {
        auto value = take(rows[i]);
        if (!value) continue;
        const std::wstring& url = rows[i].url;
        while (cursor != map.end() && cursor->first < url) ++cursor;
        if (cursor != map.end() && cursor->first == url)
            cursor->second = std::move(*value);
        else
            cursor = map.emplace_hint(cursor, url, std::move(*value));
    }
}

std::optional<std::wstring> TakeText(std::wstring& text) {
    return text.empty() ? std::nullopt : std::optional<std::wstring>(std::move(text));
}

std::vector<size_t> UrlOrder(const std::vector<LoadedUrl>& rows) {
    std::vector<size_t> byUrl(rows.size());
    for (size_t i = 0; i < byUrl.size(); ++i) byUrl[i] = i;
    std::stable_sort(byUrl.begin(), byUrl.end(), [&](size_t a, size_t b) { return rows[a].url < rows[b].url; });
    return byUrl;
}

void AssignAttributes(std::vector<LoadedUrl>& rows, const std::vector<size_t>& byUrl) {
    // The reminder's action and repetition go first: they depend on the
    // date, which is moved out after them.
    AssignInUrlOrder(g_app.reminderActions, rows, byUrl, [](LoadedUrl& r) {
        return r.reminderDate.empty() ? std::nullopt : std::optional<ReminderAction>(r.action);
    });
    AssignInUrlOrder(g_app.reminderRepeats, rows, byUrl, [](LoadedUrl& r) {
        bool known = !r.reminderDate.empty() && r.repeat > 0 && r.repeat <= 3;
        return known ? std::optional<ReminderRepeat>(static_cast<ReminderRepeat>(r.repeat)) : std::nullopt;
    });
    AssignInUrlOrder(g_app.reminderDates, rows, byUrl, [](LoadedUrl& r) { return TakeText(r.reminderDate); });
    AssignInUrlOrder(g_app.titles, rows, byUrl, [](LoadedUrl& r) { return TakeText(r.title); });
    AssignInUrlOrder(g_app.createdAt, rows, byUrl, [](LoadedUrl& r) { return TakeText(r.created); });
    AssignInUrlOrder(g_app.updatedAt, rows, byUrl, [](LoadedUrl& r) { return TakeText(r.updated); });
    AssignInUrlOrder(g_app.openCounts, rows, byUrl, [](LoadedUrl& r) {
        return r.openCount > 0 ? std::optional<int>(r.openCount) : std::nullopt;
    });
    AssignInUrlOrder(g_app.lastOpenedAt, rows, byUrl, [](LoadedUrl& r) { return TakeText(r.lastOpened); });
    auto pinCursor = g_app.pinnedUrls.begin();
    for (size_t i : byUrl) {
        if (!rows[i].pinned) continue;
        while (pinCursor != g_app.pinnedUrls.end() && *pinCursor < rows[i].url) ++pinCursor;
        if (pinCursor == g_app.pinnedUrls.end() || *pinCursor != rows[i].url)
            pinCursor = g_app.pinnedUrls.insert(pinCursor, rows[i].url);
    }
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
        std::vector<LoadedUrl> rows;
        LoadedUrl row;
        while (sqlite3_step(query.get()) == SQLITE_ROW)
            if (ReadUrlRow(query.get(), groupIds, row)) rows.push_back(std::move(row));
        // Attributes first, then the URLs are filed in row order; a URL that
        // is already filed is refused and its attributes stay.
        std::vector<size_t> byUrl = UrlOrder(rows);
        AssignAttributes(rows, byUrl);
        std::vector<UrlFiling> filings;
        filings.reserve(rows.size());
        for (const LoadedUrl& r : rows) filings.push_back({r.groupId, &r.url});
        AddUrlsToGroups(filings, &byUrl);
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
    // Rows mostly come grouped by URL: while the stored bytes repeat, the
    // previous row's list is reused without converting or searching again.
    auto list = g_app.urlTags.end();
    std::string previousUrl;
    while (sqlite3_step(query.get()) == SQLITE_ROW) {
        const char* urlBytes = reinterpret_cast<const char*>(sqlite3_column_text(query.get(), 0));
        std::string_view rawUrl(urlBytes ? urlBytes : "", (size_t)sqlite3_column_bytes(query.get(), 0));
        std::wstring tag = ColumnText(query.get(), 1);
        if (rawUrl.empty() || tag.empty()) continue;
        if (list == g_app.urlTags.end() || rawUrl != previousUrl) {
            std::wstring url = WideFromUtf8(rawUrl);
            if (url.empty()) continue;
            list = g_app.urlTags.try_emplace(std::move(url)).first;
            previousUrl.assign(rawUrl);
        }
        list->second.push_back(std::move(tag));
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
