#include "model/AppState.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <unordered_map>

#include "model/CatalogueViews.h"
#include "model/TextUtil.h"

AppState g_app;

std::wstring NowTimestamp() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    wchar_t buf[32];
    swprintf(buf, 32, L"%04d-%02d-%02d %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    return buf;
}

UrlGroup* FindGroupById(int id) {
    for (auto& g : g_app.groups)
        if (g.id == id) return &g;
    return nullptr;
}

UrlGroup* FindGroupByName(const std::wstring& name) {
    for (auto& g : g_app.groups)
        if (NamesEqual(g.name, name)) return &g;
    return nullptr;
}

static int AppendGroup(const std::wstring& name) {
    int id = g_app.nextGroupId++;
    g_app.groups.push_back(UrlGroup{id, name, {}});
    return id;
}

int CreateGroup(const std::wstring& name) {
    if (name.empty() || FindGroupByName(name)) return -1;
    return AppendGroup(name);
}

int DefaultGroupId() {
    if (UrlGroup* g = FindGroupByName(kDefaultGroupName)) return g->id;
    return AppendGroup(kDefaultGroupName);
}

int FindOrCreateGroup(const std::wstring& name) {
    if (name.empty()) return DefaultGroupId();
    if (UrlGroup* g = FindGroupByName(name)) return g->id;
    int id = CreateGroup(name);
    return id == -1 ? DefaultGroupId() : id;
}

bool RenameGroup(int id, const std::wstring& newName) {
    // A name equal to any group's, the renamed group's own included, is refused:
    // a change of letter case alone is not a rename.
    if (newName.empty() || FindGroupByName(newName)) return false;
    UrlGroup* g = FindGroupById(id);
    if (!g) return false;
    g_app.groupUpdatedAt.erase(g->name);
    g->name = newName;
    g_app.groupUpdatedAt[newName] = NowTimestamp();
    return true;
}

bool AddUrlToGroup(int groupId, const std::wstring& url) {
    if (url.empty() || g_app.allUrls.count(url)) return false;
    UrlGroup* g = FindGroupById(groupId);
    if (!g) return false;
    g_app.allUrls.insert(url);
    g->urls.push_back(url);
    if (!g_app.createdAt.count(url)) g_app.createdAt[url] = NowTimestamp();
    NotifyUrlFiled(url);
    NotifyRowsChanged();
    return true;
}

std::vector<bool> AddUrlsToGroups(const std::vector<UrlFiling>& filings, const std::vector<size_t>* urlOrder) {
    std::vector<bool> accepted(filings.size(), false);
    std::unordered_map<int, UrlGroup*> groupsById;
    for (UrlGroup& g : g_app.groups) groupsById.emplace(g.id, &g);

    // In URL order (row order among equal URLs), so that the sets and maps
    // keyed by URL are walked and filled front to back.
    std::vector<size_t> sorted;
    if (!urlOrder) {
        sorted.resize(filings.size());
        for (size_t i = 0; i < sorted.size(); ++i) sorted[i] = i;
        std::stable_sort(sorted.begin(), sorted.end(),
                         [&](size_t a, size_t b) { return *filings[a].url < *filings[b].url; });
        urlOrder = &sorted;
    }
    const std::vector<size_t>& order = *urlOrder;

    // Cursors into the sorted containers: each lookup continues where the
    // previous one stopped, and each insertion goes right before the cursor.
    auto known = g_app.allUrls.begin();
    auto created = g_app.createdAt.begin();
    const std::wstring* previous = nullptr;
    bool previousAccepted = false;
    std::wstring now;
    for (size_t i : order) {
        const std::wstring& url = *filings[i].url;
        if (previous && *previous == url && previousAccepted) continue;  // an earlier filing took it
        previous = &url;
        previousAccepted = false;
        if (url.empty() || !groupsById.count(filings[i].groupId)) continue;
        while (known != g_app.allUrls.end() && *known < url) ++known;
        if (known != g_app.allUrls.end() && *known == url) continue;
        accepted[i] = previousAccepted = true;
        g_app.allUrls.insert(known, url);
        while (created != g_app.createdAt.end() && created->first < url) ++created;
        if (created == g_app.createdAt.end() || created->first != url) {
            if (now.empty()) now = NowTimestamp();  // one stamp for the whole batch
            g_app.createdAt.emplace_hint(created, url, now);
        }
    }
    for (size_t i = 0; i < filings.size(); ++i) {
        if (!accepted[i]) continue;
        groupsById[filings[i].groupId]->urls.push_back(*filings[i].url);
        NotifyUrlFiled(*filings[i].url);
    }
    if (std::find(accepted.begin(), accepted.end(), true) != accepted.end()) NotifyRowsChanged();
    return accepted;
}

void ClearCatalogue() {
    g_app.groups.clear();
    g_app.allUrls.clear();
    g_app.pinnedUrls.clear();
    g_app.titles.clear();
    g_app.createdAt.clear();
    g_app.urlTags.clear();
    g_app.updatedAt.clear();
    g_app.groupUpdatedAt.clear();
    g_app.tagUpdatedAt.clear();
    g_app.validationStatus.clear();
    g_app.openCounts.clear();
    g_app.lastOpenedAt.clear();
    g_app.reminderDates.clear();
    g_app.reminderActions.clear();
    g_app.reminderRepeats.clear();
    NotifyCatalogueCleared();
    NotifyRowsChanged();
}
