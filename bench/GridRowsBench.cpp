// Row building on the generated catalogue: a search keystroke, a rebuild
// sorted by "Title" against a sort of precomputed keys, and the display lines.
#include <algorithm>
#include <string>
#include <vector>

#include "Benchmarks.h"
#include "CatalogueGenerator.h"
#include "grid/Columns.h"
#include "grid/VisibleRows.h"
#include "model/AppState.h"
#include "model/TextUtil.h"
#include "settings/Settings.h"

namespace {

template <class Work>
double MedianOf(int runs, Work work) {
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        double start = NowMs();
        work();
        samples.push_back(NowMs() - start);
    }
    return Median(samples);
}

// The floor for any sort by "Title": the keys already computed and folded,
// one list per group, copied and sorted.
double SortOfPrecomputedKeys(int runs) {
    std::vector<std::vector<std::wstring>> keys;
    for (const UrlGroup& group : g_app.groups) {
        keys.emplace_back();
        for (const std::wstring& url : group.urls)
            keys.back().push_back(FoldAsciiCase(GetCellText(url, ColumnId::Title, -1)));
    }
    size_t sink = 0;
    double median = MedianOf(runs, [&] {
        for (const auto& group : keys) {
            std::vector<std::wstring> copy = group;
            std::stable_sort(copy.begin(), copy.end());
            sink += copy.empty() ? 0 : copy.front().size();
        }
    });
    return sink == static_cast<size_t>(-1) ? 0 : median;
}

}  // namespace

void BenchGridRows(int size, int runs, std::vector<BenchResult>& results) {
    FillCatalogue(size);
    g_grid = GridState{};
    g_settings = Settings{};

    RebuildVisibleRowsWithSearch(L"");
    // The first key of a search finds many URLs, the second hardly any.
    for (const wchar_t* key : {L"guide", L"zqx"}) {
        std::wstring search = key;
        double median = MedianOf(runs, [&] { RebuildVisibleRowsWithSearch(search); });
        std::string note = std::to_string(g_grid.visibleRows.size()) + " rows shown";
        results.push_back({"search keystroke \"" + Utf8FromWide(search) + "\"", size, runs, median, NAN, note});
        RebuildVisibleRowsWithSearch(L"");
    }

    double unsortedRebuild = MedianOf(runs, [] { RebuildVisibleRowsWithSearch(L""); });
    g_settings.sortColumn = ColumnId::Title;
    double sorted = MedianOf(runs, [] { RebuildVisibleRowsWithSearch(L""); });
    results.push_back({"rebuild sorted by Title vs key sort", size, runs, sorted, SortOfPrecomputedKeys(runs),
                       "unsorted rebuild " + FormatMs(unsortedRebuild) + " ms"});
    g_settings.sortColumn = -1;

    RebuildVisibleRowsWithSearch(L"");
    double build = MedianOf(runs, [] { return BuildDisplayLines().size(); });
    double cached = MedianOf(runs, [] {
        for (int i = 0; i < 1000; ++i) CurrentDisplayLines();
    });
    results.push_back({"display lines: build / 1000 cached reads", size, runs, build, cached, ""});

    g_app = AppState{};
    g_grid = GridState{};
    g_settings = Settings{};
}
