#include <string>

#include "resource.h"
#include "settings/Settings.h"
#include "ui/DarkTheme.h"
#include "ui/LinkLabel.h"
#include "ui/ModalDialog.h"
#include "ui/StandardDialogs.h"
#include "ui/ThemeBrushes.h"
#include "ui/WebLink.h"

namespace {

struct AboutState {
    std::wstring address;
    HFONT linkFont = nullptr;  // made at WM_INITDIALOG, deleted at WM_DESTROY
};

// Without a web address there is nothing to open, and no link is shown.
void SetUpLink(HWND link, AboutState& about) {
    const std::wstring host = HostOfWebAddress(about.address);
    if (host.empty()) {
        ShowWindow(link, SW_HIDE);
        return;
    }
    SetWindowTextW(link, host.c_str());
    about.linkFont = MakeLinkLabel(link);
}

INT_PTR OnAboutInit(HWND dialog, LPARAM state) {
    KeepDialogState(dialog, state);
    ApplyDarkDialog(dialog);
    SetUpLink(GetDlgItem(dialog, IDC_ABOUT_LINK), *DialogStateOf<AboutState>(dialog));
    return TRUE;
}

INT_PTR OnAboutCommand(HWND dialog, WORD id, WORD code) {
    switch (id) {
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, id);
            return TRUE;
        case IDC_ABOUT_LINK:
            if (code == STN_CLICKED) OpenWebAddress(dialog, DialogStateOf<AboutState>(dialog)->address);
            return TRUE;
        default: return FALSE;
    }
}

// The link is blue in both themes; the other labels are light on dark in
// the dark theme and the platform's own in the light theme.
INT_PTR OnAboutStaticColor(HDC dc, HWND control) {
    const bool dark = g_settings.darkMode;
    if (GetDlgCtrlID(control) == IDC_ABOUT_LINK) {
        SetTextColor(dc, kLinkTextColor);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<INT_PTR>(dark ? DarkWindowBrush() : GetSysColorBrush(COLOR_BTNFACE));
    }
    if (!dark) return FALSE;
    SetTextColor(dc, kDarkTextColor);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(DarkWindowBrush());
}

void OnAboutDestroy(HWND dialog) {
    AboutState* about = DialogStateOf<AboutState>(dialog);
    if (!about || !about->linkFont) return;
    DeleteObject(about->linkFont);
    about->linkFont = nullptr;
}

// The labels' colours are the About box's own; every other colour message
// is the dark theme's.
INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_CTLCOLORSTATIC)
        if (HBRUSH brush = DarkDialogColor(message, reinterpret_cast<HDC>(wParam)))
            return reinterpret_cast<INT_PTR>(brush);
    switch (message) {
        case WM_INITDIALOG: return OnAboutInit(dialog, lParam);
        case WM_COMMAND: return OnAboutCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        case WM_CTLCOLORSTATIC: return OnAboutStaticColor((HDC)wParam, (HWND)lParam);
        case WM_DESTROY: OnAboutDestroy(dialog); return FALSE;
        default: return FALSE;
    }
}

}  // namespace

void ShowAboutDialog(HWND owner) {
    AboutState about;
    about.address = g_settings.productSite;
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUTBOX), owner, AboutProc,
                    reinterpret_cast<LPARAM>(&about));
}
