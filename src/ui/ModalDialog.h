#pragma once
// Running a dialog modally with a state record of the caller's: the record
// arrives with WM_INITDIALOG and is kept in the dialog's DWLP_USER slot, so
// a dialog procedure needs no process-wide variables.
#include <windows.h>

#include <string>

#include "ui/DialogTemplate.h"

// Returns what EndDialog was given, or the platform's failure value (-1, or
// 0 for an owner that is not a window) when the dialog cannot be created.
INT_PTR RunModalDialog(HWND owner, const DialogTemplate& dialogTemplate, DLGPROC procedure, void* state);

// At WM_INITDIALOG of a template without a font entry: its controls start in
// the bold system font, and get the GUI font the main window's controls use.
// The layout stays in the dialog units of the system font, which leaves the
// smaller text room to spare.
void UseGuiFont(HWND dialog);

// At WM_INITDIALOG: keeps the state record that came with it.
void KeepDialogState(HWND dialog, LPARAM state);

// A control's whole text, read and then cut to `room` characters without
// splitting a surrogate pair (a read straight into a buffer of the final
// size could end in half of one).
std::wstring ReadControlText(HWND control, size_t room);

template <class State>
State* DialogStateOf(HWND dialog) {
    return reinterpret_cast<State*>(GetWindowLongPtrW(dialog, DWLP_USER));
}
