#pragma once
// The reminder timer's tick: due reminders announce themselves in a balloon
// and open their URL, as their action says.
#include <windows.h>

void OnReminderTimer(HWND window);
