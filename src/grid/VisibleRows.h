#pragma once
// Which rows the grid shows, in which order, and the group sections.
#include <string>
#include <vector>

#include "grid/GridState.h"

void RebuildVisibleRows();
// The same rebuild with the search text given instead of read from the box.
void RebuildVisibleRowsWithSearch(const std::wstring& searchText);
// For a change of the search text, a filter or the sort only, with the
// catalogue untouched since the last rebuild: reuses the folded texts of the
// previous rebuilds, so a keystroke at 100,000 URLs does no map lookup per
// URL. After any catalogue change, call RebuildVisibleRows instead.
void RefilterVisibleRows();
void RefilterVisibleRowsWithSearch(const std::wstring& searchText);
int RowOfUrl(const std::wstring& url);
std::wstring GetSearchText();
bool CompareCellTexts(const std::wstring& a, const std::wstring& b);

// The display lines computed afresh from visibleRows, collapsedGroups and the
// group list.
std::vector<DisplayLine> BuildDisplayLines();
// The same list, rebuilt only when one of its inputs changed since the last
// call. The reference stays valid until the next row or collapse change.
const std::vector<DisplayLine>& CurrentDisplayLines();
// Index into CurrentDisplayLines() of the row's line; -1 for a row out of
// range or in a collapsed group.
int DisplayLineOfRow(int rowIndex);
// For code that edits visibleRows or collapsedGroups by hand.
void InvalidateDisplayLines();

void SetGroupCollapsed(int groupId, bool collapsed);
void ToggleGroupCollapsed(int groupId);
bool IsGroupCollapsed(int groupId);
