#include "reminders/CheckReminders.h"

#include <vector>

#include "model/AppState.h"
#include "model/CatalogueViews.h"
#include "reminders/ReminderSchedule.h"
#include "storage/Database.h"

namespace {

template <typename Map, typename Value>
Value EntryOr(const Map& map, const std::wstring& url, Value fallback) {
    auto it = map.find(url);
    return it == map.end() ? fallback : it->second;
}

void Fire(const std::wstring& url, const ReminderFiring& firing) {
    ReminderAction action = EntryOr(g_app.reminderActions, url, ReminderAction::Notify);
    if (action == ReminderAction::Notify || action == ReminderAction::Both) {
        std::wstring name = EntryOr(g_app.titles, url, std::wstring());
        if (firing.notify) firing.notify(name.empty() ? url : name, url);
    }
    // The count and the stamp record an opening, so they change only when
    // the browser was really asked to open the URL.
    if ((action == ReminderAction::Open || action == ReminderAction::Both) && firing.open && firing.open(url)) {
        ++g_app.openCounts[url];
        g_app.lastOpenedAt[url] = NowTimestamp();
    }
}

// A reminder that cannot be moved to a later time is done once it fired:
// left as it is, it would stay due and fire at every check.
void MoveOnOrRemove(const std::wstring& url) {
    ReminderRepeat repeat = EntryOr(g_app.reminderRepeats, url, ReminderRepeat::None);
    std::optional<std::wstring> next = NextReminderText(g_app.reminderDates[url], repeat);
    if (next) {
        g_app.reminderDates[url] = *next;
        return;
    }
    g_app.reminderDates.erase(url);
    g_app.reminderActions.erase(url);
    g_app.reminderRepeats.erase(url);
}

}  // namespace

size_t CheckReminders(const std::wstring& clockText, const ReminderFiring& firing) {
    if (g_app.reminderDates.empty()) return 0;
    std::vector<std::wstring> fired;
    for (const auto& [url, text] : g_app.reminderDates)
        if (ReminderDue(text, clockText)) fired.push_back(url);
    for (const std::wstring& url : fired) Fire(url, firing);
    for (const std::wstring& url : fired) MoveOnOrRemove(url);
    if (fired.empty()) return 0;
    SaveCatalogue();
    NotifyRowsAndColumnsChanged();
    return fired.size();
}
