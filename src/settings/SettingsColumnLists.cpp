#include <cwctype>

#include "settings/SettingsKeys.h"

int ScanColumnList(const wchar_t* text, std::array<int, kColumnCount>& values) {
    const wchar_t* p = text;
    int count = 0;
    while (count < kColumnCount) {
        if (count > 0) {
            if (*p != L',') break;
            ++p;
        }
        while (*p && std::iswspace(*p)) ++p;
        bool negative = false;
        if (*p == L'+' || *p == L'-') negative = *p++ == L'-';
        if (*p < L'0' || *p > L'9') break;
        // Accumulate in 64 bits and clamp, so a thousand digits cannot overflow.
        long long magnitude = 0;
        for (; *p >= L'0' && *p <= L'9'; ++p) {
            if (magnitude <= INT_MAX) magnitude = magnitude * 10 + (*p - L'0');
        }
        long long value = negative ? -magnitude : magnitude;
        if (value > INT_MAX) value = INT_MAX;
        if (value < INT_MIN) value = INT_MIN;
        values[count++] = static_cast<int>(value);
    }
    return count;
}

namespace {

// Nine numbers come from files written before the "Reminder" column existed;
// `appended` is what that column gets. False for any other count.
bool ScanTenOrNine(const wchar_t* text, int appended, std::array<int, kColumnCount>& values) {
    int count = ScanColumnList(text, values);
    if (count == kColumnCount - 1) values[kColumnCount - 1] = appended;
    return count == kColumnCount || count == kColumnCount - 1;
}

bool IsArrangementOfColumnIds(const std::array<int, kColumnCount>& order) {
    std::array<bool, kColumnCount> seen{};
    for (int id : order) {
        if (id < 0 || id >= kColumnCount || seen[id]) return false;
        seen[id] = true;
    }
    return true;
}

}  // namespace

// The grid takes each order entry as a column id; a repeated or foreign id
// would show one column twice or index past the table, so such an order is
// treated like a malformed one.
void ApplyColumnOrderText(const wchar_t* text, std::array<int, kColumnCount>& order) {
    std::array<int, kColumnCount> values{};
    if (!ScanTenOrNine(text, kColumnCount - 1, values)) return;
    if (!IsArrangementOfColumnIds(values)) return;
    order = values;
}

void ApplyColumnVisibilityText(const wchar_t* text, std::array<bool, kColumnCount>& visible) {
    std::array<int, kColumnCount> values{};
    if (!ScanTenOrNine(text, 1, values)) return;
    for (int i = 0; i < kColumnCount; ++i) visible[i] = values[i] != 0;
}
