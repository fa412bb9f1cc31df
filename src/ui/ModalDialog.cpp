#include "ui/ModalDialog.h"

INT_PTR RunModalDialog(HWND owner, const DialogTemplate& dialogTemplate, DLGPROC procedure, void* state) {
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate.Get(), owner, procedure,
                                   reinterpret_cast<LPARAM>(state));
}

void KeepDialogState(HWND dialog, LPARAM state) { SetWindowLongPtrW(dialog, DWLP_USER, state); }

namespace {

BOOL CALLBACK SetChildFont(HWND child, LPARAM font) {
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return TRUE;
}

}  // namespace

void UseGuiFont(HWND dialog) {
    EnumChildWindows(dialog, SetChildFont, reinterpret_cast<LPARAM>(GetStockObject(DEFAULT_GUI_FONT)));
}
