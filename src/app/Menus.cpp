#include "app/Menus.h"

// The window has no menu bar yet, so there is no Groups menu to rebuild.
void RebuildGroupMenus() {}
