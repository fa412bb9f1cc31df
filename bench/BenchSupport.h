#pragma once
// Shared pieces of the benchmark program: clock, medians, scratch files,
// resetting the process-wide state between runs, and the result table.
#include <windows.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

struct sqlite3;

struct BenchOptions {
    std::vector<int> sizes{1000, 10000, 100000};
    int runs = 7;       // runs per measurement up to 10,000 URLs
    int largeRuns = 5;  // runs per measurement above 10,000 URLs
    bool diagnose = false;
    bool withWindow = true;  // start-up and capture through the real main window
    bool gridOnly = false;   // only the grid window measurements
    bool commandsOnly = false;  // only the menus and the reminder check
};

int RunsFor(const BenchOptions& options, int size);

// Milliseconds from an arbitrary origin, from the performance counter.
double NowMs();
double Median(std::vector<double> samples);

// A folder of its own under the temporary folder; removed with its files.
std::wstring MakeScratchFolder();
void RemoveScratchFolder(const std::wstring& folder);
// Replaces `to` with a byte copy of `from`, so every run starts on the same file.
bool CopyFresh(const std::wstring& from, const std::wstring& to);

// Empties the catalogue and grid state and points the settings at `dbPath`,
// as a newly started program with default preferences would be.
void ResetProcessState(const std::wstring& dbPath);

// The cache and temporary-storage settings the program gives each of its own
// connections. The plain baselines run on SQLite's defaults; the tuned ones
// apply these, so that a ratio against them shows the program's own work and
// not a difference in cache size (with the default cache, sorting or indexing
// 100,000 rows spills to temporary files).
void ApplyProgramConnectionSettings(sqlite3* db);

// Counting queries against a file, through a connection of their own.
long long CountRows(const std::wstring& dbPath, const char* sql, const std::wstring& bindText = L"");

// Dispatches this thread's messages until `done` holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
void PumpFor(DWORD ms);

struct BenchResult {
    std::string name;
    int size = 0;
    int runs = 0;
    double median = NAN;
    double baseline = NAN;  // NAN when the measurement has no baseline
    std::string note;
};

void PrintResultTable(const std::vector<BenchResult>& results);
std::string FormatMs(double ms);
