#include "grid/RowFilters.h"

#include <windows.h>

#include <cwchar>

namespace {

constexpr wchar_t kHasReminder[] = L"Has Reminder";
constexpr wchar_t kDueOrOverdue[] = L"Due / Overdue";
constexpr wchar_t kDueToday[] = L"Due Today";
constexpr wchar_t kUpcoming[] = L"Upcoming";

// Inline here rather than the shared helper: the search runs it for every
// character of every URL on each keystroke.
inline wchar_t Fold(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
}

}  // namespace

ReminderClock ReadReminderClock() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    wchar_t minute[32];
    swprintf(minute, 32, L"%04d-%02d-%02d %02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute);
    ReminderClock clock;
    clock.minute = minute;
    clock.date = clock.minute.substr(0, 10);
    return clock;
}

bool IsReminderFilterName(const std::wstring& filter) {
    return filter == kHasReminder || filter == kDueOrOverdue || filter == kDueToday || filter == kUpcoming;
}

// wstring comparison is by code unit, and wchar_t is an unsigned 16-bit type
// here, which is the order reminder times are compared in.
bool PassesReminderFilter(const std::wstring& filter, const std::wstring* due, const ReminderClock& now) {
    if (!IsReminderFilterName(filter)) return true;
    if (!due) return false;
    if (filter == kHasReminder) return true;
    if (filter == kDueOrOverdue) return *due <= now.minute;
    if (filter == kUpcoming) return *due > now.minute;
    return due->size() >= 10 && due->compare(0, 10, now.date) == 0;
}

bool ContainsFolded(std::wstring_view text, std::wstring_view key) {
    if (key.empty()) return true;
    if (key.size() > text.size()) return false;
    const wchar_t first = key[0];
    const size_t last = text.size() - key.size();
    for (size_t i = 0; i <= last; ++i) {
        if (Fold(text[i]) != first) continue;
        size_t j = 1;
        while (j < key.size() && Fold(text[i + j]) == key[j]) ++j;
        if (j == key.size()) return true;
    }
    return false;
}
