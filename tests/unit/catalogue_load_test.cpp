#include <climits>

#include "storage/Database.h"
#include "storage/SqliteHandles.h"
#include "storage_test_support.h"

namespace {

using Names = std::vector<std::wstring>;

}  // namespace

class CatalogueLoad : public StorageTest {
   protected:
    // Creates the schema the way the program does, then adds rows by hand.
    void Store(const std::string& sql) {
        {
            SqliteConnection db(OpenDatabase());
            ASSERT_TRUE(db);
        }
        RawDb raw(dbPath_);
        ASSERT_EQ(raw.Exec(sql), SQLITE_OK) << sqlite3_errmsg(raw.get());
    }

    static Names GroupNames() {
        Names names;
        for (const UrlGroup& g : g_app.groups) names.push_back(g.name);
        return names;
    }
};

TEST_F(CatalogueLoad, EmptyDatabaseLeavesTheDefaultGroupAndEmptiesTagsAndRules) {
    Store("");
    DefaultGroupId();
    g_app.tagNames = {L"left over"};
    g_app.autoTagRules = {{L"a", L"b"}};
    g_app.autoGroupRules = {{L"c", L"d"}};
    LoadCatalogue();
    EXPECT_EQ(GroupNames(), Names{L"Uncategorized"});
    EXPECT_TRUE(g_app.allUrls.empty());
    EXPECT_TRUE(g_app.tagNames.empty());
    EXPECT_TRUE(g_app.autoTagRules.empty());
    EXPECT_TRUE(g_app.autoGroupRules.empty());
    EXPECT_FALSE(g_catalogueLoading);
}

TEST_F(CatalogueLoad, StoredGroupsMergeByNameBehindTheDefaultGroup) {
    Store(
        "INSERT INTO groups (id, name, updated, sort_order) VALUES "
        "(10, 'Work', NULL, 0), (11, 'uncategorized', '2021-01-01 00:00:00', 3), (12, 'WORK', NULL, 1),"
        "(13, 'Home', NULL, 2), (14, '', NULL, 4);"
        "INSERT INTO urls (group_id, url, sort_order) VALUES "
        "(10, 'https://w2/', 1), (10, 'https://w1/', 0), (12, 'https://w3/', 0), (11, 'https://u1/', 0),"
        "(13, 'https://h1/', 0), (14, 'https://lost/', 0), (99, 'https://orphan/', 0);");
    DefaultGroupId();
    LoadCatalogue();
    EXPECT_EQ(GroupNames(), (Names{L"Uncategorized", L"Work", L"Home"}));
    ASSERT_EQ(g_app.groups.size(), 3u);
    EXPECT_EQ(g_app.groups[0].urls, Names{L"https://u1/"});
    EXPECT_EQ(g_app.groups[1].urls, (Names{L"https://w1/", L"https://w2/", L"https://w3/"}));
    EXPECT_EQ(g_app.groups[2].urls, Names{L"https://h1/"});
    EXPECT_EQ(g_app.groupUpdatedAt,
              (std::map<std::wstring, std::wstring>{{L"uncategorized", L"2021-01-01 00:00:00"}}));
    EXPECT_EQ(g_app.allUrls.count(L"https://lost/") + g_app.allUrls.count(L"https://orphan/"), 0u);
}

TEST_F(CatalogueLoad, RowValuesBecomeEntriesOnlyWhereTheyCarrySomething) {
    Store(
        "INSERT INTO groups (id, name) VALUES (1, 'G');"
        "INSERT INTO urls (group_id, url, sort_order, title, created, updated, open_count, last_opened, "
        "pinned,"
        " reminder_date, reminder_action, reminder_repeat) VALUES "
        "(1, 'https://notify/', 0, 'T', '2020-01-01 00:00:00', '2020-02-02 00:00:00', 4, '2020-03-03 "
        "00:00:00',"
        " 1, '2025-01-01 08:00', 0, 0),"
        "(1, 'https://no-date/', 1, NULL, NULL, NULL, 0, NULL, 0, NULL, 2, 1),"
        "(1, 'https://weekly/', 2, '', '', '', 0, '', 0, '2025-01-01 08:00', 1, 2),"
        "(1, 'https://huge/', 3, NULL, NULL, NULL, 5000000000, NULL, 4294967296, '2025-01-01 08:00', 7, 9);");
    LoadCatalogue();
    const std::wstring notify = L"https://notify/", noDate = L"https://no-date/", weekly = L"https://weekly/",
                       huge = L"https://huge/";
    EXPECT_EQ(g_app.titles, (std::map<std::wstring, std::wstring>{{notify, L"T"}}));
    EXPECT_EQ(g_app.updatedAt, (std::map<std::wstring, std::wstring>{{notify, L"2020-02-02 00:00:00"}}));
    EXPECT_EQ(g_app.lastOpenedAt, (std::map<std::wstring, std::wstring>{{notify, L"2020-03-03 00:00:00"}}));
    // A stored count beyond the counter's range stays at its largest value.
    EXPECT_EQ(g_app.openCounts, (std::map<std::wstring, int>{{notify, 4}, {huge, INT_MAX}}));
    EXPECT_EQ(g_app.pinnedUrls, (std::set<std::wstring>{notify, huge}));
    EXPECT_EQ(g_app.reminderDates.count(noDate), 0u);
    EXPECT_EQ(g_app.reminderActions,
              (std::map<std::wstring, ReminderAction>{{notify, ReminderAction::Notify},
                                                      {weekly, ReminderAction::Open},
                                                      {huge, ReminderAction::Notify}}));
    EXPECT_EQ(g_app.reminderRepeats,
              (std::map<std::wstring, ReminderRepeat>{{weekly, ReminderRepeat::Weekly}}));
    // The stored stamp is taken; a row without one is stamped with the load time.
    EXPECT_EQ(g_app.createdAt[notify], L"2020-01-01 00:00:00");
    for (const std::wstring& url : {noDate, weekly}) {
        ASSERT_EQ(g_app.createdAt.count(url), 1u);
        EXPECT_EQ(g_app.createdAt[url].size(), 19u);
        EXPECT_NE(g_app.createdAt[url], L"2020-01-01 00:00:00");
    }
}

TEST_F(CatalogueLoad, TagsComeBackInCodePointOrderAndRulesInStoredOrder) {
    Store(
        "INSERT INTO tags (name, updated) VALUES ('beta', NULL), ('Zulu', '2022-02-02 02:02:02'), ('alpha', "
        "NULL),"
        " ('Alpha', NULL), ('', NULL), ('\xc3\xa9t\xc3\xa9', NULL);"
        "INSERT INTO auto_tag_rules (pattern, tag_name) VALUES ('z', 'beta'), ('', 'x'), ('a', 'alpha');"
        "INSERT INTO auto_group_rules (pattern, group_name) VALUES ('q', 'G2'), ('p', 'G1'), ('r', '');");
    LoadCatalogue();
    EXPECT_EQ(g_app.tagNames, (Names{L"Alpha", L"Zulu", L"alpha", L"beta", L"\u00e9t\u00e9"}));
    EXPECT_EQ(g_app.tagUpdatedAt, (std::map<std::wstring, std::wstring>{{L"Zulu", L"2022-02-02 02:02:02"}}));
    ASSERT_EQ(g_app.autoTagRules.size(), 2u);
    EXPECT_EQ(g_app.autoTagRules[0].pattern, L"z");
    EXPECT_EQ(g_app.autoTagRules[1].target, L"alpha");
    ASSERT_EQ(g_app.autoGroupRules.size(), 2u);
    EXPECT_EQ(g_app.autoGroupRules[0].target, L"G2");
    EXPECT_EQ(g_app.autoGroupRules[1].target, L"G1");
}

TEST_F(CatalogueLoad, SecondLoadAddsNoUrlButRepeatsTagAttachments) {
    FillSampleCatalogue();
    SaveCatalogue();
    AppState first = LoadIntoFreshCatalogue();
    LoadCatalogue();
    EXPECT_EQ(g_app.allUrls, first.allUrls);
    ASSERT_EQ(g_app.groups.size(), first.groups.size());
    for (size_t i = 0; i < first.groups.size(); ++i) EXPECT_EQ(g_app.groups[i].urls, first.groups[i].urls);
    ASSERT_FALSE(first.urlTags.empty());
    for (const auto& [url, tags] : first.urlTags) {
        Names twice = tags;
        twice.insert(twice.end(), tags.begin(), tags.end());
        EXPECT_EQ(g_app.urlTags[url], twice);
    }
}
