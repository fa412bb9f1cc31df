#include <cstring>
#include <string>

#include "base/DebugLog.h"
#include "model/TextUtil.h"
#include "storage/Database.h"
#include "storage/SqliteHandles.h"

namespace {

// Every opening runs the whole script: it creates what a new file lacks and
// leaves an existing schema alone.
constexpr char kSchemaScript[] =
    "CREATE TABLE IF NOT EXISTS groups (  id INTEGER PRIMARY KEY AUTOINCREMENT,  name TEXT NOT NULL UNIQUE,  "
    "updated TEXT,  sort_order INTEGER NOT NULL DEFAULT 0);"
    "CREATE TABLE IF NOT EXISTS urls (  id INTEGER PRIMARY KEY AUTOINCREMENT,  group_id INTEGER NOT NULL,  "
    "url TEXT NOT NULL UNIQUE,  title TEXT,  created TEXT,  updated TEXT,  sort_order INTEGER NOT NULL "
    "DEFAULT 0,  "
    "open_count INTEGER NOT NULL DEFAULT 0,  last_opened TEXT,  pinned INTEGER NOT NULL DEFAULT 0,  "
    "FOREIGN KEY(group_id) REFERENCES groups(id) ON DELETE CASCADE);"
    "CREATE TABLE IF NOT EXISTS tags (  id INTEGER PRIMARY KEY AUTOINCREMENT,  name TEXT NOT NULL UNIQUE,  "
    "updated TEXT);"
    "CREATE TABLE IF NOT EXISTS url_tags (  url_id INTEGER NOT NULL,  tag_id INTEGER NOT NULL,  "
    "PRIMARY KEY(url_id, tag_id),  FOREIGN KEY(url_id) REFERENCES urls(id) ON DELETE CASCADE,  "
    "FOREIGN KEY(tag_id) REFERENCES tags(id) ON DELETE CASCADE);"
    "CREATE TABLE IF NOT EXISTS meta (  key TEXT PRIMARY KEY NOT NULL,  value TEXT);"
    "CREATE TABLE IF NOT EXISTS favicons (  domain TEXT PRIMARY KEY NOT NULL,  data BLOB NOT NULL);"
    "CREATE TABLE IF NOT EXISTS auto_tag_rules (  id INTEGER PRIMARY KEY AUTOINCREMENT,  pattern TEXT NOT "
    "NULL,  "
    "tag_name TEXT NOT NULL);"
    "CREATE TABLE IF NOT EXISTS auto_group_rules (  id INTEGER PRIMARY KEY AUTOINCREMENT,  "
    "pattern TEXT NOT NULL,  group_name TEXT NOT NULL);";

// Columns that earlier versions did not have. On a database that already has
// one, its statement fails and changes nothing, which is the intended outcome.
constexpr const char* kAddedColumns[] = {
    "ALTER TABLE urls ADD COLUMN updated TEXT;",
    "ALTER TABLE groups ADD COLUMN updated TEXT;",
    "ALTER TABLE tags ADD COLUMN updated TEXT;",
    "ALTER TABLE urls ADD COLUMN open_count INTEGER NOT NULL DEFAULT 0;",
    "ALTER TABLE urls ADD COLUMN last_opened TEXT;",
    "ALTER TABLE urls ADD COLUMN pinned INTEGER NOT NULL DEFAULT 0;",
    "ALTER TABLE urls ADD COLUMN reminder_date TEXT;",
    "ALTER TABLE urls ADD COLUMN reminder_action INTEGER NOT NULL DEFAULT 0;",
    "ALTER TABLE urls ADD COLUMN reminder_repeat INTEGER NOT NULL DEFAULT 0;",
};

void ExecIgnoringResult(sqlite3* db, const char* sql) { sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

// Earlier versions kept the creation stamp in a column named timestamp.
void MigrateCreationStamp(sqlite3* db) {
    if (UrlsColumnExists(db, "created")) return;
    if (UrlsColumnExists(db, "timestamp")) {
        ExecIgnoringResult(db, "ALTER TABLE urls RENAME COLUMN timestamp TO created;");
        if (!UrlsColumnExists(db, "created")) {
            ExecIgnoringResult(db, "ALTER TABLE urls ADD COLUMN created TEXT;");
            ExecIgnoringResult(db, "UPDATE urls SET created = timestamp WHERE created IS NULL;");
        }
        return;
    }
    ExecIgnoringResult(db, "ALTER TABLE urls ADD COLUMN created TEXT;");
}

}  // namespace

bool UrlsColumnExists(sqlite3* db, const char* column) {
    if (!db || !column) return false;
    SqliteStatement stmt(db, "PRAGMA table_info(urls);");
    if (!stmt) return false;
    while (sqlite3_step(stmt.get()) == SQLITE_ROW) {
        const unsigned char* name = sqlite3_column_text(stmt.get(), 1);
        if (name && std::strcmp(reinterpret_cast<const char*>(name), column) == 0) return true;
    }
    return false;
}

sqlite3* OpenDatabase(int* errorCode) {
    if (errorCode) *errorCode = SQLITE_OK;
    std::string path = Utf8FromWide(DatabasePath());
    sqlite3* raw = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    SqliteConnection db(raw);
    if (rc != SQLITE_OK) {
        DebugText(L"SQLite: failed to open database\n");
        if (errorCode) *errorCode = rc;
        return nullptr;
    }
    // Backup, sync and virus-scanning tools hold the file for a moment; a
    // short wait for them is better than a failed load or save.
    sqlite3_busy_timeout(db.get(), kDatabaseBusyTimeoutMs);

    // A file that is not a database fails here, before anything is written
    // to it.
    char* error = nullptr;
    rc = sqlite3_exec(db.get(), kSchemaScript, nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        DebugText(WideFromUtf8(error ? error : "").c_str());
        sqlite3_free(error);
        if (errorCode) *errorCode = rc;
        return nullptr;
    }

    // A save of a large catalogue rewrites every row; with SQLite's small
    // default cache and file-backed temporary tables that costs seconds.
    ExecIgnoringResult(db.get(), "PRAGMA cache_size = -65536;");
    ExecIgnoringResult(db.get(), "PRAGMA temp_store = MEMORY;");
    // Saving relies on the cascades: deleting a group deletes its URLs.
    ExecIgnoringResult(db.get(), "PRAGMA foreign_keys = ON;");
    for (const char* sql : kAddedColumns) ExecIgnoringResult(db.get(), sql);
    MigrateCreationStamp(db.get());
    ExecIgnoringResult(db.get(), "INSERT OR REPLACE INTO meta (key, value) VALUES ('version', '1.3.5');");
    return db.release();
}
