#pragma once
// Placement of the main window's children and its caption.
#include <windows.h>

inline constexpr int kMenuBarHeight = 28;
inline constexpr int kFilterRowTop = 28;
inline constexpr int kFilterRowHeight = 24;

// Places every child for the current client size, then renews the caption
// and the status text.
void LayoutMainWindow(HWND window);
// Places only the search box and the clear button, for when the clear button
// appears or disappears.
void LayoutSearchBar();
// "Vantrelix v1.3.5 - " and the database path, shortened to the caption.
void UpdateTitleBar(HWND window);
