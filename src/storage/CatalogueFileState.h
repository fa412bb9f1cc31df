#pragma once
// What this process knows of its database file: whether the catalogue stored
// in it was read completely, and whether the last save reached it.
//
// A file whose catalogue could not be read is never saved over: a save makes
// the file equal to the catalogue in memory, and after a partial read that
// would delete every row the read missed. Saves leave such a file alone until
// a later read succeeds and merges what was captured meanwhile.
//
// The user hears of a problem once, when it begins, through the handler the
// window installs; the status bar shows it for as long as it lasts.
#include <string>

enum class LoadStatus {
    Complete,  // everything stored was read
    Unread,    // the file could not be read completely; nothing was taken in
};

struct LoadResult {
    LoadStatus status = LoadStatus::Unread;
    int errorCode = 0;  // SQLite's result code of the failure
    bool complete() const { return status == LoadStatus::Complete; }
};

enum class SaveResult {
    Saved,
    LeftUnread,  // skipped: the file's catalogue was never read completely
    Failed,      // nothing written; the catalogue in memory is unchanged
};

struct StorageNotice {
    std::wstring balloon;  // a one-time message; empty when there is none
};
using StorageNoticeHandler = void (*)(const StorageNotice& notice);
void SetStorageNoticeHandler(StorageNoticeHandler handler);

// The problem with the database file for the status bar; empty when there is
// none.
const std::wstring& StorageStatusText();

// True while the catalogue stored in the current database file is unknown.
bool CatalogueFileUnread();

// Called by loading and saving with the file's path and SQLite's result code
// (SQLITE_OK for success).
void NoteLoadOutcome(const std::wstring& path, int errorCode);
void NoteSaveOutcome(const std::wstring& path, int errorCode);
// After a read that ended an unread period: `merged` URLs captured meanwhile
// joined the stored catalogue.
void NoteCatalogueRecovered(size_t merged);

// A short reason for the user, from SQLite's result code.
std::wstring DescribeDatabaseError(int errorCode);
