#pragma once
// Where the filter row's controls go: the label, the two filter lists and the
// search box with its clear button, in one row under the menu strip.
#include <windows.h>

inline constexpr int kMenuBarHeight = 28;
inline constexpr int kFilterRowTop = 28;
inline constexpr int kFilterRowHeight = 24;

// Places the whole row for a client area `clientWidth` wide.
void PlaceFilterRow(int clientWidth);
// Places only the search box and the clear button, for when the clear button
// appears or disappears.
void LayoutSearchBar();
