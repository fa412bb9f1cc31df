#include "app/Tray.h"

#include <shellapi.h>

#include "app/CommandIds.h"
#include "app/DebugLog.h"
#include "app/MainWindow.h"
#include "resource.h"
#include "settings/Settings.h"

namespace {

bool g_trayPresent = false;
NOTIFYICONDATAW g_tray{};         // kept for the whole run; balloons are sent from copies
NOTIFYICONDATAW g_lastBalloon{};  // what the shell last accepted as a balloon

constexpr UINT kTrayFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

void CopyToField(wchar_t* field, size_t fieldSize, const std::wstring& text) {
    std::wstring fitted = FitToField(text, fieldSize - 1);
    wmemcpy(field, fitted.c_str(), fitted.size() + 1);
}

HWND ZOrder() { return g_settings.alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST; }

}  // namespace

std::wstring FitToField(const std::wstring& text, size_t maxChars) {
    if (text.size() <= maxChars) return text;
    static const std::wstring kEllipsis = L"...";
    size_t keep = maxChars > kEllipsis.size() ? maxChars - kEllipsis.size() : 0;
    if (keep > 0 && IS_HIGH_SURROGATE(text[keep - 1])) --keep;
    return text.substr(0, keep) + kEllipsis.substr(0, maxChars - keep);
}

NOTIFYICONDATAW BuildTrayIconData(HWND window, HICON icon, const std::wstring& tip) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = kTrayIconId;
    data.uFlags = kTrayFlags;
    data.uCallbackMessage = WM_TRAY_NOTIFY;
    data.hIcon = icon;
    CopyToField(data.szTip, ARRAYSIZE(data.szTip), tip);
    data.uVersion = 0;  // plain mouse messages in the callback's lParam
    return data;
}

NOTIFYICONDATAW BuildBalloonData(const NOTIFYICONDATAW& icon, const std::wstring& title,
                                 const std::wstring& text, HICON balloonIcon) {
    NOTIFYICONDATAW data = icon;
    data.uFlags = kTrayFlags | NIF_INFO;
    CopyToField(data.szInfoTitle, ARRAYSIZE(data.szInfoTitle), title);
    CopyToField(data.szInfo, ARRAYSIZE(data.szInfo), text);
    data.dwInfoFlags = balloonIcon ? NIIF_USER : NIIF_INFO;
    data.hBalloonIcon = balloonIcon;
    return data;
}

bool TrayIconPresent() { return g_trayPresent; }

const NOTIFYICONDATAW& LastTrayBalloon() { return g_lastBalloon; }

void AddTrayIcon(HWND window) {
    if (g_trayPresent) return;
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VANTRELIX));
    if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
    g_tray = BuildTrayIconData(window, icon, WindowName());
    if (!Shell_NotifyIconW(NIM_ADD, &g_tray)) {
        LogLastError(L"Shell_NotifyIconW(NIM_ADD)");
        return;
    }
    g_trayPresent = true;
    g_lastBalloon = NOTIFYICONDATAW{};
    Shell_NotifyIconW(NIM_SETVERSION, &g_tray);
}

void RemoveTrayIcon() {
    if (g_trayPresent && !Shell_NotifyIconW(NIM_DELETE, &g_tray)) LogLastError(L"Shell_NotifyIconW(NIM_DELETE)");
    g_trayPresent = false;
    g_tray.hIcon = nullptr;
}

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

// A restarted shell has no icons and broadcasts "TaskbarCreated". The icon
// is added again even though we had it: the record says present, the new
// shell knows nothing of it. Any program can send the broadcast, so an icon
// the shell still holds is deleted first rather than added twice (which the
// shell refuses).
void OnTaskbarCreated(HWND window) {
    if (g_trayPresent) Shell_NotifyIconW(NIM_DELETE, &g_tray);
    g_trayPresent = false;
    AddTrayIcon(window);
}

void ShowTrayBalloon(const std::wstring& title, const std::wstring& text, HICON icon) {
    if (!g_trayPresent) return;
    NOTIFYICONDATAW balloon = BuildBalloonData(g_tray, title, text, icon);
    if (Shell_NotifyIconW(NIM_MODIFY, &balloon)) g_lastBalloon = balloon;
}

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
