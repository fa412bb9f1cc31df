#pragma once
// Text that must fit a field of fixed size: balloons, tips, dialog fields,
// menu labels.
#include <string>

// The text cut to at most `maxChars` code units, ending in "..." when cut; a
// surrogate pair is never split.
std::wstring FitToField(const std::wstring& text, size_t maxChars);
