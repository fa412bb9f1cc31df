// LoadCatalogue against the cheapest way to get the same rows out of SQLite:
// the difference is what building the in-memory catalogue costs.
#include <sqlite3.h>

#include <cstdio>

#include "Benchmarks.h"
#include "model/AppState.h"
#include "model/TextUtil.h"
#include "storage/Database.h"

namespace {

// Every query LoadCatalogue runs, in its order: "the same rows" in full.
constexpr const char* kLoadQueries[] = {
    "SELECT id, name, updated FROM groups ORDER BY sort_order;",
    "SELECT u.group_id, u.url, u.title, u.created, u.updated, u.open_count, u.last_opened, u.pinned, "
    "u.reminder_date, u.reminder_action, u.reminder_repeat FROM urls u JOIN groups g ON u.group_id = g.id ORDER "
    "BY g.sort_order, u.sort_order;",
    "SELECT name, updated FROM tags ORDER BY name;",
    "SELECT u.url, t.name FROM url_tags ut JOIN urls u ON ut.url_id = u.id JOIN tags t ON ut.tag_id = t.id;",
    "SELECT pattern, tag_name FROM auto_tag_rules;",
    "SELECT pattern, group_name FROM auto_group_rules;",
};

constexpr char kUrlJoin[] =
    "SELECT u.group_id, u.url, u.title, u.created, u.updated, u.open_count, u.last_opened, u.pinned, "
    "u.reminder_date, u.reminder_action, u.reminder_repeat FROM urls u JOIN groups g ON u.group_id = g.id ORDER "
    "BY g.sort_order, u.sort_order;";

// Reads every column of every row; the sum keeps the reads from being
// optimised away and doubles as a row count check.
long long ReadQuery(sqlite3* db, const char* sql, long long& rows) {
    long long sum = 0;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK) {
        int columns = sqlite3_column_count(stmt);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            ++rows;
            for (int column = 0; column < columns; ++column) {
                if (sqlite3_column_type(stmt, column) == SQLITE_INTEGER) {
                    sum += sqlite3_column_int64(stmt, column);
                } else {
                    const unsigned char* text = sqlite3_column_text(stmt, column);
                    sum += sqlite3_column_bytes(stmt, column) + (text ? text[0] : 0);
                }
            }
        }
    }
    sqlite3_finalize(stmt);
    return sum;
}

// Reads every column of every row of the URL join only (`allQueries` false)
// or of every query LoadCatalogue runs; `rows` counts the URL join's rows.
long long BareRead(const std::wstring& path, long long& rows, bool tuned, bool allQueries = true) {
    long long sum = 0;
    rows = 0;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(Utf8FromWide(path).c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        if (tuned) ApplyProgramConnectionSettings(db);
        if (!allQueries) {
            sum = ReadQuery(db, kUrlJoin, rows);
        } else {
            for (const char* sql : kLoadQueries) {
                long long counted = 0;
                sum += ReadQuery(db, sql, counted);
                if (sql == kLoadQueries[1]) rows = counted;
            }
        }
    }
    sqlite3_close(db);
    return sum;
}

}  // namespace

void BenchLoad(const BenchFiles& files, int size, int runs, std::vector<BenchResult>& results) {
    std::vector<double> load, bare, tunedRead, urlRowsOnly;
    std::string note;
    for (int run = 0; run < runs; ++run) {
        // Alternating the two keeps a slow spell of the machine from landing
        // on one side only.
        CopyFresh(files.ForSize(size), files.Work());
        long long rows = 0;
        double start = NowMs();
        volatile long long sink = BareRead(files.Work(), rows, false);
        bare.push_back(NowMs() - start);
        if (rows != size) note = "bare read saw " + std::to_string(rows) + " rows";

        CopyFresh(files.ForSize(size), files.Work());
        start = NowMs();
        sink = BareRead(files.Work(), rows, true);
        tunedRead.push_back(NowMs() - start);

        CopyFresh(files.ForSize(size), files.Work());
        start = NowMs();
        sink = BareRead(files.Work(), rows, false, false);
        urlRowsOnly.push_back(NowMs() - start);
        (void)sink;

        CopyFresh(files.ForSize(size), files.Work());
        ResetProcessState(files.Work());
        start = NowMs();
        DefaultGroupId();
        LoadCatalogue();
        load.push_back(NowMs() - start);
        if (g_app.allUrls.size() != size_t(size)) note = "loaded " + std::to_string(g_app.allUrls.size()) + " URLs";
        g_app = AppState{};
    }
    results.push_back({"LoadCatalogue", size, runs, Median(load), Median(bare), note});
    results.push_back({"LoadCatalogue vs tuned read", size, runs, Median(load), Median(tunedRead), ""});
    results.push_back({"LoadCatalogue vs URL rows only", size, runs, Median(load), Median(urlRowsOnly), ""});
    printf("load %d: LoadCatalogue %s ms, bare read %s ms, tuned read %s ms\n", size, FormatMs(Median(load)).c_str(),
           FormatMs(Median(bare)).c_str(), FormatMs(Median(tunedRead)).c_str());
    fflush(stdout);
}
