#include <shlwapi.h>

#include <cwchar>
#include <string>

#include "app/Layout.h"
#include "app/MainWindow.h"
#include "storage/Database.h"
#include "ui/GdiGuards.h"

namespace {

constexpr size_t kPrefixRoom = 128;     // "Vantrelix v1.3.5 - " and its terminator
constexpr size_t kPathRoom = MAX_PATH;  // at most 259 characters, as PathCompactPathW wants
constexpr size_t kCaptionMax = 387;
constexpr int kMinPathRoom = 40;
static_assert(sizeof(NONCLIENTMETRICSW) == 504, "the caption font is read with the 504-byte structure");

// Pixels left for the path in the caption: the outer width less the three
// caption buttons, both frames and the prefix measured in the caption font.
// -1 when any measurement fails.
int PathRoomInCaption(HWND window, HDC screen, const wchar_t* prefix) {
    RECT outer{};
    if (!GetWindowRect(window, &outer) || outer.right - outer.left <= 0) return -1;
    SIZE prefixSize{};
    if (!GetTextExtentPoint32W(screen, prefix, static_cast<int>(wcslen(prefix)), &prefixSize)) return -1;
    return (outer.right - outer.left) -
           (3 * GetSystemMetrics(SM_CXSIZE) + 2 * GetSystemMetrics(SM_CXFRAME) + prefixSize.cx);
}

// The platform shortens the path in the middle with an ellipsis so that the
// file name stays readable; a caption with hardly any room keeps the whole
// path and lets the frame cut it.
void CompactPathForCaption(HWND window, const wchar_t* prefix, wchar_t (&path)[kPathRoom]) {
    if (!window || !IsWindow(window)) return;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return;
    WindowDC screen(nullptr);
    if (!screen) return;
    GdiObject<HFONT> captionFont(CreateFontIndirectW(&metrics.lfCaptionFont));
    if (!captionFont) return;
    SelectGuard select(screen.get(), captionFont.get());
    const int room = PathRoomInCaption(window, screen.get(), prefix);
    if (room <= kMinPathRoom) return;
    wchar_t shortened[kPathRoom];
    wcscpy(shortened, path);
    if (PathCompactPathW(screen.get(), shortened, static_cast<UINT>(room))) wcscpy(path, shortened);
}

}  // namespace

void UpdateTitleBar(HWND window) {
    if (!window) return;
    wchar_t prefix[kPrefixRoom];
    swprintf(prefix, kPrefixRoom, L"%ls v%ls - ", kProductName, kProductVersion);
    wchar_t path[kPathRoom] = {};
    const std::wstring database = DatabasePath();
    wcsncpy(path, database.c_str(), kPathRoom - 1);
    CompactPathForCaption(window, prefix, path);
    std::wstring caption = std::wstring(prefix) + path;
    if (caption.size() > kCaptionMax) caption.resize(kCaptionMax);
    SetWindowTextW(window, caption.c_str());
}
