#pragma once
// Saving what a window shows on the screen as a PNG file, for the programs
// that photograph the program's windows and dialogs. GDI+ must be started.
#include <windows.h>

#include <string>

// Copies the window's screen area as it is now, frame and anything open over
// it (a pop-up menu) included; prints "saved" or "FAILED" with the path.
bool SaveWindowArea(HWND window, const std::wstring& path);
