#include "app/Layout.h"

#include <algorithm>

#include "app/FunctionKeys.h"
#include "grid/Columns.h"
#include "grid/FilterBar.h"
#include "grid/GridState.h"
#include "grid/SearchBox.h"
#include "grid/StatusBar.h"

namespace {

constexpr int kFilterRowLeft = 5;
constexpr int kFilterLabelWidth = 60;
constexpr int kFilterLabelAdvance = 62;
constexpr int kFilterBoxWidth = 120;
constexpr int kFilterBoxDropHeight = 200;
constexpr int kFilterBoxPitch = 125;
constexpr int kClearButtonSize = 24;
constexpr int kClearButtonReserve = 26;
constexpr int kMissingStatusBarHeight = 22;

bool Exists(HWND window) { return window && IsWindow(window); }

// Where each control of the filter row starts. A control that does not exist
// takes no room, so the search box moves left into its place.
struct FilterRowSlots {
    int label = -1;
    int tagFilter = -1;
    int reminderFilter = -1;
    int searchBox = kFilterRowLeft;
};

FilterRowSlots FilterRow() {
    FilterRowSlots slots;
    int x = kFilterRowLeft;
    if (Exists(g_filterLabel)) {
        slots.label = x;
        x += kFilterLabelAdvance;
    }
    if (Exists(g_tagFilterCombo)) {
        slots.tagFilter = x;
        x += kFilterBoxPitch;
    }
    if (Exists(g_reminderFilterCombo)) {
        slots.reminderFilter = x;
        x += kFilterBoxPitch;
    }
    slots.searchBox = x;
    return slots;
}

void PlaceSearchBox(int left, int clientWidth) {
    const bool clearShown = Exists(g_searchClearButton) && IsWindowVisible(g_searchClearButton);
    const int reserve = clearShown ? kClearButtonReserve : 0;
    if (Exists(g_searchEdit))
        MoveWindow(g_searchEdit, left, kFilterRowTop, std::max(0, clientWidth - reserve - left),
                   kFilterRowHeight, TRUE);
    if (Exists(g_searchClearButton))
        MoveWindow(g_searchClearButton, clientWidth - reserve + 2, kFilterRowTop, kClearButtonSize,
                   kClearButtonSize, TRUE);
}

void PlaceFilterRow(int clientWidth) {
    const FilterRowSlots slots = FilterRow();
    if (slots.label >= 0)
        MoveWindow(g_filterLabel, slots.label, kFilterRowTop, kFilterLabelWidth, kFilterRowHeight, TRUE);
    if (slots.tagFilter >= 0)
        MoveWindow(g_tagFilterCombo, slots.tagFilter, kFilterRowTop, kFilterBoxWidth, kFilterBoxDropHeight,
                   TRUE);
    if (slots.reminderFilter >= 0)
        MoveWindow(g_reminderFilterCombo, slots.reminderFilter, kFilterRowTop, kFilterBoxWidth,
                   kFilterBoxDropHeight, TRUE);
    PlaceSearchBox(slots.searchBox, clientWidth);
}

// The status bar picks its own height from its font; it is asked first so
// that everything above can be fitted to it.
int StatusBarHeight() {
    if (!Exists(g_statusBar)) return kMissingStatusBarHeight;
    SendMessageW(g_statusBar, WM_SIZE, 0, 0);
    RECT r{};
    GetWindowRect(g_statusBar, &r);
    return std::max<int>(r.bottom - r.top, kStatusBarMinHeight);
}

void PlaceFunctionKeys(int clientWidth, int top) {
    const int width = clientWidth / static_cast<int>(kFunctionKeyCount);
    for (size_t k = 0; k < kFunctionKeyCount; ++k)
        if (Exists(g_functionKeyButtons[k]))
            MoveWindow(g_functionKeyButtons[k], static_cast<int>(k) * width, top, width,
                       kFunctionKeyRowHeight, TRUE);
}

}  // namespace

// The menu bar's strip (0 to 28) is kept free above the filter row; the bar
// itself is placed there once it exists.
void LayoutMainWindow(HWND window) {
    if (!window) return;
    RECT client{};
    GetClientRect(window, &client);
    const int width = client.right, height = client.bottom;
    const int statusHeight = StatusBarHeight();

    PlaceFilterRow(width);

    const int gridTop = Exists(g_searchEdit) ? kFilterRowTop + kFilterRowHeight : kFilterRowTop;
    if (Exists(g_gridWindow))
        MoveWindow(g_gridWindow, 0, gridTop, width,
                   std::max(0, height - gridTop - statusHeight - kFunctionKeyRowHeight), TRUE);
    AutoSizeColumns();
    RefreshGrid();

    PlaceFunctionKeys(width, height - statusHeight - kFunctionKeyRowHeight);
    if (Exists(g_statusBar)) {
        MoveWindow(g_statusBar, 0, height - statusHeight, width, statusHeight, TRUE);
        SendMessageW(g_statusBar, WM_SIZE, 0, 0);
    }
    UpdateTitleBar(window);
    UpdateStatusBar();
}

void LayoutSearchBar() {
    HWND parent = Exists(g_searchEdit)          ? GetParent(g_searchEdit)
                  : Exists(g_searchClearButton) ? GetParent(g_searchClearButton)
                                                : nullptr;
    if (!parent) return;
    RECT client{};
    GetClientRect(parent, &client);
    PlaceSearchBox(FilterRow().searchBox, client.right);
}
