#include "model/NameRules.h"

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

}  // namespace

std::wstring TrimName(std::wstring_view typed) {
    size_t first = 0, end = typed.size();
    while (first < end && IsBlank(typed[first])) ++first;
    while (end > first && IsBlank(typed[end - 1])) --end;
    return std::wstring(typed.substr(first, end - first));
}

// A name is never cut to make it fit: two long names that differ only past
// the cut would become one.
NameVerdict CheckTypedName(std::wstring_view typed, std::wstring& name) {
    name = TrimName(typed);
    if (name.empty()) return NameVerdict::Empty;
    if (name.size() > kMaxNameLength) return NameVerdict::TooLong;
    return NameVerdict::Accepted;
}
