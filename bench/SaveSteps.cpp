// Diagnostic mode: the statements of one catalogue save, run one step at a
// time on a fresh copy with the clock around each, to show where a slow save
// spends its time. It mirrors the save's SQL; the save itself is timed by
// BenchSave.
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <string>

#include "Benchmarks.h"
#include "model/AppState.h"
#include "storage/Database.h"
#include "storage/SaveSteps.h"
#include "storage/SqliteHandles.h"

namespace {

void Exec(sqlite3* db, const char* sql) { sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

void StepAndReset(sqlite3_stmt* stmt) {
    sqlite3_step(stmt);
    sqlite3_reset(stmt);
}

using save_detail::TextOf;

template <typename Range>
void KeepOnly(sqlite3* db, const Range& kept, const char* table, const char* column, const char* target) {
    std::string create = std::string("CREATE TEMP TABLE ") + table + " (" + column + " TEXT);";
    std::string insert = std::string("INSERT INTO ") + table + " (" + column + ") VALUES (?);";
    std::string remove = std::string("DELETE FROM ") + target + " WHERE " + column + " NOT IN (SELECT " + column +
                         " FROM " + table + ");";
    std::string drop = std::string("DROP TABLE ") + table + ";";
    Exec(db, create.c_str());
    {
        SqliteStatement stmt(db, insert.c_str());
        for (const std::wstring& value : kept) {
            BindText(stmt.get(), 1, value);
            StepAndReset(stmt.get());
        }
    }
    Exec(db, remove.c_str());
    Exec(db, drop.c_str());
}

}  // namespace

void DiagnoseSave(const BenchFiles& files, int size, std::vector<BenchResult>& results) {
    CopyFresh(files.ForSize(size), files.Work());
    std::vector<std::pair<std::string, double>> steps;
    double mark = NowMs();
    auto lap = [&](const char* name) {
        double now = NowMs();
        steps.emplace_back(name, now - mark);
        mark = now;
    };

    sqlite3* db = OpenDatabase();
    lap("open + schema");
    Exec(db, "BEGIN TRANSACTION;");
    {
        SqliteStatement upsert(db,
                               "INSERT INTO groups (name, updated, sort_order) VALUES (?, ?, ?) ON CONFLICT(name) DO "
                               "UPDATE SET updated=excluded.updated, sort_order=excluded.sort_order;");
        int position = 0;
        for (const UrlGroup& group : g_app.groups) {
            BindText(upsert.get(), 1, group.name);
            BindTextOrNull(upsert.get(), 2, TextOf(g_app.groupUpdatedAt, group.name));
            sqlite3_bind_int(upsert.get(), 3, position++);
            StepAndReset(upsert.get());
        }
    }
    std::vector<std::wstring> groupNames;
    for (const UrlGroup& group : g_app.groups) groupNames.push_back(group.name);
    KeepOnly(db, groupNames, "_keep_groups", "name", "groups");
    lap("groups upsert + keep");
    std::map<std::wstring, sqlite3_int64> groupRowIds;
    {
        SqliteStatement query(db, "SELECT id, name FROM groups;");
        while (sqlite3_step(query.get()) == SQLITE_ROW)
            groupRowIds[ColumnText(query.get(), 1)] = sqlite3_column_int64(query.get(), 0);
    }
    {
        SqliteStatement upsert(db, save_detail::kUrlUpsertSql);
        for (const UrlGroup& group : g_app.groups) {
            int position = 0;
            for (const std::wstring& url : group.urls) {
                sqlite3_stmt* s = upsert.get();
                save_detail::BindUrlRow(s, groupRowIds[group.name], url, position++);
                StepAndReset(s);
            }
        }
    }
    lap("urls upsert");
    KeepOnly(db, g_app.allUrls, "_keep_urls", "url", "urls");
    lap("urls keep + delete");
    {
        SqliteStatement upsert(db,
                               "INSERT INTO tags (name, updated) VALUES (?, ?) ON CONFLICT(name) DO UPDATE SET "
                               "updated=excluded.updated;");
        for (const std::wstring& name : g_app.tagNames) {
            BindText(upsert.get(), 1, name);
            BindTextOrNull(upsert.get(), 2, TextOf(g_app.tagUpdatedAt, name));
            StepAndReset(upsert.get());
        }
    }
    KeepOnly(db, g_app.tagNames, "_keep_tags", "name", "tags");
    lap("tags upsert + keep");
    Exec(db, "DELETE FROM url_tags;");
    lap("url_tags delete");
    {
        SqliteStatement insert(db,
                               "INSERT INTO url_tags (url_id, tag_id) SELECT u.id, t.id FROM urls u, tags t WHERE "
                               "u.url = ? AND t.name = ?;");
        for (const auto& [url, tags] : g_app.urlTags) {
            for (const std::wstring& tag : tags) {
                BindText(insert.get(), 1, url);
                BindText(insert.get(), 2, tag);
                StepAndReset(insert.get());
            }
        }
    }
    lap("url_tags insert");
    Exec(db, "DELETE FROM auto_tag_rules;");
    Exec(db, "DELETE FROM auto_group_rules;");
    lap("rules");
    Exec(db, "COMMIT;");
    lap("commit");
    sqlite3_close(db);
    lap("close");

    double total = 0;
    printf("save steps at %d URLs:\n", size);
    for (const auto& [name, ms] : steps) {
        total += ms;
        printf("  %-24s %10s ms\n", name.c_str(), FormatMs(ms).c_str());
        results.push_back({"  save step: " + name, size, 1, ms, NAN, "diagnostic, one run"});
    }
    printf("  %-24s %10s ms\n", "total", FormatMs(total).c_str());
    fflush(stdout);
}
