#pragma once
// Text helpers shared by every subsystem: UTF-8 conversion and the name
// comparison rules of the catalogue.
#include <string>
#include <string_view>

// Empty input or a failed conversion gives empty text.
std::string Utf8FromWide(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view text);

// Folds only A-Z to a-z; every other code unit stays as it is.
wchar_t FoldAsciiLetter(wchar_t c);
std::wstring FoldAsciiCase(std::wstring_view text);

// Group and tag names compare case-insensitively for A-Z only.
bool NamesEqual(std::wstring_view a, std::wstring_view b);
