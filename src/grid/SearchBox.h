#pragma once
// The filter bar's search box. The main window creates it; until then the
// search text is empty.
#include <windows.h>

extern HWND g_searchEdit;
