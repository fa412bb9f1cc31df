#pragma once
// The catalogue database: where it is, how a connection is opened (with the
// schema created or migrated at every opening), and whole-catalogue save/load.
#include <string>

struct sqlite3;

// The setting customDatabasePath when set, else the executable's path with
// everything from its last "." replaced by ".db".
std::wstring DatabasePath();

// Opens DatabasePath() and guarantees the schema. nullptr on failure; the
// caller closes the connection.
sqlite3* OpenDatabase();
bool UrlsColumnExists(sqlite3* db, const char* column);

void SaveCatalogue();
void LoadCatalogue();

// True only while LoadCatalogue reads the URL rows.
extern bool g_catalogueLoading;
