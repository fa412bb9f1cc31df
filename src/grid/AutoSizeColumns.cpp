#include <algorithm>

#include "grid/Columns.h"
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
        SIZE size{};
        if (text.empty() || !GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size))
            return 0;
        return size.cx;
    }

   private:
    HWND window_;
    HDC dc_;
    HGDIOBJ oldFont_ = nullptr;
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

    int widestTitle = 0, widestUrl = 0;
    for (size_t row = 0; row < g_grid.visibleRows.size(); ++row) {
        const int index = static_cast<int>(row);
        widestTitle = std::max(widestTitle, dc.Width(GetRowCellText(index, ColumnId::Title)));
        widestUrl = std::max(widestUrl, dc.Width(g_grid.visibleRows[row].url));
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
