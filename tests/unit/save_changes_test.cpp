// A save writes only what changed since the stored rows were known. These
// tests hold it to the whole rewrite: after every step of a catalogue's life
// the file written change by change must equal, row for row and id for id,
// a second file rewritten whole from the same catalogue.
#include <gtest/gtest.h>

#include <functional>

#include "storage/SaveSteps.h"
#include "storage/StoredRows.h"
#include "storage_test_support.h"

namespace {

class SaveChanges : public testing::Test {
   protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("vantrelix-save-changes-" + std::to_string(GetCurrentProcessId()) + "-" +
                   std::to_string(GetTickCount64()));
        std::filesystem::create_directories(folder_);
        changed_ = folder_ / "changed.db";
        whole_ = folder_ / "whole.db";
        g_app = AppState{};
        g_settings = Settings{};
        g_storedRows = StoredRows{};
        g_settings.customDatabasePath = changed_.wstring();
    }
    void TearDown() override {
        g_app = AppState{};
        g_storedRows = StoredRows{};
        g_settings = Settings{};
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // The same catalogue into both files: one by the program's save, one by
    // the whole rewrite.
    void SaveBoth() {
        SaveCatalogue();
        g_settings.customDatabasePath = whole_.wstring();
        sqlite3* db = OpenDatabase();
        ASSERT_NE(db, nullptr);
        {
            save_detail::SaveTransaction tx(db);
            ASSERT_TRUE(tx.Exec("BEGIN TRANSACTION;"));
            ASSERT_TRUE(save_detail::WriteWholeCatalogue(tx, db));
            ASSERT_TRUE(tx.Exec("COMMIT;"));
        }
        sqlite3_close(db);
        g_settings.customDatabasePath = changed_.wstring();
    }

    // Every stored value and id. Tag links are listed per URL row in row
    // order, which is the order loading attaches them; where in the table a
    // URL's links stand is not part of what is stored.
    static std::string Dump(const std::filesystem::path& path) {
        RawDb db(path);
        std::string text;
        auto add = [&](const char* title, const std::string& sql) {
            text += std::string("[") + title + "]\n";
            for (auto& row : db.Rows(sql)) {
                for (auto& value : row) text += value + "|";
                text += "\n";
            }
        };
        add("groups", "SELECT * FROM groups ORDER BY id;");
        add("urls", "SELECT * FROM urls ORDER BY id;");
        add("tags", "SELECT * FROM tags ORDER BY id;");
        add("url_tags",
            "SELECT url_id, group_concat(tag_id, ',') FROM (SELECT url_id, tag_id FROM url_tags ORDER BY rowid) "
            "GROUP BY url_id ORDER BY url_id;");
        add("auto_tag_rules", "SELECT * FROM auto_tag_rules ORDER BY id;");
        add("auto_group_rules", "SELECT * FROM auto_group_rules ORDER BY id;");
        add("sequences", "SELECT name, seq FROM sqlite_sequence ORDER BY name;");
        return text;
    }

    void ExpectSameFiles(const std::string& step) {
        SaveBoth();
        EXPECT_EQ(Dump(changed_), Dump(whole_)) << "after: " << step;
        // The stored rows stay trusted from one save to the next.
        EXPECT_TRUE(g_storedRows.valid) << step;
        EXPECT_EQ(ReadFileChangeCounter(changed_.wstring()).value_or(0), g_storedRows.changeCounter) << step;
    }

    static void Forget(const std::wstring& url) {
        for (UrlGroup& group : g_app.groups) std::erase(group.urls, url);
        g_app.allUrls.erase(url);
    }

    std::filesystem::path folder_, changed_, whole_;
};

struct Step {
    const char* name;
    std::function<void()> change;
};

}  // namespace

TEST_F(SaveChanges, EveryKindOfEditLeavesTheSameFileAsTheWholeRewrite) {
    const std::wstring a = L"https://a.example/caf\u00e9", b = L"https://b.example", c = L"https://c.example",
                       d = L"https://d.example/x?y=1", odd = std::wstring(L"https://odd.example/") + L'\xD800';
    int work = 0, play = 0;
    const Step steps[] = {
        {"a first catalogue with every attribute",
         [&] {
             int def = DefaultGroupId();
             work = CreateGroup(L"Work");
             play = CreateGroup(L"Play");
             AddUrlToGroup(work, a);
             AddUrlToGroup(work, b);
             AddUrlToGroup(play, c);
             AddUrlToGroup(def, d);
             g_app.titles[a] = L"Caf\u00e9 \U0001F600";
             g_app.titles[b] = b;  // a title equal to its URL is stored as NULL
             g_app.updatedAt[a] = L"2026-01-02 03:04:05";
             g_app.openCounts[c] = 7;
             g_app.lastOpenedAt[c] = L"2026-02-03 04:05:06";
             g_app.pinnedUrls.insert(b);
             g_app.reminderDates[d] = L"2026-12-24 18:00";
             g_app.reminderActions[d] = ReminderAction::Both;
             g_app.reminderRepeats[d] = ReminderRepeat::Weekly;
             g_app.tagNames = {L"News", L"\u00e9t\u00e9", L"read later"};
             g_app.tagUpdatedAt[L"News"] = L"2026-03-04 05:06:07";
             g_app.urlTags[a] = {L"News", L"\u00e9t\u00e9"};
             g_app.urlTags[d] = {L"read later"};
             g_app.groupUpdatedAt[L"Work"] = L"2026-04-05 06:07:08";
             g_app.autoTagRules = {{L"news", L"News"}};
             g_app.autoGroupRules = {{L"play", L"Play"}};
         }},
        {"nothing changed", [] {}},
        {"one captured URL", [&] { AddUrlToGroup(DefaultGroupId(), L"https://captured.example"); }},
        {"titles edited, cleared and set to the URL",
         [&] {
             g_app.titles[a] = L"New title";
             g_app.titles.erase(c);
             g_app.titles[d] = d;
             g_app.updatedAt[a] = L"2026-05-06 07:08:09";
         }},
        {"creation stamps emptied and a new URL without one",
         [&] {
             g_app.createdAt[a] = L"";  // the stored stamp stays
             AddUrlToGroup(play, L"https://nostamp.example");
             g_app.createdAt[L"https://nostamp.example"] = L"";
         }},
        {"a missing creation stamp filled in",
         [&] { g_app.createdAt[L"https://nostamp.example"] = L"2020-01-01 00:00:00"; }},
        {"counts, pins and reminders",
         [&] {
             g_app.openCounts[a] = 1;
             g_app.pinnedUrls.erase(b);
             g_app.pinnedUrls.insert(c);
             g_app.reminderDates.erase(d);
             g_app.reminderActions[c] = ReminderAction::Open;  // no date: stored as the code anyway
         }},
        {"URLs deleted", [&] { Forget(b); }},
        {"a URL moved between groups and the order changed",
         [&] {
             Forget(c);
             FindGroupById(work)->urls.insert(FindGroupById(work)->urls.begin(), c);
             g_app.allUrls.insert(c);
             std::reverse(g_app.groups[0].urls.begin(), g_app.groups[0].urls.end());
         }},
        {"a group renamed (its rows are deleted and written again)",
         [&] { ASSERT_TRUE(RenameGroup(work, L"Projects")); }},
        {"a group deleted after its URLs moved elsewhere",
         [&] {
             UrlGroup* p = FindGroupById(play);
             for (const auto& url : p->urls) FindGroupById(DefaultGroupId())->urls.push_back(url);
             std::erase_if(g_app.groups, [&](const UrlGroup& g) { return g.id == play; });
         }},
        {"groups reordered",
         [&] { std::rotate(g_app.groups.begin(), g_app.groups.begin() + 1, g_app.groups.end()); }},
        {"tags added, reordered, repeated and named in another case",
         [&] {
             g_app.urlTags[a] = {L"\u00e9t\u00e9", L"News", L"news", L"News"};
             g_app.urlTags[c] = {L"read later"};
             g_app.urlTags[L"https://gone.example"] = {L"News"};  // no row: no link
         }},
        {"a tag renamed and one deleted",
         [&] {
             g_app.tagNames = {L"Headlines", L"\u00e9t\u00e9"};
             for (auto& [url, tags] : g_app.urlTags)
                 for (auto& tag : tags)
                     if (tag == L"News") tag = L"Headlines";
         }},
        {"a URL's tags removed", [&] { g_app.urlTags.erase(a); }},
        {"rules changed", [&] {
             g_app.autoTagRules.push_back({L"x", L"y"});
             g_app.autoGroupRules.clear();
         }},
        {"text with an unpaired surrogate",
         [&] {
             AddUrlToGroup(DefaultGroupId(), odd);
             g_app.titles[odd] = std::wstring(L"half ") + L'\xDC00';
             g_app.urlTags[odd] = {L"\u00e9t\u00e9"};
         }},
        {"the same again (stored text differs from memory text)", [] {}},
        {"two catalogue URLs that the file can only hold as one",
         [&] {
             std::wstring twin = L"https://odd.example/\uFFFD";  // what the surrogate becomes in UTF-8
             AddUrlToGroup(DefaultGroupId(), twin);
             g_app.urlTags[twin] = {L"Headlines", L"\u00e9t\u00e9"};
         }},
        {"many URLs captured at once",
         [&] {
             for (int i = 0; i < 200; ++i) AddUrlToGroup(DefaultGroupId(), L"https://bulk.example/" + std::to_wstring(i));
         }},
        {"everything emptied",
         [&] {
             ClearCatalogue();
             g_app.tagNames.clear();
             g_app.autoTagRules.clear();
         }},
        {"filled again", [&] {
             AddUrlToGroup(DefaultGroupId(), a);
             g_app.tagNames = {L"News"};
             g_app.urlTags[a] = {L"News"};
         }},
    };
    for (const Step& step : steps) {
        step.change();
        ExpectSameFiles(step.name);
        if (HasFailure()) break;
    }
}

TEST_F(SaveChanges, AFileWrittenByAnotherProgramIsReadAgainBeforeTheNextSave) {
    AddUrlToGroup(DefaultGroupId(), L"https://a.example");
    AddUrlToGroup(DefaultGroupId(), L"https://b.example");
    g_app.tagNames = {L"t"};
    g_app.urlTags[L"https://a.example"] = {L"t"};
    ExpectSameFiles("first save");
    uint32_t before = g_storedRows.changeCounter;

    // The same outside edits in both files: a title, a deleted link, a new row.
    for (const auto& path : {changed_, whole_}) {
        RawDb other(path);
        ASSERT_EQ(other.Exec("UPDATE urls SET title = 'edited elsewhere', open_count = 5 WHERE url = 'https://b.example';"
                             "DELETE FROM url_tags;"
                             "INSERT INTO urls (group_id, url) SELECT id, 'https://foreign.example' FROM groups;"),
                  SQLITE_OK);
    }
    EXPECT_NE(ReadFileChangeCounter(changed_.wstring()).value_or(before), before);
    ExpectSameFiles("save after outside edits");
    RawDb db(changed_);
    EXPECT_EQ(db.Value("SELECT count(*) FROM urls WHERE title IS NOT NULL OR open_count <> 0;"), "0");
    EXPECT_EQ(db.Value("SELECT count(*) FROM url_tags;"), "1");
    EXPECT_EQ(db.Value("SELECT count(*) FROM urls WHERE url = 'https://foreign.example';"), "0");
}

TEST_F(SaveChanges, StoredValuesOfForeignTypesAreRewritten) {
    AddUrlToGroup(DefaultGroupId(), L"https://a.example");
    g_app.openCounts[L"https://a.example"] = 3;
    ExpectSameFiles("first save");
    for (const auto& path : {changed_, whole_}) {
        RawDb other(path);
        // Same value, other type: a number stored as text, a stamp as a number.
        ASSERT_EQ(other.Exec("UPDATE urls SET open_count = '3', created = 20260101;"), SQLITE_OK);
    }
    ExpectSameFiles("save after type changes");
    RawDb db(changed_);
    EXPECT_EQ(db.Value("SELECT typeof(open_count) FROM urls;"), "integer");
}
