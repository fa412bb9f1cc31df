#pragma once
// WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX, WM_CTLCOLORSTATIC and WM_CTLCOLORBTN
// of the main window: the dark palette for the standard controls.
#include <windows.h>

LRESULT OnControlColor(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
