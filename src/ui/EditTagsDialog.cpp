#include <algorithm>
#include <string>
#include <vector>

#include "model/AppState.h"
#include "settings/Settings.h"
#include "ui/DarkTheme.h"
#include "ui/DialogTemplate.h"
#include "ui/ModalDialog.h"
#include "ui/StandardDialogs.h"
#include "ui/ThemeBrushes.h"

namespace {

constexpr WORD kTagListId = 301;
constexpr wchar_t kCaption[] = L"Vantrelix Edit Tags";

struct EditTagsState {
    std::vector<std::wstring> current;
    std::vector<std::wstring> checked;
};

// LBS_MULTIPLESEL: each click toggles a tag, so the selection is the set of
// checked tags.
DialogTemplate BuildEditTags() {
    DialogTemplate dialog(kStandardDialogStyle, kCaption, {0, 0, 170, 96});
    dialog.AddItem(
        DialogItemClass::ListBox, kTagListId, {7, 7, 156, 60},
        WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_MULTIPLESEL | LBS_HASSTRINGS);
    dialog.AddItem(DialogItemClass::Button, IDOK, {30, 74, 45, 14},
                   WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, L"OK");
    dialog.AddItem(DialogItemClass::Button, IDCANCEL, {95, 74, 45, 14},
                   WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, L"Cancel");
    return dialog;
}

// Tags of the current list that the vocabulary does not hold have no item
// to check, and are dropped.
void FillTagList(HWND list, const std::vector<std::wstring>& current) {
    for (const std::wstring& tag : g_app.tagNames) {
        const LRESULT index = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(tag.c_str()));
        if (index < 0) continue;
        if (std::find(current.begin(), current.end(), tag) != current.end())
            SendMessageW(list, LB_SETSEL, TRUE, index);
    }
    // Checking a tag scrolls the list to it; the list opens at its top.
    SendMessageW(list, LB_SETCARETINDEX, 0, FALSE);
    SendMessageW(list, LB_SETTOPINDEX, 0, 0);
}

// Each item's length is asked first, so a tag of any length is read whole.
std::wstring ItemText(HWND list, int index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT read = SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(read > 0 ? std::min(static_cast<size_t>(read), static_cast<size_t>(length)) : 0);
    return text;
}

std::vector<std::wstring> CheckedTags(HWND list) {
    std::vector<std::wstring> tags;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i)
        if (SendMessageW(list, LB_GETSEL, i, 0) > 0) tags.push_back(ItemText(list, i));
    return tags;
}

INT_PTR OnEditTagsInit(HWND dialog, LPARAM state) {
    KeepDialogState(dialog, state);
    UseGuiFont(dialog);
    ApplyDarkDialog(dialog);
    FillTagList(GetDlgItem(dialog, kTagListId), DialogStateOf<EditTagsState>(dialog)->current);
    return TRUE;
}

INT_PTR OnEditTagsCommand(HWND dialog, WORD id) {
    EditTagsState& tags = *DialogStateOf<EditTagsState>(dialog);
    switch (id) {
        case IDOK:
            tags.checked = CheckedTags(GetDlgItem(dialog, kTagListId));
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            tags.checked.clear();
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default: return FALSE;
    }
}

// The list is a control like an edit box: in the dark theme it takes the
// control colours instead of staying a white block in a dark dialog.
INT_PTR OnTagListColor(HDC dc) {
    if (!g_settings.darkMode) return FALSE;
    SetTextColor(dc, kDarkTextColor);
    SetBkColor(dc, kDarkControlColor);
    return reinterpret_cast<INT_PTR>(DarkControlBrush());
}

INT_PTR CALLBACK EditTagsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (HBRUSH brush = DarkDialogColor(message, reinterpret_cast<HDC>(wParam)))
        return reinterpret_cast<INT_PTR>(brush);
    switch (message) {
        case WM_INITDIALOG: return OnEditTagsInit(dialog, lParam);
        case WM_COMMAND: return OnEditTagsCommand(dialog, LOWORD(wParam));
        case WM_CTLCOLORLISTBOX: return OnTagListColor((HDC)wParam);
        default: return FALSE;
    }
}

}  // namespace

bool ShowEditTagsDialog(HWND owner, const std::vector<std::wstring>& current,
                        std::vector<std::wstring>& result) {
    // `current` and `result` may be the same list: it is copied first.
    EditTagsState state;
    state.current = current;
    result.clear();
    const DialogTemplate dialog = BuildEditTags();
    const bool chosen = RunModalDialog(owner, dialog, EditTagsProc, &state) == IDOK;
    result = std::move(state.checked);
    return chosen;
}
