#include <string>

#include "grid/SearchBox.h"
#include "grid/VisibleRows.h"

HWND g_searchEdit = nullptr;

std::wstring GetSearchText() {
    if (!g_searchEdit || !IsWindow(g_searchEdit)) return {};
    int length = GetWindowTextLengthW(g_searchEdit);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(g_searchEdit, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}
