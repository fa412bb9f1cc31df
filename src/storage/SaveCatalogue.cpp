#include <sqlite3.h>

#include <cstring>

#include "storage/Database.h"
#include "storage/SaveChanges.h"
#include "storage/SqliteHandles.h"
#include "storage/StoredRows.h"

using namespace save_detail;

namespace {

// Only the rollback journal advances the header's change counter with every
// commit, which is what tells us nobody else wrote the file.
bool JournalKeepsChangeCounter(sqlite3* db) {
    SqliteStatement query(db, "PRAGMA journal_mode;");
    if (!query || sqlite3_step(query.get()) != SQLITE_ROW) return false;
    const char* mode = reinterpret_cast<const char*>(sqlite3_column_text(query.get(), 0));
    return mode && (!std::strcmp(mode, "delete") || !std::strcmp(mode, "truncate") || !std::strcmp(mode, "persist"));
}

// Reads something so that the transaction holds the shared lock: from here
// to the commit no other connection can write the file.
bool TakeReadLock(sqlite3* db) {
    SqliteStatement query(db, "SELECT count(*) FROM sqlite_master;");
    return query && sqlite3_step(query.get()) == SQLITE_ROW;
}

}  // namespace

// The rows of a file whose catalogue was never read completely are left
// alone: writing the catalogue in memory would delete all the read missed.
SaveResult SaveCatalogue() {
    const std::wstring path = DatabasePath();
    if (CatalogueFileUnread()) return SaveResult::LeftUnread;
    std::optional<uint32_t> counterBeforeOpen = ReadFileChangeCounter(path);
    int openError = SQLITE_OK;
    SqliteConnection db(OpenDatabase(&openError));
    if (!db) {
        NoteSaveOutcome(path, openError);
        return SaveResult::Failed;
    }
    SaveTransaction tx(db.get());
    if (!tx.Exec("BEGIN TRANSACTION;")) {
        NoteSaveOutcome(path, tx.FailureCode() ? tx.FailureCode() : sqlite3_errcode(db.get()));
        return SaveResult::Failed;
    }

    StoredRows& rows = g_storedRows;
    bool locked = TakeReadLock(db.get());
    std::optional<uint32_t> counterRead = locked ? ReadFileChangeCounter(path) : std::nullopt;
    bool counterTracked = counterRead && JournalKeepsChangeCounter(db.get());
    uint32_t counter = counterRead.value_or(0);
    // Opening the file writes its meta row once; any other difference means
    // another program wrote the file since our last save.
    bool trusted = rows.valid && rows.path == path && counterTracked && counterBeforeOpen &&
                   *counterBeforeOpen == rows.changeCounter && counter == *counterBeforeOpen + 1;
    if (!trusted) {
        rows.valid = locked && ReadStoredRows(db.get(), rows);
        rows.path = path;
    }

    ChangeWrite outcome = rows.valid ? WriteCatalogueChanges(tx, db.get(), rows) : ChangeWrite::UseWholeWrite;
    bool commit = outcome == ChangeWrite::Done || outcome == ChangeWrite::Inexact;
    if (outcome == ChangeWrite::UseWholeWrite) commit = WriteWholeCatalogue(tx, db.get());
    // COMMIT can fail while another connection still reads the file; the
    // transaction is then still open and is rolled back, so the file keeps
    // the previous save whole and the next save writes everything.
    if (commit) commit = tx.Exec("COMMIT;");
    if (!commit) tx.Rollback();

    // Every save writes the group rows, so a commit advances the counter by one.
    rows.valid = commit && outcome == ChangeWrite::Done && counterTracked;
    if (rows.valid) rows.changeCounter = counter + 1;

    int failure = tx.FailureCode();
    if (!commit && failure == SQLITE_OK) failure = sqlite3_errcode(db.get());
    if (!commit && failure == SQLITE_OK) failure = SQLITE_ERROR;
    NoteSaveOutcome(path, commit ? SQLITE_OK : failure);
    return commit ? SaveResult::Saved : SaveResult::Failed;
}
