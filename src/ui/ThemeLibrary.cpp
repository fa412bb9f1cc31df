#include "ui/ThemeLibrary.h"

#include <dwmapi.h>

namespace {

constexpr WORD kSetPreferredAppMode = 135;
constexpr WORD kAllowDarkModeForWindow = 133;
constexpr WORD kFlushMenuThemes = 136;

constexpr int kAllowDark = 1;
constexpr int kForceLight = 3;

template <class Function>
void LookUp(HMODULE library, WORD ordinal, Function& function) {
    FARPROC address = GetProcAddress(library, MAKEINTRESOURCEA(ordinal));
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

}  // namespace

DarkModeFunctions LookUpDarkModeFunctions(HMODULE library) {
    DarkModeFunctions functions;
    if (!library) return functions;
    LookUp(library, kSetPreferredAppMode, functions.setPreferredAppMode);
    LookUp(library, kAllowDarkModeForWindow, functions.allowDarkModeForWindow);
    LookUp(library, kFlushMenuThemes, functions.flushMenuThemes);
    return functions;
}

// The program imports SetWindowTheme from the theme library, so the library
// is loaded for the life of the process and its handle needs no release.
const DarkModeFunctions& ThemeLibraryFunctions() {
    static const DarkModeFunctions functions = LookUpDarkModeFunctions(GetModuleHandleW(L"uxtheme.dll"));
    return functions;
}

bool SetPreferredAppMode(const DarkModeFunctions& functions, bool dark) {
    if (!functions.setPreferredAppMode) return false;
    functions.setPreferredAppMode(dark ? kAllowDark : kForceLight);
    return true;
}

bool AllowDarkModeForWindow(const DarkModeFunctions& functions, HWND window, bool dark) {
    if (!functions.allowDarkModeForWindow || !window) return false;
    functions.allowDarkModeForWindow(window, dark ? TRUE : FALSE);
    return true;
}

bool FlushMenuThemes(const DarkModeFunctions& functions) {
    if (!functions.flushMenuThemes) return false;
    functions.flushMenuThemes();
    return true;
}

// Attribute 20 is the documented one; builds before it took the same value
// as 19, and refuse 20.
bool SetDarkTitleBar(HWND window, bool dark, DwmSetAttributeFunction setAttribute) {
    if (!setAttribute) setAttribute = DwmSetWindowAttribute;
    const BOOL value = dark ? TRUE : FALSE;
    if (SUCCEEDED(setAttribute(window, kDwmUseImmersiveDarkMode, &value, sizeof value))) return true;
    return SUCCEEDED(setAttribute(window, kDwmUseImmersiveDarkModeOld, &value, sizeof value));
}
