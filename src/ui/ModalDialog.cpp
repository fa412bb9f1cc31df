#include "ui/ModalDialog.h"

INT_PTR RunModalDialog(HWND owner, const DialogTemplate& dialogTemplate, DLGPROC procedure, void* state) {
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate.Get(), owner, procedure,
                                   reinterpret_cast<LPARAM>(state));
}

void KeepDialogState(HWND dialog, LPARAM state) { SetWindowLongPtrW(dialog, DWLP_USER, state); }
