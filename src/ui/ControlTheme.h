#pragma once
// Which visual style each standard control gets in either theme. The choice
// depends only on the control's class and style, so it is decided by pure
// functions and applied by ApplyControlTheme and ApplyDarkDialog.
#include <windows.h>

#include <string_view>

enum class ControlTheme {
    Default,       // the platform's own visual style
    DarkExplorer,  // "DarkMode_Explorer": dark scroll bars and lists
    DarkCfd,       // "DarkMode_CFD": dark edit boxes, combo boxes, status bar
    Unstyled,      // visual styles off, so that the text colour can be set
};

// A control other than a combo box: lists and the grid take the explorer
// style, everything else the common-dialog style.
ControlTheme ControlThemeFor(std::wstring_view className, bool dark);
// A child of a dialog in the dark theme: check boxes, radio buttons and
// three-state boxes lose their visual styles, everything else is CFD.
ControlTheme DarkDialogChildTheme(std::wstring_view className, DWORD style);

// Case-insensitive class name comparison, as the platform compares them.
bool IsClass(std::wstring_view className, std::wstring_view expected);
// The window's class name, at most 64 characters.
std::wstring_view ClassNameOf(HWND window, wchar_t (&buffer)[65]);

void SetControlTheme(HWND control, ControlTheme theme);
