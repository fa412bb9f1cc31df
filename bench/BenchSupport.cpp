#include "BenchSupport.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>

#include "grid/GridState.h"
#include "model/AppState.h"
#include "model/TextUtil.h"
#include "settings/Settings.h"

int RunsFor(const BenchOptions& options, int size) { return size > 10000 ? options.largeRuns : options.runs; }

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

double Median(std::vector<double> samples) {
    if (samples.empty()) return NAN;
    std::sort(samples.begin(), samples.end());
    size_t mid = samples.size() / 2;
    return samples.size() % 2 ? samples[mid] : (samples[mid - 1] + samples[mid]) / 2;
}

std::wstring MakeScratchFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    std::wstring folder = std::wstring(base) + L"vantrelix-bench-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

void RemoveScratchFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") DeleteFileW((folder + L"\\" + name).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

bool CopyFresh(const std::wstring& from, const std::wstring& to) {
    DeleteFileW(to.c_str());
    // A journal left beside the target would be replayed into the fresh copy.
    DeleteFileW((to + L"-journal").c_str());
    return CopyFileW(from.c_str(), to.c_str(), FALSE) != 0;
}

void ResetProcessState(const std::wstring& dbPath) {
    g_app = AppState{};
    g_grid = GridState{};
    g_settings = Settings{};
    // Nothing in a benchmark may reach the network.
    g_settings.checkForUpdates = false;
    g_settings.validateOnCapture = false;
    g_settings.customDatabasePath = dbPath;
}

void ApplyProgramConnectionSettings(sqlite3* db) {
    sqlite3_exec(db, "PRAGMA cache_size = -65536;", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "PRAGMA temp_store = MEMORY;", nullptr, nullptr, nullptr);
}

long long CountRows(const std::wstring& dbPath, const char* sql, const std::wstring& bindText) {
    sqlite3* db = nullptr;
    long long count = -1;
    if (sqlite3_open_v2(Utf8FromWide(dbPath).c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK) {
            if (!bindText.empty()) {
                std::string utf8 = Utf8FromWide(bindText);
                sqlite3_bind_text(stmt, 1, utf8.c_str(), int(utf8.size()), SQLITE_TRANSIENT);
            }
            if (sqlite3_step(stmt) == SQLITE_ROW) count = sqlite3_column_int64(stmt, 0);
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return count;
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            // The main window posts a quit when it closes; the benchmark
            // carries on with its next window.
            if (msg.message == WM_QUIT) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void PumpFor(DWORD ms) { PumpUntil([] { return false; }, ms); }

std::string FormatMs(double ms) {
    if (std::isnan(ms)) return "-";
    char buf[32];
    if (ms < 10)
        snprintf(buf, sizeof buf, "%.3f", ms);
    else if (ms < 1000)
        snprintf(buf, sizeof buf, "%.1f", ms);
    else
        snprintf(buf, sizeof buf, "%.0f", ms);
    return buf;
}

void PrintResultTable(const std::vector<BenchResult>& results) {
    printf("\n%-34s %8s %5s %12s %12s %8s  %s\n", "benchmark", "urls", "runs", "median ms", "baseline ms", "ratio",
           "note");
    for (const BenchResult& r : results) {
        std::string ratio = "-";
        if (!std::isnan(r.baseline) && r.baseline > 0) {
            char buf[32];
            snprintf(buf, sizeof buf, "%.2f", r.median / r.baseline);
            ratio = buf;
        }
        printf("%-34s %8d %5d %12s %12s %8s  %s\n", r.name.c_str(), r.size, r.runs, FormatMs(r.median).c_str(),
               FormatMs(r.baseline).c_str(), ratio.c_str(), r.note.c_str());
    }
    fflush(stdout);
}
