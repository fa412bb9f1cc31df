#pragma once
// The custom-drawn URL grid: window class "VantrelixGrid".
#include <windows.h>

inline constexpr wchar_t kGridClassName[] = L"VantrelixGrid";

bool RegisterGridClass(HINSTANCE instance);
// Creates the grid as a child of `parent` (styles WS_CHILD, WS_VISIBLE,
// WS_BORDER, WS_VSCROLL, WS_HSCROLL, id 0) and makes it g_gridWindow.
HWND CreateGridWindow(HWND parent, HINSTANCE instance);
LRESULT CALLBACK GridWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
