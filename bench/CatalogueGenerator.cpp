#include "CatalogueGenerator.h"

#include <windows.h>

#include <cwchar>
#include <random>
#include <vector>

#include "BenchSupport.h"
#include "model/AppState.h"
#include "storage/Database.h"

namespace {

constexpr int kGroupCount = 50;
constexpr int kDomainCount = 2000;
// Fixed so that every run of every size works on the same data.
constexpr unsigned kSeed = 0x5eed2026u;

const wchar_t* const kWords[] = {
    L"guide",   L"release", L"notes",    L"how",     L"to",      L"build",  L"fast",     L"small",  L"windows",
    L"linux",   L"review",  L"recipe",   L"bread",   L"garden",  L"travel", L"budget",   L"weekly", L"report",
    L"design",  L"pattern", L"database", L"index",   L"query",   L"music",  L"playlist", L"video",  L"lecture",
    L"history", L"of",      L"the",      L"modern",  L"city",    L"map",    L"tutorial", L"intro",  L"advanced",
    L"tips",    L"news",    L"market",   L"science", L"space",   L"ocean",  L"health",   L"sleep",  L"coffee"};
constexpr int kWordCount = int(sizeof kWords / sizeof kWords[0]);

const wchar_t* const kTags[] = {L"work",  L"reading", L"later",   L"video",    L"docs",   L"reference",
                                L"fun",   L"shop",    L"recipes", L"travel",   L"news",   L"research",
                                L"tools", L"music",   L"finance", L"health",   L"social", L"learning",
                                L"code",  L"design",  L"home",    L"projects", L"ideas",  L"archive"};
constexpr int kTagCount = int(sizeof kTags / sizeof kTags[0]);

// "YYYY-MM-DD hh:mm:ss" for a number of minutes after the start of 2023, on a
// calendar of 28-day months: only valid-looking, ordered stamps are needed.
std::wstring StampAfter(long long minutes) {
    long long days = minutes / 1440;
    int minuteOfDay = int(minutes % 1440);
    int year = 2023 + int(days / (28 * 12));
    int month = int(days / 28 % 12) + 1;
    int day = int(days % 28) + 1;
    wchar_t buf[32];
    swprintf(buf, 32, L"%04d-%02d-%02d %02d:%02d:%02d", year, month, day, minuteOfDay / 60, minuteOfDay % 60,
             int(minutes * 7 % 60));
    return buf;
}

std::wstring Words(std::mt19937& rng, int count, const wchar_t* separator) {
    std::wstring text;
    for (int i = 0; i < count; ++i) {
        if (i) text += separator;
        text += kWords[rng() % kWordCount];
    }
    return text;
}

}  // namespace

void FillCatalogue(int urlCount) {
    g_app = AppState{};
    if (urlCount <= 0) return;
    std::mt19937 rng(kSeed);

    std::vector<int> groupIds;
    groupIds.push_back(DefaultGroupId());
    for (int g = 1; g < kGroupCount; ++g) {
        wchar_t name[64];
        swprintf(name, 64, L"Topic %02d %ls", g, kWords[g % kWordCount]);
        groupIds.push_back(CreateGroup(name));
        if (g % 3 == 0) g_app.groupUpdatedAt[name] = StampAfter(g * 97);
    }
    for (int t = 0; t < kTagCount; ++t) {
        g_app.tagNames.push_back(kTags[t]);
        g_app.tagUpdatedAt[kTags[t]] = StampAfter(t * 131);
    }

    for (int i = 0; i < urlCount; ++i) {
        wchar_t head[96];
        swprintf(head, 96, L"https://www.site%04u.example/", unsigned(rng() % kDomainCount));
        std::wstring url = head + Words(rng, 1 + rng() % 3, L"/") + L"/" + std::to_wstring(i);
        if (rng() % 4 == 0) url += L"?ref=" + std::to_wstring(rng() % 100000);

        // About one in ten keeps no title, as when the page never answered.
        if (rng() % 10) g_app.titles[url] = Words(rng, 3 + rng() % 6, L" ");
        long long created = i * 11LL + rng() % 10;
        g_app.createdAt[url] = StampAfter(created);
        if (rng() % 2) g_app.updatedAt[url] = StampAfter(created + 1 + rng() % 5000);
        if (rng() % 10 < 3) {
            g_app.openCounts[url] = 1 + int(rng() % 50);
            g_app.lastOpenedAt[url] = StampAfter(created + 1 + rng() % 20000);
        }
        if (rng() % 100 < 3) g_app.pinnedUrls.insert(url);
        if (rng() % 100 < 2) {
            g_app.reminderDates[url] = StampAfter(created + 1440 + rng() % 100000);
            g_app.reminderActions[url] = static_cast<ReminderAction>(rng() % 3);
            g_app.reminderRepeats[url] = static_cast<ReminderRepeat>(rng() % 4);
        }
        int tagCount = int(rng() % 4);
        std::vector<std::wstring> tags;
        for (int k = 0; k < tagCount; ++k) {
            std::wstring tag = kTags[rng() % kTagCount];
            bool seen = false;
            for (const auto& t : tags) seen |= t == tag;
            if (!seen) tags.push_back(tag);
        }
        if (!tags.empty()) g_app.urlTags[url] = tags;

        AddUrlToGroup(groupIds[rng() % kGroupCount], url);
    }
}

bool WriteCatalogueFile(int urlCount, const std::wstring& dbPath) {
    ResetProcessState(dbPath);
    DeleteFileW(dbPath.c_str());
    FillCatalogue(urlCount);
    SaveCatalogue();
    bool complete = CountRows(dbPath, "SELECT COUNT(*) FROM urls;") == urlCount;
    g_app = AppState{};
    return complete;
}
