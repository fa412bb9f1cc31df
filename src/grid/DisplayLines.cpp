#include <unordered_map>
#include <vector>

#include "grid/VisibleRows.h"
#include "model/AppState.h"

namespace {

// One pass over the rows buckets them by group (a counting sort keyed by the
// group's first position in the list), so the cost is rows + groups instead
// of rows times groups. Rows whose group is not in the list get no line.
void BuildLines(std::vector<DisplayLine>& lines, std::vector<int>& lineOfRow) {
    const auto& groups = g_app.groups;
    const auto& rows = g_grid.visibleRows;
    std::unordered_map<int, size_t> bucketOfGroup;
    bucketOfGroup.reserve(groups.size());
    for (size_t g = 0; g < groups.size(); ++g) bucketOfGroup.emplace(groups[g].id, g);

    std::vector<int> bucketOfRow(rows.size(), -1);
    std::vector<size_t> start(groups.size() + 1, 0);
    for (size_t i = 0; i < rows.size(); ++i) {
        auto it = bucketOfGroup.find(rows[i].groupId);
        if (it == bucketOfGroup.end()) continue;
        bucketOfRow[i] = static_cast<int>(it->second);
        ++start[it->second + 1];
    }
    for (size_t g = 0; g < groups.size(); ++g) start[g + 1] += start[g];
    std::vector<int> rowsByBucket(start[groups.size()]);
    std::vector<size_t> next(start.begin(), start.end() - 1);
    for (size_t i = 0; i < rows.size(); ++i)
        if (bucketOfRow[i] >= 0) rowsByBucket[next[bucketOfRow[i]]++] = static_cast<int>(i);

    lines.clear();
    lineOfRow.assign(rows.size(), -1);
    for (const UrlGroup& group : groups) {
        lines.push_back(DisplayLine{true, group.id, -1});
        if (g_grid.collapsedGroups.count(group.id)) continue;
        size_t bucket = bucketOfGroup[group.id];
        for (size_t k = start[bucket]; k < start[bucket + 1]; ++k) {
            int row = rowsByBucket[k];
            if (lineOfRow[row] < 0) lineOfRow[row] = static_cast<int>(lines.size());
            lines.push_back(DisplayLine{false, group.id, row});
        }
    }
}

bool SameGroupIds(const std::vector<int>& ids) {
    const auto& groups = g_app.groups;
    if (ids.size() != groups.size()) return false;
    for (size_t g = 0; g < groups.size(); ++g)
        if (ids[g] != groups[g].id) return false;
    return true;
}

// The generation covers changes made through the row functions. Code that
// edits collapsedGroups or the group list directly (undo, clearing the
// catalogue, deleting a group) is caught by comparing those small inputs,
// and a replaced row list by its storage and size.
bool CacheIsCurrent(const DisplayLineCache& cache) {
    return cache.valid && cache.generation == g_grid.rowsGeneration &&
           cache.rowsData == g_grid.visibleRows.data() && cache.rowCount == g_grid.visibleRows.size() &&
           cache.collapsed == g_grid.collapsedGroups && SameGroupIds(cache.groupIds);
}

}  // namespace

std::vector<DisplayLine> BuildDisplayLines() {
    std::vector<DisplayLine> lines;
    std::vector<int> lineOfRow;
    BuildLines(lines, lineOfRow);
    return lines;
}

const std::vector<DisplayLine>& CurrentDisplayLines() {
    DisplayLineCache& cache = g_grid.displayCache;
    if (CacheIsCurrent(cache)) return cache.lines;
    BuildLines(cache.lines, cache.lineOfRow);
    cache.generation = g_grid.rowsGeneration;
    cache.rowsData = g_grid.visibleRows.data();
    cache.rowCount = g_grid.visibleRows.size();
    cache.collapsed = g_grid.collapsedGroups;
    cache.groupIds.clear();
    for (const UrlGroup& group : g_app.groups) cache.groupIds.push_back(group.id);
    cache.valid = true;
    return cache.lines;
}

int DisplayLineOfRow(int rowIndex) {
    CurrentDisplayLines();
    const auto& lineOfRow = g_grid.displayCache.lineOfRow;
    if (rowIndex < 0 || static_cast<size_t>(rowIndex) >= lineOfRow.size()) return -1;
    return lineOfRow[rowIndex];
}

void InvalidateDisplayLines() { ++g_grid.rowsGeneration; }

void SetGroupCollapsed(int groupId, bool collapsed) {
    bool changed = collapsed ? g_grid.collapsedGroups.insert(groupId).second
                             : g_grid.collapsedGroups.erase(groupId) != 0;
    if (changed) ++g_grid.rowsGeneration;
}

void ToggleGroupCollapsed(int groupId) { SetGroupCollapsed(groupId, !IsGroupCollapsed(groupId)); }

bool IsGroupCollapsed(int groupId) { return g_grid.collapsedGroups.count(groupId) != 0; }
