#pragma once
// The light and the dark theme of the standard controls, the main window and
// the dialogs. The custom-drawn controls read g_settings.darkMode themselves.
#include <windows.h>

// Applies g_settings.darkMode to the main window and its children, in either
// direction. The window is remembered as the main window for later re-theming
// (see ThemedMainWindow).
void ApplyDarkMode(HWND mainWindow);
// The window ApplyDarkMode last themed, while it exists; otherwise null.
HWND ThemedMainWindow();

// Gives one standard control its visual style for the theme.
void ApplyControlTheme(HWND control, bool dark);

// At WM_INITDIALOG of every dialog: in the dark theme, a dark title bar and
// dark children; in the light theme nothing changes.
void ApplyDarkDialog(HWND dialog);

// The brush to answer a dialog's WM_CTLCOLOR* message with (after setting the
// device context's colours), or null for the default handling. Null for
// every message in the light theme.
HBRUSH DarkDialogColor(UINT message, HDC dc);
