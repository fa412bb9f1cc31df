#include "capture/AutoRules.h"

#include <algorithm>

#include "model/AppState.h"
#include "model/CatalogueMerge.h"
#include "model/TextUtil.h"

bool AutoRuleMatches(const std::wstring& foldedUrl, const std::wstring& pattern) {
    return foldedUrl.find(FoldAsciiCase(pattern)) != std::wstring::npos;
}

int ApplyAutoGroupRules(const std::wstring& url) {
    std::wstring folded = FoldAsciiCase(url);
    for (const AutoRule& rule : g_app.autoGroupRules)
        if (AutoRuleMatches(folded, rule.pattern)) return FindOrCreateGroup(rule.target);
    return DefaultGroupId();
}

static bool ContainsName(const std::vector<std::wstring>& names, const std::wstring& name) {
    return std::any_of(names.begin(), names.end(), [&](const std::wstring& n) { return NamesEqual(n, name); });
}

bool ApplyAutoTagRules(const std::wstring& url) {
    if (g_app.autoTagRules.empty()) return false;
    std::wstring folded = FoldAsciiCase(url);
    std::vector<std::wstring>& tags = g_app.urlTags[url];
    bool attached = false;
    for (const AutoRule& rule : g_app.autoTagRules) {
        if (!AutoRuleMatches(folded, rule.pattern)) continue;
        // The link is stored by the vocabulary's spelling: a rule written in
        // another letter case must attach the tag as the vocabulary has it,
        // or the save would find no tag row for it and drop the link.
        bool known = ContainsName(g_app.tagNames, rule.target);
        std::wstring tag = VocabularyTagName(rule.target);
        if (!known) g_app.tagUpdatedAt[tag] = NowTimestamp();
        if (!ContainsName(tags, tag)) {
            tags.push_back(tag);
            attached = true;
        }
    }
    return attached;
}
