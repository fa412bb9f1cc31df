#pragma once
// Shortening texts for places that hold at most so many characters: the
// cut never falls between the two halves of a surrogate pair.
#include <cstddef>
#include <string>
#include <string_view>

// The length of the longest start of `text` that is at most `room` UTF-16
// units and does not end in the first half of a surrogate pair.
size_t SafeCutLength(std::wstring_view text, size_t room);

// `text` cut to at most `room` units with SafeCutLength.
std::wstring ShortenText(std::wstring_view text, size_t room);

// `text` cut to at most `room` units and `lines` lines (a line ends at a line
// feed); a text that had to be cut ends in an ellipsis, which counts towards
// the room.
std::wstring ShortenForDisplay(std::wstring_view text, size_t room, size_t lines);

inline constexpr wchar_t kEllipsis = L'\u2026';

// `text` cut to at most `maxChars` units for a field of fixed size (balloons,
// tips), ending in "..." when cut.
std::wstring FitToField(const std::wstring& text, size_t maxChars);
