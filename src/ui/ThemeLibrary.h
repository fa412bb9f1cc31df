#pragma once
// The platform's dark-mode switches: the title bar through the desktop window
// manager, and three undocumented functions of the theme library that exist
// only by ordinal. Each is optional: where one is missing or refused, that
// part of the window simply stays light.
#include <windows.h>

struct DarkModeFunctions {
    // Ordinal 135: the application's preferred mode (1 allows dark, 3 forces light).
    int(WINAPI* setPreferredAppMode)(int mode) = nullptr;
    // Ordinal 133: lets one window follow the dark mode.
    BOOL(WINAPI* allowDarkModeForWindow)(HWND window, BOOL allow) = nullptr;
    // Ordinal 136: menus pick up the mode.
    void(WINAPI* flushMenuThemes)() = nullptr;
};

// Looks the three functions up in `library` by ordinal; null where absent.
DarkModeFunctions LookUpDarkModeFunctions(HMODULE library);
// The theme library's functions, looked up on first use.
const DarkModeFunctions& ThemeLibraryFunctions();

// Each calls the theme library's function when it exists; false when it does not.
bool SetPreferredAppMode(const DarkModeFunctions& functions, bool dark);
bool AllowDarkModeForWindow(const DarkModeFunctions& functions, HWND window, bool dark);
bool FlushMenuThemes(const DarkModeFunctions& functions);

inline constexpr DWORD kDwmUseImmersiveDarkMode = 20;
// The same switch under its number before Windows 10 20H1.
inline constexpr DWORD kDwmUseImmersiveDarkModeOld = 19;

using DwmSetAttributeFunction = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);

// Darkens (or lightens again) the window's title bar; false when the window
// manager refuses both attribute numbers.
bool SetDarkTitleBar(HWND window, bool dark, DwmSetAttributeFunction setAttribute = nullptr);
