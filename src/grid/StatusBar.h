#pragma once
// The one-part, owner-drawn status bar under the grid: counters of the
// catalogue, the selection, validation, pins and reminders, then a summary of
// the active filters. UpdateStatusBar (GridState.h) recomputes it.
#include <windows.h>

#include <string>

extern HWND g_statusBar;

inline constexpr int kStatusBarMinHeight = 20;
inline constexpr int kStatusSlotCount = 8;

// Creates the status bar as a child of `parent` and makes it g_statusBar.
HWND CreateStatusBar(HWND parent, HINSTANCE instance);

// "Tag: All" or "Tag: <tag>", then the reminder filter and the search text
// when they are set.
std::wstring BuildFilterSummary();
// The whole text of part 0.
std::wstring BuildStatusText();
// The text kept for the part whose owner-draw item data is `itemData`; empty
// for item data outside the slots.
const std::wstring& StatusSlotText(ULONG_PTR itemData);
