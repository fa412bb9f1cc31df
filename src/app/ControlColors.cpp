#include "app/ControlColors.h"

#include "settings/Settings.h"
#include "ui/ThemeBrushes.h"

namespace {

struct ControlColorRule {
    UINT message;
    bool setsColors;  // text and background colour of the control's DC
    COLORREF background;
    HBRUSH (*brush)();
};

// Buttons keep their text colours (push buttons draw their own face); only
// the brush behind them changes.
constexpr ControlColorRule kDarkRules[] = {
    {WM_CTLCOLOREDIT, true, kDarkControlColor, DarkControlBrush},
    {WM_CTLCOLORLISTBOX, true, kDarkControlColor, DarkControlBrush},
    {WM_CTLCOLORSTATIC, true, kDarkWindowColor, DarkWindowBrush},
    {WM_CTLCOLORBTN, false, 0, DarkControlBrush},
};

}  // namespace

// In light mode the system colours stay: no brush is returned, except that
// the list of a combo box is left to DefWindowProcW.
LRESULT OnControlColor(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!g_settings.darkMode)
        return message == WM_CTLCOLORLISTBOX ? DefWindowProcW(window, message, wParam, lParam) : 0;
    for (const ControlColorRule& rule : kDarkRules) {
        if (rule.message != message) continue;
        if (rule.setsColors) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, kDarkTextColor);
            SetBkColor(dc, rule.background);
        }
        return reinterpret_cast<LRESULT>(rule.brush());
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
