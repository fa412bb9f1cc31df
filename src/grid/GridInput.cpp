// Mouse and keyboard input of the grid: hover, selection clicks, group
// collapsing, the header sort cycle, keys and the hover card delay. Presses
// that turn into drags continue in GridDrag.cpp.
//
// Every per-message cost here is independent of the catalogue size: lines
// come from the cached display lines and rows are found through
// DisplayLineOfRow, never by walking the rows.
#include <algorithm>

#include "ui/CommandIds.h"
#include "grid/CellEditor.h"
#include "grid/Columns.h"
#include "grid/GridInternal.h"
#include "grid/RowTextCache.h"
#include "grid/GridWindow.h"
#include "grid/Selection.h"
#include "grid/VisibleRows.h"

namespace {


int RowCount() { return static_cast<int>(g_grid.visibleRows.size()); }
bool RowExists(int row) { return row >= 0 && row < RowCount(); }
int LineCount() { return static_cast<int>(CurrentDisplayLines().size()); }

bool IsUrlLine(int line) {
    const auto& lines = CurrentDisplayLines();
    return line >= 0 && line < static_cast<int>(lines.size()) && !lines[line].isGroupHeader &&
           RowExists(lines[line].rowIndex);
}

GridHit HitAt(int x, int y) {
    return HitTestGrid(CurrentColumnLayout(), x, y, g_grid.scrollX, g_grid.topLine, LineCount());
}

void Repaint(HWND window) { InvalidateRect(window, nullptr, FALSE); }

bool HasFocusRow() { return RowExists(g_grid.focusRow); }

// Shift extends from the focus, which the click then moves: a second
// Shift-click extends from the newly clicked row, not the first anchor.
void ShiftClickRow(int row) {
    if (!HasFocusRow()) {
        SelectOnlyRow(row);
        return;
    }
    g_grid.selectedUrls.clear();
    const int first = std::min(g_grid.focusRow, row);
    const int last = std::max(g_grid.focusRow, row);
    for (int r = first; r <= last; ++r) g_grid.selectedUrls.insert(g_grid.visibleRows[r].url);
    g_grid.focusRow = row;
    UpdateStatusBar();
}

// A plain click on the only selected row keeps it, so that a press on it can
// become a drag without the selection flickering.
void PlainClickRow(HWND window, int row, int x, int y) {
    if (IsRowSelected(row) && g_grid.selectedUrls.size() <= 1)
        g_grid.focusRow = row;
    else
        SelectOnlyRow(row);
    BeginUrlPress(window, row, x, y);
}

// ---- Keyboard navigation --------------------------------------------------

constexpr int kNoLine = -1;

int NextUrlLine(int from, int step) {
    const int count = LineCount();
    for (int line = from; line >= 0 && line < count; line += step)
        if (IsUrlLine(line)) return line;
    return kNoLine;
}

// The display line a navigation key moves the focus to; `unchanged` is set
// when the key leaves the focus where it is.
int NavigationTarget(UINT key, bool& unchanged) {
    unchanged = false;
    const int count = LineCount();
    const int focusLine = HasFocusRow() ? DisplayLineOfRow(g_grid.focusRow) : -1;
    const int page = GridLinesPerPage();
    const int firstUrl = NextUrlLine(0, 1);
    auto orUnchanged = [&](int line) {
        unchanged = line == kNoLine;
        return line;
    };
    switch (key) {
        case VK_HOME: return firstUrl;
        case VK_END: return orUnchanged(NextUrlLine(count - 1, -1));
        default: break;
    }
    if (focusLine < 0) return firstUrl;
    switch (key) {
        case VK_UP: return orUnchanged(NextUrlLine(focusLine - 1, -1));
        case VK_DOWN: return orUnchanged(NextUrlLine(focusLine + 1, 1));
        case VK_PRIOR: return orUnchanged(NextUrlLine(std::max(0, focusLine - page), 1));
        case VK_NEXT: return orUnchanged(NextUrlLine(std::min(count - 1, focusLine + page), -1));
        default: unchanged = true; return kNoLine;
    }
}

void NavigateByKey(HWND window, UINT key) {
    if (LineCount() == 0 && key != VK_HOME && key != VK_END) return;
    bool unchanged = false;
    const int line = NavigationTarget(key, unchanged);
    if (unchanged) return;
    const int row = line >= 0 ? CurrentDisplayLines()[line].rowIndex : -1;
    // "None" also clears a selection that the filters hide, so Home on an
    // empty list leaves nothing selected.
    if (row == g_grid.focusRow && (row >= 0 || g_grid.selectedUrls.empty())) return;
    SelectOnlyRow(row);
    EnsureRowVisible(g_grid.focusRow);
    Repaint(window);
}

void ShowFocusMenuFromKeyboard(HWND window) {
    if (!HasFocusRow()) return;
    const int line = DisplayLineOfRow(g_grid.focusRow);
    POINT point{20, (line - g_grid.topLine) * kGridLineHeight + 40};
    ClientToScreen(window, &point);
    ShowUrlContextMenu(GetParent(window), g_grid.focusRow, point);
}

}  // namespace

void CancelHoverCard() {
    if (g_gridWindow) KillTimer(g_gridWindow, kHoverCardTimer);
    g_grid.hoverCardLine = -1;
}

// The grid's commands are the main window's: the handlers there record the
// undo steps and save.
void SendGridCommand(HWND grid, UINT command) {
    if (HWND parent = GetParent(grid)) SendMessageW(parent, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void OnGridMouseMove(HWND window, int x, int y) {
    if (!g_grid.trackingLeave) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
        if (TrackMouseEvent(&track)) g_grid.trackingLeave = true;
    }

    int hoverLine = -1, hoverHeaderPos = -1;
    if (y >= 0) {
        const GridHit hit = HitAt(x, y);
        if (hit.header)
            hoverHeaderPos = hit.headerPos;
        else
            hoverLine = hit.line;
    }
    if (hoverLine != g_grid.hoverLine || hoverHeaderPos != g_grid.hoverHeaderPos) {
        g_grid.hoverLine = hoverLine;
        g_grid.hoverHeaderPos = hoverHeaderPos;
        Repaint(window);
    }

    if (hoverLine != g_grid.hoverCardLine) {
        CancelHoverCard();
        g_grid.hoverCardLine = hoverLine;
        if (IsUrlLine(hoverLine) && !g_grid.urlPressed) SetTimer(window, kHoverCardTimer, kHoverCardDelayMs, nullptr);
    }

    if (g_grid.urlPressed)
        TrackUrlDrag(window, x, y);
    else if (g_grid.headerPressed)
        TrackHeaderDrag(window, x);
}

void OnGridMouseLeave(HWND window) {
    g_grid.trackingLeave = false;
    CancelHoverCard();
    if (g_grid.hoverLine != -1 || g_grid.hoverHeaderPos != -1) {
        g_grid.hoverLine = -1;
        g_grid.hoverHeaderPos = -1;
        Repaint(window);
    }
}

void ToggleGroupFromHeader(int groupId) {
    if (IsGroupCollapsed(groupId)) {
        SetGroupCollapsed(groupId, false);
    } else {
        SetGroupCollapsed(groupId, true);
        // A URL counts as in the group when its first visible row is there;
        // one walk decides that for every selected URL at once.
        if (!g_grid.selectedUrls.empty()) {
            std::set<std::wstring> decided;
            for (const VisibleRow& row : g_grid.visibleRows) {
                if (!g_grid.selectedUrls.count(row.url) || !decided.insert(row.url).second) continue;
                if (row.groupId == groupId) g_grid.selectedUrls.erase(row.url);
            }
        }
        if (HasFocusRow() && g_grid.visibleRows[g_grid.focusRow].groupId == groupId) g_grid.focusRow = -1;
    }
    UpdateScrollBars();
    UpdateStatusBar();
}

// A click in the grid while the in-place editor is open commits the edit
// first; when the commit is refused, the editor keeps the focus and the
// click does nothing else.
void OnGridLButtonDown(HWND window, int x, int y, UINT keys) {
    CancelHoverCard();
    if (!CommitInlineEdit(false)) return;
    SetFocus(window);
    const GridHit hit = HitAt(x, y);
    if (hit.header) {
        BeginHeaderPress(window, x);
        Repaint(window);
        return;
    }
    if (hit.line < 0) return;
    const DisplayLine line = CurrentDisplayLines()[hit.line];
    if (line.isGroupHeader) {
        ToggleGroupFromHeader(line.groupId);
    } else if (RowExists(line.rowIndex)) {
        if (keys & MK_SHIFT)
            ShiftClickRow(line.rowIndex);
        else if (keys & MK_CONTROL)
            ToggleRowSelection(line.rowIndex);
        else
            PlainClickRow(window, line.rowIndex, x, y);
    }
    Repaint(window);
}

void OnGridLButtonUp(HWND window, int x, int y) {
    if (g_grid.urlPressed)
        FinishUrlPress(window, x, y);
    else if (g_grid.headerPressed)
        FinishHeaderPress();
    Repaint(window);
}

// The second press of a quick pair arrives as a double-click. In the header
// it is one more press, as in the platform's list views: a quick pair of
// clicks on a column moves the sort on twice, a pair on an edge is two resize
// presses, and nothing there opens URLs. Elsewhere it opens the focused row.
void OnGridLButtonDblClk(HWND window, int x, int y, UINT keys) {
    if (HitAt(x, y).header) {
        OnGridLButtonDown(window, x, y, keys);
        return;
    }
    CancelHoverCard();
    if (g_grid.focusRow >= 0) SendGridCommand(window, IDM_OPEN_IN_BROWSER);
}

void OnGridRButtonUp(HWND window, int x, int y) {
    CancelHoverCard();
    POINT screen{x, y};
    ClientToScreen(window, &screen);
    const GridHit hit = HitAt(x, y);
    if (hit.header) {
        ShowColumnMenu(window, screen);
        return;
    }
    if (hit.line >= 0) {
        const DisplayLine line = CurrentDisplayLines()[hit.line];
        if (line.isGroupHeader) {
            ShowGroupMenu(window, line.groupId, screen);
            return;
        }
        if (!IsRowSelected(line.rowIndex)) SelectOnlyRow(line.rowIndex);
        g_grid.focusRow = line.rowIndex;
        Repaint(window);
        UpdateWindow(window);
        ShowUrlContextMenu(GetParent(window), line.rowIndex, screen);
        return;
    }
    if (g_grid.focusRow >= 0) ShowUrlContextMenu(GetParent(window), g_grid.focusRow, screen);
}

void OnGridCaptureChanged(HWND window) {
    ResetPressState();
    Repaint(window);
}

bool OnGridSetCursor(HWND window) {
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(window, &point);
    const wchar_t* cursor = nullptr;
    if (g_grid.urlDragging) {
        cursor = g_grid.dropLine >= 0 ? IDC_SIZEALL : IDC_NO;
    } else if (point.x >= 0 && point.y >= 0 && point.y <= kGridHeaderHeight) {
        if (g_grid.resizing || ResizeEdgeAt(CurrentColumnLayout(), point.x + g_grid.scrollX) >= 0)
            cursor = IDC_SIZEWE;
        else if (g_grid.columnDragging)
            cursor = IDC_SIZEALL;
        else
            cursor = IDC_ARROW;
    }
    if (!cursor) return false;
    SetCursor(LoadCursorW(nullptr, cursor));
    return true;
}

// The card window comes with its own module; until then the delay runs and
// ends here without showing anything.
void OnGridTimer(HWND window, UINT_PTR id) {
    if (id == kRowTextsTimer) {
        OnRowTextsTimer();
        return;
    }
    if (id != kHoverCardTimer) return;
    KillTimer(window, kHoverCardTimer);
}

void ApplyHeaderSortClick(int column) {
    if (!IsColumnId(column)) return;
    if (column != g_settings.sortColumn) {
        g_settings.sortColumn = column;
        g_settings.sortAscending = true;
    } else if (g_settings.sortAscending) {
        g_settings.sortAscending = false;
    } else {
        g_settings.sortColumn = -1;
    }
    // Only the order changes, so the rows are re-sorted from the folded texts
    // kept since the last rebuild instead of being rebuilt from the catalogue.
    RefilterVisibleRows();
    AutoSizeColumns();
    UpdateScrollBars();
    UpdateStatusBar();
    if (g_gridWindow) InvalidateRect(g_gridWindow, nullptr, FALSE);
    SaveSettings();
}

bool OnGridKeyDown(HWND window, UINT key) {
    CancelHoverCard();
    const bool focus = HasFocusRow();
    switch (key) {
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_HOME:
        case VK_END:
            NavigateByKey(window, key);
            return true;
        case VK_RETURN:
        case VK_F3:
            if (focus) SendGridCommand(window, IDM_OPEN_IN_BROWSER);
            return true;
        case VK_DELETE:
        case VK_F8:
            if (focus) SendGridCommand(window, IDM_DELETE_SELECTED);
            return true;
        case VK_F2:
            if (focus) SendGridCommand(window, IDM_EDIT_TITLE);
            return true;
        case VK_F4:
            if (focus) SendGridCommand(window, IDM_EDIT_URL);
            return true;
        case VK_F5:
            if (focus) SendGridCommand(window, IDM_COPY);
            return true;
        case VK_F6:
            SendGridCommand(window, IDM_ADD_TAG);
            return true;
        case VK_F7:
            SendGridCommand(window, IDM_ADD_GROUP);
            return true;
        case VK_APPS:
            ShowFocusMenuFromKeyboard(window);
            return true;
        default:
            return false;
    }
}
