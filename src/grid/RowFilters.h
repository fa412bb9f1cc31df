#pragma once
// The three row filters of the rebuild, as pure functions of their inputs.
#include <string>
#include <string_view>

// The local time as the reminder filter compares it.
struct ReminderClock {
    std::wstring minute;  // "%04d-%02d-%02d %02d:%02d"
    std::wstring date;    // "%04d-%02d-%02d"
};
ReminderClock ReadReminderClock();

// `due` is the URL's reminderDates text, nullptr when it has none. An empty
// filter, or a value that is none of the four filter names, passes every URL.
bool PassesReminderFilter(const std::wstring& filter, const std::wstring* due, const ReminderClock& now);
// True when `filter` is one of the four reminder filter names.
bool IsReminderFilterName(const std::wstring& filter);

// Whether `key`, already folded with FoldAsciiCase, occurs in `text` once A-Z
// of `text` is folded too. An empty key occurs everywhere.
bool ContainsFolded(std::wstring_view text, std::wstring_view key);
