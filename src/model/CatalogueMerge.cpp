#include "model/CatalogueMerge.h"

#include <algorithm>

#include "model/TextUtil.h"

namespace {

template <typename Map>
void CopyEntry(const Map& from, Map& to, const std::wstring& url) {
    auto it = from.find(url);
    if (it != from.end()) to[url] = it->second;
}

bool HasRule(const std::vector<AutoRule>& rules, const AutoRule& rule) {
    return std::any_of(rules.begin(), rules.end(),
                       [&](const AutoRule& r) { return r.pattern == rule.pattern && r.target == rule.target; });
}

void MergeUrl(const AppState& other, const std::wstring& url, int groupId) {
    // The stamps and counters come across before filing, so that filing
    // does not stamp the URL as new.
    CopyEntry(other.titles, g_app.titles, url);
    CopyEntry(other.createdAt, g_app.createdAt, url);
    CopyEntry(other.updatedAt, g_app.updatedAt, url);
    CopyEntry(other.validationStatus, g_app.validationStatus, url);
    CopyEntry(other.openCounts, g_app.openCounts, url);
    CopyEntry(other.lastOpenedAt, g_app.lastOpenedAt, url);
    CopyEntry(other.reminderDates, g_app.reminderDates, url);
    CopyEntry(other.reminderActions, g_app.reminderActions, url);
    CopyEntry(other.reminderRepeats, g_app.reminderRepeats, url);
    if (other.pinnedUrls.count(url)) g_app.pinnedUrls.insert(url);
    auto tags = other.urlTags.find(url);
    if (tags != other.urlTags.end()) {
        std::vector<std::wstring>& list = g_app.urlTags[url];
        for (const std::wstring& tag : tags->second) {
            auto stamp = other.tagUpdatedAt.find(tag);
            bool known = std::any_of(g_app.tagNames.begin(), g_app.tagNames.end(),
                                     [&](const std::wstring& n) { return NamesEqual(n, tag); });
            std::wstring spelled = VocabularyTagName(tag);
            if (!known && stamp != other.tagUpdatedAt.end()) g_app.tagUpdatedAt[spelled] = stamp->second;
            if (std::none_of(list.begin(), list.end(), [&](const std::wstring& t) { return NamesEqual(t, spelled); }))
                list.push_back(spelled);
        }
    }
    AddUrlToGroup(groupId, url);
}

}  // namespace

std::wstring VocabularyTagName(const std::wstring& name) {
    for (const std::wstring& known : g_app.tagNames)
        if (NamesEqual(known, name)) return known;
    g_app.tagNames.push_back(name);
    return g_app.tagNames.back();
}

size_t MergeCatalogue(const AppState& other) {
    size_t added = 0;
    for (const UrlGroup& group : other.groups) {
        int groupId = -1;
        for (const std::wstring& url : group.urls) {
            if (url.empty() || g_app.allUrls.count(url)) continue;
            if (groupId < 0) {
                bool existed = FindGroupByName(group.name) != nullptr;
                groupId = FindOrCreateGroup(group.name);
                auto stamp = other.groupUpdatedAt.find(group.name);
                if (!existed && stamp != other.groupUpdatedAt.end()) g_app.groupUpdatedAt[group.name] = stamp->second;
            }
            MergeUrl(other, url, groupId);
            ++added;
        }
    }
    for (const AutoRule& rule : other.autoTagRules)
        if (!HasRule(g_app.autoTagRules, rule)) g_app.autoTagRules.push_back(rule);
    for (const AutoRule& rule : other.autoGroupRules)
        if (!HasRule(g_app.autoGroupRules, rule)) g_app.autoGroupRules.push_back(rule);
    return added;
}
