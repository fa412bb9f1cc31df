// The menu bar of the real main window: title rectangles, the highlight that
// follows the mouse, and a click that opens the matching pop-up owned by the
// main window, so that its items get their states.
#include <vector>

#include "GuiFixture.h"
#include "app/Menus.h"
#include "ui/CommandIds.h"
#include "ui/GdiGuards.h"
#include "ui/MenuBar.h"

namespace {

WNDPROC g_mainProc = nullptr;
std::vector<HMENU> g_opened;  // pop-ups the main window was told about
bool g_columnChecked = true;

// Records each pop-up as it opens and closes it again, as a user's click
// elsewhere would.
LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = CallWindowProcW(g_mainProc, window, message, wParam, lParam);
    if (message == WM_INITMENUPOPUP) {
        HMENU popup = reinterpret_cast<HMENU>(wParam);
        g_opened.push_back(popup);
        g_columnChecked = (GetMenuState(popup, IDM_COLUMN_FIRST + 3, MF_BYCOMMAND) & MF_CHECKED) != 0;
        PostMessageW(window, WM_CANCELMODE, 0, 0);
    }
    return result;
}

class MenuBarTest : public MainWindowTest {
   protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        StartWindow();
        ASSERT_NE(g_menuBar, nullptr);
        g_opened.clear();
        g_mainProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(g_mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc)));
    }
    static LPARAM At(int x, int y) { return MAKELPARAM(x, y); }
};

}  // namespace

TEST_F(MenuBarTest, TitlesStandSideBySideFromSixWithTenPixelsEachSide) {
    RECT client;
    GetClientRect(g_menuBar, &client);
    EXPECT_EQ(client.bottom, kMenuBarStripHeight);
    const auto rects = MenuBarItemRects(g_menuBar);
    const wchar_t* titles[] = {L"File", L"Edit", L"URLs", L"Tags", L"Groups", L"Columns", L"Help"};
    WindowDC dc(g_menuBar);
    SelectGuard font(dc.get(), GetStockObject(DEFAULT_GUI_FONT));
    int left = 6;
    for (int i = 0; i < kMenuBarTitleCount; ++i) {
        SIZE extent{};
        GetTextExtentPoint32W(dc.get(), titles[i], lstrlenW(titles[i]), &extent);
        EXPECT_EQ(rects[i].left, left) << i;
        EXPECT_EQ(rects[i].right, left + extent.cx + 20) << i;
        EXPECT_EQ(rects[i].top, 0);
        EXPECT_EQ(rects[i].bottom, kMenuBarStripHeight);
        left = rects[i].right;
    }
    EXPECT_EQ(MenuBarHitTest(5, 10), -1);
    EXPECT_EQ(MenuBarHitTest(6, 0), 0);
    EXPECT_EQ(MenuBarHitTest(rects[6].right - 1, 27), 6);
    EXPECT_EQ(MenuBarHitTest(rects[6].right, 10), -1);
    EXPECT_EQ(MenuBarHitTest(10, 28), -1);
}

TEST_F(MenuBarTest, TheHighlightFollowsTheMouseAndLeavesWithIt) {
    const auto rects = MenuBarItemRects(g_menuBar);
    SendMessageW(g_menuBar, WM_MOUSEMOVE, 0, At(rects[2].left + 3, 10));
    EXPECT_EQ(MenuBarHotItem(), 2);
    SendMessageW(g_menuBar, WM_MOUSEMOVE, 0, At(2, 10));
    EXPECT_EQ(MenuBarHotItem(), -1);
    SendMessageW(g_menuBar, WM_MOUSEMOVE, 0, At(rects[4].left, 10));
    EXPECT_EQ(MenuBarHotItem(), 4);
    SendMessageW(g_menuBar, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(MenuBarHotItem(), -1);
}

TEST_F(MenuBarTest, AClickOnATitleOpensItsPopupWithTheMainWindowsStates) {
    g_settings.columnVisible[3] = false;
    const auto rects = MenuBarItemRects(g_menuBar);
    SendMessageW(g_menuBar, WM_LBUTTONDOWN, MK_LBUTTON, At(rects[5].left + 2, 5));
    ASSERT_EQ(g_opened.size(), 1u);
    EXPECT_EQ(g_opened[0], g_mainMenu.columns);
    EXPECT_FALSE(g_columnChecked) << "the main window set the check marks as the menu opened";

    SendMessageW(g_menuBar, WM_LBUTTONDOWN, MK_LBUTTON, At(rects[0].left + 2, 5));
    ASSERT_EQ(g_opened.size(), 2u);
    EXPECT_EQ(g_opened[1], g_mainMenu.file);

    SendMessageW(g_menuBar, WM_LBUTTONDOWN, MK_LBUTTON, At(3, 5));  // left of the first title
    EXPECT_EQ(g_opened.size(), 2u);
}
