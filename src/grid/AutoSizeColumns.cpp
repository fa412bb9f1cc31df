#include <algorithm>

#include "grid/Columns.h"
#include "grid/UrlIndex.h"
#include "model/AppState.h"
#include "storage/Database.h"

namespace {

// The grid's DC with its font selected, released and restored on every path.
class MeasuringDC {
   public:
    explicit MeasuringDC(HWND window) : window_(window), dc_(GetDC(window)) {
        if (!dc_) return;
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
        if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        oldFont_ = SelectObject(dc_, font);
    }
    ~MeasuringDC() {
        if (!dc_) return;
        SelectObject(dc_, oldFont_);
        ReleaseDC(window_, dc_);
    }
    MeasuringDC(const MeasuringDC&) = delete;
    MeasuringDC& operator=(const MeasuringDC&) = delete;

    bool ok() const { return dc_ != nullptr; }
    int Width(const std::wstring& text) const {
        if (text.empty()) return 0;
        if (asciiExact_) {
            // Plain ASCII (nearly every URL) is the sum of its characters'
            // advance widths: no call into the platform per text.
            int sum = 0;
            bool ascii = true;
            for (wchar_t c : text) {
                if (c < 0x20 || c > 0x7E) {
                    ascii = false;
                    break;
                }
                sum += ascii_[c - 0x20];
            }
            if (ascii) return sum;
        }
        return Measure(text);
    }

    // Takes the advance widths of the printable ASCII characters, and uses
    // them only after checking that they add up to what the platform
    // measures for a text holding all of them (no kerning, no extra
    // spacing in this font).
    void PrepareAsciiWidths() {
        INT widths[0x7F - 0x20];
        if (!GetCharWidth32W(dc_, 0x20, 0x7E, widths)) return;
        std::wstring all;
        int sum = 0;
        for (wchar_t c = 0x20; c <= 0x7E; ++c) {
            ascii_[c - 0x20] = widths[c - 0x20];
            sum += widths[c - 0x20];
            all += c;
        }
        asciiExact_ = sum == Measure(all) && Measure(L"AVA Ta To We yo") == AsciiSum(L"AVA Ta To We yo");
    }

   private:
    int Measure(const std::wstring& text) const {
        SIZE size{};
        if (!GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size)) return 0;
        return size.cx;
    }
    int AsciiSum(const std::wstring& text) const {
        int sum = 0;
        for (wchar_t c : text) sum += ascii_[c - 0x20];
        return sum;
    }

    HWND window_;
    HDC dc_;
    HGDIOBJ oldFont_ = nullptr;
    int ascii_[0x7F - 0x20] = {};
    bool asciiExact_ = false;
};

}  // namespace

// Sizing while the loader files URLs one by one would measure a growing list
// again and again; the caller sizes once the load is done. Once the user has
// sized a column, the widths are theirs.
void AutoSizeColumns() {
    if (!g_gridWindow || !IsWindow(g_gridWindow) || g_catalogueLoading || g_settings.columnWidthsValid)
        return;
    MeasuringDC dc(g_gridWindow);
    if (!dc.ok()) return;
    dc.PrepareAsciiWidths();

    // The "Title" cell is the title, or the URL when it has none; titles are
    // found through a hash index built in one walk instead of a search each.
    const UrlIndex titles(g_app.titles,
                          [](const auto& entry) { return entry.second.empty() ? nullptr : &entry.second; });
    int widestTitle = 0, widestUrl = 0;
    for (const VisibleRow& row : g_grid.visibleRows) {
        const int urlWidth = dc.Width(row.url);
        const std::wstring* title = titles.Find(row.url);
        widestTitle = std::max(widestTitle, title ? dc.Width(*title) : urlWidth);
        widestUrl = std::max(widestUrl, urlWidth);
    }
    const int titleWidth = std::max(widestTitle + 40, 120);
    int urlWidth = std::max(widestUrl + 16, 200);

    RECT client{};
    GetClientRect(g_gridWindow, &client);
    const int room = (client.right - client.left) - GetSystemMetrics(SM_CXVSCROLL);
    if (titleWidth + urlWidth + kFixedAutoWidthSum < room) urlWidth = room - titleWidth - kFixedAutoWidthSum;

    for (const ColumnInfo& column : kColumnTable) g_settings.columnWidths[column.id] = column.autoWidth;
    g_settings.columnWidths[ColumnId::Title] = titleWidth;
    g_settings.columnWidths[ColumnId::Url] = urlWidth;
}
