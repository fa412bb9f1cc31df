#include <climits>
#include <cstdint>
#include <algorithm>
#include <map>
#include <string_view>
#include <optional>
#include <set>
#include <vector>
#include <string>

#include "model/AppState.h"
#include "model/CatalogueViews.h"
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

// A read that ends in anything but the last row is a failed read: the rows
// it did not deliver are still in the file.
class ReadFailure {
   public:
    explicit ReadFailure(sqlite3* db) : db_(db) {}
    // For a statement that could not be prepared.
    bool NotPrepared() { return Fail(sqlite3_errcode(db_)); }
    // The result of the step that ended a loop over rows.
    bool Ended(int rc) { return rc == SQLITE_DONE || Fail(rc); }
    int code() const { return code_; }

   private:
    bool Fail(int rc) {
        code_ = rc == SQLITE_OK || rc == SQLITE_DONE || rc == SQLITE_ROW ? SQLITE_ERROR : rc;
        return false;
    }
    sqlite3* db_;
    int code_ = SQLITE_OK;
};

// Stored names merge with groups already in memory by the case-insensitive
// name rule, so a stored "uncategorized" joins the default group.
bool LoadGroups(sqlite3* db, GroupIdMap& groupIds, ReadFailure& failure) {
    SqliteStatement query(db, "SELECT id, name, updated FROM groups ORDER BY sort_order;");
    if (!query) return failure.NotPrepared();
    // The first group of each folded name, kept as a map so that a large
    // number of stored groups is not matched by scanning the list per row.
    std::map<std::wstring, int> byFoldedName;
    for (const UrlGroup& group : g_app.groups) byFoldedName.emplace(FoldAsciiCase(group.name), group.id);
    int rc;
    while ((rc = sqlite3_step(query.get())) == SQLITE_ROW) {
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
    return failure.Ended(rc);
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

// Sets map[url] as assigning row by row would (a later row wins), walking
// the map front to back in URL order instead of searching it for each of
// 100,000 rows: each call continues where the previous one stopped.
template <typename Map>
class SortedAssigner {
   public:
    explicit SortedAssigner(Map& map) : map_(map), cursor_(map.begin()) {}
    void Assign(const std::wstring& url, typename Map::mapped_type value) {
        while (cursor_ != map_.end() && cursor_->first < url) ++cursor_;
        if (cursor_ != map_.end() && cursor_->first == url)
            cursor_->second = std::move(value);
        else
            cursor_ = map_.emplace_hint(cursor_, url, std::move(value));
    }

   private:
    Map& map_;
    typename Map::iterator cursor_;
};

class SortedInserter {
   public:
    explicit SortedInserter(std::set<std::wstring>& set) : set_(set), cursor_(set.begin()) {}
    void Insert(const std::wstring& url) {
        while (cursor_ != set_.end() && *cursor_ < url) ++cursor_;
        if (cursor_ == set_.end() || *cursor_ != url) cursor_ = set_.insert(cursor_, url);
    }

   private:
    std::set<std::wstring>& set_;
    std::set<std::wstring>::iterator cursor_;
};

// Row indices in URL order, equal URLs in row order.
std::vector<size_t> UrlOrder(const std::vector<LoadedUrl>& rows) {
    // Sorting views of the texts keeps each comparison to one indirection.
    std::vector<std::pair<std::wstring_view, size_t>> keys;
    keys.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) keys.emplace_back(rows[i].url, i);
    std::sort(keys.begin(), keys.end());  // ties broken by row index: stable
    std::vector<size_t> byUrl;
    byUrl.reserve(keys.size());
    for (const auto& key : keys) byUrl.push_back(key.second);
    return byUrl;
}

// One pass over the rows in URL order fills every attribute map.
void AssignAttributes(std::vector<LoadedUrl>& rows, const std::vector<size_t>& byUrl) {
    SortedAssigner titles(g_app.titles), created(g_app.createdAt), updated(g_app.updatedAt),
        lastOpened(g_app.lastOpenedAt), reminderDates(g_app.reminderDates);
    SortedAssigner openCounts(g_app.openCounts);
    SortedAssigner actions(g_app.reminderActions);
    SortedAssigner repeats(g_app.reminderRepeats);
    SortedInserter pinned(g_app.pinnedUrls);
    for (size_t i : byUrl) {
        LoadedUrl& r = rows[i];
        if (!r.title.empty()) titles.Assign(r.url, std::move(r.title));
        if (!r.created.empty()) created.Assign(r.url, std::move(r.created));
        if (!r.updated.empty()) updated.Assign(r.url, std::move(r.updated));
        if (r.openCount > 0) openCounts.Assign(r.url, r.openCount);
        if (!r.lastOpened.empty()) lastOpened.Assign(r.url, std::move(r.lastOpened));
        if (r.pinned) pinned.Insert(r.url);
        // A reminder exists only with its date; the action is taken even when
        // it is 0, the repetition only when it is one this version knows.
        if (!r.reminderDate.empty()) {
            actions.Assign(r.url, r.action);
            if (r.repeat > 0 && r.repeat <= 3) repeats.Assign(r.url, static_cast<ReminderRepeat>(r.repeat));
            reminderDates.Assign(r.url, std::move(r.reminderDate));
        }
    }
}

bool LoadUrls(sqlite3* db, const GroupIdMap& groupIds, ReadFailure& failure) {
    {
        CatalogueLoadingScope loading;
        SqliteStatement query(
            db,
            "SELECT u.group_id, u.url, u.title, u.created, u.updated, u.open_count, u.last_opened, "
            "u.pinned, u.reminder_date, u.reminder_action, u.reminder_repeat FROM urls u JOIN groups "
            "g ON u.group_id = g.id ORDER BY g.sort_order, u.sort_order;");
        if (!query) return failure.NotPrepared();
        std::vector<LoadedUrl> rows;
        LoadedUrl row;
        int rc;
        while ((rc = sqlite3_step(query.get())) == SQLITE_ROW)
            if (ReadUrlRow(query.get(), groupIds, row)) rows.push_back(std::move(row));
        if (!failure.Ended(rc)) return false;
        // Attributes first, then the URLs are filed in row order; a URL that
        // is already filed is refused and its attributes stay.
        std::vector<size_t> byUrl = UrlOrder(rows);
        AssignAttributes(rows, byUrl);
        std::vector<UrlFiling> filings;
        filings.reserve(rows.size());
        for (const LoadedUrl& r : rows) filings.push_back({r.groupId, &r.url});
        AddUrlsToGroups(filings, &byUrl);
    }
    NotifyColumnsChanged();
    return true;
}

bool LoadTags(sqlite3* db, ReadFailure& failure) {
    g_app.tagNames.clear();
    SqliteStatement query(db, "SELECT name, updated FROM tags ORDER BY name;");
    if (!query) return failure.NotPrepared();
    int rc;
    while ((rc = sqlite3_step(query.get())) == SQLITE_ROW) {
        std::wstring name = ColumnText(query.get(), 0);
        if (name.empty()) continue;
        g_app.tagNames.push_back(name);
        std::wstring updated = ColumnText(query.get(), 1);
        if (!updated.empty()) g_app.tagUpdatedAt[name] = updated;
    }
    return failure.Ended(rc);
}

// Appends to what urlTags already holds; the list is not emptied first.
bool LoadTagAttachments(sqlite3* db, ReadFailure& failure) {
    SqliteStatement query(
        db,
        "SELECT u.url, t.name FROM url_tags ut JOIN urls u ON ut.url_id = u.id JOIN tags t ON "
        "ut.tag_id = t.id;");
    if (!query) return failure.NotPrepared();
    // Rows mostly come grouped by URL: while the stored bytes repeat, the
    // previous row's list is reused without converting or searching again.
    auto list = g_app.urlTags.end();
    std::string previousUrl;
    int rc;
    while ((rc = sqlite3_step(query.get())) == SQLITE_ROW) {
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
    return failure.Ended(rc);
}

// Rows come in row id order, which is the order the rules were saved in.
bool LoadRules(sqlite3* db, const char* sql, std::vector<AutoRule>& rules, ReadFailure& failure) {
    rules.clear();
    SqliteStatement query(db, sql);
    if (!query) return failure.NotPrepared();
    int rc;
    while ((rc = sqlite3_step(query.get())) == SQLITE_ROW) {
        AutoRule rule{ColumnText(query.get(), 0), ColumnText(query.get(), 1)};
        if (!rule.pattern.empty() && !rule.target.empty()) rules.push_back(rule);
    }
    return failure.Ended(rc);
}

// Every step, in order; false at the first that could not read all its rows.
bool ReadEverything(sqlite3* db, ReadFailure& failure) {
    GroupIdMap groupIds;
    return LoadGroups(db, groupIds, failure) && LoadUrls(db, groupIds, failure) && LoadTags(db, failure) &&
           LoadTagAttachments(db, failure) &&
           LoadRules(db, "SELECT pattern, tag_name FROM auto_tag_rules;", g_app.autoTagRules, failure) &&
           LoadRules(db, "SELECT pattern, group_name FROM auto_group_rules;", g_app.autoGroupRules, failure);
}

}  // namespace

// A load that cannot read everything takes nothing in: the catalogue goes
// back to what it was, and the file is marked unread so that no save
// deletes the rows the load missed.
LoadResult LoadCatalogue() {
    const std::wstring path = DatabasePath();
    int errorCode = SQLITE_OK;
    SqliteConnection db(OpenDatabase(&errorCode));
    if (db) {
        AppState before = g_app;
        ReadFailure failure(db.get());
        if (!ReadEverything(db.get(), failure)) {
            errorCode = failure.code();
            g_app = std::move(before);
        }
    }
    NoteLoadOutcome(path, errorCode);
    return LoadResult{errorCode == SQLITE_OK ? LoadStatus::Complete : LoadStatus::Unread, errorCode};
}
