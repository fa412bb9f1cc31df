#pragma once
// What the database file holds, as last read or written by this process, so
// that a save writes only the rows that differ from the catalogue in memory.
// Trusted only while the file has not been written by anyone else since.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

struct sqlite3;

struct StoredUrlRow {
    int64_t id = 0;
    int64_t groupRowId = 0;
    int64_t sortOrder = 0;
    int64_t openCount = 0;
    int64_t pinned = 0;
    int64_t reminderAction = 0;
    int64_t reminderRepeat = 0;
    std::optional<std::wstring> title, created, updated, lastOpened, reminderDate;  // nullopt is NULL
    // A value of a type this program never writes (a number stored as text,
    // say): the row is rewritten at the next save whatever its values.
    bool foreignTypes = false;
    uint64_t visitedBySave = 0;  // the last save that wrote or checked the row
    // The last save that compared the row's values with the catalogue, and
    // whether they were equal then.
    uint64_t valuesCheckedBySave = 0;
    bool valuesEqual = false;
};

struct StoredRows {
    bool valid = false;
    std::wstring path;            // the database file they describe
    uint32_t changeCounter = 0;   // the file's change counter after our last commit
    std::unordered_map<std::wstring, StoredUrlRow> urls;        // by stored URL text
    // Tag row ids linked to each URL row, in row order: the order in which
    // loading attaches them.
    struct Links {
        std::vector<int64_t> tagIds;
        uint64_t visitedBySave = 0;
    };
    std::unordered_map<int64_t, Links> tagLinks;
    uint64_t saveCount = 0;
};

extern StoredRows g_storedRows;

// Reads every urls and url_tags row into `rows`; false when a query fails.
bool ReadStoredRows(sqlite3* db, StoredRows& rows);

// The change counter in the header of a database file (it grows with every
// committed write in rollback-journal mode); nullopt when it cannot be read.
std::optional<uint32_t> ReadFileChangeCounter(const std::wstring& path);

// The text as the database holds it after a round trip through UTF-8: the
// text itself unless it has unpaired surrogates, in which case the converted
// copy is made in `scratch`.
const std::wstring& StoredForm(const std::wstring& text, std::wstring& scratch);
bool HasUnpairedSurrogate(const std::wstring& text);
