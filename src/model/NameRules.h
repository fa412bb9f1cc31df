#pragma once
// The rules for a group or tag name the user types: the blanks at its ends do
// not count, something must be left, and it must fit the one-line prompt it
// is typed in and later edited in.
#include <cstddef>
#include <string>
#include <string_view>

// The room of the prompt a name is typed in, so that every name the user
// gives can be shown and edited whole.
inline constexpr size_t kMaxNameLength = 255;

enum class NameVerdict {
    Accepted,
    Empty,      // nothing left once the blanks at the ends are gone
    TooLong,    // more than kMaxNameLength characters
    Unchanged,  // a rename to the name it has, letter case aside
    Taken,      // another group or tag has the name, letter case aside
    Missing,    // no group or tag at that place
};

// The text without spaces, tabs, carriage returns and line feeds at its ends.
std::wstring TrimName(std::wstring_view typed);

// Empty, TooLong or Accepted; `name` receives the trimmed text.
NameVerdict CheckTypedName(std::wstring_view typed, std::wstring& name);
