#include "model/TagVocabulary.h"

#include <algorithm>
#include <set>

#include "model/AppState.h"
#include "model/TextUtil.h"

namespace {

bool IsTagPosition(int position) {
    return position >= 0 && position < static_cast<int>(g_app.tagNames.size());
}

int FindExactTag(const std::wstring& name) {
    auto it = std::find(g_app.tagNames.begin(), g_app.tagNames.end(), name);
    return it == g_app.tagNames.end() ? -1 : static_cast<int>(it - g_app.tagNames.begin());
}

// Which entries of a URL's list belong to the tag at a position (see the
// header), decided per entry without a walk of the vocabulary. It keeps its
// own copy of what it needs, so the vocabulary may change meanwhile.
class TagEntries {
   public:
    explicit TagEntries(int position) : name_(g_app.tagNames[position]) {
        ownsExact_ = FindExactTag(name_) == position;
        ownsOtherCases_ = FindTagName(name_) == position;
        for (const std::wstring& tag : g_app.tagNames)
            if (NamesEqual(tag, name_)) spellings_.insert(tag);
    }
    bool operator()(const std::wstring& entry) const {
        if (entry == name_) return ownsExact_;
        return ownsOtherCases_ && NamesEqual(entry, name_) && !spellings_.count(entry);
    }

   private:
    std::wstring name_;
    bool ownsExact_ = false;
    bool ownsOtherCases_ = false;
    std::set<std::wstring> spellings_;  // vocabulary tags equal to the name, letter case aside
};

// The stamp is keyed by the exact name; another tag of the same spelling (a
// catalogue may hold one) keeps it.
void ForgetStampUnlessSpelled(const std::wstring& name) {
    if (FindExactTag(name) < 0) g_app.tagUpdatedAt.erase(name);
}

// The first entry of the tag, or one that already spells the new name in
// any letter case, takes the new name; any further one goes, so that the
// list holds the tag once.
void GiveNewName(std::vector<std::wstring>& list, const TagEntries& ofTag, const std::wstring& newName) {
    bool placed = false;
    size_t kept = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        if (ofTag(list[i]) || NamesEqual(list[i], newName)) {
            if (placed) continue;
            list[i] = newName;
            placed = true;
        }
        if (kept != i) list[kept] = std::move(list[i]);
        ++kept;
    }
    list.resize(kept);
}

}  // namespace

int FindTagName(std::wstring_view name) {
    for (size_t i = 0; i < g_app.tagNames.size(); ++i)
        if (NamesEqual(g_app.tagNames[i], name)) return static_cast<int>(i);
    return -1;
}

int TagOwnerOf(const std::wstring& entry) {
    const int exact = FindExactTag(entry);
    return exact >= 0 ? exact : FindTagName(entry);
}

NameVerdict CheckNewTagName(std::wstring_view typed, std::wstring& name) {
    const NameVerdict verdict = CheckTypedName(typed, name);
    if (verdict != NameVerdict::Accepted) return verdict;
    return FindTagName(name) >= 0 ? NameVerdict::Taken : NameVerdict::Accepted;
}

NameVerdict CheckTagRename(int position, std::wstring_view typed, std::wstring& name) {
    const NameVerdict verdict = CheckTypedName(typed, name);
    if (!IsTagPosition(position)) return NameVerdict::Missing;
    if (verdict == NameVerdict::Empty) return verdict;
    if (NamesEqual(name, g_app.tagNames[position])) return NameVerdict::Unchanged;
    if (verdict != NameVerdict::Accepted) return verdict;
    return FindTagName(name) >= 0 ? NameVerdict::Taken : NameVerdict::Accepted;
}

bool AddTagName(std::wstring_view typed) {
    std::wstring name;
    if (CheckNewTagName(typed, name) != NameVerdict::Accepted) return false;
    g_app.tagUpdatedAt[name] = NowTimestamp();
    g_app.tagNames.push_back(std::move(name));
    return true;
}

bool RenameTagAt(int position, std::wstring_view typed) {
    std::wstring name;
    if (CheckTagRename(position, typed, name) != NameVerdict::Accepted) return false;
    const TagEntries ofTag(position);
    const std::wstring old = g_app.tagNames[position];
    g_app.tagNames[position] = name;
    ForgetStampUnlessSpelled(old);
    g_app.tagUpdatedAt[name] = NowTimestamp();
    for (auto& [url, tags] : g_app.urlTags) GiveNewName(tags, ofTag, name);
    return true;
}

bool DeleteTagAt(int position) {
    if (!IsTagPosition(position)) return false;
    const TagEntries ofTag(position);
    const std::wstring name = g_app.tagNames[position];
    g_app.tagNames.erase(g_app.tagNames.begin() + position);
    ForgetStampUnlessSpelled(name);
    for (auto& [url, tags] : g_app.urlTags) std::erase_if(tags, ofTag);
    return true;
}

std::vector<std::wstring> VocabularyTagsOf(const std::wstring& url) {
    std::vector<std::wstring> spelled;
    auto list = g_app.urlTags.find(url);
    if (list == g_app.urlTags.end()) return spelled;
    for (const std::wstring& entry : list->second) {
        const int owner = TagOwnerOf(entry);
        const std::wstring& name = owner >= 0 ? g_app.tagNames[owner] : entry;
        if (std::find(spelled.begin(), spelled.end(), name) == spelled.end()) spelled.push_back(name);
    }
    return spelled;
}

void SetUrlTags(const std::vector<std::wstring>& urls, const std::vector<std::wstring>& tags) {
    for (const std::wstring& url : urls) g_app.urlTags[url] = tags;
}
