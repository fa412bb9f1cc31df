#pragma once
// Owners for SQLite handles: the function that opens a connection or prepares
// a statement is the one that closes or finalizes it, on every return path.
// Copying is deleted so a handle can never be released twice.
#include <sqlite3.h>

#include <string>

class SqliteConnection {
public:
    explicit SqliteConnection(sqlite3* db = nullptr) : db_(db) {}
    ~SqliteConnection() {
        if (db_) sqlite3_close(db_);
    }
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    sqlite3* get() const { return db_; }
    explicit operator bool() const { return db_ != nullptr; }
    // Hands the connection to a caller that closes it itself.
    sqlite3* release() {
        sqlite3* db = db_;
        db_ = nullptr;
        return db;
    }

private:
    sqlite3* db_;
};

class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const char* sql) {
        if (db && sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) {
            sqlite3_finalize(stmt_);
            stmt_ = nullptr;
        }
    }
    ~SqliteStatement() { sqlite3_finalize(stmt_); }
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    sqlite3_stmt* get() const { return stmt_; }
    explicit operator bool() const { return stmt_ != nullptr; }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

// Text goes to the database as UTF-8 with its exact length, so an embedded
// NUL cannot cut it short.
void BindText(sqlite3_stmt* stmt, int index, const std::wstring& text);
// NULL for empty text: an empty attribute means the same as a missing one.
void BindTextOrNull(sqlite3_stmt* stmt, int index, const std::wstring& text);
// NULL reads back as empty text.
std::wstring ColumnText(sqlite3_stmt* stmt, int index);
