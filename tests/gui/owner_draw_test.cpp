// What the main window paints for its owner-drawn controls, and the colours
// it gives the standard controls, in the light and the dark theme.
#include "GuiFixture.h"
#include "WindowProbe.h"
#include "app/FunctionKeys.h"
#include "grid/FilterBar.h"
#include "grid/SearchBox.h"
#include "grid/StatusBar.h"

namespace {

constexpr COLORREF kBlank = RGB(0xFF, 0x00, 0xFF);  // a colour none of the drawings uses

class OwnerDrawTest : public MainWindowTest {
   protected:
    // Sends the main window the WM_DRAWITEM the control would send, with the
    // canvas as the device context.
    static LRESULT Draw(HWND control, UINT type, const Canvas& canvas, UINT state, ULONG_PTR itemData = 0) {
        DRAWITEMSTRUCT item{};
        item.CtlType = type;
        item.CtlID = static_cast<UINT>(GetDlgCtrlID(control));
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = control;
        item.hDC = canvas.dc();
        item.rcItem = canvas.rect();
        item.itemData = itemData;
        return SendMessageW(g_mainWindow, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    }
};

}  // namespace

TEST_F(OwnerDrawTest, StatusBarPartShowsTheStatusTextInsetOnTheThemeBackground) {
    StartWindow();
    struct Case {
        bool dark;
        ULONG_PTR itemData;
        COLORREF background, text;
        bool hasText;
    };
    const COLORREF face = GetSysColor(COLOR_BTNFACE), ink = GetSysColor(COLOR_BTNTEXT);
    const Case cases[] = {
        {false, 0, face, ink, true},
        {true, 0, RGB(0x2D, 0x2D, 0x2D), RGB(0xDC, 0xDC, 0xDC), true},
        {true, 8, RGB(0x2D, 0x2D, 0x2D), RGB(0xDC, 0xDC, 0xDC), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "dark " << c.dark << ", item data " << c.itemData);
        g_settings.darkMode = c.dark;
        Canvas canvas(400, 20, kBlank);
        EXPECT_EQ(Draw(g_statusBar, ODT_STATIC, canvas, 0, c.itemData), TRUE);
        EXPECT_EQ(canvas.Pixel(0, 0), c.background);
        EXPECT_EQ(canvas.Pixel(399, 19), c.background);
        // Nothing is written into the six-pixel margins.
        EXPECT_EQ(canvas.CountColor(RECT{0, 0, 6, 20}, c.background), 6 * 20);
        EXPECT_EQ(canvas.CountColor(RECT{394, 0, 400, 20}, c.background), 6 * 20);
        const int inked = canvas.CountColor(RECT{6, 0, 394, 20}, c.text);
        if (c.hasText)
            EXPECT_GT(inked, 20);
        else
            EXPECT_EQ(inked, 0);
    }
}

TEST_F(OwnerDrawTest, ClearButtonDrawsARoundedFaceAndACrossByThemeAndState) {
    StartWindow();
    struct Case {
        const char* name;
        bool dark;
        UINT state;
        COLORREF face, glyph;
    };
    const Case cases[] = {
        {"light", false, 0, RGB(0xD7, 0xD7, 0xE1), RGB(0x50, 0x50, 0x5F)},
        {"light hot", false, ODS_HOTLIGHT, RGB(0xC3, 0xC3, 0xD2), RGB(0x1E, 0x1E, 0x28)},
        {"light pressed", false, ODS_SELECTED, RGB(0xAF, 0xAF, 0xBE), RGB(0x1E, 0x1E, 0x28)},
        {"dark", true, 0, RGB(0x3A, 0x3A, 0x48), RGB(0xB9, 0xB9, 0xC6)},
        {"dark hot", true, ODS_HOTLIGHT, RGB(0x46, 0x46, 0x55), RGB(0xEB, 0xEB, 0xF0)},
        {"dark pressed", true, ODS_SELECTED, RGB(0x50, 0x50, 0x5F), RGB(0xEB, 0xEB, 0xF0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_settings.darkMode = c.dark;
        Canvas canvas(24, 24, kBlank);
        EXPECT_EQ(Draw(g_searchClearButton, ODT_BUTTON, canvas, c.state), TRUE);
        // The corner outside the rounded face shows the window background.
        EXPECT_EQ(canvas.Pixel(0, 0), c.dark ? RGB(0x1E, 0x1E, 0x1E) : GetSysColor(COLOR_WINDOW));
        EXPECT_EQ(canvas.Pixel(3, 12), c.face);
        EXPECT_EQ(canvas.Pixel(12, 3), c.face);
        EXPECT_GT(canvas.CountColor(RECT{6, 6, 18, 18}, c.glyph), 4);
        EXPECT_EQ(canvas.CountColor(canvas.rect(), kBlank), 0);
    }
}

TEST_F(OwnerDrawTest, OtherButtonsAreDrawnDarkOnlyInDarkMode) {
    StartWindow();
    HWND button = g_functionKeyButtons[0];
    struct Case {
        const char* name;
        UINT state;
        COLORREF face, frame;
    };
    const Case cases[] = {
        {"normal", 0, RGB(0x2D, 0x2D, 0x2D), RGB(0x64, 0x64, 0x64)},
        {"pressed", ODS_SELECTED, RGB(0x46, 0x46, 0x46), RGB(0x64, 0x64, 0x64)},
        {"focused", ODS_FOCUS, RGB(0x2D, 0x2D, 0x2D), RGB(0x78, 0xA0, 0xDC)},
    };
    g_settings.darkMode = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(100, 24, kBlank);
        EXPECT_EQ(Draw(button, ODT_BUTTON, canvas, c.state), TRUE);
        EXPECT_EQ(canvas.Pixel(0, 0), c.frame);
        EXPECT_EQ(canvas.Pixel(99, 23), c.frame);
        EXPECT_EQ(canvas.Pixel(1, 1), c.face);
        EXPECT_EQ(canvas.Pixel(98, 12), c.face);
        EXPECT_GT(canvas.CountColor(RECT{2, 2, 98, 22}, RGB(0xDC, 0xDC, 0xDC)), 20);
    }
    // In light mode the platform draws them: the canvas stays untouched.
    g_settings.darkMode = false;
    Canvas canvas(100, 24, kBlank);
    EXPECT_EQ(Draw(button, ODT_BUTTON, canvas, 0), 0);
    EXPECT_EQ(canvas.CountColor(canvas.rect(), kBlank), 100 * 24);
}

TEST_F(OwnerDrawTest, ControlColoursAreDarkOnlyInDarkMode) {
    StartWindow();
    struct Case {
        UINT message;
        HWND control;
        bool setsColours;
        COLORREF background;
    };
    const Case cases[] = {
        {WM_CTLCOLOREDIT, g_searchEdit, true, RGB(0x2D, 0x2D, 0x2D)},
        {WM_CTLCOLORLISTBOX, g_tagFilterCombo, true, RGB(0x2D, 0x2D, 0x2D)},
        {WM_CTLCOLORSTATIC, g_filterLabel, true, RGB(0x1E, 0x1E, 0x1E)},
        {WM_CTLCOLORBTN, g_functionKeyButtons[0], false, RGB(0x2D, 0x2D, 0x2D)},
    };
    HBRUSH cached[2] = {};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << c.message);
        Canvas canvas(4, 4, kBlank);
        const auto ask = [&] {
            SetTextColor(canvas.dc(), RGB(1, 2, 3));
            SetBkColor(canvas.dc(), RGB(4, 5, 6));
            return reinterpret_cast<HBRUSH>(SendMessageW(g_mainWindow, c.message,
                                                         reinterpret_cast<WPARAM>(canvas.dc()),
                                                         reinterpret_cast<LPARAM>(c.control)));
        };

        g_settings.darkMode = false;
        HBRUSH light = ask();
        if (c.message == WM_CTLCOLORLISTBOX)
            EXPECT_EQ(light, GetSysColorBrush(COLOR_WINDOW));  // the default answer
        else
            EXPECT_EQ(light, nullptr);

        g_settings.darkMode = true;
        HBRUSH dark = ask();
        LOGBRUSH brush{};
        ASSERT_EQ(GetObjectW(dark, sizeof brush, &brush), static_cast<int>(sizeof brush));
        EXPECT_EQ(brush.lbColor, c.background);
        EXPECT_EQ(GetTextColor(canvas.dc()), c.setsColours ? RGB(0xDC, 0xDC, 0xDC) : RGB(1, 2, 3));
        EXPECT_EQ(GetBkColor(canvas.dc()), c.setsColours ? c.background : RGB(4, 5, 6));
        // One brush per colour for the whole run.
        HBRUSH& kept = cached[c.background == RGB(0x1E, 0x1E, 0x1E) ? 0 : 1];
        if (kept) {
            EXPECT_EQ(dark, kept);
        }
        kept = dark;
    }
    // Shutdown frees them.
    CloseWindow();
    for (HBRUSH brush : cached) EXPECT_EQ(GetObjectType(brush), 0u);
}
