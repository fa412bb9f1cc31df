#pragma once
// The 16 x 16 images the grid draws before each title: image 0 is the
// program's own icon, the others are favicons. The main window creates the
// list and destroys it at exit.
#include <windows.h>
#include <commctrl.h>

extern HIMAGELIST FaviconImageList;
