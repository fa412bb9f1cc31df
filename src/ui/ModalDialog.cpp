#include "ui/ModalDialog.h"

#include <vector>

#include "base/FixedText.h"

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

std::wstring ReadControlText(HWND control, size_t room) {
    const int length = GetWindowTextLengthW(control);
    if (length <= 0) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    const int read = GetWindowTextW(control, buffer.data(), length + 1);
    return ShortenText(std::wstring_view(buffer.data(), read > 0 ? static_cast<size_t>(read) : 0), room);
}
