#pragma once
// The notification-area icon, its balloons and the window's trips to the tray.
#include <windows.h>

#include <string>

#include "base/FitText.h"

inline constexpr UINT kTrayIconId = 1;
inline constexpr size_t kBalloonTitleMax = 63;
inline constexpr size_t kBalloonTextMax = 255;
inline constexpr size_t kTrayTipMax = 127;

bool TrayIconPresent();
void AddTrayIcon(HWND window);
void RemoveTrayIcon();
// The caller keeps ownership of the icon.
void ShowTrayBalloon(const std::wstring& title, const std::wstring& text, HICON icon);


void ShowFromTray(HWND window);
void HideToTray(HWND window);
void CenterMainWindow(HWND window);
void RestoreWindowRect(HWND window);
void OnTrayNotify(HWND window, UINT mouseMessage);
void OnShowHideHotkey(HWND window);
void OnMinimizedToTray(HWND window);
