#include <gtest/gtest.h>

#include "model/AppState.h"

namespace {

class CatalogueTest : public testing::Test {
protected:
    void SetUp() override { g_app = AppState{}; }
    void TearDown() override { g_app = AppState{}; }
};

}  // namespace

TEST_F(CatalogueTest, TimestampHasTheFixedLayout) {
    std::wstring t = NowTimestamp();
    ASSERT_EQ(t.size(), 19u);
    for (size_t i : {4u, 7u}) EXPECT_EQ(t[i], L'-');
    EXPECT_EQ(t[10], L' ');
    for (size_t i : {13u, 16u}) EXPECT_EQ(t[i], L':');
}

TEST_F(CatalogueTest, CreateGroupRefusesEmptyAndCaseDuplicateNames) {
    EXPECT_EQ(CreateGroup(L"Work"), 1);
    EXPECT_EQ(CreateGroup(L"work"), -1);
    EXPECT_EQ(CreateGroup(L""), -1);
    EXPECT_EQ(g_app.nextGroupId, 2);
    EXPECT_EQ(CreateGroup(L"Play"), 2);
    EXPECT_FALSE(g_app.groupUpdatedAt.count(L"Play"));  // creation does not stamp
}

TEST_F(CatalogueTest, DefaultGroupIsFoundOrAppended) {
    CreateGroup(L"Work");
    int id = DefaultGroupId();
    EXPECT_EQ(g_app.groups.back().name, L"Uncategorized");
    EXPECT_EQ(DefaultGroupId(), id);
    g_app.groups.back().name = L"uncategorized";
    EXPECT_EQ(DefaultGroupId(), id);  // case-insensitive
    EXPECT_EQ(FindOrCreateGroup(L""), id);
    EXPECT_EQ(FindOrCreateGroup(L"WORK"), 1);
    int news = FindOrCreateGroup(L"News");
    EXPECT_EQ(FindGroupById(news)->name, L"News");
}

TEST_F(CatalogueTest, FindOrCreateGroupWithEmptyNameCreatesDefaultWhenMissing) {
    int id = FindOrCreateGroup(L"");
    ASSERT_EQ(g_app.groups.size(), 1u);
    EXPECT_EQ(g_app.groups[0].id, id);
    EXPECT_EQ(g_app.groups[0].name, L"Uncategorized");
}

TEST_F(CatalogueTest, RenameGroupRules) {
    int work = CreateGroup(L"Work");
    CreateGroup(L"Play");
    g_app.groupUpdatedAt[L"Work"] = L"2020-01-01 00:00:00";
    EXPECT_FALSE(RenameGroup(work, L"WORK"));  // own name in other case
    EXPECT_FALSE(RenameGroup(work, L"play"));
    EXPECT_FALSE(RenameGroup(work, L""));
    EXPECT_FALSE(RenameGroup(99, L"Fresh"));
    EXPECT_EQ(FindGroupById(work)->name, L"Work");
    EXPECT_TRUE(RenameGroup(work, L"Job"));
    EXPECT_EQ(FindGroupById(work)->name, L"Job");
    EXPECT_FALSE(g_app.groupUpdatedAt.count(L"Work"));
    EXPECT_EQ(g_app.groupUpdatedAt[L"Job"].size(), 19u);
}

TEST_F(CatalogueTest, AddUrlToGroupKeepsUrlsUniqueAndCaseSensitive) {
    int g = DefaultGroupId();
    EXPECT_TRUE(AddUrlToGroup(g, L"https://a.example/X"));
    EXPECT_TRUE(AddUrlToGroup(g, L"https://a.example/x"));
    EXPECT_FALSE(AddUrlToGroup(g, L"https://a.example/x"));
    EXPECT_FALSE(AddUrlToGroup(g, L""));
    EXPECT_FALSE(AddUrlToGroup(42, L"https://b.example"));
    EXPECT_EQ(g_app.allUrls.size(), 2u);
    EXPECT_EQ(FindGroupById(g)->urls, (std::vector<std::wstring>{L"https://a.example/X", L"https://a.example/x"}));
}

TEST_F(CatalogueTest, AddUrlToGroupKeepsAnEarlierCreationStamp) {
    int g = DefaultGroupId();
    g_app.createdAt[L"https://old"] = L"2001-02-03 04:05:06";
    ASSERT_TRUE(AddUrlToGroup(g, L"https://old"));
    EXPECT_EQ(g_app.createdAt[L"https://old"], L"2001-02-03 04:05:06");
    ASSERT_TRUE(AddUrlToGroup(g, L"https://new"));
    EXPECT_EQ(g_app.createdAt[L"https://new"].size(), 19u);
}

TEST_F(CatalogueTest, ClearCatalogueKeepsIdsTagsAndRules) {
    int g = DefaultGroupId();
    AddUrlToGroup(g, L"https://a");
    g_app.tagNames = {L"t"};
    g_app.autoTagRules = {{L"a", L"t"}};
    g_app.pinnedUrls.insert(L"https://a");
    ClearCatalogue();
    EXPECT_TRUE(g_app.groups.empty());
    EXPECT_TRUE(g_app.allUrls.empty());
    EXPECT_TRUE(g_app.pinnedUrls.empty());
    EXPECT_TRUE(g_app.createdAt.empty());
    EXPECT_EQ(g_app.nextGroupId, 2);
    EXPECT_EQ(g_app.tagNames.size(), 1u);
    EXPECT_EQ(g_app.autoTagRules.size(), 1u);
    EXPECT_EQ(DefaultGroupId(), 2);  // ids are not reused after a clear
}

TEST_F(CatalogueTest, FilingManyAtOnceMatchesFilingOneByOne) {
    // Repeats, a URL filed before, a missing group, empty text and a stamp
    // that exists already: the batch must end exactly like single filings.
    const std::vector<std::pair<int, std::wstring>> filings = {
        {1, L"https://b"}, {2, L"https://a"}, {1, L"https://b"}, {99, L"https://c"}, {2, L"https://c"},
        {1, L""},          {2, L"https://old"}, {1, L"https://d"}, {99, L"https://e"}, {1, L"https://A"},
    };
    auto prepare = [] {
        g_app = AppState{};
        CreateGroup(L"One");
        CreateGroup(L"Two");
        AddUrlToGroup(2, L"https://old");
        g_app.createdAt[L"https://d"] = L"2001-01-01 00:00:00";
    };
    prepare();
    std::vector<bool> oneByOne;
    for (const auto& [group, url] : filings) oneByOne.push_back(AddUrlToGroup(group, url));
    AppState expected = g_app;

    prepare();
    std::vector<UrlFiling> batch;
    for (const auto& [group, url] : filings) batch.push_back({group, &url});
    EXPECT_EQ(AddUrlsToGroups(batch), oneByOne);
    EXPECT_EQ(g_app.allUrls, expected.allUrls);
    ASSERT_EQ(g_app.groups.size(), expected.groups.size());
    for (size_t i = 0; i < g_app.groups.size(); ++i) EXPECT_EQ(g_app.groups[i].urls, expected.groups[i].urls);
    EXPECT_EQ(g_app.createdAt[L"https://d"], L"2001-01-01 00:00:00");
    std::set<std::wstring> stamped, expectedStamped;
    for (const auto& [url, stamp] : g_app.createdAt) stamped.insert(url);
    for (const auto& [url, stamp] : expected.createdAt) expectedStamped.insert(url);
    EXPECT_EQ(stamped, expectedStamped);
}
