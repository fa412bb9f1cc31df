#pragma once
// Shared fixture for the storage tests: every test gets its own empty folder,
// the database setting points into it, and the catalogue starts empty.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/AppState.h"
#include "model/TextUtil.h"
#include "settings/Settings.h"
#include "storage/Database.h"

// A connection of the test's own, used to build fixtures with raw SQL and to
// look at what the code under test wrote.
class RawDb {
public:
    explicit RawDb(const std::filesystem::path& path) {
        sqlite3_open_v2(Utf8FromWide(path.wstring()).c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr);
    }
    ~RawDb() { sqlite3_close(db_); }
    RawDb(const RawDb&) = delete;
    RawDb& operator=(const RawDb&) = delete;

    sqlite3* get() const { return db_; }

    int Exec(const std::string& sql) { return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr); }

    // Every row as text, NULL shown as "(null)".
    std::vector<std::vector<std::string>> Rows(const std::string& sql) {
        std::vector<std::vector<std::string>> rows;
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << "cannot prepare " << sql << ": " << sqlite3_errmsg(db_);
            return rows;
        }
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                const unsigned char* text = sqlite3_column_text(stmt, i);
                row.push_back(text ? reinterpret_cast<const char*>(text) : "(null)");
            }
            rows.push_back(row);
        }
        sqlite3_finalize(stmt);
        return rows;
    }

    // The first column of every row.
    std::vector<std::string> Column(const std::string& sql) {
        std::vector<std::string> values;
        for (auto& row : Rows(sql)) values.push_back(row.empty() ? "" : row[0]);
        return values;
    }

    std::string Value(const std::string& sql) {
        auto rows = Rows(sql);
        return rows.empty() || rows[0].empty() ? "(no row)" : rows[0][0];
    }

    // Every row of every table of the catalogue, in row id order: two dumps
    // are equal when nothing stored changed.
    std::string Dump() {
        std::string text;
        for (const char* table : {"groups", "urls", "tags", "url_tags", "meta", "auto_tag_rules", "auto_group_rules"}) {
            text += std::string("[") + table + "]\n";
            for (auto& row : Rows(std::string("SELECT * FROM ") + table + " ORDER BY rowid;")) {
                for (auto& value : row) text += value + "|";
                text += "\n";
            }
        }
        return text;
    }

private:
    sqlite3* db_ = nullptr;
};

class StorageTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int serial = 0;
        folder_ = std::filesystem::temp_directory_path() /
                  (L"vantrelix-storage-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++serial));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        dbPath_ = folder_ / L"catalogue.db";
        g_settings.customDatabasePath = dbPath_.wstring();
        g_app = AppState{};
    }

    void TearDown() override {
        g_app = AppState{};
        g_settings.customDatabasePath.clear();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::filesystem::path folder_;
    std::filesystem::path dbPath_;
};

// A catalogue that uses every saved attribute, non-ASCII text included. The
// default group comes first and tags are in stored (code point) order, so a
// save followed by a load gives back exactly this record.
inline void FillSampleCatalogue() {
    const std::wstring a = L"https://a.example/caf\u00e9", b = L"https://b.example/\U0001F600", c = L"http://c.example/",
                       d = L"https://d.example/x?y=1";
    int inbox = DefaultGroupId();
    int work = CreateGroup(L"Caf\u00e9 \U0001F600 work");
    int empty = CreateGroup(L"Empty");
    (void)empty;
    AddUrlToGroup(work, a);
    AddUrlToGroup(work, b);
    AddUrlToGroup(inbox, c);
    AddUrlToGroup(work, d);
    g_app.titles = {{a, L"Caf\u00e9 \U0001F600 title"}, {c, L"C"}};
    g_app.createdAt = {{a, L"2020-01-02 03:04:05"}, {b, L"2021-01-02 03:04:05"}, {c, L"2022-01-02 03:04:05"},
                       {d, L"2023-01-02 03:04:05"}};
    g_app.updatedAt = {{a, L"2024-05-06 07:08:09"}};
    g_app.openCounts = {{a, 3}, {d, 2147483647}};
    g_app.lastOpenedAt = {{a, L"2024-06-07 08:09:10"}};
    g_app.pinnedUrls = {b, d};
    g_app.reminderDates = {{a, L"2025-01-01 09:00"}, {b, L"2025-02-02 10:30"}, {d, L"2025-03-03 11:45"}};
    g_app.reminderActions = {{a, ReminderAction::Notify}, {b, ReminderAction::Open}, {d, ReminderAction::Both}};
    g_app.reminderRepeats = {{b, ReminderRepeat::Daily}, {d, ReminderRepeat::Monthly}};
    g_app.tagNames = {L"News", L"read later", L"\u00e9t\u00e9"};
    g_app.tagUpdatedAt = {{L"News", L"2023-03-03 03:03:03"}, {L"\u00e9t\u00e9", L"2023-04-04 04:04:04"}};
    g_app.urlTags = {{a, {L"\u00e9t\u00e9", L"News"}}, {d, {L"read later"}}};
    g_app.groupUpdatedAt = {{L"Caf\u00e9 \U0001F600 work", L"2022-02-02 02:02:02"}};
    g_app.autoTagRules = {{L"example", L"News"}, {L"caf\u00e9", L"\u00e9t\u00e9"}};
    g_app.autoGroupRules = {{L"d.example", L"Caf\u00e9 \U0001F600 work"}, {L"c.example", L"Uncategorized"}};
}

// The saved part of the catalogue, compared field by field so that a failure
// names the field.
inline void ExpectSameSavedCatalogue(const AppState& actual, const AppState& expected) {
    ASSERT_EQ(actual.groups.size(), expected.groups.size());
    for (size_t i = 0; i < expected.groups.size(); ++i) {
        EXPECT_EQ(actual.groups[i].name, expected.groups[i].name) << "group " << i;
        EXPECT_EQ(actual.groups[i].urls, expected.groups[i].urls) << "group " << i;
    }
    EXPECT_EQ(actual.allUrls, expected.allUrls);
    EXPECT_EQ(actual.titles, expected.titles);
    EXPECT_EQ(actual.createdAt, expected.createdAt);
    EXPECT_EQ(actual.updatedAt, expected.updatedAt);
    EXPECT_EQ(actual.openCounts, expected.openCounts);
    EXPECT_EQ(actual.lastOpenedAt, expected.lastOpenedAt);
    EXPECT_EQ(actual.pinnedUrls, expected.pinnedUrls);
    EXPECT_EQ(actual.reminderDates, expected.reminderDates);
    EXPECT_EQ(actual.reminderActions, expected.reminderActions);
    EXPECT_EQ(actual.reminderRepeats, expected.reminderRepeats);
    EXPECT_EQ(actual.urlTags, expected.urlTags);
    EXPECT_EQ(actual.tagNames, expected.tagNames);
    EXPECT_EQ(actual.tagUpdatedAt, expected.tagUpdatedAt);
    EXPECT_EQ(actual.groupUpdatedAt, expected.groupUpdatedAt);
    ASSERT_EQ(actual.autoTagRules.size(), expected.autoTagRules.size());
    for (size_t i = 0; i < expected.autoTagRules.size(); ++i) {
        EXPECT_EQ(actual.autoTagRules[i].pattern, expected.autoTagRules[i].pattern);
        EXPECT_EQ(actual.autoTagRules[i].target, expected.autoTagRules[i].target);
    }
    ASSERT_EQ(actual.autoGroupRules.size(), expected.autoGroupRules.size());
    for (size_t i = 0; i < expected.autoGroupRules.size(); ++i) {
        EXPECT_EQ(actual.autoGroupRules[i].pattern, expected.autoGroupRules[i].pattern);
        EXPECT_EQ(actual.autoGroupRules[i].target, expected.autoGroupRules[i].target);
    }
}

// What a fresh process would see: an empty catalogue, the default group, then
// the stored one.
inline AppState LoadIntoFreshCatalogue() {
    g_app = AppState{};
    DefaultGroupId();
    LoadCatalogue();
    return g_app;
}
