#pragma once
// A static control that looks and feels like a link: its font underlined and
// a hand pointer over it. Its colour is the parent's WM_CTLCOLORSTATIC answer,
// its clicks the parent's STN_CLICKED (the label needs SS_NOTIFY).
#include <windows.h>

// Gives the label an underlined copy of its font and the hand pointer.
// Returns the new font, which the caller deletes once the label is gone (null
// when none could be made: the label keeps its font).
HFONT MakeLinkLabel(HWND label);
