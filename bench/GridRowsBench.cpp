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

    // A keystroke after an earlier one reuses the folded texts; the first
    // search after a catalogue change builds them.
    RebuildVisibleRowsWithSearch(L"");
    double first = MedianOf(runs, [] { RebuildVisibleRowsWithSearch(L"g"); });
    results.push_back({"first search after a change \"g\"", size, runs, first, NAN,
                       std::to_string(g_grid.visibleRows.size()) + " rows shown"});
    // The first key of a search finds many URLs, the second hardly any; each
    // run types it letter by letter and clears it again.
    for (const wchar_t* key : {L"guide", L"zqx"}) {
        std::wstring typed = key;
        std::vector<double> samples;
        for (int run = 0; run < runs; ++run) {
            for (size_t n = 1; n <= typed.size(); ++n) {
                std::wstring search = typed.substr(0, n);
                double start = NowMs();
                RefilterVisibleRowsWithSearch(search);
                samples.push_back(NowMs() - start);
            }
            size_t shown = g_grid.visibleRows.size();
            double start = NowMs();
            RefilterVisibleRowsWithSearch(L"");
            samples.push_back(NowMs() - start);
            if (run + 1 == runs)
                results.push_back(
                    {"search keystroke typing \"" + Utf8FromWide(typed) + "\"", size,
                     static_cast<int>(samples.size()), Median(samples),
                     *std::max_element(samples.begin(), samples.end()),
                     std::to_string(shown) + " rows shown; baseline column is the slowest key"});
        }
    }

    double unsortedRebuild = MedianOf(runs, [] { RebuildVisibleRowsWithSearch(L""); });
    const double keySort = SortOfPrecomputedKeys(runs);
    g_settings.sortColumn = ColumnId::Title;
    double sortedRebuild = MedianOf(runs, [] { RebuildVisibleRowsWithSearch(L""); });
    double sortedRefilter = MedianOf(runs, [] { RefilterVisibleRowsWithSearch(L""); });
    results.push_back({"sort by Title (refilter) vs key sort", size, runs, sortedRefilter, keySort, ""});
    results.push_back({"rebuild sorted by Title vs key sort", size, runs, sortedRebuild, keySort,
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
