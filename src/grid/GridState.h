#pragma once
// The grid view's own state and the refresh entry points the rest of the
// program calls after it changes the catalogue. Every refresh does nothing
// while the grid window does not exist.
#include <windows.h>

#include <set>
#include <string>
#include <vector>

enum ColumnId : int {
    Id = 0,
    Title = 1,
    Url = 2,
    Tags = 3,
    Created = 4,
    Updated = 5,
    Valid = 6,
    Opens = 7,
    LastOpened = 8,
    Reminder = 9,
};

struct VisibleRow {
    int groupId = 0;
    std::wstring url;
};

struct DisplayLine {
    bool isGroupHeader = false;
    int groupId = 0;
    int rowIndex = -1;  // index into visibleRows; -1 for a group header
};

struct GridState {
    // Rows and selection.
    std::vector<VisibleRow> visibleRows;
    std::set<std::wstring> selectedUrls;
    int focusRow = -1;
    std::set<int> collapsedGroups;
    // Layout and scrolling.
    int topLine = 0;
    int scrollX = 0;
    int hoverLine = -1;
    int hoverHeaderPos = -1;
};

extern GridState g_grid;
extern HWND g_gridWindow;

inline constexpr int kGridHeaderHeight = 28;
inline constexpr int kGridLineHeight = 24;

// Empties selection and collapsed groups, drops the focus and scrolls to the top.
void ResetGridViewState();

void RefreshGrid();
void RefreshGridWithColumns();
void UpdateScrollBars();
void UpdateStatusBar();
