// The grid window at work on a generated catalogue: one full paint of a
// page, a mouse move to another line and an arrow key. Each should cost the
// same at every catalogue size; the baseline column is the same measurement
// at the smallest size, so the ratio shows any growth with the catalogue.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "Benchmarks.h"
#include "CatalogueGenerator.h"
#include "grid/Columns.h"
#include "grid/GridWindow.h"
#include "grid/Selection.h"
#include "grid/VisibleRows.h"
#include "model/AppState.h"
#include "settings/Settings.h"

namespace {

constexpr int kRepeats = 20;  // operations per sample, so one sample is well above the clock's grain

LRESULT CALLBACK PlainParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

// Median milliseconds of one operation.
template <class Work>
double PerOperation(int runs, Work work) {
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        double start = NowMs();
        for (int i = 0; i < kRepeats; ++i) work(i);
        samples.push_back((NowMs() - start) / kRepeats);
    }
    return Median(samples);
}

struct GridTimings {
    double paint = NAN, mouseMove = NAN, arrowKey = NAN, searchKey = NAN, searchKeySlowest = NAN, autoSize = NAN;
};

// A user typing a word into the search box and deleting it again, ending on
// the empty box (every row shown): each keystroke refilters the rows,
// updates the status bar and repaints the page.
void MeasureSearchKeys(HWND grid, int runs, GridTimings& timings) {
    const std::wstring word = L"guide";
    std::vector<std::wstring> texts;
    for (size_t n = 1; n <= word.size(); ++n) texts.push_back(word.substr(0, n));
    for (size_t n = word.size(); n-- > 0;) texts.push_back(word.substr(0, n));
    RefilterVisibleRowsWithSearch(L"g");  // the folded texts exist, as while typing
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        for (const std::wstring& text : texts) {
            double start = NowMs();
            RefilterVisibleRowsWithSearch(text);
            UpdateScrollBars();
            UpdateStatusBar();
            InvalidateRect(grid, nullptr, FALSE);
            UpdateWindow(grid);
            samples.push_back(NowMs() - start);
        }
    }
    timings.searchKey = Median(samples);
    timings.searchKeySlowest = *std::max_element(samples.begin(), samples.end());
}

GridTimings MeasureGrid(int size, int runs) {
    GridTimings timings;
    FillCatalogue(size);
    g_grid = GridState{};
    g_settings = Settings{};
    g_settings.columnWidthsValid = true;

    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW parentClass{};
    parentClass.lpfnWndProc = PlainParentProc;
    parentClass.hInstance = instance;
    parentClass.lpszClassName = L"GridBenchParent";
    RegisterClassW(&parentClass);
    RegisterGridClass(instance);
    HWND parent = CreateWindowExW(0, L"GridBenchParent", L"grid bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1000,
                                  700, nullptr, nullptr, instance, nullptr);
    HWND grid = CreateGridWindow(parent, instance);
    if (!parent || !grid) {
        if (parent) DestroyWindow(parent);
        printf("warning: grid window for %d URLs not created\n", size);
        return timings;
    }
    SetWindowPos(grid, nullptr, 0, 0, 980, 640, SWP_NOZORDER);
    RefreshGridWithColumns();

    // Work in the middle of the list, where neither end shortens a page.
    const int middle = static_cast<int>(g_grid.visibleRows.size()) / 2;
    SelectOnlyRow(middle);
    EnsureRowVisible(middle);
    PumpFor(50);

    timings.paint = PerOperation(runs, [&](int) {
        InvalidateRect(grid, nullptr, FALSE);
        UpdateWindow(grid);
    });
    // Between two URL rows, so that every move changes the hovered line.
    timings.mouseMove = PerOperation(runs, [&](int i) {
        const int y = 28 + 24 * (3 + (i % 2)) + 12;
        SendMessageW(grid, WM_MOUSEMOVE, 0, MAKELPARAM(300, y));
    });
    timings.arrowKey = PerOperation(runs, [&](int i) {
        SendMessageW(grid, WM_KEYDOWN, i % 2 ? VK_UP : VK_DOWN, 0);
    });
    MeasureSearchKeys(grid, runs, timings);
    // Automatic column widths, as every column refresh does while the user
    // has not sized a column.
    g_settings.columnWidthsValid = false;
    timings.autoSize = PerOperation(runs, [&](int) { AutoSizeColumns(); });
    g_settings.columnWidthsValid = true;

    DestroyWindow(parent);
    PumpFor(20);
    g_app = AppState{};
    g_grid = GridState{};
    g_settings = Settings{};
    return timings;
}

}  // namespace

void BenchGridWindow(const std::vector<int>& sizes, const BenchOptions& options, std::vector<BenchResult>& results) {
    if (sizes.empty()) return;
    std::vector<GridTimings> all;
    for (int size : sizes) all.push_back(MeasureGrid(size, RunsFor(options, size)));
    const GridTimings& base = all.front();
    const std::string baseNote = "baseline: the same at " + std::to_string(sizes.front()) + " URLs";
    for (size_t i = 0; i < sizes.size(); ++i) {
        const int runs = RunsFor(options, sizes[i]);
        results.push_back({"grid: paint one page", sizes[i], runs, all[i].paint, base.paint, baseNote});
        results.push_back({"grid: mouse move to another row", sizes[i], runs, all[i].mouseMove, base.mouseMove,
                           baseNote});
        results.push_back({"grid: arrow key", sizes[i], runs, all[i].arrowKey, base.arrowKey, baseNote});
        results.push_back({"grid: automatic column widths", sizes[i], runs, all[i].autoSize, base.autoSize, baseNote});
        results.push_back({"grid: search keystroke, refilter+status+paint", sizes[i], runs * 10, all[i].searchKey,
                           base.searchKey, "slowest " + FormatMs(all[i].searchKeySlowest) + " ms; " + baseNote});
    }
}
