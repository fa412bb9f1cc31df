#include "app/Accelerators.h"

#include "ui/CommandIds.h"
#include "app/MainWindow.h"

// Alt with 0x2F (VK_HELP) and with 0x3F, a code no key produces, are kept as
// further ways to About next to F1.
const std::array<ACCEL, kAcceleratorCount> kAccelerators{{
    {FVIRTKEY | FALT, VK_HELP, IDM_ABOUT},
    {FVIRTKEY | FALT, 0x3F, IDM_ABOUT},
    {FVIRTKEY, VK_F1, IDM_ABOUT},
    {FVIRTKEY, VK_F2, IDM_EDIT_TITLE},
    {FVIRTKEY, VK_F3, IDM_OPEN_IN_BROWSER},
    {FVIRTKEY, VK_F4, IDM_EDIT_URL},
    {FVIRTKEY, VK_F5, IDM_COPY},
    {FVIRTKEY, VK_F6, IDM_ADD_TAG},
    {FVIRTKEY, VK_F7, IDM_ADD_GROUP},
    {FVIRTKEY, VK_F8, IDM_DELETE_SELECTED},
    {FVIRTKEY | FCONTROL, 'Z', IDM_UNDO},
    {FVIRTKEY | FCONTROL, 'Y', IDM_REDO},
}};

HACCEL CreateMainAccelerators() {
    std::array<ACCEL, kAcceleratorCount> entries = kAccelerators;  // the call wants a writable array
    return CreateAcceleratorTableW(entries.data(), static_cast<int>(entries.size()));
}

// The keys are translated for every window of the thread, so F3 typed in the
// search box opens the selection; modal dialogs run their own loops and keep
// their keys.
bool TranslateMainAccelerator(HACCEL table, MSG& message) {
    if (!table || !g_mainWindow || !IsWindow(g_mainWindow)) return false;
    return TranslateAcceleratorW(g_mainWindow, table, &message) != 0;
}
