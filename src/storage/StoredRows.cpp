#include "storage/StoredRows.h"

#include <windows.h>

#include <algorithm>

#include "model/TextUtil.h"
#include "storage/SqliteHandles.h"

StoredRows g_storedRows;

namespace {

// Stored text that does not come back byte for byte from its UTF-16 form
// (invalid UTF-8 written by another program) is text this program would
// write differently: `foreign` marks it.
std::wstring ExactText(sqlite3_stmt* stmt, int column, bool& foreign) {
    std::wstring text = ColumnText(stmt, column);
    const char* bytes = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    std::string_view raw(bytes ? bytes : "", (size_t)sqlite3_column_bytes(stmt, column));
    if (Utf8FromWide(text) != raw) foreign = true;
    return text;
}

std::optional<std::wstring> OptionalText(sqlite3_stmt* stmt, int column, bool& foreign) {
    int type = sqlite3_column_type(stmt, column);
    if (type == SQLITE_NULL) return std::nullopt;
    if (type != SQLITE_TEXT) foreign = true;
    return ExactText(stmt, column, foreign);
}

int64_t IntegerColumn(sqlite3_stmt* stmt, int column, bool& foreign) {
    if (sqlite3_column_type(stmt, column) != SQLITE_INTEGER) foreign = true;
    return sqlite3_column_int64(stmt, column);
}

}  // namespace

bool ReadStoredRows(sqlite3* db, StoredRows& rows) {
    rows.urls.clear();
    rows.tagLinks.clear();
    SqliteStatement urls(db,
                         "SELECT id, group_id, url, title, created, updated, sort_order, open_count, "
                         "last_opened, pinned, reminder_date, reminder_action, reminder_repeat FROM urls;");
    if (!urls) return false;
    int rc;
    while ((rc = sqlite3_step(urls.get())) == SQLITE_ROW) {
        sqlite3_stmt* s = urls.get();
        StoredUrlRow row;
        row.id = sqlite3_column_int64(s, 0);
        row.groupRowId = IntegerColumn(s, 1, row.foreignTypes);
        bool foreignUrl = sqlite3_column_type(s, 2) != SQLITE_TEXT;
        std::wstring url = ExactText(s, 2, foreignUrl);
        // A URL this program would write differently is a row no catalogue
        // URL can be matched with by its text.
        if (foreignUrl) return false;
        row.title = OptionalText(s, 3, row.foreignTypes);
        row.created = OptionalText(s, 4, row.foreignTypes);
        row.updated = OptionalText(s, 5, row.foreignTypes);
        row.sortOrder = IntegerColumn(s, 6, row.foreignTypes);
        row.openCount = IntegerColumn(s, 7, row.foreignTypes);
        row.lastOpened = OptionalText(s, 8, row.foreignTypes);
        row.pinned = IntegerColumn(s, 9, row.foreignTypes);
        row.reminderDate = OptionalText(s, 10, row.foreignTypes);
        row.reminderAction = IntegerColumn(s, 11, row.foreignTypes);
        row.reminderRepeat = IntegerColumn(s, 12, row.foreignTypes);
        if (!rows.urls.emplace(std::move(url), std::move(row)).second) return false;
    }
    if (rc != SQLITE_DONE) return false;

    SqliteStatement links(db, "SELECT url_id, tag_id FROM url_tags ORDER BY rowid;");
    if (!links) return false;
    while ((rc = sqlite3_step(links.get())) == SQLITE_ROW)
        rows.tagLinks[sqlite3_column_int64(links.get(), 0)].tagIds.push_back(sqlite3_column_int64(links.get(), 1));
    return rc == SQLITE_DONE;
}

std::optional<uint32_t> ReadFileChangeCounter(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    unsigned char bytes[4];
    OVERLAPPED at{};
    at.Offset = 24;
    DWORD got = 0;
    bool ok = ReadFile(file, bytes, 4, &got, &at) && got == 4;
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return (uint32_t(bytes[0]) << 24) | (uint32_t(bytes[1]) << 16) | (uint32_t(bytes[2]) << 8) | bytes[3];
}

bool HasUnpairedSurrogate(const std::wstring& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (IS_HIGH_SURROGATE(c)) {
            if (i + 1 < text.size() && IS_LOW_SURROGATE(text[i + 1])) {
                ++i;
                continue;
            }
            return true;
        }
        if (IS_LOW_SURROGATE(c)) return true;
    }
    return false;
}

const std::wstring& StoredForm(const std::wstring& text, std::wstring& scratch) {
    if (!HasUnpairedSurrogate(text)) return text;
    scratch = WideFromUtf8(Utf8FromWide(text));
    return scratch;
}
