// The in-place editor's box: opening it over a cell or a group header line,
// its keys, following its line when the grid scrolls or the rows change,
// closing it, and handing its text to the commit of its kind
// (CellEditCommits.cpp).
#include "grid/CellEditor.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "grid/Columns.h"
#include "grid/GridInternal.h"
#include "grid/GridWindow.h"
#include "grid/VisibleRows.h"
#include "model/AppState.h"
#include "ui/DarkTheme.h"
#include "ui/ThemeBrushes.h"

namespace {

bool GridExists() { return g_gridWindow && IsWindow(g_gridWindow); }
bool RowExists(int row) { return row >= 0 && row < static_cast<int>(g_grid.visibleRows.size()); }
bool IsEditableColumn(int column) { return column == ColumnId::Title || column == ColumnId::Url; }

int ClientHeight() {
    RECT client{};
    if (GridExists()) GetClientRect(g_gridWindow, &client);
    return client.bottom - client.top;
}

std::optional<RECT> CellRect(int row, int column) {
    const int line = DisplayLineOfRow(row);
    if (line < 0) return std::nullopt;
    return CellEditorRect(CurrentColumnLayout(), column, LineTop(line, g_grid.topLine), g_grid.scrollX,
                          ClientHeight());
}

int GroupHeaderLine(int groupId) {
    const std::vector<DisplayLine>& lines = CurrentDisplayLines();
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].isGroupHeader && lines[i].groupId == groupId) return static_cast<int>(i);
    return -1;
}

std::optional<RECT> GroupRect(int groupId) {
    const int line = GroupHeaderLine(groupId);
    if (line < 0) return std::nullopt;
    return GroupEditorRect(LineTop(line, g_grid.topLine), GridClientWidth(), ClientHeight());
}

std::optional<RECT> EditorTargetRect() {
    if (g_grid.editGroupId >= 0) return GroupRect(g_grid.editGroupId);
    const int row = InlineEditRow();
    if (row < 0) return std::nullopt;
    return CellRect(row, g_grid.editColumn);
}

void ResetEditTarget() {
    g_grid.editRow = -1;
    g_grid.editColumn = -1;
    g_grid.editGroupId = -1;
    g_grid.editUrl.clear();
}

// The whole text, however long: the length is asked first and the buffer
// made to fit it.
std::wstring BoxText(HWND box) {
    const int length = GetWindowTextLengthW(box);
    if (length <= 0) return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(box, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<size_t>(std::clamp(copied, 0, length)));
}

void SelectAllText(HWND box) { SendMessageW(box, EM_SETSEL, 0, -1); }

// Enter and Escape are the box's own: Enter commits, Escape cancels. Their
// characters are swallowed too, or a refused commit would leave the box to
// beep at the Enter that follows the key.
LRESULT CALLBACK EditBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_GETDLGCODE:
            return DefSubclassProc(box, message, wParam, lParam) | DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                CommitInlineEdit(true);
                return 0;
            }
            if (wParam == VK_ESCAPE) {
                CloseInlineEdit(true);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == L'\r' || wParam == L'\n' || wParam == 0x1B) return 0;
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(box, EditBoxProc, 0);
            break;
        default:
            break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

HFONT GridFont() {
    auto font = reinterpret_cast<HFONT>(SendMessageW(g_gridWindow, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The box is created empty and its length limit lifted before the text goes
// in: a single-line box otherwise stops at 32,767 characters, and a longer
// title or URL must reach the commit whole.
HWND CreateEditBox(const RECT& rect, const std::wstring& text) {
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(g_gridWindow, GWLP_HINSTANCE));
    HWND box =
        CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
                        rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, g_gridWindow,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kInlineEditId)), instance, nullptr);
    if (!box) return nullptr;
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(GridFont()), FALSE);
    SendMessageW(box, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextW(box, text.c_str());
    SelectAllText(box);
    SetWindowSubclass(box, EditBoxProc, 0, 0);
    if (g_settings.darkMode) ApplyControlTheme(box, true);
    return box;
}

void OpenEditBox(const RECT& rect, const std::wstring& text) {
    HWND box = CreateEditBox(rect, text);
    if (!box) {
        ResetEditTarget();
        return;
    }
    g_grid.editWindow = box;
    SetFocus(box);
}

// Clears editCommitting however the commit ends.
class CommitScope {
   public:
    CommitScope() { g_grid.editCommitting = true; }
    ~CommitScope() { g_grid.editCommitting = false; }
    CommitScope(const CommitScope&) = delete;
    CommitScope& operator=(const CommitScope&) = delete;
};

bool RunCommit(const std::wstring& text) {
    CommitScope scope;
    if (g_grid.editGroupId >= 0) return CommitGroupRename(text);
    switch (g_grid.editColumn) {
        case ColumnId::Title:
            return CommitTitleEdit(text);
        case ColumnId::Url:
            return CommitUrlEdit(text);
        default:
            return false;
    }
}

}  // namespace

// The row index is only a hint: while it still shows the URL the box was
// opened on, it is that row; otherwise the URL's row now, if any.
int InlineEditRow() {
    if (g_grid.editGroupId >= 0 || g_grid.editUrl.empty()) return -1;
    if (RowExists(g_grid.editRow) && g_grid.visibleRows[g_grid.editRow].url == g_grid.editUrl)
        return g_grid.editRow;
    g_grid.editRow = RowOfUrl(g_grid.editUrl);
    return g_grid.editRow;
}

bool IsInlineEditOpen() { return g_grid.editWindow != nullptr; }

void BeginCellEdit(int row, int column) {
    if (!GridExists() || !RowExists(row) || !IsEditableColumn(column)) return;
    EnsureRowVisible(row);
    const GridColumnLayout layout = CurrentColumnLayout();
    const int pos = LayoutPosOf(layout, column);
    if (pos >= 0) {
        g_grid.scrollX = ScrollXShowingColumn(layout, pos, g_grid.scrollX, GridClientWidth());
        UpdateScrollBars();
        InvalidateRect(g_gridWindow, nullptr, FALSE);
    }
    RepositionInlineEdit();
    CloseInlineEdit(true);

    const std::optional<RECT> rect = CellRect(row, column);
    if (!rect) return;
    const std::wstring url = g_grid.visibleRows[row].url;
    g_grid.editRow = row;
    g_grid.editColumn = column;
    g_grid.editGroupId = -1;
    g_grid.editUrl = url;
    OpenEditBox(*rect, GetCellText(url, column, row));
}

void BeginGroupRename(int groupId) {
    const UrlGroup* group = FindGroupById(groupId);
    if (!GridExists() || !group) return;
    const std::wstring name = group->name;
    const int line = GroupHeaderLine(groupId);
    if (line >= 0) {
        g_grid.topLine = TopLineShowing(line, g_grid.topLine, GridLinesPerPage());
        UpdateScrollBars();
        InvalidateRect(g_gridWindow, nullptr, FALSE);
    }
    CloseInlineEdit(true);

    const std::optional<RECT> rect = GroupRect(groupId);
    if (!rect) return;
    ResetEditTarget();
    g_grid.editGroupId = groupId;
    OpenEditBox(*rect, name);
}

// A commit asked for while one runs (its message box took the focus) is not
// started again: the box stays as it is.
bool CommitInlineEdit(bool focusGrid) {
    if (!g_grid.editWindow) return true;
    if (g_grid.editCommitting) return false;
    if (RunCommit(BoxText(g_grid.editWindow))) {
        CloseInlineEdit(focusGrid);
        return true;
    }
    if (HWND box = g_grid.editWindow) {
        SetFocus(box);
        SelectAllText(box);
    }
    return false;
}

// editClosing is set before the box goes, so that the loss of focus its
// destruction causes does not commit it.
void CloseInlineEdit(bool focusGrid) {
    HWND box = g_grid.editWindow;
    if (!box) return;
    g_grid.editClosing = true;
    g_grid.editWindow = nullptr;
    ResetEditTarget();
    if (IsWindow(box)) DestroyWindow(box);
    g_grid.editClosing = false;
    // The cell's text and badge were left out under the box.
    if (GridExists()) InvalidateRect(g_gridWindow, nullptr, FALSE);
    if (focusGrid && GridExists()) SetFocus(g_gridWindow);
}

// During a commit the rows are rebuilt under the box; the commit itself
// decides whether the box closes, so it is left where it is meanwhile.
void RepositionInlineEdit() {
    if (!g_grid.editWindow || g_grid.editCommitting) return;
    const std::optional<RECT> rect = EditorTargetRect();
    if (!rect) {
        CloseInlineEdit(true);
        return;
    }
    MoveWindow(g_grid.editWindow, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
               TRUE);
}

// Clicking anywhere else takes the focus from the box, which commits it
// without taking the focus back to the grid.
void OnInlineEditCommand(HWND control, UINT code) {
    if (code != EN_KILLFOCUS || !control || control != g_grid.editWindow) return;
    if (g_grid.editClosing || g_grid.editCommitting) return;
    CommitInlineEdit(false);
}

HBRUSH InlineEditColors(HDC dc) {
    if (!g_settings.darkMode) return nullptr;
    SetTextColor(dc, kDarkTextColor);
    SetBkColor(dc, kDarkControlColor);
    return DarkControlBrush();
}
