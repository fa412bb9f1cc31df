#pragma once
// WM_DRAWITEM of the main window: the status bar's part, the clear-search
// button and, in dark mode, the other owner-drawn buttons.
#include <windows.h>

// TRUE when the item was drawn; 0 for an item the platform draws.
LRESULT OnDrawItem(const DRAWITEMSTRUCT& item);
