// SaveCatalogue after one new URL, against a bulk insert of the same rows into
// an empty file: the difference is what rewriting an existing catalogue in
// place costs over writing it once.
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "Benchmarks.h"
#include "model/AppState.h"
#include "model/TextUtil.h"
#include "storage/Database.h"

namespace {

constexpr wchar_t kAddedUrl[] = L"https://added-by-bench.example/one-more";

struct GroupRow {
    std::string name, updated;
};
struct UrlRow {
    int group = 0;  // index into the group rows
    int position = 0;
    std::string url, title, created, updated, lastOpened, reminderDate;
    int openCount = 0, pinned = 0, reminderAction = 0, reminderRepeat = 0;
};

template <typename Map>
std::string Utf8Of(const Map& map, const std::wstring& key) {
    auto it = map.find(key);
    return it == map.end() ? std::string() : Utf8FromWide(it->second);
}

template <typename Map>
int IntOf(const Map& map, const std::wstring& key) {
    auto it = map.find(key);
    return it == map.end() ? 0 : int(it->second);
}

// The rows the catalogue in memory stands for, converted before the clock starts.
void CollectRows(std::vector<GroupRow>& groups, std::vector<UrlRow>& urls) {
    for (const UrlGroup& group : g_app.groups) {
        int index = int(groups.size());
        groups.push_back({Utf8FromWide(group.name), Utf8Of(g_app.groupUpdatedAt, group.name)});
        int position = 0;
        for (const std::wstring& url : group.urls) {
            UrlRow row;
            row.group = index;
            row.position = position++;
            row.url = Utf8FromWide(url);
            row.title = Utf8Of(g_app.titles, url);
            row.created = Utf8Of(g_app.createdAt, url);
            row.updated = Utf8Of(g_app.updatedAt, url);
            row.lastOpened = Utf8Of(g_app.lastOpenedAt, url);
            row.reminderDate = Utf8Of(g_app.reminderDates, url);
            row.openCount = IntOf(g_app.openCounts, url);
            row.pinned = g_app.pinnedUrls.count(url) ? 1 : 0;
            row.reminderAction = IntOf(g_app.reminderActions, url);
            row.reminderRepeat = IntOf(g_app.reminderRepeats, url);
            urls.push_back(std::move(row));
        }
    }
}

void BindOrNull(sqlite3_stmt* stmt, int index, const std::string& text) {
    if (text.empty())
        sqlite3_bind_null(stmt, index);
    else
        sqlite3_bind_text(stmt, index, text.c_str(), int(text.size()), SQLITE_STATIC);
}

// One transaction, one prepared statement per table, into a file that has the
// schema and no rows.
bool BulkInsert(const std::wstring& path, const std::vector<GroupRow>& groups, const std::vector<UrlRow>& urls,
                bool tuned) {
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(Utf8FromWide(path).c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
    if (ok && tuned) ApplyProgramConnectionSettings(db);
    sqlite3_stmt* groupInsert = nullptr;
    sqlite3_stmt* urlInsert = nullptr;
    ok = ok && sqlite3_exec(db, "BEGIN TRANSACTION;", nullptr, nullptr, nullptr) == SQLITE_OK;
    ok = ok && sqlite3_prepare_v2(db, "INSERT INTO groups (name, updated, sort_order) VALUES (?, ?, ?);", -1,
                                  &groupInsert, nullptr) == SQLITE_OK;
    ok = ok && sqlite3_prepare_v2(db,
                                  "INSERT INTO urls (group_id, url, title, created, updated, sort_order, open_count, "
                                  "last_opened, pinned, reminder_date, reminder_action, reminder_repeat) VALUES (?, ?, "
                                  "?, ?, ?, ?, ?, ?, ?, ?, ?, ?);",
                                  -1, &urlInsert, nullptr) == SQLITE_OK;
    std::vector<sqlite3_int64> groupRowIds;
    for (size_t i = 0; ok && i < groups.size(); ++i) {
        sqlite3_bind_text(groupInsert, 1, groups[i].name.c_str(), int(groups[i].name.size()), SQLITE_STATIC);
        BindOrNull(groupInsert, 2, groups[i].updated);
        sqlite3_bind_int(groupInsert, 3, int(i));
        ok = sqlite3_step(groupInsert) == SQLITE_DONE;
        sqlite3_reset(groupInsert);
        groupRowIds.push_back(sqlite3_last_insert_rowid(db));
    }
    for (size_t i = 0; ok && i < urls.size(); ++i) {
        const UrlRow& r = urls[i];
        sqlite3_bind_int64(urlInsert, 1, groupRowIds[r.group]);
        sqlite3_bind_text(urlInsert, 2, r.url.c_str(), int(r.url.size()), SQLITE_STATIC);
        BindOrNull(urlInsert, 3, r.title);
        BindOrNull(urlInsert, 4, r.created);
        BindOrNull(urlInsert, 5, r.updated);
        sqlite3_bind_int(urlInsert, 6, r.position);
        sqlite3_bind_int(urlInsert, 7, r.openCount);
        BindOrNull(urlInsert, 8, r.lastOpened);
        sqlite3_bind_int(urlInsert, 9, r.pinned);
        BindOrNull(urlInsert, 10, r.reminderDate);
        sqlite3_bind_int(urlInsert, 11, r.reminderAction);
        sqlite3_bind_int(urlInsert, 12, r.reminderRepeat);
        ok = sqlite3_step(urlInsert) == SQLITE_DONE;
        sqlite3_reset(urlInsert);
    }
    sqlite3_finalize(groupInsert);
    sqlite3_finalize(urlInsert);
    ok = ok && sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

}  // namespace

void DiagnoseSave(const BenchFiles& files, int size, std::vector<BenchResult>& results);

void BenchSave(const BenchFiles& files, int size, int runs, bool diagnose, std::vector<BenchResult>& results) {
    CopyFresh(files.ForSize(size), files.Work());
    ResetProcessState(files.Work());
    DefaultGroupId();
    LoadCatalogue();
    AddUrlToGroup(DefaultGroupId(), kAddedUrl);
    std::vector<GroupRow> groupRows;
    std::vector<UrlRow> urlRows;
    CollectRows(groupRows, urlRows);

    std::vector<double> save, bulk, tunedBulk;
    std::string note;
    std::wstring bulkPath = files.folder + L"\\bulk.db";
    for (int run = 0; run < runs; ++run) {
        CopyFresh(files.ForSize(size), files.Work());
        double start = NowMs();
        SaveCatalogue();
        save.push_back(NowMs() - start);
        long long saved = CountRows(files.Work(), "SELECT COUNT(*) FROM urls;");
        if (saved != size + 1) note = "save left " + std::to_string(saved) + " URLs";

        CopyFresh(files.empty, bulkPath);
        start = NowMs();
        bool inserted = BulkInsert(bulkPath, groupRows, urlRows, false);
        bulk.push_back(NowMs() - start);
        if (!inserted || CountRows(bulkPath, "SELECT COUNT(*) FROM urls;") != size + 1) note = "bulk insert failed";

        CopyFresh(files.empty, bulkPath);
        start = NowMs();
        inserted = BulkInsert(bulkPath, groupRows, urlRows, true);
        tunedBulk.push_back(NowMs() - start);
        if (!inserted || CountRows(bulkPath, "SELECT COUNT(*) FROM urls;") != size + 1) note = "bulk insert failed";
    }
    results.push_back({"SaveCatalogue (+1 URL)", size, runs, Median(save), Median(bulk), note});
    results.push_back({"SaveCatalogue vs tuned insert", size, runs, Median(save), Median(tunedBulk), ""});
    printf("save %d: SaveCatalogue %s ms, bulk insert %s ms, tuned insert %s ms\n", size,
           FormatMs(Median(save)).c_str(), FormatMs(Median(bulk)).c_str(), FormatMs(Median(tunedBulk)).c_str());
    fflush(stdout);
    if (diagnose) DiagnoseSave(files, size, results);
    g_app = AppState{};
}
