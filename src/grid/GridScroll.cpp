// Scrolling: the two scroll bars, the wheel, and keeping a row on the page.
// Vertical scrolling moves by whole display lines, horizontal by pixels.
#include "grid/CellEditor.h"
#include "grid/GridInternal.h"
#include "grid/GridWindow.h"
#include "grid/VisibleRows.h"

namespace {

bool GridExists() { return g_gridWindow && IsWindow(g_gridWindow); }

RECT GridClient() {
    RECT client{};
    if (GridExists()) GetClientRect(g_gridWindow, &client);
    return client;
}

// The position the bar reports for a code the table names no step for: the
// thumb's own position, so a stray code moves nothing.
int NewScrollPosition(HWND window, int bar, int code, int current, int lineStep) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window, bar, &info);
    switch (code) {
        case SB_LINEUP: return current - lineStep;
        case SB_LINEDOWN: return current + lineStep;
        case SB_PAGEUP: return current - static_cast<int>(info.nPage);
        case SB_PAGEDOWN: return current + static_cast<int>(info.nPage);
        case SB_THUMBTRACK: return info.nTrackPos;
        default: return info.nPos;
    }
}

void AfterScroll(HWND window) {
    UpdateScrollBars();
    RepositionInlineEdit();
    InvalidateRect(window, nullptr, FALSE);
}

}  // namespace

int GridLinesPerPage() {
    const RECT client = GridClient();
    return LinesPerPage(client.bottom - client.top);
}

int GridClientWidth() {
    const RECT client = GridClient();
    return std::max<int>(1, client.right - client.left);
}

// Setting a scroll bar redraws it, which under Wine costs milliseconds: a
// keystroke or an arrow key that leaves a bar as it was does not set it.
static void SetScrollBarIfChanged(int bar, const SCROLLINFO& wanted) {
    SCROLLINFO current{};
    current.cbSize = sizeof current;
    current.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (GetScrollInfo(g_gridWindow, bar, &current) && current.nMin == wanted.nMin && current.nMax == wanted.nMax &&
        current.nPage == wanted.nPage && current.nPos == wanted.nPos)
        return;
    SCROLLINFO copy = wanted;
    SetScrollInfo(g_gridWindow, bar, &copy, TRUE);
}

void UpdateScrollBars() {
    if (!GridExists()) return;
    const int lineCount = static_cast<int>(CurrentDisplayLines().size());
    const int perPage = GridLinesPerPage();
    g_grid.topLine = ClampTopLine(g_grid.topLine, lineCount, perPage);

    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = lineCount > 0 ? lineCount - 1 : 0;
    info.nPage = static_cast<UINT>(perPage);
    info.nPos = g_grid.topLine;
    SetScrollBarIfChanged(SB_VERT, info);

    const int totalWidth = CurrentColumnLayout().totalWidth;
    const int clientWidth = GridClientWidth();
    g_grid.scrollX = ClampScrollX(g_grid.scrollX, totalWidth, clientWidth);
    info.nMax = totalWidth >= 1 ? totalWidth - 1 : 0;
    info.nPage = static_cast<UINT>(clientWidth);
    info.nPos = g_grid.scrollX;
    SetScrollBarIfChanged(SB_HORZ, info);
}

void EnsureRowVisible(int row) {
    if (row < 0) return;
    const int line = DisplayLineOfRow(row);
    if (line < 0) return;
    g_grid.topLine = TopLineShowing(line, g_grid.topLine, GridLinesPerPage());
    UpdateScrollBars();
    if (GridExists()) InvalidateRect(g_gridWindow, nullptr, FALSE);
}

void OnGridVScroll(HWND window, int code) {
    CancelHoverCard();
    g_grid.topLine = NewScrollPosition(window, SB_VERT, code, g_grid.topLine, 1);
    AfterScroll(window);
}

void OnGridHScroll(HWND window, int code) {
    CancelHoverCard();
    g_grid.scrollX = NewScrollPosition(window, SB_HORZ, code, g_grid.scrollX, kGridLinePixels);
    AfterScroll(window);
}

// One notch of any size moves a fixed amount: precision wheels send many
// small deltas and each still scrolls, which users of the list expect.
void OnGridMouseWheel(HWND window, int delta, UINT keys) {
    CancelHoverCard();
    if (keys & MK_SHIFT)
        g_grid.scrollX += delta > 0 ? -kGridWheelPixels : kGridWheelPixels;
    else
        g_grid.topLine += delta > 0 ? -kGridWheelLines : kGridWheelLines;
    AfterScroll(window);
}
