#pragma once
// Reminder times as text: when one is due and where a repeating one moves
// next. Pure functions of their arguments; the clock is read by the caller.
#include <windows.h>

#include <optional>
#include <string>

#include "model/AppState.h"

// "YYYY-MM-DD hh:mm" for a local time: the form reminder texts are compared
// with.
std::wstring ReminderClockText(const SYSTEMTIME& time);
// The current local time in that form.
std::wstring ReminderClockNow();

// Due when the text sorts at or before the clock text, code unit by code
// unit: with the expected form, once its minute has come.
bool ReminderDue(const std::wstring& reminderText, const std::wstring& clockText);

// The text a repeating reminder moves to after it fired: one day or one
// week later on the calendar (same clock time), or the same day of the next
// month. nullopt when the reminder does not repeat or cannot be moved to a
// later time (too few numbers, or not a real date for a daily or weekly
// one): such a reminder is done once it fired.
std::optional<std::wstring> NextReminderText(const std::wstring& reminderText, ReminderRepeat repeat);

// The date for a new reminder: tomorrow, "YYYY-MM-DD".
std::wstring TomorrowDateText(const SYSTEMTIME& now);
