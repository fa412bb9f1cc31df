#pragma once
// The filter bar's search box (CreateFilterBar makes it); while it does not
// exist the search text is empty.
#include <windows.h>

extern HWND g_searchEdit;
