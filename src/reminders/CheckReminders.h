#pragma once
// The periodic reminder check: fires every due reminder, then removes the
// one-time ones and moves the repeating ones on.
#include <string>

// What firing does outside the catalogue; the main window supplies it.
struct ReminderFiring {
    // A tray notification naming the URL by its title (or its text).
    void (*notify)(const std::wstring& displayName, const std::wstring& url) = nullptr;
    // Opens the URL in the browser; true when it was opened.
    bool (*open)(const std::wstring& url) = nullptr;
};

// Runs the check at `clockText` ("YYYY-MM-DD hh:mm"); returns how many
// reminders fired. When any did, the catalogue is saved and the rows and
// columns are refreshed.
size_t CheckReminders(const std::wstring& clockText, const ReminderFiring& firing);
