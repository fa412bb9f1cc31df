// Grid geometry and hit testing. Everything here is arithmetic on numbers
// passed in (apart from CurrentColumnLayout), so the tests check it without
// a window.
#include <algorithm>

#include "grid/Columns.h"
#include "grid/GridInternal.h"

GridColumnLayout MakeColumnLayout(const int* ids, const int* widths, int count) {
    GridColumnLayout layout;
    layout.count = std::clamp(count, 0, kColumnCount);
    int x = 0;
    for (int pos = 0; pos < layout.count; ++pos) {
        layout.ids[pos] = ids[pos];
        layout.lefts[pos] = x;
        layout.widths[pos] = widths[pos];
        x += widths[pos];
    }
    layout.totalWidth = x;
    return layout;
}

GridColumnLayout CurrentColumnLayout() {
    VisibleColumns visible = GetVisibleColumns();
    std::array<int, kColumnCount> widths{};
    for (int pos = 0; pos < visible.count; ++pos) widths[pos] = visible.widths[visible.ids[pos]];
    return MakeColumnLayout(visible.ids.data(), widths.data(), visible.count);
}

// A window shorter than the header still pages by one line, so paging keys
// and the scroll bar never stall.
int LinesPerPage(int clientHeight) { return std::max(1, (clientHeight - kGridHeaderHeight) / kGridLineHeight); }

int LineTop(int line, int topLine) { return kGridHeaderHeight + (line - topLine) * kGridLineHeight; }

int HeaderPosAt(const GridColumnLayout& layout, int contentX) {
    for (int pos = 0; pos < layout.count; ++pos)
        if (contentX >= layout.lefts[pos] && contentX < layout.Right(pos)) return pos;
    return -1;
}

int ResizeEdgeAt(const GridColumnLayout& layout, int contentX) {
    for (int pos = 0; pos < layout.count; ++pos) {
        const int edge = layout.Right(pos);
        if (contentX >= edge - kGridEdgeGrab && contentX <= edge + kGridEdgeGrab) return pos;
    }
    return -1;
}

int ColumnDropSlotAt(const GridColumnLayout& layout, int contentX) {
    for (int pos = 0; pos < layout.count; ++pos)
        if (layout.lefts[pos] + layout.widths[pos] / 2 > contentX) return pos;
    return layout.count;
}

// Points down to y = 28 count as header, one pixel more than the band drawn:
// the line under the header starts with its top grid line there.
GridHit HitTestGrid(const GridColumnLayout& layout, int x, int y, int scrollX, int topLine, int lineCount) {
    GridHit hit;
    if (y <= kGridHeaderHeight) {
        hit.header = true;
        hit.headerPos = HeaderPosAt(layout, x + scrollX);
        return hit;
    }
    const int line = topLine + (y - kGridHeaderHeight) / kGridLineHeight;
    if (line >= 0 && line < lineCount) hit.line = line;
    return hit;
}

int ClampTopLine(int topLine, int lineCount, int perPage) {
    topLine = std::min(topLine, lineCount - perPage);
    return std::max(topLine, 0);
}

int ClampScrollX(int scrollX, int totalWidth, int clientWidth) {
    scrollX = std::min(scrollX, totalWidth - clientWidth);
    return std::max(scrollX, 0);
}

int TopLineShowing(int line, int topLine, int perPage) {
    if (line < 0) return topLine;
    if (line < topLine) return line;
    if (line >= topLine + perPage) return line - perPage + 1;
    return topLine;
}

bool DropGoesAfter(int y, int line, int topLine) {
    return y > kGridHeaderHeight + kGridLineHeight / 2 + (line - topLine) * kGridLineHeight;
}

int LayoutPosOf(const GridColumnLayout& layout, int column) {
    for (int pos = 0; pos < layout.count; ++pos)
        if (layout.ids[pos] == column) return pos;
    return -1;
}

int ScrollXShowingColumn(const GridColumnLayout& layout, int pos, int scrollX, int clientWidth) {
    if (pos < 0 || pos >= layout.count) return scrollX;
    if (layout.lefts[pos] < scrollX) return layout.lefts[pos];
    if (scrollX + clientWidth < layout.Right(pos)) return layout.Right(pos) - clientWidth;
    return scrollX;
}

namespace {

constexpr int kEditorTopInset = 3;
constexpr int kEditorHeight = 18;
constexpr int kEditorTitleInset = 24;  // clear of the favicon
constexpr int kEditorCellInset = 4;
constexpr int kEditorMinWidth = 24;
constexpr int kEditorGroupLeft = 28;  // right of the expand box
constexpr int kEditorGroupMinRight = 52;

bool EditorLineOnScreen(int lineTop, int clientHeight) {
    return lineTop > kGridHeaderHeight - 1 && lineTop < clientHeight;
}

}  // namespace

// A box too narrow to type in still gets 24 pixels, even when that reaches
// past its cell.
std::optional<RECT> CellEditorRect(const GridColumnLayout& layout, int column, int lineTop, int scrollX,
                                   int clientHeight) {
    if (!EditorLineOnScreen(lineTop, clientHeight)) return std::nullopt;
    const int pos = LayoutPosOf(layout, column);
    if (pos < 0) return std::nullopt;
    const int x = layout.lefts[pos] - scrollX;
    RECT rect{};
    rect.left = x + (column == ColumnId::Title ? kEditorTitleInset : kEditorCellInset);
    rect.right = x + layout.widths[pos] - kEditorCellInset;
    if (rect.right <= rect.left) rect.right = rect.left + kEditorMinWidth;
    rect.top = lineTop + kEditorTopInset;
    rect.bottom = rect.top + kEditorHeight;
    return rect;
}

std::optional<RECT> GroupEditorRect(int lineTop, int clientWidth, int clientHeight) {
    if (!EditorLineOnScreen(lineTop, clientHeight)) return std::nullopt;
    RECT rect{};
    rect.left = kEditorGroupLeft;
    rect.right = std::max(clientWidth - kEditorCellInset, kEditorGroupMinRight);
    rect.top = lineTop + kEditorTopInset;
    rect.bottom = rect.top + kEditorHeight;
    return rect;
}
