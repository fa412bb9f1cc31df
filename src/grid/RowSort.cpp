#include "grid/RowSort.h"

#include <algorithm>
#include <string_view>
#include <type_traits>

#include "grid/Columns.h"
#include "grid/VisibleRows.h"
#include "model/AppState.h"
#include "settings/Settings.h"

// Folded texts are compared with the standard character traits, which order
// wchar_t by value; that is the unsigned 16-bit order only because wchar_t is
// an unsigned 16-bit type on this platform.
static_assert(sizeof(wchar_t) == 2 && std::is_unsigned_v<wchar_t>);

namespace {

inline wchar_t Fold(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
}

struct SortKey {
    std::wstring_view text;  // folded cell text, in the cache or the local arena
    RowCandidate row;
};

struct KeySpan {
    size_t offset;
    size_t length;
};

void AppendFolded(std::wstring& arena, std::wstring_view text) {
    size_t start = arena.size();
    arena.append(text);
    for (size_t i = start; i < arena.size(); ++i) arena[i] = Fold(arena[i]);
}

const std::wstring* StoredText(const std::map<std::wstring, std::wstring>& map, const std::wstring& url) {
    auto it = map.find(url);
    return it == map.end() ? nullptr : &it->second;
}

// The columns whose cell text is a stored text are read in place; the others
// go through GetCellText. Either way the result is the cell text, folded.
void AppendSortText(std::wstring& arena, const std::wstring& url, int column) {
    const std::wstring* stored = nullptr;
    switch (column) {
        case ColumnId::Title:
            stored = StoredText(g_app.titles, url);
            AppendFolded(arena, stored && !stored->empty() ? *stored : url);
            return;
        case ColumnId::Url:
            AppendFolded(arena, url);
            return;
        case ColumnId::Created:
            stored = StoredText(g_app.createdAt, url);
            break;
        case ColumnId::Updated:
            stored = StoredText(g_app.updatedAt, url);
            break;
        case ColumnId::Valid:
            stored = StoredText(g_app.validationStatus, url);
            break;
        case ColumnId::LastOpened:
            stored = StoredText(g_app.lastOpenedAt, url);
            break;
        default:
            AppendFolded(arena, GetCellText(url, column, -1));
            return;
    }
    if (stored) AppendFolded(arena, *stored);
}

}  // namespace

int CompareFoldedAscii(const std::wstring& a, const std::wstring& b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        wchar_t x = Fold(a[i]), y = Fold(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool CompareCellTexts(const std::wstring& a, const std::wstring& b) {
    int result = CompareFoldedAscii(GetCellText(a, g_settings.sortColumn, -1),
                                    GetCellText(b, g_settings.sortColumn, -1));
    return g_settings.sortAscending ? result < 0 : result > 0;
}

// Decorate, sort, undecorate: computing both cell texts inside every
// comparison costs two map lookups and two strings per comparison, about
// n log n of each; here it is at most n of each, and none for the columns the
// row cache holds. All keys are views, so the sort moves no strings.
void SortRowsByColumn(std::vector<RowCandidate>& rows, int column, bool ascending,
                      const RowTextCache* cache) {
    if (rows.size() < 2) return;
    const bool cached = cache && (column == ColumnId::Title || column == ColumnId::Url) && rows[0].texts;
    std::wstring arena;
    std::vector<KeySpan> spans;
    if (!cached) {
        spans.reserve(rows.size());
        for (const RowCandidate& row : rows) {
            size_t offset = arena.size();
            AppendSortText(arena, *row.url, column);
            spans.push_back({offset, arena.size() - offset});
        }
    }
    std::vector<SortKey> keys;
    keys.reserve(rows.size());
    const std::wstring_view all(arena);
    for (size_t i = 0; i < rows.size(); ++i) {
        std::wstring_view text;
        if (!cached)
            text = all.substr(spans[i].offset, spans[i].length);
        else if (column == ColumnId::Title)
            text = cache->Title(*rows[i].texts);
        else
            text = cache->Url(*rows[i].texts);
        keys.push_back({text, rows[i]});
    }
    if (ascending)
        std::stable_sort(keys.begin(), keys.end(),
                         [](const SortKey& a, const SortKey& b) { return a.text < b.text; });
    else
        std::stable_sort(keys.begin(), keys.end(),
                         [](const SortKey& a, const SortKey& b) { return a.text > b.text; });
    for (size_t i = 0; i < rows.size(); ++i) rows[i] = keys[i].row;
}
