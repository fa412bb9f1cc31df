#include "ui/TrayIcon.h"

#include "base/DebugLog.h"
#include "resource.h"

namespace {

bool g_trayPresent = false;
NOTIFYICONDATAW g_tray{};         // kept for the whole run; balloons are sent from copies
NOTIFYICONDATAW g_lastBalloon{};  // what the shell last accepted as a balloon

constexpr UINT kTrayFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

void CopyToField(wchar_t* field, size_t fieldSize, const std::wstring& text) {
    std::wstring fitted = FitToField(text, fieldSize - 1);
    wmemcpy(field, fitted.c_str(), fitted.size() + 1);
}

}  // namespace

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

void AddTrayIconWithTip(HWND window, const std::wstring& tip) {
    if (g_trayPresent) return;
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VANTRELIX));
    if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
    g_tray = BuildTrayIconData(window, icon, tip);
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
void AddTrayIconAgain(HWND window) {
    const std::wstring tip = g_tray.szTip;
    if (g_trayPresent) Shell_NotifyIconW(NIM_DELETE, &g_tray);
    g_trayPresent = false;
    AddTrayIconWithTip(window, tip);
}

void ShowTrayBalloon(const std::wstring& title, const std::wstring& text, HICON icon) {
    if (!g_trayPresent) return;
    NOTIFYICONDATAW balloon = BuildBalloonData(g_tray, title, text, icon);
    if (Shell_NotifyIconW(NIM_MODIFY, &balloon)) g_lastBalloon = balloon;
}

