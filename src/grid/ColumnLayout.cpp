#include <algorithm>

#include "grid/Columns.h"
#include "grid/VisibleRows.h"

namespace {

bool GridExists() { return g_gridWindow && IsWindow(g_gridWindow); }

// What every layout change ends with: the choice is stored at once, then the
// grid picks up the new total width and redraws.
void SaveAndRedraw() {
    SaveSettings();
    UpdateScrollBars();
    if (GridExists()) InvalidateRect(g_gridWindow, nullptr, FALSE);
}

}  // namespace

void ToggleColumnVisible(int column) {
    if (!IsColumnId(column)) return;
    auto& visible = g_settings.columnVisible;
    // A grid without columns would leave nothing to right-click to get one back.
    if (visible[column] && std::count(visible.begin(), visible.end(), true) == 1) return;
    visible[column] = !visible[column];
    SaveAndRedraw();
}

void ShowAllColumns() {
    g_settings.columnVisible.fill(true);
    SaveAndRedraw();
}

void ResetColumnWidths() {
    g_settings.columnWidthsValid = false;
    AutoSizeColumns();
    SaveAndRedraw();
}

void ResetColumnOrder() {
    for (int i = 0; i < kColumnCount; ++i) g_settings.columnOrder[i] = i;
    SaveAndRedraw();
}

void MoveColumn(int from, int to) {
    RepairColumnLayout();
    auto& order = g_settings.columnOrder;
    std::array<int, kColumnCount> positions{};  // order positions of the visible columns
    int count = 0;
    for (int pos = 0; pos < kColumnCount; ++pos)
        if (g_settings.columnVisible[order[pos]]) positions[count++] = pos;
    if (from < 0 || from >= count) return;
    to = std::clamp(to, 0, count);
    if (to > from) --to;
    if (to == from) return;

    // Taking the column out and putting it back at the target's place shifts
    // everything in between, hidden columns included, by one towards the gap.
    const int source = positions[from];
    const int target = positions[to];
    const int moved = order[source];
    if (source < target)
        std::copy(order.begin() + source + 1, order.begin() + target + 1, order.begin() + source);
    else
        std::copy_backward(order.begin() + target, order.begin() + source, order.begin() + source + 1);
    order[target] = moved;

    SaveSettings();
    RebuildVisibleRows();
    UpdateScrollBars();
    UpdateStatusBar();
    if (GridExists()) InvalidateRect(g_gridWindow, nullptr, FALSE);
}
