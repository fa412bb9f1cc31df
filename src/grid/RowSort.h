#pragma once
// Ordering of a group's rows by the text of one column.
#include <string>
#include <vector>

// Stable sort of `urls` by their cell text in `column`, A-Z folded, in the
// order CompareCellTexts gives for that column and direction. Each URL's text
// is computed once per call.
void SortUrlsByColumn(std::vector<const std::wstring*>& urls, int column, bool ascending);

// <0, 0 or >0 like the C library's case-insensitive comparison in the "C"
// locale: A-Z fold to a-z, everything else by unsigned 16-bit code unit.
int CompareFoldedAscii(const std::wstring& a, const std::wstring& b);
