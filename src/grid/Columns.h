#pragma once
// The ten columns: titles, cell texts, widths, order and visibility.
#include <array>
#include <string>

#include "grid/GridState.h"
#include "settings/Settings.h"

struct ColumnInfo {
    ColumnId id;
    const wchar_t* title;  // header and menu text
    int defaultWidth;      // the width Settings starts with
    int autoWidth;         // what automatic sizing assigns; 0 for the measured columns
};

// Indexed by ColumnId; menus walk it to list the columns.
extern const std::array<ColumnInfo, kColumnCount> kColumnTable;

// The sum of autoWidth over every column but "Title" and "URL".
inline constexpr int kFixedAutoWidthSum = 770;

// Narrowest width the grid lays a column out with. A dragged width never goes
// below it; a hand-edited width below it is shown at this width, the stored
// value stays as the user wrote it.
inline constexpr int kMinLayoutColumnWidth = 24;
// Widest layout width, so that the sum of ten widths always fits in an int.
inline constexpr int kMaxLayoutColumnWidth = 100000;

bool IsColumnId(int column);
// The column's header title; empty for an id outside 0..9.
const wchar_t* ColumnTitle(int column);

std::wstring GetCellText(const std::wstring& url, int column, int rowIndex);
std::wstring GetRowCellText(int rowIndex, int column);

// The layout width of a column (80 for an id outside 0..9).
int GetColumnWidth(int column);

struct VisibleColumns {
    std::array<int, kColumnCount> ids{};     // ColumnIds in display order
    std::array<int, kColumnCount> widths{};  // indexed by ColumnId; set for visible ones
    int count = 0;
};
// Fills `ids` with the visible columns left to right and `widths` by column
// id; returns the count.
int GetVisibleColumns(std::array<int, kColumnCount>& ids, std::array<int, kColumnCount>& widths);
VisibleColumns GetVisibleColumns();

// Makes `order` a permutation of 0..9: the first occurrence of each valid id
// stays where it is, repeats and foreign values are dropped, and the missing
// ids are appended in ascending order. Returns whether anything changed.
bool RepairColumnOrder(std::array<int, kColumnCount>& order);
// Applies RepairColumnOrder to g_settings.columnOrder.
bool RepairColumnLayout();

void AutoSizeColumns();
void ToggleColumnVisible(int column);
void ShowAllColumns();
void ResetColumnWidths();
void ResetColumnOrder();
// `from` is a position among the visible columns, `to` a slot between them
// (0 before the first, the visible count after the last).
void MoveColumn(int from, int to);
