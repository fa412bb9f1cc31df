#include "grid/StatusBar.h"

#include <commctrl.h>

#include <array>
#include <string>

#include "grid/GridState.h"
#include "grid/VisibleRows.h"
#include "model/AppState.h"
#include "settings/Settings.h"
#include "storage/CatalogueFileState.h"

HWND g_statusBar = nullptr;

namespace {

// The control only keeps the item data of an owner-drawn part; its text
// lives here, one slot per possible part, and the main window's WM_DRAWITEM
// reads it back by that item data.
std::array<std::wstring, kStatusSlotCount> g_statusSlots;

constexpr wchar_t kSeparator[] = L"  |  ";
constexpr wchar_t kValidMark = L'\u2714';
constexpr wchar_t kInvalidMark = L'\u2718';

bool StatusBarExists() { return g_statusBar && IsWindow(g_statusBar); }

size_t CountSelectedVisibleRows() {
    if (g_grid.selectedUrls.empty()) return 0;
    size_t count = 0;
    for (const VisibleRow& row : g_grid.visibleRows) count += g_grid.selectedUrls.count(row.url);
    return count;
}

// Validation results of URLs deleted since they were checked may still be
// in the map; only URLs of the catalogue count.
size_t CountValidation(wchar_t mark) {
    size_t count = 0;
    for (const auto& [url, status] : g_app.validationStatus)
        if (!status.empty() && status[0] == mark && g_app.allUrls.count(url)) ++count;
    return count;
}

long long SumOpenCounts() {
    long long sum = 0;
    for (const auto& [url, opens] : g_app.openCounts) sum += opens;
    return sum;
}

void AppendCounter(std::wstring& text, const wchar_t* label, long long value) {
    if (!text.empty()) text += kSeparator;
    text += label;
    text += std::to_wstring(value);
}

}  // namespace

HWND CreateStatusBar(HWND parent, HINSTANCE instance) {
    g_statusBar =
        CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_NODIVIDER, 0,
                        0, 0, 0, parent, nullptr, instance, nullptr);
    if (!g_statusBar) return nullptr;
    SendMessageW(g_statusBar, SB_SETMINHEIGHT, kStatusBarMinHeight, 0);
    SendMessageW(g_statusBar, WM_SIZE, 0, 0);
    int rightEdge = -1;  // one part reaching the right edge
    SendMessageW(g_statusBar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&rightEdge));
    return g_statusBar;
}

std::wstring BuildFilterSummary() {
    std::wstring summary = g_settings.tagFilter.empty() ? L"Tag: All" : L"Tag: " + g_settings.tagFilter;
    if (!g_settings.reminderFilter.empty()) summary += L" | Reminder: " + g_settings.reminderFilter;
    std::wstring search = GetSearchText();
    if (!search.empty()) summary += L" | Search: " + search;
    return summary;
}

// A problem with the database file comes first: it is what the user most
// needs to see.
std::wstring BuildStatusText() {
    std::wstring text = StorageStatusText();
    AppendCounter(text, L"Total: ", static_cast<long long>(g_app.allUrls.size()));
    AppendCounter(text, L"Visible: ", static_cast<long long>(g_grid.visibleRows.size()));
    AppendCounter(text, L"Selected: ", static_cast<long long>(CountSelectedVisibleRows()));
    AppendCounter(text, L"Valid: ", static_cast<long long>(CountValidation(kValidMark)));
    AppendCounter(text, L"Invalid: ", static_cast<long long>(CountValidation(kInvalidMark)));
    AppendCounter(text, L"Groups: ", static_cast<long long>(g_app.groups.size()));
    AppendCounter(text, L"Tags: ", static_cast<long long>(g_app.tagNames.size()));
    AppendCounter(text, L"Opened: ", SumOpenCounts());
    AppendCounter(text, L"Pinned: ", static_cast<long long>(g_app.pinnedUrls.size()));
    AppendCounter(text, L"Reminders: ", static_cast<long long>(g_app.reminderDates.size()));
    text += kSeparator;
    text += BuildFilterSummary();
    return text;
}

const std::wstring& StatusSlotText(ULONG_PTR itemData) {
    static const std::wstring empty;
    return itemData < g_statusSlots.size() ? g_statusSlots[itemData] : empty;
}

// The control skips the repaint when an owner-drawn part is given the same
// item data again, and slot 0 is always item data 0: the part is
// invalidated by hand so the new text shows.
void UpdateStatusBar() {
    if (!StatusBarExists()) return;
    g_statusSlots[0] = BuildStatusText();
    SendMessageW(g_statusBar, SB_SETTEXTW, 0 | SBT_OWNERDRAW, 0);
    RECT part{};
    if (SendMessageW(g_statusBar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&part)))
        InvalidateRect(g_statusBar, &part, FALSE);
}
