#pragma once
// The grid view's own state and the refresh entry points the rest of the
// program calls after it changes the catalogue. Every refresh does nothing
// while the grid window does not exist.
#include <windows.h>

#include <map>
#include <memory>
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

// Display lines derived from visibleRows, collapsedGroups and the group list,
// kept because every paint, mouse move and key press asks for them. See
// CurrentDisplayLines().
struct DisplayLineCache {
    bool valid = false;
    unsigned generation = 0;         // GridState::rowsGeneration it was built at
    const void* rowsData = nullptr;  // visibleRows storage it was built from
    size_t rowCount = 0;
    std::vector<int> groupIds;  // group ids in catalogue order at build time
    std::set<int> collapsed;    // collapsedGroups at build time
    std::vector<DisplayLine> lines;
    std::vector<int> lineOfRow;  // display line of each row, -1 when collapsed
};

struct RowTextCache;  // grid/RowTextCache.h

struct GridState {
    // Rows and selection.
    std::vector<VisibleRow> visibleRows;
    std::set<std::wstring> selectedUrls;
    int focusRow = -1;
    std::set<int> collapsedGroups;
    // Bumped whenever visibleRows or collapsedGroups change through the row
    // functions, so the display line cache knows it is stale.
    unsigned rowsGeneration = 0;
    DisplayLineCache displayCache;
    // Folded texts of every URL for searching and sorting; shared, never
    // copied, and dropped whenever the catalogue may have changed.
    std::shared_ptr<RowTextCache> rowTexts;
    // Layout and scrolling.
    int topLine = 0;
    int scrollX = 0;
    int hoverLine = -1;
    int hoverHeaderPos = -1;
    // Visible rows per group id, for the group header labels; rebuilt only
    // when the rows change (see GroupRowCount in GridPaint.cpp).
    struct GroupCounts {
        bool valid = false;
        unsigned generation = 0;
        const void* rowsData = nullptr;
        size_t rowCount = 0;
        std::map<int, int> rowsOfGroup;
    } groupCounts;
    // Hover card delay, mouse presses and drags, the group menu's target.
    int hoverCardLine = -1;
    bool trackingLeave = false;
    bool urlPressed = false;
    bool urlDragging = false;
    int dragSourceRow = -1;
    // What the press grabbed, by URL and group: a capture, delete or undo
    // during the drag rebuilds the rows, and the row index may then name
    // another URL or none at the release.
    std::wstring dragSourceUrl;
    int dragSourceGroupId = -1;
    int dropLine = -1;
    bool dropAfter = false;
    POINT pressPoint{0, 0};
    bool headerPressed = false;
    bool columnDragging = false;
    int headerPressX = 0;
    int dragColumnPos = -1;
    int pressedColumn = -1;
    int columnDropSlot = -1;
    bool resizing = false;
    int resizeColumn = -1;
    int resizeStartWidth = 0;
    int resizeStartX = 0;
    int contextGroupId = -1;
    // The in-place editor (CellEditor.h).
    HWND editWindow = nullptr;
    int editRow = -1;
    int editColumn = -1;
    int editGroupId = -1;
    bool editClosing = false;
    // The URL the cell editor was opened on: rows are rebuilt under an open
    // editor (a capture, a fetched title, a menu command), and the row index
    // may then name another URL. The commit always edits this one.
    std::wstring editUrl;
    // Set while a commit runs: its message box takes the focus from the box,
    // and that loss of focus must not start a second commit.
    bool editCommitting = false;
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
