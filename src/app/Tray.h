#pragma once
// The main window's trips to the tray and back; the icon itself is
// ui/TrayIcon.h.
#include <windows.h>

#include "ui/TrayIcon.h"

void AddTrayIcon(HWND window);

// Puts the icon into a restarted shell.
void OnTaskbarCreated(HWND window);

void ShowFromTray(HWND window);
void HideToTray(HWND window);
void CenterMainWindow(HWND window);
void RestoreWindowRect(HWND window);
void OnTrayNotify(HWND window, UINT mouseMessage);
void OnShowHideHotkey(HWND window);
void OnMinimizedToTray(HWND window);
