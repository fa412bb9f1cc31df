#pragma once
// Folded "Title" cell and URL texts and the pin flag of every filed URL, in
// catalogue order, so that a search keystroke or a sort by title or URL needs
// no map lookup per URL. Valid only while the catalogue is unchanged: every
// RebuildVisibleRows drops it, RefilterVisibleRows reuses it.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct RowTexts {
    uint32_t urlOffset = 0;
    uint32_t urlLength = 0;
    uint32_t titleOffset = 0;  // the "Title" cell: the title, or the URL when it has none
    uint32_t titleLength = 0;
    bool titleIsUrl = true;
    bool pinned = false;
};

struct RowTextCache {
    std::wstring arena;              // every text, A-Z folded
    std::vector<RowTexts> entries;   // group by group, each group's URLs in order
    std::vector<size_t> groupStart;  // first entry of each group, then the total

    std::wstring_view Url(const RowTexts& e) const {
        return std::wstring_view(arena).substr(e.urlOffset, e.urlLength);
    }
    std::wstring_view Title(const RowTexts& e) const {
        return std::wstring_view(arena).substr(e.titleOffset, e.titleLength);
    }
};

// The cache for the current catalogue, built when there is none or when the
// groups no longer have the sizes it was built for.
const RowTextCache& CurrentRowTexts();
// Drops the cache; while the grid window exists it is built again a moment
// later, when the program is idle, so that the next keystroke in the search
// box does not pay for it.
void DropRowTexts();
// Timer on the grid window that builds the dropped cache again.
inline constexpr UINT_PTR kRowTextsTimer = 2041;
inline constexpr unsigned kRowTextsDelayMs = 300;
void OnRowTextsTimer();
