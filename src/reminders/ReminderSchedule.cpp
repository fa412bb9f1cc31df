#include "reminders/ReminderSchedule.h"

#include <cwchar>

namespace {

constexpr ULONGLONG kTicksPerDay = 24ULL * 60 * 60 * 10000000;

std::wstring Format(int year, int month, int day, int hour, int minute) {
    wchar_t text[64];
    swprintf(text, 64, L"%04d-%02d-%02d %02d:%02d", year, month, day, hour, minute);
    return text;
}

// A calendar value moved by whole days. FILETIME arithmetic on the plain
// value keeps the clock time: no zone or daylight-saving step is applied.
std::optional<SYSTEMTIME> AddDays(int year, int month, int day, int hour, int minute, int days) {
    if (year < 1601 || year > 30827) return std::nullopt;
    SYSTEMTIME t{};
    t.wYear = (WORD)year;
    t.wMonth = (WORD)month;
    t.wDay = (WORD)day;
    t.wHour = (WORD)hour;
    t.wMinute = (WORD)minute;
    FILETIME ft;
    // Refuses month 13, 30 February, hour 25 and the like.
    if (month < 1 || day < 1 || hour < 0 || minute < 0 || !SystemTimeToFileTime(&t, &ft)) return std::nullopt;
    ULARGE_INTEGER ticks{};
    ticks.LowPart = ft.dwLowDateTime;
    ticks.HighPart = ft.dwHighDateTime;
    ticks.QuadPart += kTicksPerDay * (ULONGLONG)days;
    ft.dwLowDateTime = ticks.LowPart;
    ft.dwHighDateTime = ticks.HighPart;
    SYSTEMTIME moved{};
    if (!FileTimeToSystemTime(&ft, &moved)) return std::nullopt;
    return moved;
}

}  // namespace

std::wstring ReminderClockText(const SYSTEMTIME& time) {
    return Format(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute);
}

std::wstring ReminderClockNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return ReminderClockText(now);
}

bool ReminderDue(const std::wstring& reminderText, const std::wstring& clockText) {
    return reminderText.compare(clockText) <= 0;
}

std::optional<std::wstring> NextReminderText(const std::wstring& reminderText, ReminderRepeat repeat) {
    if (repeat != ReminderRepeat::Daily && repeat != ReminderRepeat::Weekly && repeat != ReminderRepeat::Monthly)
        return std::nullopt;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    int read = swscanf(reminderText.c_str(), L"%d-%d-%d %d:%d", &year, &month, &day, &hour, &minute);
    if (read < 3) return std::nullopt;
    if (repeat == ReminderRepeat::Monthly) {
        // The day stays as it is even where the next month has no such day:
        // 31 January is followed by 31 February, which sorts before 1 March.
        if (++month > 12) {
            month = 1;
            ++year;
        }
        if (year > 9999) return std::nullopt;
        return Format(year, month, day, hour, minute);
    }
    std::optional<SYSTEMTIME> moved = AddDays(year, month, day, hour, minute, repeat == ReminderRepeat::Daily ? 1 : 7);
    if (!moved) return std::nullopt;
    return ReminderClockText(*moved);
}

std::wstring TomorrowDateText(const SYSTEMTIME& now) {
    std::optional<SYSTEMTIME> tomorrow = AddDays(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, 1);
    SYSTEMTIME t = tomorrow.value_or(now);
    wchar_t text[32];
    swprintf(text, 32, L"%04d-%02d-%02d", t.wYear, t.wMonth, t.wDay);
    return text;
}
