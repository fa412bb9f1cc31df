#pragma once
// The dark palette and its two cached brushes, shared by everything that
// paints or colours controls in dark mode.
#include <windows.h>

inline constexpr COLORREF kDarkWindowColor = RGB(0x1E, 0x1E, 0x1E);
inline constexpr COLORREF kDarkControlColor = RGB(0x2D, 0x2D, 0x2D);
inline constexpr COLORREF kDarkTextColor = RGB(0xDC, 0xDC, 0xDC);
// A link's text, readable on the light and the dark background alike.
inline constexpr COLORREF kLinkTextColor = RGB(0x64, 0xA0, 0xFF);

// Solid brushes of kDarkWindowColor and kDarkControlColor, created on first
// use and kept until DeleteThemeBrushes. Callers never delete them.
HBRUSH DarkWindowBrush();
HBRUSH DarkControlBrush();
void DeleteThemeBrushes();
