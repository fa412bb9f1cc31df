#include "app/OwnerDraw.h"

#include "grid/FilterBar.h"
#include "grid/StatusBar.h"
#include "settings/Settings.h"
#include "ui/GdiGuards.h"
#include "ui/ThemeBrushes.h"

namespace {

constexpr int kStatusTextInset = 6;
constexpr int kClearButtonCorner = 5;
constexpr int kClearGlyphHeight = -20;
constexpr int kClearGlyphWeight = 700;
constexpr size_t kButtonTextRoom = 128;
constexpr UINT kCentredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// Background and glyph colours of the clear-search button by theme and state.
struct ClearButtonColors {
    COLORREF pressed, hot, normal;
    COLORREF glyphActive, glyphIdle;  // active: pressed or hot
};
constexpr ClearButtonColors kClearDark{RGB(0x50, 0x50, 0x5F), RGB(0x46, 0x46, 0x55), RGB(0x3A, 0x3A, 0x48),
                                       RGB(0xEB, 0xEB, 0xF0), RGB(0xB9, 0xB9, 0xC6)};
constexpr ClearButtonColors kClearLight{RGB(0xAF, 0xAF, 0xBE), RGB(0xC3, 0xC3, 0xD2), RGB(0xD7, 0xD7, 0xE1),
                                        RGB(0x1E, 0x1E, 0x28), RGB(0x50, 0x50, 0x5F)};

constexpr COLORREF kDarkButtonPressed = RGB(0x46, 0x46, 0x46);
constexpr COLORREF kDarkButtonFocusFrame = RGB(0x78, 0xA0, 0xDC);
constexpr COLORREF kDarkButtonFrame = RGB(0x64, 0x64, 0x64);

bool IsWindowNamed(HWND item, HWND known) { return known && item == known; }

void FillWith(HDC dc, const RECT& rect, COLORREF color) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(color));
    if (brush) FillRect(dc, &rect, brush.get());
}

void DrawStatusPart(const DRAWITEMSTRUCT& item) {
    const bool dark = g_settings.darkMode;
    DcStateGuard state(item.hDC);
    FillRect(item.hDC, &item.rcItem, dark ? DarkControlBrush() : GetSysColorBrush(COLOR_BTNFACE));
    SetTextColor(item.hDC, dark ? kDarkTextColor : GetSysColor(COLOR_BTNTEXT));
    SetBkMode(item.hDC, TRANSPARENT);
    RECT text = item.rcItem;
    text.left += kStatusTextInset;
    text.right -= kStatusTextInset;
    const std::wstring& status = StatusSlotText(item.itemData);
    DrawTextW(item.hDC, status.c_str(), static_cast<int>(status.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// The glyph is the control's own font made large and bold, so it follows
// whatever font the button was given.
HFONT CreateClearGlyphFont(const DRAWITEMSTRUCT& item) {
    HGDIOBJ base = reinterpret_cast<HGDIOBJ>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    if (!base) base = GetCurrentObject(item.hDC, OBJ_FONT);
    LOGFONTW font{};
    if (!base || !GetObjectW(base, sizeof font, &font)) return nullptr;
    font.lfHeight = kClearGlyphHeight;
    font.lfWidth = 0;
    font.lfWeight = kClearGlyphWeight;
    return CreateFontIndirectW(&font);
}

void DrawClearButton(const DRAWITEMSTRUCT& item) {
    const bool dark = g_settings.darkMode;
    const ClearButtonColors& colors = dark ? kClearDark : kClearLight;
    const bool pressed = item.itemState & ODS_SELECTED;
    const bool hot = item.itemState & ODS_HOTLIGHT;
    DcStateGuard state(item.hDC);
    FillRect(item.hDC, &item.rcItem, dark ? DarkWindowBrush() : GetSysColorBrush(COLOR_WINDOW));
    {
        GdiObject<HBRUSH> fill(CreateSolidBrush(pressed ? colors.pressed : hot ? colors.hot : colors.normal));
        SelectGuard brush(item.hDC, fill.get());
        SelectGuard pen(item.hDC, GetStockObject(NULL_PEN));
        const RECT& r = item.rcItem;
        RoundRect(item.hDC, r.left + 1, r.top + 1, r.right - 1, r.bottom - 1, kClearButtonCorner,
                  kClearButtonCorner);
    }
    GdiObject<HFONT> glyphFont(CreateClearGlyphFont(item));
    SelectGuard font(item.hDC, glyphFont.get());
    SetTextColor(item.hDC, pressed || hot ? colors.glyphActive : colors.glyphIdle);
    SetBkMode(item.hDC, TRANSPARENT);
    RECT text = item.rcItem;
    DrawTextW(item.hDC, L"\u00D7", 1, &text, kCentredLine);
}

// In dark mode the function-key buttons are owner-drawn (the platform's push
// buttons ignore the control colours) and get the dark palette here.
void DrawDarkButton(const DRAWITEMSTRUCT& item) {
    DcStateGuard state(item.hDC);
    if (item.itemState & ODS_SELECTED)
        FillWith(item.hDC, item.rcItem, kDarkButtonPressed);
    else
        FillRect(item.hDC, &item.rcItem, DarkControlBrush());
    {
        GdiObject<HBRUSH> frame(
            CreateSolidBrush(item.itemState & ODS_FOCUS ? kDarkButtonFocusFrame : kDarkButtonFrame));
        if (frame) FrameRect(item.hDC, &item.rcItem, frame.get());
    }
    wchar_t caption[kButtonTextRoom] = {};
    const int length = GetWindowTextW(item.hwndItem, caption, static_cast<int>(kButtonTextRoom));
    SetTextColor(item.hDC, kDarkTextColor);
    SetBkMode(item.hDC, TRANSPARENT);
    RECT text = item.rcItem;
    DrawTextW(item.hDC, caption, length, &text, kCentredLine);
}

}  // namespace

LRESULT OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (IsWindowNamed(item.hwndItem, g_statusBar)) {
        DrawStatusPart(item);
        return TRUE;
    }
    if (IsWindowNamed(item.hwndItem, g_searchClearButton)) {
        DrawClearButton(item);
        return TRUE;
    }
    if (item.CtlType == ODT_BUTTON && g_settings.darkMode) {
        DrawDarkButton(item);
        return TRUE;
    }
    return 0;
}
