#include "model/CatalogueEdits.h"

#include <algorithm>
#include <map>

#include "model/AppState.h"

namespace {

// How many times each URL is to be taken out of a list.
using RemovalCounts = std::map<std::wstring, int>;

// One pass over the list however many URLs are removed: removing them one by
// one, each with its own search, is quadratic for a large selection in a
// large group. The tally only holds URLs this list actually loses, so many
// groups cost no copies of a large removal list.
void RemoveFirstEntries(std::vector<std::wstring>& urls, const RemovalCounts& wanted) {
    RemovalCounts taken;
    auto kept = std::remove_if(urls.begin(), urls.end(), [&](const std::wstring& url) {
        auto it = wanted.find(url);
        if (it == wanted.end()) return false;
        int& count = taken[url];
        if (count == it->second) return false;
        ++count;
        return true;
    });
    urls.erase(kept, urls.end());
}

template <typename Map>
void EraseKeys(Map& map, const RemovalCounts& urls) {
    for (const auto& [url, count] : urls) map.erase(url);
}

}  // namespace

void RemoveUrls(const std::vector<std::wstring>& urls) {
    RemovalCounts counts;
    for (const std::wstring& url : urls) ++counts[url];
    for (UrlGroup& group : g_app.groups) RemoveFirstEntries(group.urls, counts);
    EraseKeys(g_app.allUrls, counts);
    EraseKeys(g_app.pinnedUrls, counts);
    EraseKeys(g_app.titles, counts);
    EraseKeys(g_app.createdAt, counts);
    EraseKeys(g_app.urlTags, counts);
    EraseKeys(g_app.updatedAt, counts);
    EraseKeys(g_app.validationStatus, counts);
    EraseKeys(g_app.openCounts, counts);
    EraseKeys(g_app.lastOpenedAt, counts);
    // A removed URL's reminder would otherwise still fire until the next
    // start, since the reminder check walks every entry. Undo brings the
    // entries back with the rest of the snapshot.
    EraseKeys(g_app.reminderDates, counts);
    EraseKeys(g_app.reminderActions, counts);
    EraseKeys(g_app.reminderRepeats, counts);
}

// Removals are gathered per source group and done in one pass each; the
// appends keep the order of `sources`.
void MoveUrls(const std::vector<UrlPlace>& sources, int targetGroupId) {
    UrlGroup* target = FindGroupById(targetGroupId);
    if (!target) return;
    std::map<int, RemovalCounts> removals;
    for (const UrlPlace& source : sources) {
        if (source.groupId == targetGroupId) continue;
        ++removals[source.groupId][source.url];
        target->urls.push_back(source.url);
    }
    for (const auto& [groupId, counts] : removals)
        if (UrlGroup* group = FindGroupById(groupId)) RemoveFirstEntries(group->urls, counts);
}
