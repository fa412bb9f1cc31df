#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "model/AppState.h"
#include "storage/Database.h"
#include "storage/SaveSteps.h"
#include "storage/SqliteHandles.h"

namespace save_detail {

namespace {

// Fills a temporary table with the names (or URLs) the catalogue keeps and
// deletes every other row. When the list could not be written completely the
// deletion is skipped: rows that should go are then left for the next save,
// instead of rows that should stay being deleted.
template <typename Range>
void DeleteRowsNotKept(SaveTransaction& tx, sqlite3* db, const Range& kept, const char* createSql,
                       const char* insertSql, const char* deleteSql, const char* dropSql) {
    bool complete = tx.Exec(createSql);
    if (complete) {
        SqliteStatement insert(db, insertSql);
        complete = bool(insert);
        for (const std::wstring& value : kept) {
            if (!complete) break;
            BindText(insert.get(), 1, value);
            complete = tx.Step(insert.get());
        }
    }
    if (complete && tx.Healthy()) tx.Exec(deleteSql);
    tx.Exec(dropSql);
}

std::vector<std::wstring> GroupNames() {
    std::vector<std::wstring> names;
    names.reserve(g_app.groups.size());
    for (const UrlGroup& group : g_app.groups) names.push_back(group.name);
    return names;
}

}  // namespace

const char* const kUrlUpsertSql =
    "INSERT INTO urls (group_id, url, title, created, updated, sort_order, open_count, last_opened, "
    "pinned, "
    "reminder_date, reminder_action, reminder_repeat) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON "
    "CONFLICT(url) DO UPDATE SET group_id=excluded.group_id, title=excluded.title, "
    "created=COALESCE(urls.created, excluded.created), updated=excluded.updated, "
    "sort_order=excluded.sort_order, open_count=excluded.open_count, last_opened=excluded.last_opened, "
    "pinned=excluded.pinned, reminder_date=excluded.reminder_date, "
    "reminder_action=excluded.reminder_action, "
    "reminder_repeat=excluded.reminder_repeat;";

bool WriteGroups(SaveTransaction& tx, sqlite3* db) {
    SqliteStatement upsert(
        db,
        "INSERT INTO groups (name, updated, sort_order) VALUES (?, ?, ?) ON CONFLICT(name) DO UPDATE "
        "SET updated=excluded.updated, sort_order=excluded.sort_order;");
    if (!upsert) return false;
    int position = 0;
    for (const UrlGroup& group : g_app.groups) {
        if (!tx.Healthy()) break;
        BindText(upsert.get(), 1, group.name);
        BindTextOrNull(upsert.get(), 2, TextOf(g_app.groupUpdatedAt, group.name));
        sqlite3_bind_int(upsert.get(), 3, position++);
        tx.Step(upsert.get());
    }
    return true;
}


std::map<std::wstring, int64_t> GroupRowIds(SaveTransaction& tx, sqlite3* db) {
    std::map<std::wstring, int64_t> rowIds;
    SqliteStatement query(db, "SELECT id, name FROM groups;");
    if (!query) {
        tx.ReadEnded(sqlite3_errcode(db));
        return rowIds;
    }
    int rc;
    while ((rc = sqlite3_step(query.get())) == SQLITE_ROW)
        rowIds[ColumnText(query.get(), 1)] = sqlite3_column_int64(query.get(), 0);
    tx.ReadEnded(rc);
    return rowIds;
}

void BindUrlRow(sqlite3_stmt* stmt, int64_t groupRowId, const std::wstring& url, int position) {
    const std::wstring& title = TextOf(g_app.titles, url);
    sqlite3_bind_int64(stmt, 1, groupRowId);
    BindText(stmt, 2, url);
    // A title that only repeats the URL carries nothing worth storing.
    BindTextOrNull(stmt, 3, title == url ? std::wstring() : title);
    BindTextOrNull(stmt, 4, TextOf(g_app.createdAt, url));
    BindTextOrNull(stmt, 5, TextOf(g_app.updatedAt, url));
    sqlite3_bind_int(stmt, 6, position);
    sqlite3_bind_int(stmt, 7, IntOf(g_app.openCounts, url));
    BindTextOrNull(stmt, 8, TextOf(g_app.lastOpenedAt, url));
    sqlite3_bind_int(stmt, 9, g_app.pinnedUrls.count(url) ? 1 : 0);
    BindTextOrNull(stmt, 10, TextOf(g_app.reminderDates, url));
    sqlite3_bind_int(stmt, 11, IntOf(g_app.reminderActions, url));
    sqlite3_bind_int(stmt, 12, IntOf(g_app.reminderRepeats, url));
}

static bool WriteUrls(SaveTransaction& tx, sqlite3* db, const std::map<std::wstring, int64_t>& groupRowIds) {
    SqliteStatement upsert(db, kUrlUpsertSql);
    if (!upsert) return false;
    for (const UrlGroup& group : g_app.groups) {
        auto row = groupRowIds.find(group.name);
        if (row == groupRowIds.end()) continue;
        int position = 0;
        for (const std::wstring& url : group.urls) {
            if (!tx.Healthy()) return true;
            BindUrlRow(upsert.get(), row->second, url, position++);
            tx.Step(upsert.get());
        }
    }
    return true;
}

void WriteTags(SaveTransaction& tx, sqlite3* db) {
    SqliteStatement upsert(db,
                           "INSERT INTO tags (name, updated) VALUES (?, ?) ON CONFLICT(name) DO UPDATE SET "
                           "updated=excluded.updated;");
    if (!upsert) return;
    for (const std::wstring& name : g_app.tagNames) {
        if (!tx.Healthy()) return;
        BindText(upsert.get(), 1, name);
        BindTextOrNull(upsert.get(), 2, TextOf(g_app.tagUpdatedAt, name));
        tx.Step(upsert.get());
    }
}

// Tables that are rebuilt from scratch are emptied only once the statement
// that refills them exists, so a failed prepare keeps the stored rows.
static void WriteTagAttachments(SaveTransaction& tx, sqlite3* db) {
    SqliteStatement insert(
        db,
        "INSERT INTO url_tags (url_id, tag_id) SELECT u.id, t.id FROM urls u, tags t WHERE u.url = ? "
        "AND t.name = ?;");
    if (!insert || !tx.Exec("DELETE FROM url_tags;")) return;
    for (const auto& [url, tags] : g_app.urlTags) {
        for (const std::wstring& tag : tags) {
            if (!tx.Healthy()) return;
            BindText(insert.get(), 1, url);
            BindText(insert.get(), 2, tag);
            tx.Step(insert.get());
        }
    }
}

static void WriteRules(SaveTransaction& tx, sqlite3* db, const std::vector<AutoRule>& rules, const char* deleteSql,
                const char* insertSql) {
    SqliteStatement insert(db, insertSql);
    if (!tx.Healthy() || !insert || !tx.Exec(deleteSql)) return;
    for (const AutoRule& rule : rules) {
        if (!tx.Healthy()) return;
        BindText(insert.get(), 1, rule.pattern);
        BindText(insert.get(), 2, rule.target);
        tx.Step(insert.get());
    }
}

void DeleteGroupsNotKept(SaveTransaction& tx, sqlite3* db) {
    DeleteRowsNotKept(tx, db, GroupNames(), "CREATE TEMP TABLE _keep_groups (name TEXT);",
                      "INSERT INTO _keep_groups (name) VALUES (?);",
                      "DELETE FROM groups WHERE name NOT IN (SELECT name FROM _keep_groups);",
                      "DROP TABLE _keep_groups;");
}

void DeleteTagsNotKept(SaveTransaction& tx, sqlite3* db) {
    DeleteRowsNotKept(tx, db, g_app.tagNames, "CREATE TEMP TABLE _keep_tags (name TEXT);",
                      "INSERT INTO _keep_tags (name) VALUES (?);",
                      "DELETE FROM tags WHERE name NOT IN (SELECT name FROM _keep_tags);",
                      "DROP TABLE _keep_tags;");
}

void WriteAllRules(SaveTransaction& tx, sqlite3* db) {
    WriteRules(tx, db, g_app.autoTagRules, "DELETE FROM auto_tag_rules;",
               "INSERT INTO auto_tag_rules (pattern, tag_name) VALUES (?, ?);");
    WriteRules(tx, db, g_app.autoGroupRules, "DELETE FROM auto_group_rules;",
               "INSERT INTO auto_group_rules (pattern, group_name) VALUES (?, ?);");
}

bool WriteWholeCatalogue(SaveTransaction& tx, sqlite3* db) {
    if (!WriteGroups(tx, db)) return false;
    if (tx.Healthy()) DeleteGroupsNotKept(tx, db);
    if (!tx.Healthy()) return false;
    if (!WriteUrls(tx, db, GroupRowIds(tx, db))) return false;
    if (tx.Healthy())
        DeleteRowsNotKept(tx, db, g_app.allUrls, "CREATE TEMP TABLE _keep_urls (url TEXT);",
                          "INSERT INTO _keep_urls (url) VALUES (?);",
                          "DELETE FROM urls WHERE url NOT IN (SELECT url FROM _keep_urls);",
                          "DROP TABLE _keep_urls;");
    if (tx.Healthy()) WriteTags(tx, db);
    if (tx.Healthy()) DeleteTagsNotKept(tx, db);
    if (tx.Healthy()) WriteTagAttachments(tx, db);
    WriteAllRules(tx, db);
    return tx.Healthy();
}

}  // namespace save_detail
