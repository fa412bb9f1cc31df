#pragma once
// The filter bar above the grid: the search box with its clear button, the
// "Filter by:" label, the tag filter and the reminder filter.
#include <windows.h>

#include <string>

inline constexpr int IDC_SEARCH_EDIT = 2007;
inline constexpr int IDC_TAG_FILTER = 2008;
inline constexpr int IDC_SEARCH_CLEAR = 2063;
inline constexpr int IDC_REMINDER_FILTER = 2064;

// g_searchEdit is in grid/SearchBox.h.
extern HWND g_searchClearButton;
extern HWND g_filterLabel;
extern HWND g_tagFilterCombo;
extern HWND g_reminderFilterCombo;

// Creates the search box, the clear button, the label and the two filters as
// children of `parent`, at provisional places the main window's layout fixes.
void CreateFilterBar(HWND parent, HINSTANCE instance);
// Drops the handles when the main window goes away.
void ForgetFilterBar();

// Refills the filter bar's lists: the tag filter from the tag vocabulary, the
// reminder filter with its fixed choices; each re-selects its current filter
// or clears it when no entry matches.
void FillTagFilterCombo();
void FillReminderFilterCombo();

// The full text of a list entry, however long; empty for a bad index.
std::wstring ComboEntryText(HWND combo, int index);
// Index of the first entry from `first` on whose text equals `text` exactly
// (case-sensitive); -1 when there is none.
int FindComboEntry(HWND combo, const std::wstring& text, int first);
// Start-up: selects the stored filter's entry when there is one and shows
// the rows it lets through; leaves "All" selected otherwise.
void RestoreFilterSelection(HWND combo, const std::wstring& filter);

// The notifications the main window forwards.
void OnSearchTextChanged();
void OnSearchClearClicked();
void OnFilterSelectionChanged(HWND combo);
