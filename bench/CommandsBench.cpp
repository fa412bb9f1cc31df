// What a user of a large catalogue waits for in the commands: opening the
// URLs, Groups and Tags menus (each opening rebuilds or re-checks its items)
// with 1,000 groups and 1,000 tags, and the minute's reminder check with
// 100,000 URLs of which 10,000 carry a reminder.
#include <algorithm>
#include <cstdio>

#include "Benchmarks.h"
#include "app/MainWindow.h"
#include "app/Menus.h"
#include "grid/GridState.h"
#include "grid/Selection.h"
#include "model/AppState.h"
#include "reminders/CheckReminders.h"

namespace {

constexpr int kGroups = 1000;
constexpr int kTags = 1000;
constexpr int kUrlsPerGroup = 100;
constexpr int kReminders = 10000;

// 100,000 URLs in 1,000 groups, two tags each out of 1,000, every tenth one
// with a reminder due far in the future, a few pinned.
void FillLargeCatalogue() {
    g_app = AppState{};
    for (int t = 0; t < kTags; ++t) g_app.tagNames.push_back(L"tag " + std::to_wstring(t));
    int n = 0;
    for (int g = 0; g < kGroups; ++g) {
        const int id = g == 0 ? DefaultGroupId() : CreateGroup(L"Group " + std::to_wstring(g));
        UrlGroup* group = FindGroupById(id);
        for (int u = 0; u < kUrlsPerGroup; ++u, ++n) {
            std::wstring url = L"https://host" + std::to_wstring(g) + L".example/page/" + std::to_wstring(u);
            g_app.allUrls.insert(url);
            group->urls.push_back(url);
            g_app.urlTags[url] = {g_app.tagNames[n % kTags], g_app.tagNames[(n * 7) % kTags]};
            if (n % 10 == 0) {
                g_app.reminderDates[url] = L"2999-01-01 09:00";
                g_app.reminderActions[url] = ReminderAction::Both;
            }
            if (n % 97 == 0) g_app.pinnedUrls.insert(url);
        }
    }
}

struct Timing {
    double median, slowest;
};

Timing Measure(int runs, const std::function<void()>& work) {
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        const double start = NowMs();
        work();
        samples.push_back(NowMs() - start);
    }
    return {Median(samples), *std::max_element(samples.begin(), samples.end())};
}

void Add(std::vector<BenchResult>& results, const char* name, int runs, Timing t) {
    char note[96];
    snprintf(note, sizeof note, "slowest %s ms, goal < 16 ms: %s", FormatMs(t.slowest).c_str(),
             t.slowest < 16.0 ? "holds" : "missed");
    results.push_back({name, kGroups * kUrlsPerGroup, runs, t.median, NAN, note});
    printf("%s: median %s ms, slowest %s ms\n", name, FormatMs(t.median).c_str(), FormatMs(t.slowest).c_str());
    fflush(stdout);
}

}  // namespace

void BenchCommands(const BenchOptions& options, std::vector<BenchResult>& results) {
    const int runs = std::max(options.largeRuns * 4, 20);
    const std::wstring folder = MakeScratchFolder();
    ResetProcessState(folder + L"\\commands.db");
    PrepareMainWindowClass();
    if (!StartMainWindow()) {
        printf("warning: main window not started; menu benchmarks skipped\n");
    } else {
        FillLargeCatalogue();
        RefreshGridWithColumns();
        SelectOnlyRow(static_cast<int>(g_grid.visibleRows.size()) / 2);
        auto open = [](HMENU popup) { SendMessageW(g_mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0); };
        Add(results, "open the URLs menu", runs, Measure(runs, [&] { open(g_mainMenu.urls); }));
        Add(results, "open the Groups menu (1,000 groups)", runs, Measure(runs, [&] { open(g_mainMenu.groups); }));
        Add(results, "open the Tags menu (1,000 tags)", runs, Measure(runs, [&] { open(g_mainMenu.tags); }));
        CloseMainWindow();
    }

    FillLargeCatalogue();
    ReminderFiring quiet;  // nothing is due: no balloon, no browser
    Add(results, "reminder check, 10,000 reminders", runs,
        Measure(runs, [&] { CheckReminders(L"2026-12-11 12:00", quiet); }));
    g_app = AppState{};
    RemoveScratchFolder(folder);
}
