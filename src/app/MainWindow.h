#pragma once
#include <windows.h>

// Private messages posted to the main window.
inline constexpr UINT WM_TRAY_NOTIFY = WM_USER + 1;
inline constexpr UINT WM_FETCH_DONE = WM_USER + 2;
inline constexpr UINT WM_QR_TEXT = WM_USER + 3;
inline constexpr UINT WM_QR_PREVIEW_READY = WM_USER + 4;

inline constexpr UINT_PTR TIMER_REMINDER_CHECK = 2043;
inline constexpr int HOTKEY_SHOW_HIDE = 1;

// The whole program: start-up, message loop and shutdown. Returns the exit code.
int RunVantrelix(HINSTANCE instance);
