// Start-up and capture through the real main window, the way the program runs
// them: InitInstance loads the catalogue, a clipboard change reaches the window
// procedure as WM_CLIPBOARDUPDATE and returns after the save has committed.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "Benchmarks.h"
#include "app/MainWindow.h"
#include "capture/ClipboardCapture.h"
#include "model/AppState.h"
#include "storage/Database.h"

void PrepareMainWindowClass() {
    static bool registered = false;
    if (registered) return;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    LoadWindowNames(instance);
    registered = MyRegisterClass(instance) != 0;
}

bool StartMainWindow() { return InitInstance(GetModuleHandleW(nullptr)) && g_mainWindow; }

// As the user closes it: the window saves catalogue and settings on the way out.
void CloseMainWindow() {
    HWND window = g_mainWindow;
    if (!window) return;
    SendMessageW(window, WM_CLOSE, 0, 0);
    PumpUntil([&] { return !IsWindow(window); }, 120000);
}

namespace {

// From nothing to the loaded catalogue: the in-memory part alone, and the whole
// start of the main window around it.
void MeasureStartup(const BenchFiles& files, int size, int runs, bool withWindow, double& load, double& window) {
    std::vector<double> loads, windows;
    for (int run = 0; run < runs; ++run) {
        CopyFresh(files.ForSize(size), files.Work());
        ResetProcessState(files.Work());
        double start = NowMs();
        DefaultGroupId();
        LoadCatalogue();
        loads.push_back(NowMs() - start);

        if (!withWindow) continue;
        CopyFresh(files.ForSize(size), files.Work());
        ResetProcessState(files.Work());
        start = NowMs();
        bool started = StartMainWindow();
        windows.push_back(NowMs() - start);
        if (!started || g_app.allUrls.size() != size_t(size)) printf("warning: window start at %d failed\n", size);
        CloseMainWindow();
    }
    load = Median(loads);
    window = withWindow ? Median(windows) : NAN;
    printf("start-up %d: load %s ms, InitInstance %s ms\n", size, FormatMs(load).c_str(), FormatMs(window).c_str());
    fflush(stdout);
}

std::string Linearity(double t0, double t10k, double t100k) {
    char buf[96];
    double ratio = (t100k - t0) / (t10k - t0);
    snprintf(buf, sizeof buf, "(t100k-t0)/(t10k-t0) = %.2f, goal <= 15: %s", ratio, ratio <= 15 ? "holds" : "FAILS");
    return buf;
}

}  // namespace

void BenchStartup(const BenchFiles& files, const BenchOptions& options, std::vector<BenchResult>& results) {
    bool have10k = false, have100k = false;
    for (int size : options.sizes) {
        have10k |= size == 10000;
        have100k |= size == 100000;
    }
    if (!have10k || !have100k) {
        printf("start-up linearity skipped: needs sizes 10000 and 100000\n");
        return;
    }
    if (options.withWindow) PrepareMainWindowClass();
    double load[3], window[3];
    const int sizes[3] = {0, 10000, 100000};
    for (int i = 0; i < 3; ++i)
        MeasureStartup(files, sizes[i], RunsFor(options, sizes[i]), options.withWindow, load[i], window[i]);
    for (int i = 0; i < 3; ++i)
        results.push_back({"start-up: load", sizes[i], RunsFor(options, sizes[i]), load[i], NAN,
                           i == 2 ? Linearity(load[0], load[1], load[2]) : ""});
    if (options.withWindow)
        for (int i = 0; i < 3; ++i)
            results.push_back({"start-up: InitInstance", sizes[i], RunsFor(options, sizes[i]), window[i], NAN,
                               i == 2 ? Linearity(window[0], window[1], window[2]) : ""});
}

void BenchCapture(const BenchFiles& files, int size, int runs, std::vector<BenchResult>& results) {
    PrepareMainWindowClass();
    CopyFresh(files.ForSize(size), files.Work());
    ResetProcessState(files.Work());
    if (!StartMainWindow()) {
        results.push_back({"capture one URL", size, 0, NAN, NAN, "main window did not start"});
        return;
    }
    PumpFor(200);
    std::vector<double> samples;
    std::string note;
    for (int run = 0; run < runs; ++run) {
        std::wstring copied = L"https://new-" + std::to_wstring(run + 1) + L".example/";
        // Capture files the address without its trailing slash.
        std::wstring url = copied.substr(0, copied.size() - 1);
        if (!SetClipboardText(nullptr, copied)) {
            note = "could not set the clipboard";
            break;
        }
        // The clipboard has changed; the listener's own notification may be
        // queued, but nothing is dispatched before the timed call.
        double start = NowMs();
        SendMessageW(g_mainWindow, WM_CLIPBOARDUPDATE, 0, 0);
        samples.push_back(NowMs() - start);
        long long stored = CountRows(files.Work(), "SELECT COUNT(*) FROM urls WHERE url = ?;", url);
        long long total = CountRows(files.Work(), "SELECT COUNT(*) FROM urls;");
        if (!g_app.allUrls.count(url) || stored != 1 || total != size + run + 1)
            note = "run " + std::to_string(run + 1) + ": URL not committed (" + std::to_string(stored) + ", " +
                   std::to_string(total) + " rows)";
        // Lets the queued notifications of this change and of the write-back
        // arrive; they find the URL filed already and save nothing.
        PumpFor(100);
    }
    CloseMainWindow();
    g_app = AppState{};
    // The first capture after start-up also reads what the file holds; the
    // later ones write only their change. The goal is judged on the slowest.
    double first = samples.empty() ? NAN : samples.front();
    std::vector<double> later(samples.begin() + (samples.empty() ? 0 : 1), samples.end());
    double slowest = samples.empty() ? NAN : *std::max_element(samples.begin(), samples.end());
    double limit = size == 10000 ? 100 : size == 100000 ? 1000 : NAN;
    std::string goal = std::isnan(limit) ? ""
                       : std::string("slowest ") + FormatMs(slowest) + " ms, goal < " + FormatMs(limit) +
                             " ms: " + (slowest < limit ? "holds" : "FAILS");
    results.push_back({"capture one URL, first after start", size, samples.empty() ? 0 : 1, first, NAN,
                       note.empty() ? goal : note});
    results.push_back({"capture one URL, later ones", size, int(later.size()), Median(later), NAN, ""});
    printf("capture %d: first %s ms, later %s ms\n", size, FormatMs(first).c_str(), FormatMs(Median(later)).c_str());
    fflush(stdout);
}
