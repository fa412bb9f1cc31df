#pragma once
// Ordering of a group's rows by the text of one column.
#include <string>
#include <vector>

#include "grid/RowTextCache.h"

// One URL of a group on its way into visibleRows.
struct RowCandidate {
    const std::wstring* url;
    const RowTexts* texts;  // its cached texts, or nullptr without a cache
};

// Stable sort of `rows` by their cell text in `column`, A-Z folded, in the
// order CompareCellTexts gives for that column and direction. Each URL's text
// is computed once per call; "Title" and "URL" texts come from `cache` when
// the rows carry cached texts.
void SortRowsByColumn(std::vector<RowCandidate>& rows, int column, bool ascending, const RowTextCache* cache);

// <0, 0 or >0 like the C library's case-insensitive comparison in the "C"
// locale: A-Z fold to a-z, everything else by unsigned 16-bit code unit.
int CompareFoldedAscii(const std::wstring& a, const std::wstring& b);
