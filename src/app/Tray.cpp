#include "app/Tray.h"

#include "app/MainWindow.h"
#include "ui/CommandIds.h"
#include "resource.h"
#include "settings/Settings.h"

namespace {

HWND ZOrder() { return g_settings.alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST; }

}  // namespace

void AddTrayIcon(HWND window) { AddTrayIconWithTip(window, WindowName()); }

void OnTaskbarCreated(HWND window) { AddTrayIconAgain(window); }

void RestoreWindowRect(HWND window) {
    if (!window || !g_settings.windowRectKnown) return;
    const RECT& r = g_settings.windowRect;
    SetWindowPos(window, ZOrder(), r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void CenterMainWindow(HWND window) {
    RECT r;
    if (!GetWindowRect(window, &r)) return;
    int x = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
    SetWindowPos(window, ZOrder(), x, y, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
}

void ShowFromTray(HWND window) {
    if (g_settings.windowRectKnown)
        RestoreWindowRect(window);
    else
        CenterMainWindow(window);
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
}

void HideToTray(HWND window) {
    RecordWindowRect(window);
    AddTrayIcon(window);
    ShowWindow(window, SW_HIDE);
}

void OnMinimizedToTray(HWND window) {
    // The rectangle recorded before the minimise stays: it is where the window
    // comes back.
    AddTrayIcon(window);
    ShowWindow(window, SW_HIDE);
}

void OnShowHideHotkey(HWND window) {
    if (IsWindowVisible(window) && !IsIconic(window)) {
        RecordWindowRect(window);
        ShowWindow(window, SW_HIDE);
    } else {
        ShowFromTray(window);
    }
}

void OnTrayNotify(HWND window, UINT mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONDBLCLK:
            ShowFromTray(window);
            break;
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU: {
            HMENU menu = CreatePopupMenu();
            if (!menu) break;
            AppendMenuW(menu, MF_STRING, IDM_TRAY_RESTORE, L"&Restore");
            AppendMenuW(menu, MF_STRING, IDM_QUICK_ADD, L"Quick &Add URL...");
            AppendMenuW(menu, MF_STRING, IDM_TRAY_OPTIONS, L"&Options...");
            AppendMenuW(menu, MF_STRING, IDM_TRAY_ABOUT, L"&About");
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            AppendMenuW(menu, MF_STRING, IDM_EXIT, L"E&xit");
            SetForegroundWindow(window);
            POINT pt;
            GetCursorPos(&pt);
            TrackPopupMenu(menu, TPM_RIGHTBUTTON, pt.x, pt.y, 0, window, nullptr);
            DestroyMenu(menu);
            break;
        }
        default:
            break;
    }
}
