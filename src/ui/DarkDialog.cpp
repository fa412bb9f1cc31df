#include "settings/Settings.h"
#include "ui/ControlTheme.h"
#include "ui/DarkTheme.h"
#include "ui/ThemeBrushes.h"
#include "ui/ThemeLibrary.h"

namespace {

BOOL CALLBACK ThemeDarkDialogChild(HWND child, LPARAM) {
    wchar_t name[65];
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
    SetControlTheme(child, DarkDialogChildTheme(ClassNameOf(child, name), style));
    return TRUE;
}

// What a colour message does to the control's device context.
enum class TextColors {
    Untouched,
    OnControlColor,  // light text on the control background (edit boxes)
    Transparent,     // light text straight on whatever is behind it (labels)
};

struct DialogColorRule {
    UINT message;
    TextColors text;
    HBRUSH (*brush)();
};

// List boxes are left out: their colours are the dialog's own choice.
constexpr DialogColorRule kDarkDialogColors[] = {
    {WM_CTLCOLOREDIT, TextColors::OnControlColor, DarkControlBrush},
    {WM_CTLCOLORSTATIC, TextColors::Transparent, DarkWindowBrush},
    {WM_CTLCOLORBTN, TextColors::Untouched, DarkWindowBrush},
    {WM_CTLCOLORDLG, TextColors::Untouched, DarkWindowBrush},
};

}  // namespace

void ApplyControlTheme(HWND control, bool dark) {
    if (!control) return;
    wchar_t name[65];
    std::wstring_view className = ClassNameOf(control, name);
    if (!IsClass(className, L"ComboBox")) {
        SetControlTheme(control, ControlThemeFor(className, dark));
        return;
    }
    // A combo box is three windows: the box, its edit part and its drop-down list.
    const ControlTheme boxTheme = dark ? ControlTheme::DarkCfd : ControlTheme::Default;
    SetControlTheme(control, boxTheme);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(control, &info)) return;
    if (info.hwndItem && info.hwndItem != control) SetControlTheme(info.hwndItem, boxTheme);
    if (info.hwndList)
        SetControlTheme(info.hwndList, dark ? ControlTheme::DarkExplorer : ControlTheme::Default);
}

void ApplyDarkDialog(HWND dialog) {
    if (!g_settings.darkMode || !dialog) return;
    SetDarkTitleBar(dialog, true);
    AllowDarkModeForWindow(ThemeLibraryFunctions(), dialog, true);
    EnumChildWindows(dialog, ThemeDarkDialogChild, 0);
}

HBRUSH DarkDialogColor(UINT message, HDC dc) {
    if (!g_settings.darkMode) return nullptr;
    for (const DialogColorRule& rule : kDarkDialogColors) {
        if (rule.message != message) continue;
        if (rule.text == TextColors::OnControlColor) {
            SetTextColor(dc, kDarkTextColor);
            SetBkColor(dc, kDarkControlColor);
        } else if (rule.text == TextColors::Transparent) {
            SetTextColor(dc, kDarkTextColor);
            SetBkMode(dc, TRANSPARENT);
        }
        return rule.brush();
    }
    return nullptr;
}
