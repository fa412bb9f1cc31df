#include "app/ReminderFiring.h"

#include "app/MainWindow.h"
#include "app/UrlOpening.h"
#include "reminders/CheckReminders.h"
#include "reminders/ReminderSchedule.h"
#include "ui/TrayIcon.h"

namespace {

// The balloon's text is cut to its field by the tray; the title and the URL
// together can be far longer than 255 characters.
void NotifyReminder(const std::wstring& displayName, const std::wstring& url) {
    ShowTrayBalloon(L"Vantrelix Reminder", displayName + L"\n" + url, nullptr);
}

// A reminder never asks: a text that is no web or mail address is not
// opened, only announced.
bool OpenReminderUrl(const std::wstring& url) { return OpenCatalogueUrlWithoutAsking(g_mainWindow, url); }

}  // namespace

void OnReminderTimer(HWND) {
    ReminderFiring firing;
    firing.notify = NotifyReminder;
    firing.open = OpenReminderUrl;
    CheckReminders(ReminderClockNow(), firing);
}
