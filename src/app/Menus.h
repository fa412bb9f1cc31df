#pragma once
// The program's menu: seven pop-ups shown by the menu bar, the tag and group
// submenus filled from the catalogue, and the states of their items, set each
// time a pop-up opens.
#include <windows.h>

struct MainMenu {
    HMENU bar = nullptr;
    HMENU file = nullptr, edit = nullptr, urls = nullptr, tags = nullptr, groups = nullptr,
          columns = nullptr, help = nullptr;
    HMENU renameTag = nullptr, deleteTag = nullptr, renameGroup = nullptr, deleteGroup = nullptr;
};
extern MainMenu g_mainMenu;

// Creates the menu, fills its dynamic submenus and returns the bar's handle.
// The menu lives as long as the process.
HMENU BuildMainMenu();
// Refill the two tag submenus from the tag list, the two group submenus from
// the group list (then the status bar text).
void RebuildTagMenus();
void RebuildGroupMenus();
// WM_INITMENUPOPUP: greys, checks and relabels the items of `popup`.
void OnInitMenuPopup(HMENU popup);

// The Pin/Unpin item's text for the selection.
const wchar_t* PinItemText(bool allSelectedPinned);
