// Photographs the real main window in the states worth looking at: a crafted
// catalogue is put on screen and each state is captured from the screen into
// a PNG. Not a test: its output is looked at by people.
// Usage: vantrelix_shots OUTPUT_FOLDER
#include <windows.h>
#include <gdiplus.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "grid/CellEditor.h"
#include "grid/Columns.h"
#include "grid/GridState.h"
#include "grid/Selection.h"
#include "grid/VisibleRows.h"
#include "ScreenCapture.h"
#include "model/AppState.h"
#include "settings/Settings.h"
#include "ui/CommandIds.h"
#include "ui/DarkTheme.h"
#include "ui/MenuBar.h"

namespace {

void Pump(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    } while (GetTickCount() - start < ms);
}

// What the user sees: the window repainted, then copied.
bool Capture(HWND window, const std::wstring& path) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(300);
    return SaveWindowArea(window, path);
}

// A menu of the menu bar, open: the click on its title runs the menu's own
// loop, so the photo is taken by a timer inside that loop, which then closes
// the menu.
struct MenuPhoto {
    HWND window;
    std::wstring path;
};
MenuPhoto* g_menuPhoto = nullptr;

void CALLBACK OnMenuPhotoTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (g_menuPhoto) SaveWindowArea(g_menuPhoto->window, g_menuPhoto->path);
    EndMenu();
}

void CaptureOpenMenu(HWND window, int title, const std::wstring& path) {
    MenuPhoto photo{window, path};
    g_menuPhoto = &photo;
    SetTimer(nullptr, 0, 700, OnMenuPhotoTimer);
    const RECT r = MenuBarItemRects(g_menuBar)[title];
    SendMessageW(g_menuBar, WM_MOUSEMOVE, 0, MAKELPARAM(r.left + 4, 8));
    SendMessageW(g_menuBar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.left + 4, 8));
    g_menuPhoto = nullptr;
    SendMessageW(g_menuBar, WM_MOUSELEAVE, 0, 0);  // no real pointer leaves the bar here
    Pump(200);
}

// A dialog a command opens over the window: a timer inside the dialog's
// modal loop waits for it to paint, photographs the window's area with the
// dialog on it and cancels the dialog, so the command changes nothing.
struct DialogPhoto {
    HWND window;
    std::wstring caption;
    std::wstring path;
    DWORD foundAt = 0;
    bool done = false;
};
DialogPhoto* g_dialogPhoto = nullptr;

void CALLBACK OnDialogPhotoTimer(HWND, UINT, UINT_PTR, DWORD) {
    DialogPhoto* photo = g_dialogPhoto;
    if (!photo || photo->done) return;
    HWND dialog = FindWindowW(L"#32770", photo->caption.c_str());
    if (!dialog || !IsWindowVisible(dialog)) return;
    if (!photo->foundAt) {
        photo->foundAt = GetTickCount();
        SetForegroundWindow(dialog);
        return;
    }
    if (GetTickCount() - photo->foundAt < 600) return;
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SaveWindowArea(photo->window, photo->path);
    photo->done = true;
    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

void CaptureDialogOver(HWND window, UINT command, const std::wstring& caption, const std::wstring& path) {
    DialogPhoto photo{window, caption, path};
    g_dialogPhoto = &photo;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, OnDialogPhotoTimer);
    SendMessageW(window, WM_COMMAND, command, 0);
    KillTimer(nullptr, timer);
    g_dialogPhoto = nullptr;
    if (!photo.done) wprintf(L"FAILED no dialog \"%ls\"\n", caption.c_str());
    Pump(200);
}

// Three rows of the "Research" group selected, the first of them current.
void SelectThreeResearchRows() {
    const UrlGroup* research = FindGroupByName(L"Research");
    if (!research) return;
    std::vector<int> rows;
    for (size_t row = 0; row < g_grid.visibleRows.size(); ++row)
        if (g_grid.visibleRows[row].groupId == research->id) rows.push_back(static_cast<int>(row));
    if (rows.size() < 3) return;
    SelectOnlyRow(rows[0]);
    ToggleRowSelection(rows[1]);
    ToggleRowSelection(rows[2]);
    g_grid.focusRow = rows[0];
    RefreshGrid();
}

// The two dialogs of the group and tag commands, over the window: the tag
// chooser for three selected URLs, and the prompt for a group's new name.
void CaptureGroupAndTagDialogs(HWND window, const std::wstring& out, const wchar_t* theme) {
    SelectThreeResearchRows();
    CaptureDialogOver(window, IDM_EDIT_TAGS, L"Vantrelix Edit Tags", out + L"\\edit-tags-" + theme + L".png");
    CaptureDialogOver(window, IDM_RENAME_GROUP, L"Vantrelix Rename Group",
                      out + L"\\rename-group-prompt-" + theme + L".png");
}

std::wstring Stamp(int dayOffset, int hour, int minute) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILETIME ft;
    SystemTimeToFileTime(&now, &ft);
    ULARGE_INTEGER t{{ft.dwLowDateTime, ft.dwHighDateTime}};
    t.QuadPart += (long long)dayOffset * 24 * 3600 * 10000000LL;
    ft = {t.LowPart, t.HighPart};
    SYSTEMTIME day;
    FileTimeToSystemTime(&ft, &day);
    wchar_t buf[32];
    swprintf(buf, 32, L"%04d-%02d-%02d %02d:%02d", day.wYear, day.wMonth, day.wDay, hour, minute);
    return buf;
}

void FillCatalogue() {
    struct Entry {
        const wchar_t* group;
        const wchar_t* url;
        const wchar_t* title;
        std::vector<std::wstring> tags;
    };
    const Entry entries[] = {
        {L"Research", L"https://arxiv.org/abs/2401.01234", L"Scaling laws revisited", {L"paper", L"ml"}},
        {L"Research", L"https://www.nature.com/articles/s41586", L"Nature: protein folding at scale", {L"paper"}},
        {L"Research", L"https://en.wikipedia.org/wiki/Clipboard_(computing)", L"", {L"wiki", L"reference"}},
        {L"Research", L"https://scholar.example.org/citations?user=abc", L"Citations", {}},
        {L"Support", L"https://support.example.com/tickets/4711", L"Ticket 4711: login loop", {L"urgent", L"customer"}},
        {L"Support", L"https://status.example.com", L"Status page", {L"ops"}},
        {L"Support", L"https://docs.example.com/faq#reset", L"FAQ: password reset", {L"docs"}},
        {L"Writing", L"https://www.gutenberg.org/ebooks/1342", L"Pride and Prejudice", {L"books"}},
        {L"Writing", L"https://style.example.net/commas", L"On commas", {}},
        {L"Uncategorized", L"mailto:editor@example.org", L"", {}},
        {L"Uncategorized", L"ftp://ftp.example.org/pub/notes.txt", L"Notes archive", {L"archive"}},
    };
    for (const Entry& e : entries) {
        int id = FindOrCreateGroup(e.group);
        AddUrlToGroup(id, e.url);
        if (*e.title) g_app.titles[e.url] = e.title;
        if (!e.tags.empty()) g_app.urlTags[e.url] = e.tags;
        for (const auto& tag : e.tags)
            if (std::find(g_app.tagNames.begin(), g_app.tagNames.end(), tag) == g_app.tagNames.end())
                g_app.tagNames.push_back(tag);
    }
    g_app.pinnedUrls.insert(L"https://support.example.com/tickets/4711");
    g_app.pinnedUrls.insert(L"https://www.gutenberg.org/ebooks/1342");
    g_app.validationStatus[L"https://status.example.com"] = L"\u2714 200";
    g_app.validationStatus[L"https://arxiv.org/abs/2401.01234"] = L"\u2714 200";
    g_app.validationStatus[L"https://docs.example.com/faq#reset"] = L"\u2718 404";
    g_app.reminderDates[L"https://support.example.com/tickets/4711"] = Stamp(-1, 9, 0);  // overdue
    g_app.reminderActions[L"https://support.example.com/tickets/4711"] = ReminderAction::Notify;
    g_app.reminderDates[L"https://status.example.com"] = Stamp(0, 23, 59);  // later today
    g_app.reminderActions[L"https://status.example.com"] = ReminderAction::Both;
    g_app.reminderRepeats[L"https://status.example.com"] = ReminderRepeat::Daily;
    g_app.reminderDates[L"https://www.gutenberg.org/ebooks/1342"] = Stamp(3, 18, 30);  // upcoming
    g_app.reminderActions[L"https://www.gutenberg.org/ebooks/1342"] = ReminderAction::Open;
    g_app.openCounts[L"https://arxiv.org/abs/2401.01234"] = 12;
    g_app.lastOpenedAt[L"https://arxiv.org/abs/2401.01234"] = L"2026-12-09 16:20:00";
}

// Centre of the header cell of a column, and of a display line, in grid
// client coordinates.
POINT HeaderCell(int column) {
    auto visible = GetVisibleColumns();
    int x = -g_grid.scrollX;
    for (int i = 0; i < visible.count; ++i) {
        int width = visible.widths[visible.ids[i]];
        if (visible.ids[i] == column) return POINT{x + width / 2, 14};
        x += width;
    }
    return POINT{10, 14};
}

POINT LineCentre(int line) { return POINT{200, kGridHeaderHeight + (line - g_grid.topLine) * kGridLineHeight + 12}; }

LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }

// The in-place editor open on a pinned, tagged row's title, on its URL with
// a few characters typed, and on a group's name; each closed with Escape.
void CaptureEditors(HWND main, HWND grid, const std::wstring& out, const wchar_t* theme) {
    const int row = RowOfUrl(L"https://support.example.com/tickets/4711");
    SelectOnlyRow(row);
    RefreshGrid();
    SendMessageW(grid, WM_KEYDOWN, VK_F2, 0);
    Capture(main, out + L"\\edit-title-" + theme + L".png");
    if (g_grid.editWindow) SendMessageW(g_grid.editWindow, WM_KEYDOWN, VK_ESCAPE, 0);

    SendMessageW(grid, WM_KEYDOWN, VK_F4, 0);
    if (HWND box = g_grid.editWindow) {
        SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(-1), -1);
        for (wchar_t c : std::wstring(L"?from=shots")) SendMessageW(box, WM_CHAR, c, 1);
    }
    Capture(main, out + L"\\edit-url-" + theme + L".png");
    if (g_grid.editWindow) SendMessageW(g_grid.editWindow, WM_KEYDOWN, VK_ESCAPE, 0);

    if (const UrlGroup* support = FindGroupByName(L"Support")) BeginGroupRename(support->id);
    Capture(main, out + L"\\rename-group-in-place-" + theme + L".png");
    if (g_grid.editWindow) SendMessageW(g_grid.editWindow, WM_KEYDOWN, VK_ESCAPE, 0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        fwprintf(stderr, L"usage: vantrelix_shots OUTPUT_FOLDER\n");
        return 2;
    }
    std::wstring out = argv[1];
    CreateDirectoryW(out.c_str(), nullptr);
    Gdiplus::GdiplusStartupInput gdiplusInput;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &gdiplusInput, nullptr);

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    g_settings = Settings{};
    g_settings.checkForUpdates = false;
    g_settings.hotkeyKey = 0;
    g_settings.customDatabasePath = std::wstring(temp) + L"vantrelix-shots-" + std::to_wstring(GetTickCount64()) + L".db";
    g_settings.windowRect = RECT{40, 30, 1240, 730};
    g_settings.windowRectKnown = true;
    g_settings.zebraRows = true;

    HINSTANCE instance = GetModuleHandleW(nullptr);
    LoadWindowNames(instance);
    if (!MyRegisterClass(instance) || !InitInstance(instance)) return 1;
    FillCatalogue();
    // Room for the reminder column on a 1,200-pixel window.
    g_settings.columnVisible[ColumnId::Updated] = false;
    g_settings.columnVisible[ColumnId::LastOpened] = false;
    g_settings.sortColumn = ColumnId::Title;
    g_settings.sortAscending = true;
    RefreshGridWithColumns();
    Pump(500);
    HWND grid = g_gridWindow;
    HWND main = g_mainWindow;

    // Sorted by title, zebra rows, colour coding, pins, chips, verdicts,
    // reminders; the "Writing" group collapsed.
    if (const UrlGroup* writing = FindGroupByName(L"Writing")) SetGroupCollapsed(writing->id, true);
    RefreshGrid();
    Capture(main, out + L"\\grid-overview.png");

    // Some selected rows and the pointer hovering another.
    // (Line 3 is the "Research" header, lines 4 to 7 its rows.)
    SendMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, At(LineCentre(4)));
    SendMessageW(grid, WM_LBUTTONUP, 0, At(LineCentre(4)));
    SendMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, At(LineCentre(6)));
    SendMessageW(grid, WM_LBUTTONUP, 0, At(LineCentre(6)));
    SendMessageW(grid, WM_MOUSEMOVE, 0, At(LineCentre(10)));
    Capture(main, out + L"\\grid-selection-hover.png");

    g_settings.zebraColumns = true;
    RefreshGrid();
    Capture(main, out + L"\\grid-zebra-columns.png");
    g_settings.zebraColumns = false;

    // A column being dragged: the insertion marker between two columns.
    POINT from = HeaderCell(ColumnId::Tags);
    SendMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, At(from));
    POINT to = HeaderCell(ColumnId::Title);
    SendMessageW(grid, WM_MOUSEMOVE, MK_LBUTTON, At(POINT{from.x - 20, from.y}));
    SendMessageW(grid, WM_MOUSEMOVE, MK_LBUTTON, At(POINT{to.x - 40, to.y}));
    Capture(main, out + L"\\grid-column-drag.png");
    SendMessageW(grid, WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageW(grid, WM_CAPTURECHANGED, 0, 0);
    ReleaseCapture();

    // A URL being dragged over another group's rows: the drop marker.
    SendMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, At(LineCentre(5)));
    SendMessageW(grid, WM_MOUSEMOVE, MK_LBUTTON, At(POINT{200, LineCentre(5).y + 12}));
    SendMessageW(grid, WM_MOUSEMOVE, MK_LBUTTON, At(POINT{200, LineCentre(10).y - 6}));
    Capture(main, out + L"\\grid-url-drag.png");
    // The same drag with the pointer left of the grid: no target, no marker.
    SendMessageW(grid, WM_MOUSEMOVE, MK_LBUTTON, At(POINT{-30, LineCentre(10).y - 6}));
    Capture(main, out + L"\\grid-url-drag-outside.png");
    SendMessageW(grid, WM_CAPTURECHANGED, 0, 0);
    ReleaseCapture();

    // Descending sort, every group open, no colour coding.
    g_settings.sortAscending = false;
    g_settings.colorCoding = false;
    g_grid.collapsedGroups.clear();
    RefreshGridWithColumns();
    Capture(main, out + L"\\grid-descending-plain.png");

    // The URLs menu open over the window, a row selected.
    SelectOnlyRow(2);
    RefreshGrid();
    CaptureOpenMenu(main, 2, out + L"\\menu-open-light.png");
    CaptureGroupAndTagDialogs(main, out, L"light");

    g_settings.colorCoding = true;
    CaptureEditors(main, grid, out, L"light");

    // The whole window in the dark theme, then with the menu open.
    g_settings.colorCoding = true;
    g_settings.darkMode = true;
    ApplyDarkMode(main);
    RefreshGrid();
    Capture(main, out + L"\\grid-dark.png");
    CaptureOpenMenu(main, 2, out + L"\\menu-open-dark.png");
    CaptureGroupAndTagDialogs(main, out, L"dark");
    CaptureEditors(main, grid, out, L"dark");

    DestroyWindow(main);
    Pump(200);
    DeleteFileW(g_settings.customDatabasePath.c_str());
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
