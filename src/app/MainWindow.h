#pragma once
// The process skeleton: start-up, the main window and its message loop.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/TrayIcon.h"

// Private messages posted to the main window.
inline constexpr UINT WM_FETCH_DONE = WM_USER + 2;
inline constexpr UINT WM_QR_TEXT = WM_USER + 3;
inline constexpr UINT WM_QR_PREVIEW_READY = WM_USER + 4;

inline constexpr UINT_PTR TIMER_REMINDER_CHECK = 2043;
inline constexpr UINT kReminderCheckPeriodMs = 60000;
// While the stored catalogue could not be read, it is tried again this often.
inline constexpr UINT_PTR TIMER_CATALOGUE_RETRY = 2044;
inline constexpr UINT kCatalogueRetryPeriodMs = 3000;
inline constexpr int HOTKEY_SHOW_HIDE = 1;

inline constexpr wchar_t kProductName[] = L"Vantrelix";
inline constexpr wchar_t kProductVersion[] = L"1.3.5";

extern HWND g_mainWindow;

// The whole program: start-up, message loop and shutdown. Returns the exit
// code: the quit message's (0) after a normal run, 0 when another copy of the
// same executable was brought forward instead, kExitStartFailed when the
// window class or the main window could not be made.
int RunVantrelix(HINSTANCE instance);
inline constexpr int kExitStartFailed = 1;

// Loads string resource `id` into a buffer of 100 characters; "Vantrelix"
// when the resource is missing.
void LoadStringResource(HINSTANCE instance, UINT id, wchar_t (&buffer)[100]);
// Window name and class name from the string resources ("Vantrelix v1.3.5").
void LoadWindowNames(HINSTANCE instance);
const wchar_t* WindowName();
const wchar_t* WindowClassName();

ATOM MyRegisterClass(HINSTANCE instance);
bool InitInstance(HINSTANCE instance);
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void RecordWindowRect(HWND window);
