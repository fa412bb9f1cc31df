// The real grid control in a plain parent window, driven with the messages a
// user's mouse and keyboard produce at pixel positions (header 28 px, lines
// 24 px). The parent records the commands the grid sends it.
#include <algorithm>
#include <functional>

#include "GuiFixture.h"
#include "capture/ClipboardCapture.h"
#include "grid/RowTextCache.h"
#include "grid/Columns.h"
#include "grid/GridInternal.h"
#include "grid/GridWindow.h"
#include "grid/Selection.h"
#include "grid/VisibleRows.h"
#include "grid/SelectionEdits.h"
#include "model/Undo.h"

namespace {

std::vector<UINT> g_commands;

LRESULT CALLBACK RecordingParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        g_commands.push_back(LOWORD(wParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

constexpr int kClientWidth = 600;
constexpr int kLinesPerPage = 12;
constexpr int kClientHeight = kGridHeaderHeight + kGridLineHeight * kLinesPerPage;

std::wstring U(const wchar_t* group, int n) { return std::wstring(L"https://") + group + std::to_wstring(n) + L".test/"; }

// Display lines of the catalogue below, all groups expanded:
//  0 Alpha | 1-4 a1..a4 (rows 0-3) | 5 Beta | 6-8 b1..b3 (rows 4-6) | 9 Gamma | 10-11 g1,g2 (rows 7-8)
//  12 Delta | 13-22 d1..d10 (rows 9-18)
class GridWindowTest : public testing::Test {
   protected:
    void SetUp() override {
        HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSW parentClass{};
        parentClass.lpfnWndProc = RecordingParentProc;
        parentClass.hInstance = instance;
        parentClass.lpszClassName = L"GridTestParent";
        RegisterClassW(&parentClass);
        ASSERT_TRUE(RegisterGridClass(instance));

        g_app = AppState{};
        g_grid = GridState{};
        g_settings = Settings{};
        undoSlot = redoSlot = UndoSnapshot{};
        g_commands.clear();
        folder_ = MakeTempFolder();
        g_settings.customDatabasePath = folder_ + L"\\grid.db";
        g_settings.columnWidthsValid = true;  // keep the default widths: 40, 200, 250, ...
        g_settings.colorCoding = false;
        DeleteFileW(SettingsFilePath().c_str());

        FillCatalogue();

        parent_ = CreateWindowExW(0, L"GridTestParent", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 900, 600,
                                  nullptr, nullptr, instance, nullptr);
        ASSERT_NE(parent_, nullptr);
        grid_ = CreateGridWindow(parent_, instance);
        ASSERT_NE(grid_, nullptr);
        RefreshGridWithColumns();
        SizeClient();
        PumpFor(20);
    }

    void TearDown() override {
        if (parent_) DestroyWindow(parent_);
        g_app = AppState{};
        g_grid = GridState{};
        undoSlot = redoSlot = UndoSnapshot{};
        g_settings = Settings{};
        DeleteFileW(SettingsFilePath().c_str());
        DeleteFileW((folder_ + L"\\grid.db").c_str());
        RemoveDirectoryW(folder_.c_str());
    }

    // The four groups of the line map above, with nothing selected, nothing
    // to undo and the grid scrolled to the top. Callers with a window refresh it.
    void FillCatalogue() {
        g_app = AppState{};
        ResetGridViewState();
        undoSlot = redoSlot = UndoSnapshot{};
        alpha_ = AddGroup(L"Alpha", 4, L"a");
        beta_ = AddGroup(L"Beta", 3, L"b");
        gamma_ = AddGroup(L"Gamma", 2, L"g");
        AddGroup(L"Delta", 10, L"d");
    }

    int AddGroup(const wchar_t* name, int count, const wchar_t* prefix) {
        UrlGroup group;
        group.id = g_app.nextGroupId++;
        group.name = name;
        for (int i = 1; i <= count; ++i) {
            group.urls.push_back(U(prefix, i));
            g_app.allUrls.insert(group.urls.back());
        }
        g_app.groups.push_back(group);
        return group.id;
    }

    // Scroll bars come and go with the content, so the frame is adjusted
    // until the client area has the size the pixel positions assume.
    void SizeClient() {
        for (int attempt = 0; attempt < 3; ++attempt) {
            RECT window{}, client{};
            GetWindowRect(grid_, &window);
            GetClientRect(grid_, &client);
            const int dw = (window.right - window.left) - client.right;
            const int dh = (window.bottom - window.top) - client.bottom;
            SetWindowPos(grid_, nullptr, 0, 0, kClientWidth + dw, kClientHeight + dh, SWP_NOZORDER);
        }
        RECT client{};
        GetClientRect(grid_, &client);
        ASSERT_EQ(client.right, kClientWidth);
        ASSERT_EQ(client.bottom, kClientHeight);
    }

    static int LineY(int line) { return kGridHeaderHeight + (line - g_grid.topLine) * kGridLineHeight + 12; }
    static LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

    void Send(UINT message, WPARAM wParam, int x, int y) { SendMessageW(grid_, message, wParam, At(x, y)); }
    void Click(int x, int y, UINT keys = 0) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON | keys, x, y);
        Send(WM_LBUTTONUP, keys, x, y);
    }
    void ClickLine(int line, UINT keys = 0) { Click(300, LineY(line), keys); }
    void Key(UINT key) { SendMessageW(grid_, WM_KEYDOWN, key, 0); }
    // Press at one point, move through the others, release at the last.
    void Drag(POINT from, std::initializer_list<POINT> path) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, from.x, from.y);
        POINT last = from;
        for (POINT p : path) {
            Send(WM_MOUSEMOVE, MK_LBUTTON, p.x, p.y);
            last = p;
        }
        Send(WM_LBUTTONUP, 0, last.x, last.y);
    }

    // The platform turns the second press of a quick pair into a
    // WM_LBUTTONDBLCLK; each press is followed by its release.
    void DoubleClick(int x, int y) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
        Send(WM_LBUTTONUP, 0, x, y);
        Send(WM_LBUTTONDBLCLK, MK_LBUTTON, x, y);
        Send(WM_LBUTTONUP, 0, x, y);
    }

    static int LineOfUrl(const std::wstring& url) { return DisplayLineOfRow(RowOfUrl(url)); }
    static int LineOfGroup(int groupId) {
        const auto& lines = CurrentDisplayLines();
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines[i].isGroupHeader && lines[i].groupId == groupId) return static_cast<int>(i);
        return -1;
    }
    static std::vector<std::vector<std::wstring>> CatalogueByGroup() {
        std::vector<std::vector<std::wstring>> groups;
        for (const UrlGroup& group : g_app.groups) groups.push_back(group.urls);
        return groups;
    }

    static std::set<std::wstring> Urls(std::initializer_list<std::wstring> urls) { return urls; }
    static std::vector<std::wstring> FirstRows(size_t n) {
        std::vector<std::wstring> urls;
        for (size_t i = 0; i < n && i < g_grid.visibleRows.size(); ++i) urls.push_back(g_grid.visibleRows[i].url);
        return urls;
    }

    std::wstring folder_;
    HWND parent_ = nullptr;
    HWND grid_ = nullptr;
    int alpha_ = 0, beta_ = 0, gamma_ = 0;
};

TEST_F(GridWindowTest, ClickCtrlAndShiftFollowTheSelectionModel) {
    ClickLine(2);  // a2, row 1
    EXPECT_EQ(g_grid.selectedUrls, Urls({U(L"a", 2)}));
    EXPECT_EQ(g_grid.focusRow, 1);

    ClickLine(4, MK_CONTROL);  // add a4
    EXPECT_EQ(g_grid.selectedUrls, Urls({U(L"a", 2), U(L"a", 4)}));
    EXPECT_EQ(g_grid.focusRow, 3);

    ClickLine(1, MK_CONTROL);  // add a1: focus a1
    ClickLine(1, MK_CONTROL);  // remove the focused a1: focus goes to the first selected row
    EXPECT_EQ(g_grid.selectedUrls, Urls({U(L"a", 2), U(L"a", 4)}));
    EXPECT_EQ(g_grid.focusRow, 1);

    ClickLine(4);  // one of several selected: only it stays
    EXPECT_EQ(g_grid.selectedUrls, Urls({U(L"a", 4)}));
    EXPECT_EQ(g_grid.focusRow, 3);

    ClickLine(7, MK_SHIFT);  // a4 .. b2: rows 3..5
    EXPECT_EQ(g_grid.selectedUrls, Urls({U(L"a", 4), U(L"b", 1), U(L"b", 2)}));
    EXPECT_EQ(g_grid.focusRow, 5);
    ClickLine(2, MK_SHIFT);  // extends from b2, the last clicked row, not from a4
    EXPECT_EQ(g_grid.selectedUrls, Urls({U(L"a", 2), U(L"a", 3), U(L"a", 4), U(L"b", 1), U(L"b", 2)}));
    EXPECT_EQ(g_grid.focusRow, 1);
}

TEST_F(GridWindowTest, ShiftClickWithoutFocusSelectsOnlyTheRowAndSpansCollapsedGroups) {
    ClickLine(3, MK_SHIFT);
    EXPECT_EQ(g_grid.selectedUrls, Urls({U(L"a", 3)}));
    EXPECT_EQ(g_grid.focusRow, 2);

    ClickLine(5);  // collapse Beta: lines now 0 Alpha, 1-4 a, 5 Beta, 6 Gamma, 7 g1
    ASSERT_TRUE(IsGroupCollapsed(beta_));
    ClickLine(7, MK_SHIFT);  // g1 is row 7: rows 2..7 include Beta's hidden rows
    EXPECT_EQ(g_grid.selectedUrls,
              Urls({U(L"a", 3), U(L"a", 4), U(L"b", 1), U(L"b", 2), U(L"b", 3), U(L"g", 1)}));
}

TEST_F(GridWindowTest, ClickOnTheOnlySelectedRowKeepsItAndStartsAPress) {
    ClickLine(2);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 300, LineY(2));
    EXPECT_TRUE(g_grid.urlPressed);
    EXPECT_EQ(g_grid.dragSourceRow, 1);
    EXPECT_EQ(GetCapture(), grid_);
    Send(WM_LBUTTONUP, 0, 300, LineY(2));
    EXPECT_FALSE(g_grid.urlPressed);
    EXPECT_EQ(g_grid.selectedUrls, Urls({U(L"a", 2)}));
    EXPECT_NE(GetCapture(), grid_);
}

TEST_F(GridWindowTest, CollapsingClearsFocusAndSelectionOfTheGroupOnly) {
    ClickLine(2);
    ClickLine(3, MK_CONTROL);
    ClickLine(7, MK_CONTROL);  // b2, focus
    ClickLine(2, MK_CONTROL);
    ClickLine(2, MK_CONTROL);  // a2 again: focus in Alpha
    ASSERT_EQ(g_grid.focusRow, 1);

    ClickLine(0);  // collapse Alpha by its header
    EXPECT_TRUE(IsGroupCollapsed(alpha_));
    EXPECT_EQ(g_grid.focusRow, -1);
    EXPECT_EQ(g_grid.selectedUrls, Urls({U(L"b", 2)}));
    EXPECT_EQ(CurrentDisplayLines().size(), 23u - 4u);

    Click(12, LineY(0));  // the expand box expands it again; the selection stays as it was
    EXPECT_FALSE(IsGroupCollapsed(alpha_));
    EXPECT_EQ(g_grid.selectedUrls, Urls({U(L"b", 2)}));
}

TEST_F(GridWindowTest, FocusInACollapsedGroupIsDroppedAtTheNextPaint) {
    ClickLine(11);  // g2, row 8
    SetGroupCollapsed(gamma_, true);
    ASSERT_EQ(g_grid.focusRow, 8);
    InvalidateRect(grid_, nullptr, FALSE);
    UpdateWindow(grid_);
    EXPECT_EQ(g_grid.focusRow, -1);
}

TEST_F(GridWindowTest, HeaderClicksCycleTheSortAndSaveIt) {
    g_app.titles = {{U(L"a", 1), L"delta"}, {U(L"a", 2), L"Alpha"}, {U(L"a", 3), L"charlie"}, {U(L"a", 4), L"bravo"}};
    RefreshGridWithColumns();
    const int titleX = 100;  // "Title" spans 40..240
    struct Step {
        int sortColumn;
        bool ascending;
        std::vector<std::wstring> alphaOrder;
    } steps[] = {
        {ColumnId::Title, true, {U(L"a", 2), U(L"a", 4), U(L"a", 3), U(L"a", 1)}},
        {ColumnId::Title, false, {U(L"a", 1), U(L"a", 3), U(L"a", 4), U(L"a", 2)}},
        {-1, false, {U(L"a", 1), U(L"a", 2), U(L"a", 3), U(L"a", 4)}},
    };
    for (const Step& step : steps) {
        Click(titleX, 10);
        EXPECT_EQ(g_settings.sortColumn, step.sortColumn);
        if (step.sortColumn >= 0) {
            EXPECT_EQ(g_settings.sortAscending, step.ascending);
        }
        EXPECT_EQ(FirstRows(4), step.alphaOrder);
        EXPECT_NE(GetFileAttributesW(SettingsFilePath().c_str()), INVALID_FILE_ATTRIBUTES);
    }
    Click(titleX, 10);
    Click(300, 10);  // another column starts ascending
    EXPECT_EQ(g_settings.sortColumn, ColumnId::Url);
    EXPECT_TRUE(g_settings.sortAscending);
}

TEST_F(GridWindowTest, DraggingAColumnEdgeResizesDownToTwentyFour) {
    // The edge between "#" (0..40) and "Title" is grabbed from 36 to 44 and
    // resizes the left column.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 43, 10);
    EXPECT_TRUE(g_grid.resizing);
    EXPECT_EQ(g_grid.resizeColumn, ColumnId::Id);
    Send(WM_MOUSEMOVE, MK_LBUTTON, 83, 10);
    EXPECT_EQ(g_settings.columnWidths[ColumnId::Id], 80);
    Send(WM_MOUSEMOVE, MK_LBUTTON, 0, 10);
    EXPECT_EQ(g_settings.columnWidths[ColumnId::Id], 24);
    Send(WM_LBUTTONUP, 0, 0, 10);
    EXPECT_FALSE(g_grid.resizing);
    EXPECT_TRUE(g_settings.columnWidthsValid);
    EXPECT_EQ(g_settings.sortColumn, -1);  // a resize is not a header click
    EXPECT_NE(GetFileAttributesW(SettingsFilePath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(GridWindowTest, DraggingAHeaderCellMovesTheColumn) {
    // "#" pressed at x 20; a 3-pixel wobble is no drag yet.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 20, 10);
    Send(WM_MOUSEMOVE, MK_LBUTTON, 23, 10);
    EXPECT_FALSE(g_grid.columnDragging);
    // Middles: # 20, Title 140, URL 365. x 300 lies before URL's middle: slot 2.
    Send(WM_MOUSEMOVE, MK_LBUTTON, 300, 10);
    EXPECT_TRUE(g_grid.columnDragging);
    EXPECT_EQ(g_grid.columnDropSlot, 2);
    Send(WM_LBUTTONUP, 0, 300, 10);
    EXPECT_EQ(g_settings.columnOrder[0], ColumnId::Title);
    EXPECT_EQ(g_settings.columnOrder[1], ColumnId::Id);
    EXPECT_EQ(g_settings.columnOrder[2], ColumnId::Url);
    EXPECT_EQ(g_settings.sortColumn, -1);  // a move is not a sort click
    EXPECT_FALSE(g_grid.headerPressed);
}

TEST_F(GridWindowTest, UrlDropsBeforeAfterAndOnGroupHeaders) {
    const std::vector<std::wstring> alphaBefore = FindGroupById(alpha_)->urls;
    struct Case {
        const char* name;
        int fromLine;
        int toLine;
        int yOffset;  // from the line's top
        int group;
        std::vector<std::wstring> expected;
    } cases[] = {
        {"lower half of a3: after it", 1, 3, 20, alpha_, {U(L"a", 2), U(L"a", 3), U(L"a", 1), U(L"a", 4)}},
        {"upper half of a3: before it", 1, 3, 3, alpha_, {U(L"a", 2), U(L"a", 1), U(L"a", 3), U(L"a", 4)}},
        {"Gamma's header: first in Gamma", 1, 9, 12, gamma_, {U(L"a", 1), U(L"g", 1), U(L"g", 2)}},
        {"lower half of b3 in another group", 2, 8, 20, beta_, {U(L"b", 1), U(L"b", 2), U(L"b", 3), U(L"a", 2)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int top = kGridHeaderHeight + c.toLine * kGridLineHeight;
        g_settings.sortColumn = ColumnId::Title;  // the drop turns the sort off
        Drag({300, LineY(c.fromLine)}, {{300, LineY(c.fromLine) + 10}, {300, top + c.yOffset}});
        EXPECT_EQ(FindGroupById(c.group)->urls, c.expected);
        EXPECT_EQ(g_settings.sortColumn, -1);
        ASSERT_TRUE(CanUndo());
        EXPECT_NE(UndoMenuText().find(L"Move URL"), std::wstring::npos);
        Undo();
        EXPECT_EQ(FindGroupById(alpha_)->urls, alphaBefore);
        g_grid.topLine = 0;
    }
}

TEST_F(GridWindowTest, UrlPressesThatMoveNothing) {
    struct Case {
        const char* name;
        std::vector<POINT> path;
    } cases[] = {
        {"three pixels is a click", {{303, LineY(1) + 3}}},
        {"dropped on its own row", {{300, LineY(1) + 6}, {300, LineY(1) + 8}}},
        {"released below the last line", {{300, 200}, {300, kGridHeaderHeight + 23 * kGridLineHeight + 10}}},
        {"released in the header", {{300, 100}, {300, 10}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FillCatalogue();
        RefreshGridWithColumns();
        const auto before = CatalogueByGroup();
        Send(WM_LBUTTONDOWN, MK_LBUTTON, 300, LineY(1));
        for (POINT p : c.path) Send(WM_MOUSEMOVE, MK_LBUTTON, p.x, p.y);
        Send(WM_LBUTTONUP, 0, c.path.back().x, c.path.back().y);
        EXPECT_EQ(FindGroupById(alpha_)->urls.front(), U(L"a", 1));
        EXPECT_FALSE(CanUndo());
        EXPECT_FALSE(g_grid.urlPressed);
        EXPECT_FALSE(g_grid.urlDragging);
    }
}

TEST_F(GridWindowTest, LosingTheCaptureCancelsADrag) {
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 300, LineY(1));
    Send(WM_MOUSEMOVE, MK_LBUTTON, 300, LineY(3));
    ASSERT_TRUE(g_grid.urlDragging);
    ReleaseCapture();
    EXPECT_FALSE(g_grid.urlPressed);
    Send(WM_LBUTTONUP, 0, 300, LineY(3));
    EXPECT_EQ(FindGroupById(alpha_)->urls.front(), U(L"a", 1));
}

// b2 is pressed and dragged onto Gamma's header, and something changes the
// rows between the press and the release: the drop moves the URL that was
// pressed, from wherever the catalogue lists it at the release, or nothing
// once it is gone; never whatever row now has its old index.
TEST_F(GridWindowTest, UrlDropMovesThePressedUrlWhateverChangedTheRowsMeanwhile) {
    const std::wstring captured = L"https://captured.test";  // as capture files it
    auto selectAndDelete = [](const std::wstring& url) {
        SelectOnlyRow(RowOfUrl(url));
        DeleteSelectedUrls();
    };
    const std::vector<std::wstring> alpha{U(L"a", 1), U(L"a", 2), U(L"a", 3), U(L"a", 4)};
    const std::vector<std::wstring> delta = FindGroupById(g_app.groups[3].id)->urls;
    struct Case {
        const char* name;
        std::function<void()> beforePress;
        std::function<void()> duringDrag;
        std::vector<std::wstring> alpha, beta, gamma;
        bool moved;
    } cases[] = {
        {"a capture files a URL into Alpha, above the pressed row",
         nullptr,
         [&] {
             g_app.autoGroupRules = {{L"captured", L"Alpha"}};
             ASSERT_EQ(FileUrlsFromText(L"copied " + captured + L" here"), std::vector<std::wstring>{captured});
         },
         {U(L"a", 1), U(L"a", 2), U(L"a", 3), U(L"a", 4), captured},
         {U(L"b", 1), U(L"b", 3)},
         {U(L"b", 2), U(L"g", 1), U(L"g", 2)},
         true},
        {"a row above the pressed one is deleted",
         nullptr,
         [&] { selectAndDelete(U(L"a", 1)); },
         {U(L"a", 2), U(L"a", 3), U(L"a", 4)},
         {U(L"b", 1), U(L"b", 3)},
         {U(L"b", 2), U(L"g", 1), U(L"g", 2)},
         true},
        {"an undo brings back a row above the pressed one",
         [&] { selectAndDelete(U(L"a", 1)); },
         [] {
             ASSERT_TRUE(CanUndo());
             Undo();
         },
         alpha,
         {U(L"b", 1), U(L"b", 3)},
         {U(L"b", 2), U(L"g", 1), U(L"g", 2)},
         true},
        {"an undo puts the pressed URL back into the group it came from",
         [] {
             SelectOnlyRow(RowOfUrl(U(L"b", 2)));
             MoveUrlsToGroup(-1, g_app.groups[3].id);  // b2 to the end of Delta
         },
         [] {
             ASSERT_TRUE(CanUndo());
             Undo();
         },
         alpha,
         {U(L"b", 1), U(L"b", 3)},
         {U(L"b", 2), U(L"g", 1), U(L"g", 2)},
         true},
        {"the pressed URL itself is deleted (the press selected it)",
         nullptr,
         [] { DeleteSelectedUrls(); },
         alpha,
         {U(L"b", 1), U(L"b", 3)},
         {U(L"g", 1), U(L"g", 2)},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FillCatalogue();
        RefreshGridWithColumns();
        if (c.beforePress) c.beforePress();
        const int pressY = LineY(LineOfUrl(U(L"b", 2)));
        Send(WM_LBUTTONDOWN, MK_LBUTTON, 300, pressY);
        Send(WM_MOUSEMOVE, MK_LBUTTON, 300, pressY + 8);
        ASSERT_TRUE(g_grid.urlDragging);
        ASSERT_EQ(g_grid.selectedUrls, Urls({U(L"b", 2)}));
        c.duringDrag();
        // The target is whatever lies under the pointer at the release.
        const int gammaY = LineY(LineOfGroup(gamma_));
        Send(WM_MOUSEMOVE, MK_LBUTTON, 300, gammaY);
        Send(WM_LBUTTONUP, 0, 300, gammaY);

        EXPECT_EQ(FindGroupById(alpha_)->urls, c.alpha);
        EXPECT_EQ(FindGroupById(beta_)->urls, c.beta);
        EXPECT_EQ(FindGroupById(gamma_)->urls, c.gamma);
        EXPECT_EQ(g_app.groups[3].urls, delta);
        EXPECT_EQ(UndoMenuText().find(L"Move URL") != std::wstring::npos, c.moved) << UndoMenuText();
        EXPECT_FALSE(g_grid.urlPressed);
    }
}

// Only a release over a line of the grid drops; the pointer outside the
// client area shows no target, also where a line would lie on its extension.
TEST_F(GridWindowTest, UrlDragsReleasedOutsideTheGridMoveNothing) {
    struct Case {
        const char* name;
        POINT release;
        bool movedThereFirst;
    } cases[] = {
        {"left of the grid, level with a3", {-20, LineY(3)}, true},
        {"right of the grid, level with a3", {kClientWidth + 20, LineY(3)}, true},
        {"below the grid, where d1's line would continue", {300, kClientHeight + 30}, true},
        {"above the grid", {300, -20}, true},
        {"left of the grid with no move there before the release", {-20, LineY(3)}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FillCatalogue();
        RefreshGridWithColumns();
        const auto before = CatalogueByGroup();
        Send(WM_LBUTTONDOWN, MK_LBUTTON, 300, LineY(1));
        Send(WM_MOUSEMOVE, MK_LBUTTON, 300, LineY(3));
        ASSERT_EQ(g_grid.dropLine, 3);
        if (c.movedThereFirst) {
            Send(WM_MOUSEMOVE, MK_LBUTTON, c.release.x, c.release.y);
            EXPECT_EQ(g_grid.dropLine, -1);
        }
        Send(WM_LBUTTONUP, 0, c.release.x, c.release.y);
        EXPECT_EQ(CatalogueByGroup(), before);
        EXPECT_FALSE(CanUndo());
        EXPECT_FALSE(g_grid.urlPressed);
    }
}

// A quick second click in the header arrives as WM_LBUTTONDBLCLK. It is one
// more header click, as in the platform's list views: on a cell the sort
// moves on once more, on an edge it is a resize press. It never opens URLs.
TEST_F(GridWindowTest, DoubleClicksInTheHeaderAreTwoHeaderClicksAndOpenNothing) {
    struct Case {
        const char* name;
        int x;
        int sortColumn;
        bool ascending;
    } cases[] = {
        {"Title cell: ascending, then descending", 100, ColumnId::Title, false},
        {"URL cell: ascending, then descending", 300, ColumnId::Url, false},
        {"edge between # and Title: no sort", 43, -1, true},
        {"edge between Title and URL: no sort", 238, -1, true},
    };
    const auto widths = g_settings.columnWidths;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_settings.sortColumn = -1;
        g_settings.sortAscending = true;
        RefreshGridWithColumns();
        ClickLine(2);  // a focused row, which a row double-click would open
        ASSERT_GE(g_grid.focusRow, 0);
        g_commands.clear();
        DoubleClick(c.x, 10);
        EXPECT_TRUE(g_commands.empty());
        EXPECT_EQ(g_settings.sortColumn, c.sortColumn);
        EXPECT_EQ(g_settings.sortAscending, c.ascending);
        EXPECT_EQ(g_settings.columnWidths, widths);
        EXPECT_FALSE(g_grid.headerPressed);
        EXPECT_FALSE(g_grid.resizing);
        EXPECT_NE(GetCapture(), grid_);
    }
}

TEST_F(GridWindowTest, NavigationKeysMoveTheFocusOverUrlRows) {
    struct Step {
        UINT key;
        int focus;  // expected focus row afterwards
    } steps[] = {
        {VK_DOWN, 0},   // no focus: first URL row
        {VK_DOWN, 1},   {VK_UP, 0},
        {VK_UP, 0},     // nothing above a1
        {VK_END, 18},   // d10
        {VK_NEXT, 18},  // Page Down on the last row stays
        {VK_PRIOR, 7},  // line 22 - 12 = 10: g1
        {VK_HOME, 0},
        {VK_NEXT, 9},   // line 1 + 12 = 13: d1
        {VK_UP, 8},     // over Delta's header to g2
        {VK_PRIOR, 0},  // line 11 - 12 clamps to line 0, a header: a1 is the first URL line after it
    };
    for (const Step& step : steps) {
        Key(step.key);
        EXPECT_EQ(g_grid.focusRow, step.focus) << step.key;
        EXPECT_EQ(g_grid.selectedUrls.size(), 1u);
    }
}

TEST_F(GridWindowTest, KeysScrollTheFocusIntoViewAndSkipCollapsedGroups) {
    Key(VK_END);
    EXPECT_EQ(g_grid.topLine, 22 - kLinesPerPage + 1);
    Key(VK_HOME);
    EXPECT_EQ(g_grid.topLine, 1);  // a1's line at the top; Alpha's header scrolls away
    SetGroupCollapsed(beta_, true);
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN);  // from a4 over the collapsed Beta to g1
    EXPECT_EQ(g_grid.focusRow, 7);
}

TEST_F(GridWindowTest, HomeWithNoUrlRowsClearsTheSelection) {
    ClickLine(1);
    for (int group : {alpha_, beta_, gamma_}) SetGroupCollapsed(group, true);
    SetGroupCollapsed(g_app.groups[3].id, true);
    g_grid.selectedUrls.insert(U(L"d", 1));
    Key(VK_HOME);
    EXPECT_TRUE(g_grid.selectedUrls.empty());
    EXPECT_EQ(g_grid.focusRow, -1);
}

TEST_F(GridWindowTest, CommandKeysNeedAFocusExceptF6AndF7) {
    struct Case {
        UINT key;
        UINT command;
    } cases[] = {{VK_RETURN, 2005}, {VK_F3, 2005}, {VK_DELETE, 2003}, {VK_F8, 2003},
                 {VK_F2, 2028},     {VK_F4, 2022}, {VK_F5, 2004}};
    for (const Case& c : cases) {
        g_commands.clear();
        Key(c.key);
        EXPECT_TRUE(g_commands.empty()) << c.key;
    }
    Key(VK_F6);
    Key(VK_F7);
    EXPECT_EQ(g_commands, (std::vector<UINT>{2027, 2006}));

    ClickLine(2);
    for (const Case& c : cases) {
        g_commands.clear();
        Key(c.key);
        EXPECT_EQ(g_commands, std::vector<UINT>{c.command}) << c.key;
    }
}

TEST_F(GridWindowTest, DoubleClickOpensTheFocusedUrl) {
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, 300, LineY(2));
    EXPECT_TRUE(g_commands.empty());
    ClickLine(2);
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, 300, LineY(2));
    EXPECT_EQ(g_commands, std::vector<UINT>{2005});

    // The whole sequence of a quick pair on another row: the first press
    // selects it, the second opens it, nothing is dragged or sorted.
    const auto before = CatalogueByGroup();
    g_commands.clear();
    DoubleClick(300, LineY(3));
    EXPECT_EQ(g_commands, std::vector<UINT>{2005});
    EXPECT_EQ(g_grid.selectedUrls, Urls({U(L"a", 3)}));
    EXPECT_EQ(g_grid.focusRow, 2);
    EXPECT_EQ(CatalogueByGroup(), before);
    EXPECT_EQ(g_settings.sortColumn, -1);
}

TEST_F(GridWindowTest, WheelScrollsThreeLinesPerNotchOfAnySize) {
    struct Step {
        short delta;
        UINT keys;
        int topLine, scrollX;
    } steps[] = {
        {-120, 0, 3, 0}, {-1, 0, 6, 0}, {+1, 0, 3, 0}, {-960, 0, 6, 0},
        {+500, 0, 3, 0}, {-120, MK_SHIFT, 3, 48}, {+1, MK_SHIFT, 3, 0},
    };
    for (const Step& step : steps) {
        SendMessageW(grid_, WM_MOUSEWHEEL, MAKEWPARAM(step.keys, step.delta), At(10, 10));
        EXPECT_EQ(g_grid.topLine, step.topLine) << step.delta;
        EXPECT_EQ(g_grid.scrollX, step.scrollX) << step.delta;
    }
    for (int i = 0; i < 10; ++i) SendMessageW(grid_, WM_MOUSEWHEEL, MAKEWPARAM(0, -120), At(10, 10));
    EXPECT_EQ(g_grid.topLine, 23 - kLinesPerPage);  // clamped to the last page
}

TEST_F(GridWindowTest, ScrollBarCodesMoveLinesAndPixels) {
    SendMessageW(grid_, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(g_grid.topLine, 1);
    SendMessageW(grid_, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(g_grid.topLine, 23 - kLinesPerPage);  // 1 + 12 clamped to the last page
    SendMessageW(grid_, WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(g_grid.topLine, 0);  // 11 - 12 clamped to the first line
    SendMessageW(grid_, WM_HSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(g_grid.scrollX, 24);
    SendMessageW(grid_, WM_HSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(g_grid.scrollX, 1220 - kClientWidth);  // 24 + 600 clamped: the widths sum to 1220
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(grid_, SB_VERT, &info);
    EXPECT_EQ(info.nMax, 22);
    EXPECT_EQ(info.nPage, static_cast<UINT>(kLinesPerPage));
    EXPECT_EQ(info.nPos, g_grid.topLine);
}

TEST_F(GridWindowTest, EnsureRowVisibleScrollsAsLittleAsNeeded) {
    EnsureRowVisible(15);  // d7 on line 19: the last fully visible line
    EXPECT_EQ(g_grid.topLine, 19 - kLinesPerPage + 1);
    EnsureRowVisible(12);  // line 16, on the page: unchanged
    EXPECT_EQ(g_grid.topLine, 8);
    EnsureRowVisible(0);  // line 1, above: becomes the top line
    EXPECT_EQ(g_grid.topLine, 1);
    SetGroupCollapsed(g_app.groups[3].id, true);
    EnsureRowVisible(15);  // collapsed: nothing
    EXPECT_EQ(g_grid.topLine, 1);
}

TEST_F(GridWindowTest, HoverStartsTheCardTimerOnUrlRowsOnly) {
    // Only the hover-card timer is watched here: the one that rebuilds the
    // search texts after the catalogue was set up is stopped first.
    KillTimer(grid_, kRowTextsTimer);
    POINT screen{300, LineY(2)};
    ClientToScreen(grid_, &screen);
    SetCursorPos(screen.x, screen.y);
    Send(WM_MOUSEMOVE, 0, 300, LineY(2));
    EXPECT_EQ(g_grid.hoverLine, 2);
    EXPECT_EQ(g_grid.hoverCardLine, 2);
    // Waiting without dispatching: the timer message stays in the queue.
    MSG msg;
    Sleep(700);
    ASSERT_TRUE(PeekMessageW(&msg, grid_, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_EQ(msg.wParam, kHoverCardTimer);
    DispatchMessageW(&msg);  // the grid stops its timer
    Sleep(700);
    EXPECT_FALSE(PeekMessageW(&msg, grid_, WM_TIMER, WM_TIMER, PM_NOREMOVE));

    Send(WM_MOUSEMOVE, 0, 300, LineY(3));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 300, LineY(3));  // a press stops the delay
    Send(WM_LBUTTONUP, 0, 300, LineY(3));
    EXPECT_EQ(g_grid.hoverCardLine, -1);
    Sleep(700);
    EXPECT_FALSE(PeekMessageW(&msg, grid_, WM_TIMER, WM_TIMER, PM_NOREMOVE));

    Send(WM_MOUSEMOVE, 0, 300, LineY(5));  // Beta's header: no timer
    EXPECT_EQ(g_grid.hoverCardLine, 5);
    Sleep(700);
    EXPECT_FALSE(PeekMessageW(&msg, grid_, WM_TIMER, WM_TIMER, PM_NOREMOVE));

    Send(WM_MOUSEMOVE, 0, 300, 10);  // the header
    EXPECT_EQ(g_grid.hoverLine, -1);
    EXPECT_EQ(g_grid.hoverHeaderPos, 2);
    SendMessageW(grid_, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(g_grid.hoverHeaderPos, -1);
    EXPECT_EQ(g_grid.hoverCardLine, -1);
}

TEST_F(GridWindowTest, PaintShowsSelectionAndZebraShading) {
    ClickLine(2);  // row 1 selected
    g_grid.hoverLine = -1;
    RECT client{0, 0, kClientWidth, kClientHeight};
    HDC screen = GetDC(grid_);
    OffscreenBuffer buffer(screen, kClientWidth, kClientHeight);
    ReleaseDC(grid_, screen);
    ASSERT_TRUE(buffer.ok());
    PaintGrid(buffer.dc(), client);
    auto pixelOfLine = [&](int line) { return GetPixel(buffer.dc(), 2, kGridHeaderHeight + line * 24 + 5); };
    EXPECT_EQ(pixelOfLine(1), GetSysColor(COLOR_WINDOW));     // row 0, even
    EXPECT_EQ(pixelOfLine(2), GetSysColor(COLOR_HIGHLIGHT));  // row 1, selected
    // Lines 4 and 6 are both even on screen; the shading follows the row
    // index: row 3 is shaded, row 4 (first of Beta) is not.
    EXPECT_EQ(pixelOfLine(4), RGB(0xF8, 0xF8, 0xF8));
    EXPECT_EQ(pixelOfLine(6), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(pixelOfLine(7), RGB(0xF8, 0xF8, 0xF8));
}

TEST_F(GridWindowTest, HostileWidthsTitlesAndTagListsStillPaint) {
    // Widths from a hand-edited file: laid out at 24. "#" 0..24, "Title"
    // 24..48, "URL" 48..298, "Tags" 298..398.
    g_settings.columnWidths[ColumnId::Id] = 0;
    g_settings.columnWidths[ColumnId::Title] = -50;
    g_app.titles[U(L"a", 1)] = std::wstring(10000, L'W');
    std::vector<std::wstring> tags;
    for (int i = 0; i < 5000; ++i) tags.push_back(L"t" + std::to_wstring(i));
    g_app.urlTags[U(L"a", 1)] = tags;
    UpdateScrollBars();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(grid_, SB_HORZ, &info);
    EXPECT_EQ(info.nMax, 24 + 24 + 250 + 100 + 120 + 120 + 80 + 60 + 120 + 130 - 1);

    RECT client{0, 0, kClientWidth, kClientHeight};
    HDC screen = GetDC(grid_);
    OffscreenBuffer buffer(screen, kClientWidth, kClientHeight);
    ReleaseDC(grid_, screen);
    ASSERT_TRUE(buffer.ok());
    PaintGrid(buffer.dc(), client);
    const int middle = kGridHeaderHeight + kGridLineHeight + 12;  // a1's line
    EXPECT_EQ(GetPixel(buffer.dc(), 303, middle), NameColor(L"t0"));  // first chip, left edge
    // The chips stop 2 pixels inside the cell's right edge.
    EXPECT_EQ(GetPixel(buffer.dc(), 397, middle), GetSysColor(COLOR_WINDOW));
}

TEST_F(GridWindowTest, MenusListTheirItemsAndStates) {
    ClickLine(2);
    g_app.pinnedUrls.insert(U(L"a", 2));
    g_app.reminderDates[U(L"a", 2)] = L"2030-01-01 10:00";
    HMENU menu = BuildUrlContextMenu(1);
    ASSERT_NE(menu, nullptr);
    std::vector<UINT> ids;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) ids.push_back(GetMenuItemID(menu, i));
    const UINT sep = 0, sub = static_cast<UINT>(-1);
    EXPECT_EQ(ids, (std::vector<UINT>{2041, sep, 2005, 2029, 2037, 2004, 2003, 2028, 2022, 2025, 2030, 2033, sep,
                                      615, 616, sep, sub}));
    wchar_t text[64];
    GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"Unpin URL");
    HMENU groups = GetSubMenu(menu, GetMenuItemCount(menu) - 1);
    ASSERT_EQ(GetMenuItemCount(groups), 3);  // every group but Alpha
    EXPECT_EQ(GetMenuItemID(groups, 0), 3000u + beta_);
    DestroyMenu(menu);

    g_app.pinnedUrls.clear();
    g_app.reminderDates.clear();
    menu = BuildUrlContextMenu(1);
    GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"\U0001F4CC Pin URL");
    EXPECT_EQ(GetMenuState(menu, 616, MF_BYCOMMAND), static_cast<UINT>(-1));  // no Clear Reminder
    DestroyMenu(menu);

    menu = BuildGroupMenu(alpha_);
    EXPECT_TRUE(GetMenuState(menu, 2023, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(menu, 2024, MF_BYCOMMAND) & MF_GRAYED);
    DestroyMenu(menu);
    menu = BuildGroupMenu(g_app.groups.back().id);
    EXPECT_FALSE(GetMenuState(menu, 2023, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(menu, 2024, MF_BYCOMMAND) & MF_GRAYED);
    DestroyMenu(menu);

    g_settings.columnVisible[ColumnId::Tags] = false;
    menu = BuildColumnMenu();
    ASSERT_EQ(GetMenuItemCount(menu), 10);
    EXPECT_EQ(GetMenuItemID(menu, 3), 2053u);
    EXPECT_FALSE(GetMenuState(menu, 2053, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(menu, 2050, MF_BYCOMMAND) & MF_CHECKED);
    DestroyMenu(menu);
}

}  // namespace
