#include "storage/SqliteHandles.h"

#include "model/TextUtil.h"

void BindText(sqlite3_stmt* stmt, int index, const std::wstring& text) {
    std::string utf8 = Utf8FromWide(text);
    // A null pointer would bind NULL; empty text stays text.
    sqlite3_bind_text(stmt, index, utf8.data() ? utf8.data() : "", (int)utf8.size(), SQLITE_TRANSIENT);
}

void BindTextOrNull(sqlite3_stmt* stmt, int index, const std::wstring& text) {
    if (text.empty())
        sqlite3_bind_null(stmt, index);
    else
        BindText(stmt, index, text);
}

std::wstring ColumnText(sqlite3_stmt* stmt, int index) {
    const unsigned char* text = sqlite3_column_text(stmt, index);
    if (!text) return {};
    int bytes = sqlite3_column_bytes(stmt, index);
    return WideFromUtf8(std::string_view(reinterpret_cast<const char*>(text), (size_t)bytes));
}
