#pragma once
// Pieces shared by the two ways a save writes the catalogue: the whole
// rewrite and the write of what changed since the stored rows were known.
#include <cstdint>
#include <map>
#include <string>

#include "storage/SqliteHandles.h"

namespace save_detail {

// One save is one transaction. A statement that hits a constraint is skipped
// and the save goes on with the rest, but a failure of the database itself
// (locked by another connection, disk full, I/O error) ends the save with a
// rollback: carrying on could delete rows whose replacements were never
// written, and after SQLite rolled back on its own every further statement
// would commit by itself.
class SaveTransaction {
   public:
    explicit SaveTransaction(sqlite3* db) : db_(db) {}

    // False once the save has to be abandoned.
    bool Healthy() const { return healthy_; }
    // SQLite's result code of the failure that ended the save.
    int FailureCode() const { return failureCode_; }

    bool Exec(const char* sql) { return Check(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr)); }

    // Runs a statement whose parameters are already bound; true when it did
    // its work, false when it was skipped or failed.
    bool Step(sqlite3_stmt* stmt) {
        int rc = sqlite3_step(stmt);
        sqlite3_reset(stmt);
        return Check(rc);
    }

    void Rollback() { sqlite3_exec(db_, "ROLLBACK;", nullptr, nullptr, nullptr); }

    // For a loop over rows that the save needs whole: ending on anything
    // but the last row abandons the save.
    bool ReadEnded(int rc) {
        if (rc == SQLITE_DONE) return true;
        if (healthy_) failureCode_ = rc == SQLITE_ROW || rc == SQLITE_OK ? SQLITE_ERROR : rc;
        healthy_ = false;
        return false;
    }

   private:
    bool Check(int rc) {
        if (rc == SQLITE_OK || rc == SQLITE_DONE || rc == SQLITE_ROW) return true;
        int primary = rc & 0xff;
        bool harmless = primary == SQLITE_CONSTRAINT || primary == SQLITE_ERROR || primary == SQLITE_MISUSE ||
                        primary == SQLITE_TOOBIG || primary == SQLITE_RANGE || primary == SQLITE_MISMATCH;
        if ((!harmless || sqlite3_get_autocommit(db_)) && healthy_) {
            healthy_ = false;
            failureCode_ = rc;
        }
        return false;
    }

    sqlite3* db_;
    bool healthy_ = true;
    int failureCode_ = SQLITE_OK;
};


template <typename Map>
inline const std::wstring& TextOf(const Map& map, const std::wstring& key) {
    static const std::wstring empty;
    auto it = map.find(key);
    return it == map.end() ? empty : it->second;
}

template <typename Map>
inline int IntOf(const Map& map, const std::wstring& key) {
    auto it = map.find(key);
    return it == map.end() ? 0 : static_cast<int>(it->second);
}

// The statement that writes one URL row (insert, or update of the row with
// the same URL text).
extern const char* const kUrlUpsertSql;
void BindUrlRow(sqlite3_stmt* stmt, int64_t groupRowId, const std::wstring& url, int position);

// Steps of a save, each as the whole rewrite performs it.
bool WriteGroups(SaveTransaction& tx, sqlite3* db);  // false when it cannot be prepared
void DeleteGroupsNotKept(SaveTransaction& tx, sqlite3* db);
// Stored name -> row id; abandons the save when the rows cannot all be read.
std::map<std::wstring, int64_t> GroupRowIds(SaveTransaction& tx, sqlite3* db);
void WriteTags(SaveTransaction& tx, sqlite3* db);
void DeleteTagsNotKept(SaveTransaction& tx, sqlite3* db);
void WriteAllRules(SaveTransaction& tx, sqlite3* db);

// Writes the whole catalogue row by row; false when the transaction must not
// be committed.
bool WriteWholeCatalogue(SaveTransaction& tx, sqlite3* db);

}  // namespace save_detail
