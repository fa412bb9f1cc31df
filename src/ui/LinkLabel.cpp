#include "ui/LinkLabel.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kLinkSubclassId = 1;

LRESULT CALLBACK LinkLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR) {
    switch (message) {
        case WM_SETCURSOR:
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        case WM_NCDESTROY:
            RemoveWindowSubclass(label, LinkLabelProc, id);
            break;
        default:
            break;
    }
    return DefSubclassProc(label, message, wParam, lParam);
}

HFONT MakeUnderlinedFont(HWND control) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTW description{};
    if (!GetObjectW(font, sizeof description, &description)) return nullptr;
    description.lfUnderline = TRUE;
    return CreateFontIndirectW(&description);
}

}  // namespace

HFONT MakeLinkLabel(HWND label) {
    if (!label) return nullptr;
    HFONT underlined = MakeUnderlinedFont(label);
    if (underlined) SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(underlined), FALSE);
    SetWindowSubclass(label, LinkLabelProc, kLinkSubclassId, 0);
    return underlined;
}
