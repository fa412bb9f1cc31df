#include "app/StorageNotices.h"

#include "base/DebugLog.h"
#include "app/MainWindow.h"
#include "app/Tray.h"
#include "grid/GridState.h"
#include "storage/CatalogueFileState.h"

namespace {

std::wstring g_pendingBalloon;
std::wstring g_lastNotice;

void OnStorageNotice(const StorageNotice& notice) {
    UpdateStatusBar();
    if (notice.balloon.empty()) return;
    g_lastNotice = notice.balloon;
    DebugText((L"Vantrelix: " + notice.balloon + L"\n").c_str());
    // The start-up load runs before the tray icon exists.
    if (TrayIconPresent())
        ShowTrayBalloon(kProductName, notice.balloon, nullptr);
    else
        g_pendingBalloon = notice.balloon;
}

}  // namespace

void InstallStorageNotices() { SetStorageNoticeHandler(OnStorageNotice); }

void ShowPendingStorageNotice() {
    if (g_pendingBalloon.empty() || !TrayIconPresent()) return;
    ShowTrayBalloon(kProductName, g_pendingBalloon, nullptr);
    g_pendingBalloon.clear();
}

const std::wstring& LastStorageNotice() { return g_lastNotice; }
