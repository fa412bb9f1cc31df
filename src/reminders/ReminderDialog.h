#pragma once
// The Set Reminder dialog: a date, a time, the action and the repetition of
// a reminder, with Clear when there is one to clear.
#include <windows.h>

#include <string>

#include "model/AppState.h"

struct ReminderChoice {
    std::wstring date;  // as typed, at most 63 characters
    std::wstring time;  // as typed, at most 63 characters
    ReminderAction action = ReminderAction::Notify;
    ReminderRepeat repeat = ReminderRepeat::None;
    bool clear = false;  // the user chose Clear
};

// The date and time texts the dialog starts with for a stored reminder text:
// split at the first space; a text without one is all date, at "09:00"; no
// reminder starts tomorrow at "09:00".
void InitialReminderTexts(const std::wstring& current, const SYSTEMTIME& now, std::wstring& date,
                          std::wstring& time);

// True when the user pressed OK or Clear; `choice` then holds the answer.
bool ShowReminderDialog(HWND owner, const std::wstring& current, ReminderAction action, ReminderRepeat repeat,
                        ReminderChoice& choice);

// The dialog's caption, for finding it.
inline constexpr wchar_t kReminderDialogCaption[] = L"Vantrelix Set Reminder";
