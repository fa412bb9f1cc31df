#pragma once
// In-place editing in the grid: a one-line edit box laid over a URL's "Title"
// or "URL" cell, or over a group's header line, pre-filled and fully
// selected. Enter or leaving the box commits, Escape cancels; a commit the
// checks refuse shows a message and keeps the box open with its text
// selected. At most one box exists; its state is the edit fields of GridState.
#include <windows.h>

#include <string>

// The box's control id: its notifications reach the grid as WM_COMMAND.
inline constexpr int kInlineEditId = 2036;

// Opens the box on the "Title" (1) or "URL" (2) cell of a visible row,
// scrolling the cell into view first. Other columns, rows that do not exist
// and a missing grid do nothing.
void BeginCellEdit(int row, int column);
// Opens the box on the group's header line, scrolled into view.
void BeginGroupRename(int groupId);
// True when the box is closed afterwards (committed, unchanged or no box);
// false when a refused commit left it open, focused, its text selected.
bool CommitInlineEdit(bool focusGrid);
// Destroys the box without committing.
void CloseInlineEdit(bool focusGrid);
// Moves the box to its cell or header line after a scroll, a size change or
// a rebuild of the rows; closes it without committing when that is off screen.
void RepositionInlineEdit();
bool IsInlineEditOpen();

// The two cell commits CommitInlineEdit runs for the edited URL; true when
// the text was accepted (changed or not), false when it was refused.
bool CommitTitleEdit(const std::wstring& text);
bool CommitUrlEdit(const std::wstring& text);
// The group commit: the box's group gets the text as its name.
bool CommitGroupRename(const std::wstring& text);

// Files the URL under a new text: every entry the catalogue and the grid's
// selection keep under the old text moves to the new one, and the group's
// list keeps its position. Its "Updated" stamp becomes now. False, changing
// nothing, when the old text is not in the group or the new one is filed.
bool MoveUrlText(int groupId, const std::wstring& oldUrl, const std::wstring& newUrl);

// The grid's side of the box: WM_COMMAND from it, and its colours.
void OnInlineEditCommand(HWND control, UINT code);
// WM_CTLCOLOREDIT for the box: the dark colours, or null for the default.
HBRUSH InlineEditColors(HDC dc);
