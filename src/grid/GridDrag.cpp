// Presses that can become drags: resizing and moving columns from the
// header, and moving a URL to another place or group. A press lasts from
// button down to button up or to the loss of the mouse capture.
#include <algorithm>
#include <cstdlib>

#include "grid/Columns.h"
#include "grid/GridInternal.h"
#include "grid/GridWindow.h"
#include "grid/VisibleRows.h"
#include "model/AppState.h"
#include "model/Undo.h"
#include "storage/Database.h"

namespace {

void SetDragCursor(const wchar_t* cursor) { SetCursor(LoadCursorW(nullptr, cursor)); }

void ResetUrlPress() {
    g_grid.urlPressed = false;
    g_grid.urlDragging = false;
    g_grid.dragSourceRow = -1;
    g_grid.dropLine = -1;
    g_grid.dropAfter = false;
}

void ResetHeaderPress() {
    g_grid.headerPressed = false;
    g_grid.columnDragging = false;
    g_grid.resizing = false;
    g_grid.pressedColumn = -1;
    g_grid.dragColumnPos = -1;
    g_grid.resizeColumn = -1;
    g_grid.columnDropSlot = -1;
}

// Releasing the capture sends WM_CAPTURECHANGED, which resets the press, so
// each finish acts on the fields first and releases last.
void ReleaseGridCapture() {
    if (g_gridWindow && GetCapture() == g_gridWindow) ReleaseCapture();
}

}  // namespace

void ResetPressState() {
    ResetUrlPress();
    ResetHeaderPress();
}

void BeginHeaderPress(HWND window, int x) {
    g_grid.headerPressed = true;
    g_grid.columnDragging = false;
    g_grid.columnDropSlot = -1;
    g_grid.headerPressX = x;
    const GridColumnLayout layout = CurrentColumnLayout();
    const int contentX = x + g_grid.scrollX;
    const int edge = ResizeEdgeAt(layout, contentX);
    if (edge >= 0) {
        g_grid.resizing = true;
        g_grid.resizeColumn = layout.ids[edge];
        g_grid.dragColumnPos = -1;
        g_grid.resizeStartX = contentX;
        g_grid.resizeStartWidth = layout.widths[edge];
    } else {
        g_grid.resizing = false;
        const int pos = HeaderPosAt(layout, contentX);
        g_grid.dragColumnPos = pos;
        g_grid.pressedColumn = pos >= 0 ? layout.ids[pos] : -1;
    }
    SetCapture(window);
}

void BeginUrlPress(HWND window, int row, int x, int y) {
    g_grid.urlPressed = true;
    g_grid.urlDragging = false;
    g_grid.dragSourceRow = row;
    g_grid.dropLine = -1;
    g_grid.dropAfter = false;
    g_grid.pressPoint = POINT{x, y};
    SetCapture(window);
}

// A jitter of up to 3 pixels is still a click.
void TrackUrlDrag(HWND window, int x, int y) {
    if (!g_grid.urlDragging && std::abs(x - g_grid.pressPoint.x) < kGridDragThreshold &&
        std::abs(y - g_grid.pressPoint.y) < kGridDragThreshold)
        return;
    g_grid.urlDragging = true;
    const auto& lines = CurrentDisplayLines();
    const GridHit hit = HitTestGrid(CurrentColumnLayout(), x, y, g_grid.scrollX, g_grid.topLine,
                                    static_cast<int>(lines.size()));
    g_grid.dropLine = hit.header ? -1 : hit.line;
    g_grid.dropAfter = g_grid.dropLine >= 0 && !lines[g_grid.dropLine].isGroupHeader &&
                       DropGoesAfter(y, g_grid.dropLine, g_grid.topLine);
    SetDragCursor(g_grid.dropLine >= 0 ? IDC_SIZEALL : IDC_NO);
    InvalidateRect(window, nullptr, FALSE);
}

// Widths only move columns sideways; the rows stay as they are, so a drag
// costs the same however many URLs there are.
void TrackHeaderDrag(HWND window, int x) {
    if (g_grid.resizing) {
        const int width =
            std::max(kGridMinDraggedWidth, g_grid.resizeStartWidth + (x + g_grid.scrollX - g_grid.resizeStartX));
        if (IsColumnId(g_grid.resizeColumn)) g_settings.columnWidths[g_grid.resizeColumn] = width;
        g_settings.columnWidthsValid = true;
        UpdateScrollBars();
        UpdateStatusBar();
        InvalidateRect(window, nullptr, FALSE);
        return;
    }
    if (!g_grid.columnDragging) {
        if (g_grid.dragColumnPos == -1 || std::abs(x - g_grid.headerPressX) < kGridDragThreshold) return;
        g_grid.columnDragging = true;
    }
    g_grid.columnDropSlot = ColumnDropSlotAt(CurrentColumnLayout(), x + g_grid.scrollX);
    SetDragCursor(IDC_SIZEALL);
    InvalidateRect(window, nullptr, FALSE);
}

void FinishUrlPress() {
    if (g_grid.urlDragging && g_grid.dropLine >= 0) MoveDraggedUrl();
    ResetUrlPress();
    ReleaseGridCapture();
}

void FinishHeaderPress() {
    if (g_grid.resizing) {
        g_settings.columnWidthsValid = true;
        SaveSettings();
    } else if (g_grid.columnDragging) {
        MoveColumn(g_grid.dragColumnPos, g_grid.columnDropSlot);
    } else if (IsColumnId(g_grid.pressedColumn)) {
        ApplyHeaderSortClick(g_grid.pressedColumn);
    }
    ResetHeaderPress();
    ReleaseGridCapture();
}

bool MoveDraggedUrl() {
    const auto& lines = CurrentDisplayLines();
    const auto& rows = g_grid.visibleRows;
    const int source = g_grid.dragSourceRow;
    if (source < 0 || source >= static_cast<int>(rows.size())) return false;
    if (g_grid.dropLine < 0 || g_grid.dropLine >= static_cast<int>(lines.size())) return false;
    const std::wstring url = rows[source].url;
    const int sourceGroupId = rows[source].groupId;
    if (url.empty() || !FindGroupById(sourceGroupId)) return false;

    const DisplayLine drop = lines[g_grid.dropLine];
    if (!FindGroupById(drop.groupId)) return false;
    const std::wstring targetUrl = drop.isGroupHeader ? std::wstring() : rows[drop.rowIndex].url;
    if (!drop.isGroupHeader && drop.groupId == sourceGroupId && targetUrl == url) return false;
    {
        const auto& members = FindGroupById(sourceGroupId)->urls;
        if (std::find(members.begin(), members.end(), url) == members.end()) return false;
    }

    PushUndo(L"Move URL");
    auto& sourceUrls = FindGroupById(sourceGroupId)->urls;
    sourceUrls.erase(std::find(sourceUrls.begin(), sourceUrls.end(), url));
    auto& targetUrls = FindGroupById(drop.groupId)->urls;
    if (drop.isGroupHeader) {
        targetUrls.insert(targetUrls.begin(), url);
    } else {
        auto at = std::find(targetUrls.begin(), targetUrls.end(), targetUrl);
        if (at == targetUrls.end())
            targetUrls.push_back(url);
        else
            targetUrls.insert(g_grid.dropAfter ? at + 1 : at, url);
    }
    // A sorted view would put the URL straight back where the sort wants it.
    g_settings.sortColumn = -1;

    RefreshGridWithColumns();
    g_grid.focusRow = RowOfUrl(url);
    if (g_grid.focusRow >= 0) EnsureRowVisible(g_grid.focusRow);
    SaveCatalogue();
    return true;
}
