#include <string>

#include "settings/Settings.h"
#include "ui/DarkTheme.h"
#include "ui/DialogTemplate.h"
#include "base/FixedText.h"
#include "ui/MessageBoxLayout.h"
#include "ui/ModalDialog.h"
#include "ui/StandardDialogs.h"

namespace {

constexpr WORD kMessageItemId = 101;
constexpr wchar_t kDefaultCaption[] = L"Vantrelix";

// A message may quote anything (a page title, a whole clipboard): what the
// box shows is cut to this much, which keeps the box on the screen and its
// sizes well inside the template's 16-bit fields.
constexpr size_t kMessageTextRoom = 1500;
constexpr size_t kMessageLineRoom = 30;
constexpr size_t kCaptionRoom = 255;

// The message text is no prefix text ("&" in a URL is an ampersand) and
// wraps inside long words too, so that an address longer than the box
// breaks instead of running off its edge.
constexpr DWORD kMessageStyle = WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL;

struct MessageBoxState {
    std::wstring text;
    UINT flags = MB_OK;
    WORD defaultButtonId = IDOK;
};

DialogTemplate BuildMessageBox(const std::wstring& caption, const MessageBoxLayout& box, int defaultButton) {
    DialogTemplate dialog(kStandardDialogStyle, caption, {0, 0, box.width, box.height});
    dialog.AddItem(DialogItemClass::Static, kMessageItemId,
                   {kMessageMargin, kMessageMargin, box.width - 2 * kMessageMargin, box.textHeight},
                   kMessageStyle);
    for (int i = 0; i < box.buttonCount; ++i) {
        const MessageBoxButton& button = box.buttons[i];
        const DWORD kind = i == defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        dialog.AddItem(DialogItemClass::Button, button.id,
                       {box.ButtonLeft(i), box.buttonTop, kMessageButtonWidth, kMessageButtonHeight},
                       WS_VISIBLE | WS_TABSTOP | kind, button.label);
    }
    return dialog;
}

// The default button gets the focus, so Enter and Space answer with it.
INT_PTR OnMessageBoxInit(HWND dialog, LPARAM state) {
    KeepDialogState(dialog, state);
    UseGuiFont(dialog);
    ApplyDarkDialog(dialog);
    const MessageBoxState* box = DialogStateOf<MessageBoxState>(dialog);
    SetDlgItemTextW(dialog, kMessageItemId, box->text.c_str());
    SendMessageW(dialog, DM_SETDEFID, box->defaultButtonId, 0);
    SetFocus(GetDlgItem(dialog, box->defaultButtonId));
    return FALSE;
}

// Escape arrives as IDCANCEL even in a box without a Cancel button, and ends
// it with that id.
INT_PTR OnMessageBoxCommand(HWND dialog, WORD id) {
    switch (id) {
        case IDOK:
        case IDCANCEL:
        case IDYES:
        case IDNO:
            EndDialog(dialog, id);
            return TRUE;
        default: return FALSE;
    }
}

INT_PTR OnMessageBoxClose(HWND dialog) {
    EndDialog(dialog, MessageBoxCloseResult(DialogStateOf<MessageBoxState>(dialog)->flags));
    return TRUE;
}

INT_PTR CALLBACK MessageBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (HBRUSH brush = DarkDialogColor(message, reinterpret_cast<HDC>(wParam)))
        return reinterpret_cast<INT_PTR>(brush);
    switch (message) {
        case WM_INITDIALOG: return OnMessageBoxInit(dialog, lParam);
        case WM_COMMAND: return OnMessageBoxCommand(dialog, LOWORD(wParam));
        case WM_CLOSE: return OnMessageBoxClose(dialog);
        default: return FALSE;
    }
}

}  // namespace

// The text and flags travel to the dialog procedure with the dialog itself,
// so a box shown from a worker thread cannot mix with one on the GUI thread.
int ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT flags) {
    MessageBoxState state;
    state.text = ShortenForDisplay(text ? text : L"", kMessageTextRoom, kMessageLineRoom);
    state.flags = flags;
    const std::wstring shownCaption = ShortenForDisplay(caption ? caption : kDefaultCaption, kCaptionRoom, 1);
    const MessageBoxLayout box = MeasureMessageBox(state.text, flags);
    const int defaultButton = DefaultButtonIndex(flags, box.buttonCount);
    state.defaultButtonId = box.buttons[defaultButton].id;
    const DialogTemplate dialog = BuildMessageBox(shownCaption, box, defaultButton);
    const INT_PTR result = RunModalDialog(owner, dialog, MessageBoxProc, &state);
    // Closing the box activates the main window again, which can repaint its
    // frame and menus in the platform's light colours.
    if (g_settings.darkMode)
        if (HWND main = ThemedMainWindow()) ApplyDarkMode(main);
    return static_cast<int>(result);
}
