#include "grid/FilterBar.h"

#include <commctrl.h>

#include <array>
#include <string>

#include "grid/Columns.h"
#include "grid/FilterBarLayout.h"
#include "grid/GridState.h"
#include "grid/SearchBox.h"
#include "grid/Selection.h"
#include "grid/VisibleRows.h"
#include "model/AppState.h"
#include "settings/Settings.h"

HWND g_searchClearButton = nullptr;
HWND g_filterLabel = nullptr;
HWND g_tagFilterCombo = nullptr;
HWND g_reminderFilterCombo = nullptr;

namespace {

constexpr wchar_t kCueBanner[] = L"Search by title or URL...";
constexpr wchar_t kAllTags[] = L"All Tags";
// Index 0 is "All"; the others are the filter values RowFilters knows.
constexpr std::array<const wchar_t*, 5> kReminderChoices{L"All Reminders", L"Has Reminder", L"Due / Overdue",
                                                         L"Due Today", L"Upcoming"};

bool Exists(HWND window) { return window && IsWindow(window); }

HWND MakeChild(HWND parent, HINSTANCE instance, const wchar_t* className, const wchar_t* text, DWORD style,
               int x, int y, int width, int height, int id) {
    return CreateWindowExW(0, className, text, WS_CHILD | style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void AddEntry(HWND combo, const wchar_t* text) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

// Selects the entry equal to `filter`, or "All" (clearing the filter) when
// none is: a filter nobody can pick again must not hide rows unseen.
void SelectFilterEntry(HWND combo, std::wstring& filter) {
    int index = filter.empty() ? -1 : FindComboEntry(combo, filter, 1);
    if (index < 1) {
        index = 0;
        filter.clear();
    }
    SendMessageW(combo, CB_SETCURSEL, index, 0);
}

// The filter bar only changes which rows show, never the catalogue, so the
// rows are filtered again from the texts the last rebuild folded instead of
// rebuilt: a keystroke stays fast on a large catalogue.
void RefreshAfterFilterChange(bool resizeColumns) {
    if (!Exists(g_gridWindow)) return;
    RefilterVisibleRows();
    if (resizeColumns) AutoSizeColumns();
    UpdateScrollBars();
    UpdateStatusBar();
    InvalidateRect(g_gridWindow, nullptr, FALSE);
}

}  // namespace

void CreateFilterBar(HWND parent, HINSTANCE instance) {
    g_searchEdit = MakeChild(parent, instance, L"EDIT", L"",
                             WS_VISIBLE | WS_CLIPSIBLINGS | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 10, 10,
                             580, 24, IDC_SEARCH_EDIT);
    if (g_searchEdit) {
        // wParam 1: the cue stays while the box has the focus but no text.
        SendMessageW(g_searchEdit, EM_SETCUEBANNER, 1, reinterpret_cast<LPARAM>(kCueBanner));
        SendMessageW(g_searchEdit, EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(4, 0));
    }
    g_searchClearButton = MakeChild(parent, instance, L"BUTTON", L"X", WS_CLIPSIBLINGS | BS_OWNERDRAW, 0, 0,
                                    20, 24, IDC_SEARCH_CLEAR);
    g_filterLabel =
        MakeChild(parent, instance, L"STATIC", L"Filter by:", WS_VISIBLE | SS_CENTERIMAGE, 0, 0, 50, 24, 0);
    const DWORD comboStyle = WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
    g_tagFilterCombo =
        MakeChild(parent, instance, L"COMBOBOX", L"", comboStyle, 0, 0, 120, 200, IDC_TAG_FILTER);
    g_reminderFilterCombo =
        MakeChild(parent, instance, L"COMBOBOX", L"", comboStyle, 0, 0, 120, 200, IDC_REMINDER_FILTER);
}

void ForgetFilterBar() {
    g_searchEdit = nullptr;
    g_searchClearButton = nullptr;
    g_filterLabel = nullptr;
    g_tagFilterCombo = nullptr;
    g_reminderFilterCombo = nullptr;
}

// Tag names have no length limit, so the entry is measured before it is
// read: a fixed buffer would overflow on a long tag.
std::wstring ComboEntryText(HWND combo, int index) {
    LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR || length < 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR || copied < 0 ? 0 : static_cast<size_t>(copied));
    return text;
}

int FindComboEntry(HWND combo, const std::wstring& text, int first) {
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (int index = first < 0 ? 0 : first; index < count; ++index)
        if (ComboEntryText(combo, index) == text) return index;
    return -1;
}

void RestoreFilterSelection(HWND combo, const std::wstring& filter) {
    if (!Exists(combo) || filter.empty()) return;
    const int index = FindComboEntry(combo, filter, 1);
    if (index < 1) return;
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    RefreshGridWithColumns();
}

void FillTagFilterCombo() {
    if (!Exists(g_tagFilterCombo)) return;
    SendMessageW(g_tagFilterCombo, CB_RESETCONTENT, 0, 0);
    AddEntry(g_tagFilterCombo, kAllTags);
    for (const std::wstring& tag : g_app.tagNames) AddEntry(g_tagFilterCombo, tag.c_str());
    SelectFilterEntry(g_tagFilterCombo, g_settings.tagFilter);
    UpdateStatusBar();
}

void FillReminderFilterCombo() {
    if (!Exists(g_reminderFilterCombo)) return;
    SendMessageW(g_reminderFilterCombo, CB_RESETCONTENT, 0, 0);
    for (const wchar_t* choice : kReminderChoices) AddEntry(g_reminderFilterCombo, choice);
    SelectFilterEntry(g_reminderFilterCombo, g_settings.reminderFilter);
    UpdateStatusBar();
}

// Every change of the search text puts the selection on the first row, so
// Enter-like commands (F3, F5) act on the best match without a click.
void OnSearchTextChanged() {
    RefreshAfterFilterChange(false);
    SelectOnlyRow(g_grid.visibleRows.empty() ? -1 : 0);
    if (Exists(g_searchClearButton)) {
        const bool hasText = Exists(g_searchEdit) && GetWindowTextLengthW(g_searchEdit) > 0;
        ShowWindow(g_searchClearButton, hasText ? SW_SHOW : SW_HIDE);
    }
    LayoutSearchBar();
}

void OnSearchClearClicked() {
    if (Exists(g_searchEdit)) {
        SetWindowTextW(g_searchEdit, L"");  // raises EN_CHANGE, which refilters
        SetFocus(g_searchEdit);
    }
    if (Exists(g_searchClearButton)) ShowWindow(g_searchClearButton, SW_HIDE);
    LayoutSearchBar();
}

// The filter takes effect at once but is written with the next SaveSettings,
// like the other state the window keeps while it runs.
void OnFilterSelectionChanged(HWND combo) {
    std::wstring* filter = combo == g_tagFilterCombo        ? &g_settings.tagFilter
                           : combo == g_reminderFilterCombo ? &g_settings.reminderFilter
                                                            : nullptr;
    if (!filter || !Exists(combo)) return;
    const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    *filter = index > 0 ? ComboEntryText(combo, static_cast<int>(index)) : std::wstring();
    RefreshAfterFilterChange(true);
}
