// LoadCatalogue against the cheapest way to get the same rows out of SQLite:
// the difference is what building the in-memory catalogue costs.
#include <sqlite3.h>

#include <cstdio>

#include "Benchmarks.h"
#include "model/AppState.h"
#include "model/TextUtil.h"
#include "storage/Database.h"

namespace {

constexpr char kUrlJoin[] =
    "SELECT u.group_id, u.url, u.title, u.created, u.updated, u.open_count, u.last_opened, u.pinned, "
    "u.reminder_date, u.reminder_action, u.reminder_repeat FROM urls u JOIN groups g ON u.group_id = g.id ORDER "
    "BY g.sort_order, u.sort_order;";

// Reads every column of every row; the sum keeps the reads from being
// optimised away and doubles as a row count check.
long long BareRead(const std::wstring& path, long long& rows, bool tuned) {
    long long sum = 0;
    rows = 0;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(Utf8FromWide(path).c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        if (tuned) ApplyProgramConnectionSettings(db);
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, kUrlJoin, -1, &stmt, nullptr) == SQLITE_OK) {
            while (sqlite3_step(stmt) == SQLITE_ROW) {
                ++rows;
                for (int column = 0; column < 11; ++column) {
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
    }
    sqlite3_close(db);
    return sum;
}

}  // namespace

void BenchLoad(const BenchFiles& files, int size, int runs, std::vector<BenchResult>& results) {
    std::vector<double> load, bare, tunedRead;
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
    printf("load %d: LoadCatalogue %s ms, bare read %s ms, tuned read %s ms\n", size, FormatMs(Median(load)).c_str(),
           FormatMs(Median(bare)).c_str(), FormatMs(Median(tunedRead)).c_str());
    fflush(stdout);
}
