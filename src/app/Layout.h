#pragma once
// Placement of the main window's children and its caption.
#include <windows.h>

#include "grid/FilterBarLayout.h"

// Places every child for the current client size, then renews the caption
// and the status text.
void LayoutMainWindow(HWND window);
// "Vantrelix v1.3.5 - " and the database path, shortened to the caption.
void UpdateTitleBar(HWND window);
