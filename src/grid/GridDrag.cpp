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
    g_grid.dragSourceUrl.clear();
    g_grid.dragSourceGroupId = -1;
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

// The line a URL dropped at a client point would land on. Outside the client
// area there is none, also where the lines' extension to the left, right or
// below would still name one.
void SetUrlDropTarget(HWND window, int x, int y) {
    RECT client{};
    GetClientRect(window, &client);
    const auto& lines = CurrentDisplayLines();
    const GridHit hit = HitTestGrid(CurrentColumnLayout(), x, y, g_grid.scrollX, g_grid.topLine,
                                    static_cast<int>(lines.size()));
    const bool inside = x >= client.left && x < client.right && y >= client.top && y < client.bottom;
    g_grid.dropLine = inside && !hit.header ? hit.line : -1;
    g_grid.dropAfter = g_grid.dropLine >= 0 && !lines[g_grid.dropLine].isGroupHeader &&
                       DropGoesAfter(y, g_grid.dropLine, g_grid.topLine);
}

bool ListsUrl(const UrlGroup& group, const std::wstring& url) {
    return std::find(group.urls.begin(), group.urls.end(), url) != group.urls.end();
}

// The group that lists the dragged URL now: the one it was pressed in while
// it is still there, else the one an undo put it back into; none once the
// URL has left the catalogue.
UrlGroup* GroupListingUrl(const std::wstring& url, int pressedGroupId) {
    if (UrlGroup* group = FindGroupById(pressedGroupId); group && ListsUrl(*group, url)) return group;
    for (UrlGroup& group : g_app.groups)
        if (ListsUrl(group, url)) return &group;
    return nullptr;
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
    g_grid.dragSourceUrl = g_grid.visibleRows[row].url;
    g_grid.dragSourceGroupId = g_grid.visibleRows[row].groupId;
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
    SetUrlDropTarget(window, x, y);
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

// The target is taken again at the release point: the rows may have changed
// since the last move, and the release may happen outside the grid.
void FinishUrlPress(HWND window, int x, int y) {
    if (g_grid.urlDragging) {
        SetUrlDropTarget(window, x, y);
        if (g_grid.dropLine >= 0) MoveDraggedUrl();
    }
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

// The source is the URL the press grabbed, not a row: rows are rebuilt by
// every capture, delete or undo that arrives while the button is held. The
// target is a line of the current rows.
bool MoveDraggedUrl() {
    const auto& lines = CurrentDisplayLines();
    const auto& rows = g_grid.visibleRows;
    const std::wstring url = g_grid.dragSourceUrl;
    if (url.empty()) return false;
    if (g_grid.dropLine < 0 || g_grid.dropLine >= static_cast<int>(lines.size())) return false;
    const UrlGroup* source = GroupListingUrl(url, g_grid.dragSourceGroupId);
    if (!source) return false;
    const int sourceGroupId = source->id;

    const DisplayLine drop = lines[g_grid.dropLine];
    if (!FindGroupById(drop.groupId)) return false;
    if (!drop.isGroupHeader && (drop.rowIndex < 0 || drop.rowIndex >= static_cast<int>(rows.size()))) return false;
    const std::wstring targetUrl = drop.isGroupHeader ? std::wstring() : rows[drop.rowIndex].url;
    if (!drop.isGroupHeader && drop.groupId == sourceGroupId && targetUrl == url) return false;

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
