// vantrelix_bench: generates catalogues of each size, then measures load,
// save, start-up and capture against baselines taken in the same process.
// Usage: vantrelix_bench [--sizes 1000,10000,100000] [--runs N] [--large-runs N]
//                        [--no-window] [--diagnose] [--grid-only] [--commands-only]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Benchmarks.h"
#include "CatalogueGenerator.h"
#include "model/AppState.h"
#include "settings/Settings.h"

std::wstring BenchFiles::ForSize(int size) const {
    return folder + L"\\catalogue-" + std::to_wstring(size) + L".db";
}

namespace {

bool ParseOptions(int argc, char** argv, BenchOptions& options) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--sizes" && hasValue) {
            options.sizes.clear();
            for (char* p = argv[++i]; *p;) {
                int size = std::atoi(p);
                if (size <= 0) return false;
                options.sizes.push_back(size);
                p = std::strchr(p, ',');
                if (!p) break;
                ++p;
            }
        } else if (arg == "--runs" && hasValue) {
            options.runs = std::atoi(argv[++i]);
        } else if (arg == "--large-runs" && hasValue) {
            options.largeRuns = std::atoi(argv[++i]);
        } else if (arg == "--diagnose") {
            options.diagnose = true;
        } else if (arg == "--grid-only") {
            options.gridOnly = true;
        } else if (arg == "--commands-only") {
            options.commandsOnly = true;
        } else if (arg == "--no-window") {
            options.withWindow = false;
        } else {
            return false;
        }
    }
    return !options.sizes.empty() && options.runs > 0 && options.largeRuns > 0;
}

}  // namespace

int main(int argc, char** argv) {
    BenchOptions options;
    if (!ParseOptions(argc, argv, options)) {
        fprintf(stderr,
                "usage: vantrelix_bench [--sizes 1000,10000,100000] [--runs N] [--large-runs N] [--no-window] "
                "[--diagnose] [--grid-only] [--commands-only]\n");
        return 2;
    }
    // Closing the main window writes the settings file beside the executable;
    // the benchmark leaves none behind.
    DeleteFileW(SettingsFilePath().c_str());

    if (options.commandsOnly) {
        std::vector<BenchResult> results;
        BenchCommands(options, results);
        PrintResultTable(results);
        DeleteFileW(SettingsFilePath().c_str());
        return 0;
    }
    if (options.gridOnly) {
        std::vector<BenchResult> results;
        BenchGridWindow(options.sizes, options, results);
        PrintResultTable(results);
        DeleteFileW(SettingsFilePath().c_str());
        return 0;
    }

    BenchFiles files;
    files.folder = MakeScratchFolder();
    files.empty = files.ForSize(0);
    printf("scratch folder: %ls\n", files.folder.c_str());

    bool generated = WriteCatalogueFile(0, files.empty);
    for (int size : options.sizes) {
        double start = NowMs();
        generated = generated && WriteCatalogueFile(size, files.ForSize(size));
        printf("generated %d URLs in %s ms\n", size, FormatMs(NowMs() - start).c_str());
        fflush(stdout);
    }
    if (!generated) {
        fprintf(stderr, "generating the catalogues failed\n");
        RemoveScratchFolder(files.folder);
        return 1;
    }

    std::vector<BenchResult> results;
    for (int size : options.sizes) BenchLoad(files, size, RunsFor(options, size), results);
    for (int size : options.sizes) BenchSave(files, size, RunsFor(options, size), options.diagnose, results);
    BenchStartup(files, options, results);
    for (int size : options.sizes) BenchGridRows(size, RunsFor(options, size), results);
    if (options.withWindow) {
        for (int size : options.sizes) BenchCapture(files, size, RunsFor(options, size), results);
        BenchGridWindow(options.sizes, options, results);
        BenchCommands(options, results);
    }

    PrintResultTable(results);
    RemoveScratchFolder(files.folder);
    DeleteFileW(SettingsFilePath().c_str());
    return 0;
}
