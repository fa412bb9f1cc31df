#include "reminders/ReminderDialog.h"

#include "reminders/ReminderSchedule.h"
#include "ui/DarkTheme.h"
#include "ui/DialogTemplate.h"
#include "base/FixedText.h"
#include "ui/ModalDialog.h"

namespace {

constexpr WORD kDateId = 201, kTimeId = 202, kNotifyId = 203, kOpenId = 204, kBothId = 205, kClearId = 206,
               kRepeatId = 207;
constexpr size_t kFieldRoom = 63;
constexpr const wchar_t* kRepeatNames[] = {L"None", L"Daily", L"Weekly", L"Monthly"};

struct ReminderDialogState {
    std::wstring date, time;
    ReminderAction action;
    ReminderRepeat repeat;
    ReminderChoice* choice;
};

DialogTemplate BuildReminderDialog(bool withClear) {
    DialogTemplate dialog(kStandardDialogStyle, kReminderDialogCaption, {0, 0, 220, 112});
    const DWORD label = WS_VISIBLE | SS_LEFT;
    const DWORD field = WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    dialog.AddItem(DialogItemClass::Static, 100, {7, 7, 90, 10}, label, L"Date (YYYY-MM-DD):");
    dialog.AddItem(DialogItemClass::Edit, kDateId, {100, 5, 110, 14}, field);
    dialog.AddItem(DialogItemClass::Static, 101, {7, 24, 90, 10}, label, L"Time (HH:MM):");
    dialog.AddItem(DialogItemClass::Edit, kTimeId, {100, 22, 110, 14}, field);
    dialog.AddItem(DialogItemClass::Static, 102, {7, 44, 40, 10}, label, L"Action:");
    dialog.AddItem(DialogItemClass::Button, kNotifyId, {50, 43, 50, 12},
                   WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, L"Notify");
    dialog.AddItem(DialogItemClass::Button, kOpenId, {105, 43, 50, 12}, WS_VISIBLE | BS_AUTORADIOBUTTON, L"Open");
    dialog.AddItem(DialogItemClass::Button, kBothId, {160, 43, 50, 12}, WS_VISIBLE | BS_AUTORADIOBUTTON, L"Both");
    dialog.AddItem(DialogItemClass::Static, 103, {7, 62, 40, 10}, label, L"Repeat:");
    dialog.AddItem(DialogItemClass::ComboBox, kRepeatId, {50, 59, 80, 80},
                   WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWNLIST);
    dialog.AddItem(DialogItemClass::Button, IDOK, {withClear ? 15 : 50, 88, 50, 16},
                   WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, L"OK");
    dialog.AddItem(DialogItemClass::Button, IDCANCEL, {withClear ? 85 : 120, 88, 50, 16},
                   WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, L"Cancel");
    if (withClear)
        dialog.AddItem(DialogItemClass::Button, kClearId, {155, 88, 50, 16}, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                       L"Clear");
    return dialog;
}

INT_PTR OnInit(HWND dialog, LPARAM lParam) {
    KeepDialogState(dialog, lParam);
    UseGuiFont(dialog);
    ApplyDarkDialog(dialog);
    const ReminderDialogState& state = *DialogStateOf<ReminderDialogState>(dialog);
    SetDlgItemTextW(dialog, kDateId, state.date.c_str());
    SetDlgItemTextW(dialog, kTimeId, state.time.c_str());
    const WORD radio = state.action == ReminderAction::Open   ? kOpenId
                       : state.action == ReminderAction::Both ? kBothId
                                                              : kNotifyId;
    CheckRadioButton(dialog, kNotifyId, kBothId, radio);
    HWND repeat = GetDlgItem(dialog, kRepeatId);
    for (const wchar_t* name : kRepeatNames) SendMessageW(repeat, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    const int index = static_cast<int>(state.repeat);
    SendMessageW(repeat, CB_SETCURSEL, index >= 0 && index <= 3 ? index : 0, 0);
    return TRUE;
}

void ReadChoice(HWND dialog, ReminderChoice& choice) {
    choice.date = ReadControlText(GetDlgItem(dialog, kDateId), kFieldRoom);
    choice.time = ReadControlText(GetDlgItem(dialog, kTimeId), kFieldRoom);
    choice.action = IsDlgButtonChecked(dialog, kOpenId) == BST_CHECKED   ? ReminderAction::Open
                    : IsDlgButtonChecked(dialog, kBothId) == BST_CHECKED ? ReminderAction::Both
                                                                         : ReminderAction::Notify;
    const LRESULT index = SendDlgItemMessageW(dialog, kRepeatId, CB_GETCURSEL, 0, 0);
    choice.repeat = index >= 1 && index <= 3 ? static_cast<ReminderRepeat>(index) : ReminderRepeat::None;
    choice.clear = false;
}

INT_PTR OnCommand(HWND dialog, WORD id) {
    ReminderChoice& choice = *DialogStateOf<ReminderDialogState>(dialog)->choice;
    switch (id) {
        case IDOK:
            ReadChoice(dialog, choice);
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            choice.clear = false;
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case kClearId:
            choice.clear = true;
            EndDialog(dialog, IDOK);
            return TRUE;
        default: return FALSE;
    }
}

INT_PTR CALLBACK ReminderDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (HBRUSH brush = DarkDialogColor(message, reinterpret_cast<HDC>(wParam)))
        return reinterpret_cast<INT_PTR>(brush);
    switch (message) {
        case WM_INITDIALOG: return OnInit(dialog, lParam);
        case WM_COMMAND: return OnCommand(dialog, LOWORD(wParam));
        case WM_CLOSE: return OnCommand(dialog, IDCANCEL);
        default: return FALSE;
    }
}

}  // namespace

void InitialReminderTexts(const std::wstring& current, const SYSTEMTIME& now, std::wstring& date,
                          std::wstring& time) {
    time = L"09:00";
    if (current.empty()) {
        date = TomorrowDateText(now);
        return;
    }
    const size_t space = current.find(L' ');
    if (space == std::wstring::npos) {
        date = current;
        return;
    }
    date = current.substr(0, space);
    time = current.substr(space + 1);
}

bool ShowReminderDialog(HWND owner, const std::wstring& current, ReminderAction action, ReminderRepeat repeat,
                        ReminderChoice& choice) {
    ReminderDialogState state{{}, {}, action, repeat, &choice};
    SYSTEMTIME now;
    GetLocalTime(&now);
    InitialReminderTexts(current, now, state.date, state.time);
    // The fields hold at most 63 characters; a longer stored text (from a
    // damaged database or a backup) is shown cut, never overflowing them.
    state.date = ShortenText(state.date, kFieldRoom);
    state.time = ShortenText(state.time, kFieldRoom);
    const INT_PTR result = RunModalDialog(owner, BuildReminderDialog(!current.empty()), ReminderDialogProc, &state);
    return result == IDOK;
}
