#pragma once
// Shared by the grid control's own files only: geometry, GDI guards, the
// palette and the message handlers the window procedure forwards to.
#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "grid/GridState.h"
#include "settings/Settings.h"
#include "ui/GdiGuards.h"

// ---- Geometry (GridLayout.cpp: pure, no window) ---------------------------

inline constexpr int kGridTextInsetLeft = 6;
inline constexpr int kGridTextInsetRight = 4;
inline constexpr int kGridEdgeGrab = 4;
inline constexpr int kGridMinDraggedWidth = 24;
inline constexpr int kGridDragThreshold = 4;
inline constexpr int kGridWheelLines = 3;
inline constexpr int kGridWheelPixels = 48;
inline constexpr int kGridLinePixels = 24;  // horizontal line step of the scroll bar arrows
inline constexpr int kGridTextCap = 2047;   // longest text handed to DrawText
inline constexpr UINT_PTR kHoverCardTimer = 2040;
inline constexpr UINT kHoverCardDelayMs = 500;

// The visible columns by display position, with their left edges measured
// from the start of the column area (scrollX not applied).
struct GridColumnLayout {
    int count = 0;
    std::array<int, kColumnCount> ids{};
    std::array<int, kColumnCount> lefts{};
    std::array<int, kColumnCount> widths{};
    int totalWidth = 0;
    int Right(int pos) const { return lefts[pos] + widths[pos]; }
};

// Builds the layout from explicit column ids and widths (by position).
GridColumnLayout MakeColumnLayout(const int* ids, const int* widths, int count);
// The layout of the current settings.
GridColumnLayout CurrentColumnLayout();

struct GridHit {
    bool header = false;
    int headerPos = -1;  // visible position under the point, header only
    int line = -1;       // display line below the header, -1 outside the lines
};

int LinesPerPage(int clientHeight);
int LineTop(int line, int topLine);
// contentX is a client x plus scrollX.
int HeaderPosAt(const GridColumnLayout& layout, int contentX);
// The first position whose right edge is within the grab zone of contentX, or -1.
int ResizeEdgeAt(const GridColumnLayout& layout, int contentX);
// The slot a dragged column goes to: the first position whose middle lies
// right of contentX, or the count.
int ColumnDropSlotAt(const GridColumnLayout& layout, int contentX);
GridHit HitTestGrid(const GridColumnLayout& layout, int x, int y, int scrollX, int topLine, int lineCount);
int ClampTopLine(int topLine, int lineCount, int perPage);
int ClampScrollX(int scrollX, int totalWidth, int clientWidth);
// The top line that brings `line` into a page of perPage lines with the
// least movement.
int TopLineShowing(int line, int topLine, int perPage);
// Whether a drop at client y on the URL row `line` goes after it (lower half).
bool DropGoesAfter(int y, int line, int topLine);
// The position among the visible columns of a column id, -1 when hidden.
int LayoutPosOf(const GridColumnLayout& layout, int column);
// The scroll offset that shows the whole cell of position `pos` with the
// least movement (not clamped; UpdateScrollBars does that).
int ScrollXShowingColumn(const GridColumnLayout& layout, int pos, int scrollX, int clientWidth);
// The in-place editor's box over the "Title" or "URL" cell of a line whose
// top is at client y `lineTop`; none when the line's top is not inside the
// client area below the header or the column is hidden.
std::optional<RECT> CellEditorRect(const GridColumnLayout& layout, int column, int lineTop, int scrollX,
                                   int clientHeight);
// The box over a group header line, right of its expand box.
std::optional<RECT> GroupEditorRect(int lineTop, int clientWidth, int clientHeight);

// ---- Palette (GridColors.cpp) ---------------------------------------------

struct GridPalette {
    COLORREF background, text, header, gridLine, hover, selectedBack, selectedText, zebraBase, groupBase,
        expandFill, marker;
};
GridPalette GridPaletteFor(bool dark);
inline constexpr COLORREF kPinBadgeColor = RGB(0xFF, 0xC1, 0x07);
inline constexpr COLORREF kValidOkColor = RGB(0x00, 0xB4, 0x00);
inline constexpr COLORREF kValidBadColor = RGB(0xDC, 0x32, 0x32);
inline constexpr COLORREF kReminderDueColor = RGB(0xDC, 0x32, 0x32);
inline constexpr COLORREF kReminderTodayLight = RGB(0xB4, 0x8C, 0x00);
inline constexpr COLORREF kReminderTodayDark = RGB(0xFF, 0xC8, 0x3C);
inline constexpr COLORREF kReminderLaterColor = RGB(0x00, 0xA0, 0x50);
// The palette colour of a name's hash, shared by group colours and tag chips.
COLORREF NameColor(const std::wstring& name);

// ---- GDI guards -----------------------------------------------------------
// (GdiObject and SelectGuard come from ui/GdiGuards.h.)

// BeginPaint/EndPaint as a scope.
class PaintScope {
   public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &ps_)) {}
    ~PaintScope() { EndPaint(window_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }

   private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// A memory DC with a compatible bitmap selected, released in reverse order.
class OffscreenBuffer {
   public:
    OffscreenBuffer(HDC target, int width, int height);
    ~OffscreenBuffer();
    OffscreenBuffer(const OffscreenBuffer&) = delete;
    OffscreenBuffer& operator=(const OffscreenBuffer&) = delete;
    HDC dc() const { return dc_; }
    bool ok() const { return dc_ && bitmap_ && old_; }

   private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// ---- Painting (GridPaint.cpp) ---------------------------------------------

// Draws the whole grid into `dc` for a client area of `client`.
void PaintGrid(HDC dc, const RECT& client);
void OnGridPaint(HWND window);
// Rows in visibleRows whose group is `groupId`, from a count kept per row list.
int GroupRowCount(int groupId);

// ---- Scrolling (GridScroll.cpp) -------------------------------------------

int GridLinesPerPage();
int GridClientWidth();
void OnGridVScroll(HWND window, int code);
void OnGridHScroll(HWND window, int code);
void OnGridMouseWheel(HWND window, int delta, UINT keys);

// ---- Input (GridInput.cpp) ------------------------------------------------

// Stops the hover card delay; the card itself is hidden by its own module.
void CancelHoverCard();
void SendGridCommand(HWND grid, UINT command);
void OnGridMouseMove(HWND window, int x, int y);
void OnGridMouseLeave(HWND window);
void OnGridLButtonDown(HWND window, int x, int y, UINT keys);
void OnGridLButtonUp(HWND window, int x, int y);
void OnGridLButtonDblClk(HWND window, int x, int y, UINT keys);
void OnGridRButtonUp(HWND window, int x, int y);
void OnGridCaptureChanged(HWND window);
bool OnGridSetCursor(HWND window);
void OnGridTimer(HWND window, UINT_PTR id);
bool OnGridKeyDown(HWND window, UINT key);
// Collapses or expands a group from its header line, fixing the selection.
void ToggleGroupFromHeader(int groupId);
// The sort cycle of a header click on `column`.
void ApplyHeaderSortClick(int column);

// ---- Drags (GridDrag.cpp) -------------------------------------------------

void BeginHeaderPress(HWND window, int x);
void BeginUrlPress(HWND window, int row, int x, int y);
void TrackUrlDrag(HWND window, int x, int y);
void TrackHeaderDrag(HWND window, int x);
void FinishUrlPress(HWND window, int x, int y);
void FinishHeaderPress();
// Clears every press and drag field without acting on them.
void ResetPressState();

// ---- In-place editor (CellEditor.cpp) --------------------------------------

// The row of the URL the cell editor was opened on, as the rows are now; -1
// when no cell is edited or the URL has no row any more.
int InlineEditRow();

// ---- Menus (GridMenus.cpp) ------------------------------------------------

// Each returns a new popup menu the caller destroys.
HMENU BuildColumnMenu();
HMENU BuildGroupMenu(int groupId);
HMENU BuildUrlContextMenu(int row);
void ShowColumnMenu(HWND grid, POINT screen);
void ShowGroupMenu(HWND grid, int groupId, POINT screen);
