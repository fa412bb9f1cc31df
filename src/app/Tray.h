#pragma once
// The notification-area icon, its balloons and the window's trips to the tray.
#include <windows.h>

#include <shellapi.h>

#include <string>

inline constexpr UINT kTrayIconId = 1;
inline constexpr size_t kBalloonTitleMax = 63;
inline constexpr size_t kBalloonTextMax = 255;
inline constexpr size_t kTrayTipMax = 127;

bool TrayIconPresent();
void AddTrayIcon(HWND window);
void RemoveTrayIcon();
// The caller keeps ownership of the icon.
void ShowTrayBalloon(const std::wstring& title, const std::wstring& text, HICON icon);

// The record the icon is added with: id 1, the callback message, the icon and
// the tip cut to its field.
NOTIFYICONDATAW BuildTrayIconData(HWND window, HICON icon, const std::wstring& tip);
// The record a balloon is sent with: the icon's record plus NIF_INFO, the
// title and the text cut to their fields, NIIF_USER with a balloon icon and
// NIIF_INFO without.
NOTIFYICONDATAW BuildBalloonData(const NOTIFYICONDATAW& icon, const std::wstring& title,
                                 const std::wstring& text, HICON balloonIcon);
// The last balloon the shell accepted since the icon was added (all zero when
// none).
const NOTIFYICONDATAW& LastTrayBalloon();

// The "TaskbarCreated" message a restarted shell broadcasts; 0 when it could
// not be registered.
UINT TaskbarCreatedMessage();
// Puts the icon into a restarted shell.
void OnTaskbarCreated(HWND window);

// Text cut to fit a field of `maxChars` characters, ending in "..." when cut;
// a surrogate pair is never split.
std::wstring FitToField(const std::wstring& text, size_t maxChars);

void ShowFromTray(HWND window);
void HideToTray(HWND window);
void CenterMainWindow(HWND window);
void RestoreWindowRect(HWND window);
void OnTrayNotify(HWND window, UINT mouseMessage);
void OnShowHideHotkey(HWND window);
void OnMinimizedToTray(HWND window);
