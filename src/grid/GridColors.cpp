// The grid's colours: the light and dark palettes, group and tag colours
// from a name hash, and the row backgrounds of colour coding.
#include <algorithm>
#include <array>

#include "grid/GridInternal.h"
#include "grid/GridWindow.h"
#include "model/AppState.h"

namespace {

constexpr std::array<COLORREF, 8> kNamePalette{
    RGB(0x42, 0x85, 0xF4), RGB(0x34, 0xA8, 0x53), RGB(0xEA, 0x43, 0x35), RGB(0xFB, 0xBC, 0x04),
    RGB(0x8E, 0x44, 0xAD), RGB(0xE6, 0x7E, 0x22), RGB(0x1A, 0xBC, 0x9C), RGB(0xC0, 0x39, 0x2B),
};
constexpr COLORREF kNoGroupColor = RGB(0x78, 0x78, 0x78);

constexpr wchar_t kCheckMark = 0x2714;
constexpr wchar_t kCrossMark = 0x2718;

}  // namespace

// The system colours are read at every paint so a theme change on the
// light side shows at the next repaint without any notification handling.
GridPalette GridPaletteFor(bool dark) {
    if (dark)
        return GridPalette{RGB(0x2D, 0x2D, 0x2D), RGB(0xDC, 0xDC, 0xDC), RGB(0x24, 0x24, 0x24),
                           RGB(0x3C, 0x3C, 0x3C), RGB(0x37, 0x37, 0x41), RGB(0x3C, 0x50, 0x6E),
                           RGB(0xDC, 0xDC, 0xDC), RGB(0x32, 0x32, 0x32), RGB(0x26, 0x26, 0x2C),
                           RGB(0x37, 0x37, 0x40), RGB(0x78, 0xB4, 0xFF)};
    return GridPalette{GetSysColor(COLOR_WINDOW),    GetSysColor(COLOR_WINDOWTEXT), RGB(0xF5, 0xF5, 0xF5),
                       RGB(0xDC, 0xDC, 0xDC),        RGB(0xE5, 0xF3, 0xFF),         GetSysColor(COLOR_HIGHLIGHT),
                       GetSysColor(COLOR_HIGHLIGHTTEXT), RGB(0xF8, 0xF8, 0xF8),     RGB(0xEB, 0xEB, 0xEB),
                       RGB(0xFA, 0xFA, 0xFA),        RGB(0x00, 0x78, 0xD7)};
}

COLORREF BlendColor(COLORREF base, COLORREF tint, int alpha) {
    alpha = std::clamp(alpha, 0, 255);
    auto mix = [alpha](int t, int b) { return static_cast<BYTE>((t * alpha + b * (255 - alpha)) / 255); };
    return RGB(mix(GetRValue(tint), GetRValue(base)), mix(GetGValue(tint), GetGValue(base)),
               mix(GetBValue(tint), GetBValue(base)));
}

COLORREF NameColor(const std::wstring& name) {
    unsigned h = 0;
    for (wchar_t c : name) h = (h * 31 + static_cast<unsigned>(c)) % 256;
    return kNamePalette[h % kNamePalette.size()];
}

COLORREF GroupColor(int groupId) {
    const UrlGroup* group = FindGroupById(groupId);
    if (!group || group->name.empty()) return kNoGroupColor;
    return NameColor(group->name);
}

COLORREF RowBackgroundColor(int groupId, const std::wstring& url, bool dark, bool alternate) {
    const GridPalette palette = GridPaletteFor(dark);
    const COLORREF base = alternate ? palette.zebraBase : palette.background;
    if (!g_settings.colorCoding) return base;
    auto status = g_app.validationStatus.find(url);
    if (status != g_app.validationStatus.end() && !status->second.empty()) {
        if (status->second[0] == kCrossMark)
            return dark ? BlendColor(base, RGB(0x96, 0x46, 0x46), 44) : BlendColor(base, RGB(0xFF, 0xDD, 0xDD), 58);
        if (status->second[0] == kCheckMark)
            return dark ? BlendColor(base, RGB(0x46, 0x8C, 0x56), 36) : BlendColor(base, RGB(0xDC, 0xF6, 0xE2), 54);
    }
    return BlendColor(base, GroupColor(groupId), dark ? 20 : 16);
}
