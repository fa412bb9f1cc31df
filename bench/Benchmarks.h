#pragma once
// The measurements. Each takes the generated database of its size (never
// modified: runs work on fresh copies in the scratch folder) and appends its
// rows to the result table.
#include <string>
#include <vector>

#include "BenchSupport.h"

struct BenchFiles {
    std::wstring folder;
    std::wstring empty;  // the schema and nothing else
    std::wstring ForSize(int size) const;
    std::wstring Work() const { return folder + L"\\work.db"; }
};

void BenchLoad(const BenchFiles& files, int size, int runs, std::vector<BenchResult>& results);
void BenchSave(const BenchFiles& files, int size, int runs, bool diagnose, std::vector<BenchResult>& results);
// Sizes 0 (empty file), 10,000 and 100,000; skipped unless both are generated.
void BenchStartup(const BenchFiles& files, const BenchOptions& options, std::vector<BenchResult>& results);
// Search keystroke, sorted rebuild and display lines on a generated catalogue.
void BenchGridRows(int size, int runs, std::vector<BenchResult>& results);
// Paint, mouse move and arrow key in the real grid window at each size; the
// smallest size is every row's baseline.
void BenchGridWindow(const std::vector<int>& sizes, const BenchOptions& options, std::vector<BenchResult>& results);
void BenchCapture(const BenchFiles& files, int size, int runs, std::vector<BenchResult>& results);
// Opening the menus and the reminder check on a catalogue of 100,000 URLs in
// 1,000 groups with 1,000 tags and 10,000 reminders.
void BenchCommands(const BenchOptions& options, std::vector<BenchResult>& results);

// Main window plumbing shared by start-up and capture.
void PrepareMainWindowClass();
bool StartMainWindow();
void CloseMainWindow();
