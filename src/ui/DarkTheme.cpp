#include "ui/DarkTheme.h"

#include <commctrl.h>

#include "settings/Settings.h"
#include "ui/ControlTheme.h"
#include "ui/ThemeBrushes.h"
#include "ui/ThemeLibrary.h"

// The main window's children are recognised by their class, so the theme
// needs no list of them: the search box is its only edit box, the filters
// its combo boxes, the "Filter by:" label its only static.

namespace {

HWND g_themedMainWindow = nullptr;

// Marks the push buttons the dark theme turned owner-drawn, so that the
// light theme turns exactly those back (the search box's clear button is
// owner-drawn in both themes).
constexpr wchar_t kDarkPushButtonProperty[] = L"VantrelixDarkPushButton";

void SetButtonType(HWND button, DWORD type) {
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(button, GWL_STYLE));
    SetWindowLongPtrW(button, GWL_STYLE, static_cast<LONG_PTR>((style & ~BS_TYPEMASK) | type));
}

void ThemeSearchBox(HWND edit, bool dark) {
    ApplyControlTheme(edit, dark);
    InvalidateRect(edit, nullptr, TRUE);
}

void ThemeFilterBox(HWND combo, bool dark) {
    ApplyControlTheme(combo, dark);
    InvalidateRect(combo, nullptr, TRUE);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(combo, &info)) return;
    if (info.hwndItem) InvalidateRect(info.hwndItem, nullptr, TRUE);
    if (info.hwndList) InvalidateRect(info.hwndList, nullptr, TRUE);
}

// The grid and the status bar: their scroll bars and frames follow the mode.
void ThemeDarkAware(HWND window, bool dark) {
    AllowDarkModeForWindow(ThemeLibraryFunctions(), window, dark);
    ApplyControlTheme(window, dark);
    InvalidateRect(window, nullptr, TRUE);
}

// The label's colours come from the main window's WM_CTLCOLORSTATIC, which a
// visual style would override, so it stays unstyled in both themes.
void ThemeLabel(HWND label, bool) {
    SetControlTheme(label, ControlTheme::Unstyled);
    RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// A push button draws its own light face whatever colours it is offered, so
// in the dark theme its owner draws it.
void ThemeButton(HWND button, bool dark) {
    const DWORD type = static_cast<DWORD>(GetWindowLongPtrW(button, GWL_STYLE)) & BS_TYPEMASK;
    if (dark && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) {
        SetButtonType(button, BS_OWNERDRAW);
        SetPropW(button, kDarkPushButtonProperty, reinterpret_cast<HANDLE>(1));
    } else if (!dark && GetPropW(button, kDarkPushButtonProperty)) {
        SetButtonType(button, BS_PUSHBUTTON);
        RemovePropW(button, kDarkPushButtonProperty);
    }
    InvalidateRect(button, nullptr, TRUE);
}

struct ChildRule {
    const wchar_t* className;
    void (*apply)(HWND child, bool dark);
};

constexpr ChildRule kChildRules[] = {
    {L"Edit", ThemeSearchBox},          {L"ComboBox", ThemeFilterBox}, {L"VantrelixGrid", ThemeDarkAware},
    {STATUSCLASSNAMEW, ThemeDarkAware}, {L"Static", ThemeLabel},       {L"Button", ThemeButton},
};

// Anything else (the menu bar) paints itself from the setting.
void ThemeChild(HWND child, bool dark) {
    wchar_t name[65];
    std::wstring_view className = ClassNameOf(child, name);
    for (const ChildRule& rule : kChildRules)
        if (IsClass(className, rule.className)) return rule.apply(child, dark);
    InvalidateRect(child, nullptr, TRUE);
}

void ThemeMainFrame(HWND main, bool dark) {
    SetDarkTitleBar(main, dark);
    const DarkModeFunctions& functions = ThemeLibraryFunctions();
    SetPreferredAppMode(functions, dark);
    AllowDarkModeForWindow(functions, main, dark);
    FlushMenuThemes(functions);
    const LONG_PTR background = dark ? reinterpret_cast<LONG_PTR>(DarkWindowBrush()) : COLOR_WINDOW + 1;
    SetClassLongPtrW(main, GCLP_HBRBACKGROUND, background);
}

}  // namespace

void ApplyDarkMode(HWND mainWindow) {
    if (!mainWindow || !IsWindow(mainWindow)) return;
    g_themedMainWindow = mainWindow;
    const bool dark = g_settings.darkMode;
    if (dark) {
        DarkWindowBrush();
        DarkControlBrush();
    }
    ThemeMainFrame(mainWindow, dark);
    // Only the main window's own children: a combo box's parts are themed
    // with their box.
    for (HWND child = GetWindow(mainWindow, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ThemeChild(child, dark);
    InvalidateRect(mainWindow, nullptr, TRUE);
}

HWND ThemedMainWindow() {
    if (g_themedMainWindow && !IsWindow(g_themedMainWindow)) g_themedMainWindow = nullptr;
    return g_themedMainWindow;
}
