#include <string>
#include <vector>

#include "ui/DarkTheme.h"
#include "ui/DialogTemplate.h"
#include "base/FixedText.h"
#include "ui/ModalDialog.h"
#include "ui/StandardDialogs.h"

namespace {

constexpr WORD kPromptId = 101;
constexpr WORD kEntryId = 102;
constexpr DialogRect kInputBoxRect{0, 0, 190, 70};
constexpr size_t kCaptionRoom = 255;
constexpr size_t kPromptRoom = 255;

struct InputBoxState {
    std::wstring prompt;
    std::wstring initialText;
    std::wstring entry;  // what OK read; empty otherwise
};

// The prompt has one line of room: a longer one ends in an ellipsis instead
// of being clipped mid-letter, and "&" in a quoted name stays an ampersand.
DialogTemplate BuildInputBox(const std::wstring& caption) {
    DialogTemplate dialog(kStandardDialogStyle, caption, kInputBoxRect);
    dialog.AddItem(DialogItemClass::Static, kPromptId, {7, 7, 176, 10},
                   WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS);
    dialog.AddItem(DialogItemClass::Edit, kEntryId, {7, 20, 176, 14},
                   WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL);
    dialog.AddItem(DialogItemClass::Button, IDOK, {45, 44, 45, 14},
                   WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, L"OK");
    dialog.AddItem(DialogItemClass::Button, IDCANCEL, {100, 44, 45, 14},
                   WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, L"Cancel");
    return dialog;
}

// TRUE: the platform focuses the entry, its text selected.
INT_PTR OnInputBoxInit(HWND dialog, LPARAM state) {
    KeepDialogState(dialog, state);
    UseGuiFont(dialog);
    ApplyDarkDialog(dialog);
    const InputBoxState& input = *DialogStateOf<InputBoxState>(dialog);
    SetDlgItemTextW(dialog, kPromptId, input.prompt.c_str());
    HWND entry = GetDlgItem(dialog, kEntryId);
    // Typing stops where the answer would be cut.
    SendMessageW(entry, EM_LIMITTEXT, kInputBoxRoom, 0);
    SetWindowTextW(entry, input.initialText.c_str());
    return TRUE;
}

INT_PTR OnInputBoxCommand(HWND dialog, WORD id) {
    InputBoxState& input = *DialogStateOf<InputBoxState>(dialog);
    switch (id) {
        case IDOK:
            input.entry = ReadControlText(GetDlgItem(dialog, kEntryId), kInputBoxRoom);
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            input.entry.clear();
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default: return FALSE;
    }
}

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (HBRUSH brush = DarkDialogColor(message, reinterpret_cast<HDC>(wParam)))
        return reinterpret_cast<INT_PTR>(brush);
    switch (message) {
        case WM_INITDIALOG: return OnInputBoxInit(dialog, lParam);
        case WM_COMMAND: return OnInputBoxCommand(dialog, LOWORD(wParam));
        default: return FALSE;
    }
}

}  // namespace

bool ShowInputBox(HWND owner, const wchar_t* caption, const wchar_t* prompt, std::wstring& result,
                  const wchar_t* initialText) {
    InputBoxState state;
    state.prompt = ShortenForDisplay(prompt ? prompt : L"", kPromptRoom, 1);
    state.initialText = ShortenText(initialText ? initialText : L"", kInputBoxRoom);
    const DialogTemplate dialog = BuildInputBox(ShortenForDisplay(caption ? caption : L"", kCaptionRoom, 1));
    if (RunModalDialog(owner, dialog, InputBoxProc, &state) != IDOK || state.entry.empty()) return false;
    result = state.entry;
    return true;
}
