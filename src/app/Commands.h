#pragma once
// WM_COMMAND of the main window: one decoding of the identifier (and, for the
// filter bar's controls, the notification code) into what is to be done.
#include <windows.h>

enum class CommandKind {
    Unknown,      // not the main window's: DefWindowProcW
    FilterBar,    // a notification of the search box, its clear button or a filter
    Fixed,        // one of the fixed identifiers; `argument` is the identifier
    MoveToGroup,  // 3000 + group id; `argument` is the group id
    RenameGroup,  // 3100 + group id
    DeleteGroup,  // 3200 + group id
    RenameTag,    // 3300 + position in the tag list
    DeleteTag,    // 3400 + position in the tag list
};

struct DecodedCommand {
    CommandKind kind = CommandKind::Unknown;
    int argument = 0;
};

DecodedCommand DecodeCommand(UINT id, UINT notifyCode);

// Carries out a command. Returns false for a command the main window does not
// take, which then goes to DefWindowProcW.
bool RunCommand(HWND window, UINT id, UINT notifyCode);
