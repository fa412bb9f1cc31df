#pragma once
// The catalogue database: where it is, how a connection is opened (with the
// schema created or migrated at every opening), and whole-catalogue save/load.
#include <string>

#include "storage/CatalogueFileState.h"

struct sqlite3;

// The setting customDatabasePath when set, else the executable's path with
// everything from its last "." replaced by ".db".
std::wstring DatabasePath();

// How long a connection waits for another program's lock on the file before
// a statement fails as busy.
inline constexpr int kDatabaseBusyTimeoutMs = 2000;

// Opens DatabasePath() and guarantees the schema. nullptr on failure, with
// SQLite's result code in *errorCode when given; the caller closes the
// connection.
sqlite3* OpenDatabase(int* errorCode = nullptr);
bool UrlsColumnExists(sqlite3* db, const char* column);

// A failed load or save is reported through CatalogueFileState.h; after a
// load that did not read everything, saves leave the file alone.
SaveResult SaveCatalogue();
LoadResult LoadCatalogue();
// After a failed load: reads the file again and, when that succeeds, merges
// what was captured meanwhile and saves. Does nothing when the file was read.
LoadResult RetryCatalogueLoad();

// True only while LoadCatalogue reads the URL rows.
extern bool g_catalogueLoading;
