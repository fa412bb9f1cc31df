#pragma once
// The menu bar: a child window along the top of the main window that draws
// the seven menu titles itself (a platform menu bar cannot be painted dark)
// and opens the matching pop-up of the program's menu below a clicked title.
// The chosen command reaches the main window as an ordinary WM_COMMAND.
#include <windows.h>

#include <array>

inline constexpr int kMenuBarTitleCount = 7;
inline constexpr int kMenuBarStripHeight = 28;

extern HWND g_menuBar;

bool RegisterMenuBarClass(HINSTANCE instance);
// Creates the bar as a child of `parent` showing `menu`'s pop-ups; the menu
// stays the caller's.
HWND CreateMenuBar(HWND parent, HINSTANCE instance, HMENU menu);

// The seven title rectangles: from x = 6, each its text's width plus 20,
// across the full client height; 60-pixel slots when nothing can be measured.
std::array<RECT, kMenuBarTitleCount> MenuBarItemRects(HWND bar);
// The title whose rectangle holds the client point, or -1.
int MenuBarHitTest(int x, int y);
// The title under the mouse, -1 for none.
int MenuBarHotItem();
