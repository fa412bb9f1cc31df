#include <algorithm>

#include "grid/Columns.h"

const std::array<ColumnInfo, kColumnCount> kColumnTable{{
    {ColumnId::Id, L"#", 40, 40},
    {ColumnId::Title, L"Title", 200, 0},
    {ColumnId::Url, L"URL", 250, 0},
    {ColumnId::Tags, L"Tags", 100, 100},
    {ColumnId::Created, L"Created", 120, 120},
    {ColumnId::Updated, L"Updated", 120, 120},
    {ColumnId::Valid, L"Valid", 80, 80},
    {ColumnId::Opens, L"Open Count", 60, 60},
    {ColumnId::LastOpened, L"Last Opened", 120, 120},
    {ColumnId::Reminder, L"Reminder", 130, 130},
}};

bool IsColumnId(int column) { return column >= 0 && column < kColumnCount; }

const wchar_t* ColumnTitle(int column) { return IsColumnId(column) ? kColumnTable[column].title : L""; }

// The settings file takes widths as written, so a hand-edited 0 or -50 would
// make a column vanish or pull the ones after it leftwards, and a huge one
// would overflow the total width. Layout uses the clamped value; the stored
// width is left alone so the file keeps what the user wrote.
int GetColumnWidth(int column) {
    if (!IsColumnId(column)) return 80;
    return std::clamp(g_settings.columnWidths[column], kMinLayoutColumnWidth, kMaxLayoutColumnWidth);
}

bool RepairColumnOrder(std::array<int, kColumnCount>& order) {
    std::array<bool, kColumnCount> seen{};
    std::array<int, kColumnCount> repaired{};
    int count = 0;
    for (int id : order) {
        if (!IsColumnId(id) || seen[id]) continue;
        seen[id] = true;
        repaired[count++] = id;
    }
    for (int id = 0; id < kColumnCount; ++id)
        if (!seen[id]) repaired[count++] = id;
    if (repaired == order) return false;
    order = repaired;
    return true;
}

// Every reader of the column order goes through here, so an order that a
// hand-edited settings file (or a bug) left as something other than a
// permutation is never used to index the column tables.
bool RepairColumnLayout() { return RepairColumnOrder(g_settings.columnOrder); }

int GetVisibleColumns(std::array<int, kColumnCount>& ids, std::array<int, kColumnCount>& widths) {
    RepairColumnLayout();
    int count = 0;
    for (int id : g_settings.columnOrder) {
        if (!g_settings.columnVisible[id]) continue;
        ids[count++] = id;
        widths[id] = GetColumnWidth(id);
    }
    return count;
}

VisibleColumns GetVisibleColumns() {
    VisibleColumns columns;
    columns.count = GetVisibleColumns(columns.ids, columns.widths);
    return columns;
}
