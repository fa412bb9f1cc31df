#include "grid/FilterBarLayout.h"

#include <algorithm>

#include "grid/FilterBar.h"
#include "grid/SearchBox.h"

namespace {

constexpr int kFilterRowLeft = 5;
constexpr int kFilterLabelWidth = 60;
constexpr int kFilterLabelAdvance = 62;
constexpr int kFilterBoxWidth = 120;
constexpr int kFilterBoxDropHeight = 200;
constexpr int kFilterBoxPitch = 125;
constexpr int kClearButtonSize = 24;
constexpr int kClearButtonReserve = 26;

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

}  // namespace

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

void LayoutSearchBar() {
    HWND parent = Exists(g_searchEdit)          ? GetParent(g_searchEdit)
                  : Exists(g_searchClearButton) ? GetParent(g_searchClearButton)
                                                : nullptr;
    if (!parent) return;
    RECT client{};
    GetClientRect(parent, &client);
    PlaceSearchBox(FilterRow().searchBox, client.right);
}
