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
