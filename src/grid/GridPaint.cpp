// Painting: header band, group header lines and URL rows, drawn off screen
// and copied to the window in one block so nothing flickers. Only the lines
// on the page are drawn, so a paint costs the same at any catalogue size.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "grid/Columns.h"
#include "grid/GridInternal.h"
#include "grid/GridWindow.h"
#include "grid/VisibleRows.h"
#include "model/AppState.h"
#include "ui/FaviconImages.h"

namespace {

constexpr UINT kTextFlags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
constexpr wchar_t kPinBadge[] = L"\U0001F4CC";
constexpr wchar_t kCheckMark = 0x2714;
constexpr wchar_t kCrossMark = 0x2718;

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    GdiObject brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.get());
}

void HorizontalLine(HDC dc, int left, int right, int y) {
    MoveToEx(dc, left, y, nullptr);
    LineTo(dc, right, y);
}

void VerticalLine(HDC dc, int x, int top, int bottom) {
    MoveToEx(dc, x, top, nullptr);
    LineTo(dc, x, bottom);
}

// A 10,000-character title would make DrawText measure all of it for the
// ellipsis; nothing past the first 2047 characters can be on screen anyway.
void DrawCellText(HDC dc, const wchar_t* text, size_t length, RECT rect, COLORREF color) {
    if (length == 0 || rect.right <= rect.left) return;
    SetTextColor(dc, color);
    DrawTextW(dc, text, static_cast<int>(std::min<size_t>(length, kGridTextCap)), &rect, kTextFlags);
}

void DrawCellText(HDC dc, const std::wstring& text, RECT rect, COLORREF color) {
    DrawCellText(dc, text.c_str(), text.size(), rect, color);
}

int TextWidth(HDC dc, const std::wstring& text) {
    SIZE size{};
    const int length = static_cast<int>(std::min<size_t>(text.size(), kGridTextCap));
    if (length == 0 || !GetTextExtentPoint32W(dc, text.c_str(), length, &size)) return 0;
    return size.cx;
}

// A rounded rectangle filled and outlined in one colour.
void FilledRoundRect(HDC dc, const RECT& rect, COLORREF color, int corner) {
    GdiObject brush(CreateSolidBrush(color));
    GdiObject pen(CreatePen(PS_SOLID, 1, color));
    SelectGuard useBrush(dc, brush.get());
    SelectGuard usePen(dc, pen.get());
    RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, corner, corner);
}

// Everything a paint reads once instead of once per line.
struct PaintContext {
    HDC dc;
    int width;
    int height;
    bool dark;
    GridPalette palette;
    GridColumnLayout layout;
    std::wstring nowMinute;  // "YYYY-MM-DD hh:mm" for the reminder colours
    std::wstring today;      // "YYYY-MM-DD"
};

PaintContext MakeContext(HDC dc, const RECT& client) {
    PaintContext context{dc, client.right - client.left, client.bottom - client.top, g_settings.darkMode,
                         GridPaletteFor(g_settings.darkMode), CurrentColumnLayout(), {}, {}};
    SYSTEMTIME now{};
    GetLocalTime(&now);
    wchar_t text[32];
    swprintf(text, 32, L"%04d-%02d-%02d %02d:%02d", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute);
    context.nowMinute = text;
    context.today = context.nowMinute.substr(0, 10);
    return context;
}

void PaintHeader(const PaintContext& c) {
    int x = -g_grid.scrollX;
    for (int pos = 0; pos < c.layout.count; ++pos) {
        const int column = c.layout.ids[pos];
        const int width = c.layout.widths[pos];
        const RECT cell{x, 0, x + width, kGridHeaderHeight};
        if (pos == g_grid.hoverHeaderPos) FillSolid(c.dc, cell, c.palette.hover);
        std::wstring title = ColumnTitle(column);
        if (column == g_settings.sortColumn) title += g_settings.sortAscending ? L" \u25B2" : L" \u25BC";
        DrawCellText(c.dc, title, RECT{x + kGridTextInsetLeft, 0, x + width, kGridHeaderHeight}, c.palette.text);
        VerticalLine(c.dc, x + width - 1, 0, c.height);
        x += width;
    }
    HorizontalLine(c.dc, 0, c.width, kGridHeaderHeight - 1);
}

void PaintColumnInsertionMarker(const PaintContext& c) {
    if (!g_grid.columnDragging || g_grid.columnDropSlot < 0) return;
    const int slot = std::min(g_grid.columnDropSlot, c.layout.count);
    const int x = -g_grid.scrollX + (slot < c.layout.count ? c.layout.lefts[slot] : c.layout.totalWidth);
    FillSolid(c.dc, RECT{x - 1, 2, x + 1, c.height}, c.palette.marker);
}

// The in-place editor's box is shorter than the line: what the cell or the
// group label would draw under it is left out, or its edges (the pin badge's
// corners) would show above and below the box.
bool IsUnderEditor(const std::wstring& url, int column) {
    return g_grid.editWindow && g_grid.editGroupId < 0 && g_grid.editColumn == column && g_grid.editUrl == url;
}
bool IsUnderEditor(int groupId) { return g_grid.editWindow && g_grid.editGroupId == groupId; }

void PaintGroupLine(const PaintContext& c, int groupId, bool hovered, const RECT& line) {
    COLORREF color = c.palette.groupBase;
    if (g_settings.colorCoding) color = BlendColor(color, GroupColor(groupId), c.dark ? 28 : 22);
    FillSolid(c.dc, line, hovered ? c.palette.hover : color);
    const int top = line.top;
    {
        GdiObject fill(CreateSolidBrush(c.palette.expandFill));
        SelectGuard useFill(c.dc, fill.get());
        Rectangle(c.dc, 6, top + 5, 20, top + 19);
    }
    const int middleY = top + 12;
    HorizontalLine(c.dc, 9, 17, middleY);
    if (IsGroupCollapsed(groupId)) VerticalLine(c.dc, 12, top + 8, top + 16);

    const UrlGroup* group = FindGroupById(groupId);
    wchar_t count[24];
    swprintf(count, 24, L" (%d)", GroupRowCount(groupId));
    std::wstring label = (group ? group->name : std::wstring(L"Group")) + count;
    if (!IsUnderEditor(groupId)) DrawCellText(c.dc, label, RECT{28, line.top, c.width, line.bottom}, c.palette.text);
}

COLORREF ReminderColor(const PaintContext& c, const std::wstring& url, COLORREF normal) {
    if (!g_settings.colorCoding) return normal;
    auto due = g_app.reminderDates.find(url);
    if (due == g_app.reminderDates.end()) return normal;
    if (due->second <= c.nowMinute) return kReminderDueColor;
    if (due->second.size() >= 10 && due->second.compare(0, 10, c.today) == 0)
        return c.dark ? kReminderTodayDark : kReminderTodayLight;
    return kReminderLaterColor;
}

// Chips stop at the cell's edge, so thousands of tags cost no more than the
// few that fit.
void PaintTagChips(const PaintContext& c, const std::vector<std::wstring>& tags, int x, int width,
                   const RECT& line) {
    const int cellRight = x + width;
    int left = x + 4;
    for (const std::wstring& tag : tags) {
        if (left >= cellRight - 4) break;
        int chipWidth = TextWidth(c.dc, tag) + 10;
        chipWidth = std::min(chipWidth, cellRight - 2 - left);
        if (chipWidth < 10) break;
        const RECT chip{left, line.top + 2, left + chipWidth, line.bottom - 2};
        FilledRoundRect(c.dc, chip, NameColor(tag), 8);
        DrawCellText(c.dc, tag, RECT{chip.left + 4, line.top, chip.right - 4, line.bottom}, RGB(255, 255, 255));
        left = chip.right + 4;
    }
}

// Favicon, optional pin badge, then the title text.
void PaintTitleCell(const PaintContext& c, const std::wstring& url, const std::wstring& text, int x, int width,
                    const RECT& line, COLORREF textColor) {
    if (FaviconImageList) ImageList_Draw(FaviconImageList, 0, c.dc, x + 4, line.top + 4, ILD_TRANSPARENT);
    if (IsUnderEditor(url, ColumnId::Title)) return;
    int textLeft = x + 24;
    if (g_app.pinnedUrls.count(url)) {
        SIZE badgeText{};
        GetTextExtentPoint32W(c.dc, kPinBadge, 2, &badgeText);
        const RECT badge{textLeft, line.top + 2, textLeft + badgeText.cx + 4, line.bottom - 2};
        FilledRoundRect(c.dc, badge, kPinBadgeColor, 6);
        DrawCellText(c.dc, kPinBadge, 2, RECT{badge.left + 2, line.top, badge.right, line.bottom}, RGB(0, 0, 0));
        textLeft = badge.right + 4;
    }
    DrawCellText(c.dc, text, RECT{textLeft, line.top, x + width - kGridTextInsetRight, line.bottom}, textColor);
}

void PaintUrlRow(const PaintContext& c, const DisplayLine& displayLine, int lineIndex, const RECT& line) {
    const int row = displayLine.rowIndex;
    const std::wstring& url = g_grid.visibleRows[row].url;
    const bool selected = g_grid.selectedUrls.count(url) != 0;
    const bool alternate = g_settings.zebraRows && (row % 2) == 1;
    const bool hovered = lineIndex == g_grid.hoverLine;
    COLORREF textColor = c.palette.text;
    COLORREF rowColor = 0;
    if (selected) {
        FillSolid(c.dc, line, c.palette.selectedBack);
        textColor = c.palette.selectedText;
    } else {
        rowColor = RowBackgroundColor(displayLine.groupId, url, c.dark, alternate);
        if (!g_settings.zebraColumns) {
            FillSolid(c.dc, line, rowColor);
            if (hovered) FillSolid(c.dc, line, c.palette.hover);
        }
    }

    const std::vector<std::wstring>* tags = nullptr;
    if (auto it = g_app.urlTags.find(url); it != g_app.urlTags.end() && !it->second.empty()) tags = &it->second;

    for (int pos = 0; pos < c.layout.count; ++pos) {
        const int column = c.layout.ids[pos];
        const int width = c.layout.widths[pos];
        const int x = -g_grid.scrollX + c.layout.lefts[pos];
        if (x >= c.width) break;
        if (x + width <= 0) continue;
        if (!selected && g_settings.zebraColumns) {
            COLORREF cell = rowColor;
            if (pos % 2 == 1)
                cell = c.dark ? BlendColor(cell, RGB(255, 255, 255), 12) : BlendColor(cell, RGB(0xC8, 0xC8, 0xC8), 32);
            const RECT cellRect{x, line.top, x + width, line.bottom};
            FillSolid(c.dc, cellRect, cell);
            if (hovered) FillSolid(c.dc, cellRect, c.palette.hover);
        }
        if (column == ColumnId::Tags && tags) {
            PaintTagChips(c, *tags, x, width, line);
            continue;
        }
        if (column == ColumnId::Url && IsUnderEditor(url, column)) continue;
        const std::wstring text = GetCellText(url, column, row);
        const RECT textRect{x + kGridTextInsetLeft, line.top, x + width - kGridTextInsetRight, line.bottom};
        switch (column) {
            case ColumnId::Title:
                PaintTitleCell(c, url, text, x, width, line, textColor);
                break;
            case ColumnId::Valid: {
                COLORREF color = textColor;
                if (!text.empty() && text[0] == kCheckMark) color = kValidOkColor;
                if (!text.empty() && text[0] == kCrossMark) color = kValidBadColor;
                DrawCellText(c.dc, text, textRect, color);
                break;
            }
            case ColumnId::Reminder:
                DrawCellText(c.dc, text, textRect, text.empty() ? textColor : ReminderColor(c, url, textColor));
                break;
            default:
                DrawCellText(c.dc, text, textRect, textColor);
                break;
        }
    }
}

void PaintLines(const PaintContext& c) {
    const auto& lines = CurrentDisplayLines();
    if (g_grid.focusRow >= 0 && DisplayLineOfRow(g_grid.focusRow) < 0) g_grid.focusRow = -1;
    const int lineCount = static_cast<int>(lines.size());
    const int end = std::min(lineCount, g_grid.topLine + LinesPerPage(c.height) + 1);
    for (int i = std::max(g_grid.topLine, 0); i < end; ++i) {
        const int top = LineTop(i, g_grid.topLine);
        const RECT line{0, top, c.width, top + kGridLineHeight};
        const DisplayLine& displayLine = lines[i];
        const bool isRow = !displayLine.isGroupHeader && displayLine.rowIndex >= 0 &&
                           displayLine.rowIndex < static_cast<int>(g_grid.visibleRows.size());
        if (isRow)
            PaintUrlRow(c, displayLine, i, line);
        else
            PaintGroupLine(c, displayLine.groupId, i == g_grid.hoverLine, line);
        HorizontalLine(c.dc, 0, c.width, line.bottom - 1);
    }

    if (g_grid.urlDragging && g_grid.dropLine >= 0 && g_grid.dropLine < lineCount) {
        const int top = LineTop(g_grid.dropLine, g_grid.topLine);
        const bool after = g_grid.dropAfter && !lines[g_grid.dropLine].isGroupHeader;
        const int y = after ? top + kGridLineHeight - 2 : top;
        FillSolid(c.dc, RECT{0, y, c.width, y + 2}, c.palette.marker);
    }
}

}  // namespace

OffscreenBuffer::OffscreenBuffer(HDC target, int width, int height) {
    if (width <= 0 || height <= 0) return;
    dc_ = CreateCompatibleDC(target);
    if (!dc_) return;
    bitmap_ = CreateCompatibleBitmap(target, width, height);
    if (bitmap_) old_ = SelectObject(dc_, bitmap_);
}

OffscreenBuffer::~OffscreenBuffer() {
    if (old_) SelectObject(dc_, old_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
}

// Counted in one pass per row list and kept until the rows change, so a
// group header costs a lookup, not a walk over 100,000 rows.
int GroupRowCount(int groupId) {
    auto& counts = g_grid.groupCounts;
    const auto& rows = g_grid.visibleRows;
    if (!counts.valid || counts.generation != g_grid.rowsGeneration || counts.rowsData != rows.data() ||
        counts.rowCount != rows.size()) {
        counts.rowsOfGroup.clear();
        for (const VisibleRow& row : rows) ++counts.rowsOfGroup[row.groupId];
        counts.valid = true;
        counts.generation = g_grid.rowsGeneration;
        counts.rowsData = rows.data();
        counts.rowCount = rows.size();
    }
    auto it = counts.rowsOfGroup.find(groupId);
    return it == counts.rowsOfGroup.end() ? 0 : it->second;
}

void PaintGrid(HDC dc, const RECT& client) {
    const PaintContext c = MakeContext(dc, client);
    FillSolid(dc, client, c.palette.background);
    FillSolid(dc, RECT{0, 0, c.width, kGridHeaderHeight}, c.palette.header);
    GdiObject gridPen(CreatePen(PS_SOLID, 1, c.palette.gridLine));
    SelectGuard usePen(dc, gridPen.get());
    SelectGuard useFont(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, c.palette.text);

    PaintHeader(c);
    PaintColumnInsertionMarker(c);
    PaintLines(c);
}

void OnGridPaint(HWND window) {
    PaintScope paint(window);
    RECT client{};
    GetClientRect(window, &client);
    OffscreenBuffer buffer(paint.dc(), client.right, client.bottom);
    if (!buffer.ok()) {
        PaintGrid(paint.dc(), client);
        return;
    }
    PaintGrid(buffer.dc(), client);
    BitBlt(paint.dc(), 0, 0, client.right, client.bottom, buffer.dc(), 0, 0, SRCCOPY);
}
