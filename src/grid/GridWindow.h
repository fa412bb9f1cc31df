#pragma once
// The custom-drawn URL grid: window class "VantrelixGrid".
#include <windows.h>

#include <string>
#include <vector>

inline constexpr wchar_t kGridClassName[] = L"VantrelixGrid";

bool RegisterGridClass(HINSTANCE instance);
// Creates the grid as a child of `parent` (styles WS_CHILD, WS_VISIBLE,
// WS_BORDER, WS_VSCROLL, WS_HSCROLL, id 0) and makes it g_gridWindow.
HWND CreateGridWindow(HWND parent, HINSTANCE instance);
LRESULT CALLBACK GridWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Scrolls as little as possible so that the row's line is on the page.
void EnsureRowVisible(int row);

// Each channel (tint * alpha + base * (255 - alpha)) / 255, alpha clamped to 0..255.
COLORREF BlendColor(COLORREF base, COLORREF tint, int alpha);
// The palette colour of the group's name; #787878 for no group or an empty name.
COLORREF GroupColor(int groupId);
COLORREF RowBackgroundColor(int groupId, const std::wstring& url, bool dark, bool alternate);

// Performs the URL drop the last drag described; true when the URL moved.
bool MoveDraggedUrl();
// The URL row menu at a screen point; its commands go to `owner`.
void ShowUrlContextMenu(HWND owner, int row, POINT screen);

bool IsPinned(const std::wstring& url);
bool AllPinned(const std::vector<std::wstring>& urls);
