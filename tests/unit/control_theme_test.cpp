// The dark theme's choices that need no window: the visual style of each
// kind of control, the colours answered to the control-colour messages, the
// optional theme-library functions and the title bar's fallback attribute.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "settings/Settings.h"
#include "ui/ControlTheme.h"
#include "ui/DarkTheme.h"
#include "ui/ThemeBrushes.h"
#include "ui/ThemeLibrary.h"

namespace {

COLORREF BrushColor(HBRUSH brush) {
    LOGBRUSH description{};
    if (!brush || !GetObjectW(brush, sizeof description, &description)) return CLR_INVALID;
    return description.lbColor;
}

// A memory device context with known colours, released at the end.
class TestDc {
   public:
    TestDc() : dc_(CreateCompatibleDC(nullptr)) {
        SetTextColor(dc_, RGB(1, 2, 3));
        SetBkColor(dc_, RGB(4, 5, 6));
        SetBkMode(dc_, OPAQUE);
    }
    ~TestDc() { DeleteDC(dc_); }
    HDC get() const { return dc_; }

   private:
    HDC dc_;
};

class DarkSettingTest : public testing::Test {
   protected:
    void SetUp() override { saved_ = g_settings.darkMode; }
    void TearDown() override { g_settings.darkMode = saved_; }
    bool saved_ = false;
};

}  // namespace

TEST(ControlTheme, EachControlClassGetsItsStyleInEitherTheme) {
    struct Case {
        const wchar_t* className;
        bool dark;
        ControlTheme expected;
    };
    const Case cases[] = {
        {L"ListBox", true, ControlTheme::DarkExplorer},
        {L"LISTBOX", true, ControlTheme::DarkExplorer},
        {L"VantrelixGrid", true, ControlTheme::DarkExplorer},
        {L"vantrelixgrid", true, ControlTheme::DarkExplorer},
        {L"Edit", true, ControlTheme::DarkCfd},
        {L"msctls_statusbar32", true, ControlTheme::DarkCfd},
        {L"Button", true, ControlTheme::DarkCfd},
        {L"Static", true, ControlTheme::DarkCfd},
        {L"ListBoxEx", true, ControlTheme::DarkCfd},
        {L"ListBox", false, ControlTheme::Default},
        {L"Edit", false, ControlTheme::Default},
        {L"VantrelixGrid", false, ControlTheme::Default},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ControlThemeFor(c.className, c.dark), c.expected) << c.className << " dark " << c.dark;
}

TEST(ControlTheme, DarkDialogTurnsStylesOffOnlyForCheckAndRadioButtons) {
    struct Case {
        const wchar_t* className;
        DWORD style;
        ControlTheme expected;
    };
    const Case cases[] = {
        {L"Button", BS_CHECKBOX, ControlTheme::Unstyled},
        {L"Button", BS_AUTOCHECKBOX | WS_TABSTOP, ControlTheme::Unstyled},
        {L"Button", BS_RADIOBUTTON, ControlTheme::Unstyled},
        {L"button", BS_3STATE, ControlTheme::Unstyled},
        {L"Button", BS_AUTO3STATE, ControlTheme::Unstyled},
        {L"Button", BS_AUTORADIOBUTTON | WS_GROUP, ControlTheme::Unstyled},
        {L"Button", BS_PUSHBUTTON, ControlTheme::DarkCfd},
        {L"Button", BS_DEFPUSHBUTTON, ControlTheme::DarkCfd},
        {L"Button", BS_GROUPBOX, ControlTheme::DarkCfd},
        {L"Button", BS_OWNERDRAW, ControlTheme::DarkCfd},
        {L"Static", BS_CHECKBOX, ControlTheme::DarkCfd},  // the same bits mean nothing for a static
        {L"Edit", 0, ControlTheme::DarkCfd},
        {L"ListBox", 0, ControlTheme::DarkCfd},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DarkDialogChildTheme(c.className, c.style), c.expected) << c.className << " " << c.style;
}

TEST_F(DarkSettingTest, DialogColoursAreTheDarkPaletteOnlyInTheDarkTheme) {
    struct Case {
        UINT message;
        COLORREF brush;       // CLR_INVALID: no brush, default handling
        COLORREF text;        // the DC's text colour afterwards
        int backgroundMode;   // the DC's background mode afterwards
        COLORREF background;  // the DC's background colour afterwards
    };
    const COLORREF untouchedText = RGB(1, 2, 3), untouchedBack = RGB(4, 5, 6);
    const Case dark[] = {
        {WM_CTLCOLOREDIT, kDarkControlColor, kDarkTextColor, OPAQUE, kDarkControlColor},
        {WM_CTLCOLORSTATIC, kDarkWindowColor, kDarkTextColor, TRANSPARENT, untouchedBack},
        {WM_CTLCOLORBTN, kDarkWindowColor, untouchedText, OPAQUE, untouchedBack},
        {WM_CTLCOLORDLG, kDarkWindowColor, untouchedText, OPAQUE, untouchedBack},
        {WM_CTLCOLORLISTBOX, CLR_INVALID, untouchedText, OPAQUE, untouchedBack},
        {WM_CTLCOLORSCROLLBAR, CLR_INVALID, untouchedText, OPAQUE, untouchedBack},
        {WM_PAINT, CLR_INVALID, untouchedText, OPAQUE, untouchedBack},
    };
    EXPECT_EQ(kDarkWindowColor, RGB(0x1E, 0x1E, 0x1E));
    EXPECT_EQ(kDarkControlColor, RGB(0x2D, 0x2D, 0x2D));
    EXPECT_EQ(kDarkTextColor, RGB(0xDC, 0xDC, 0xDC));
    for (bool darkMode : {true, false}) {
        g_settings.darkMode = darkMode;
        for (const Case& c : dark) {
            SCOPED_TRACE(testing::Message()
                         << "dark " << darkMode << ", message 0x" << std::hex << c.message);
            TestDc dc;
            HBRUSH brush = DarkDialogColor(c.message, dc.get());
            if (!darkMode) {
                EXPECT_EQ(brush, nullptr);
                EXPECT_EQ(GetTextColor(dc.get()), untouchedText);
                EXPECT_EQ(GetBkMode(dc.get()), OPAQUE);
                continue;
            }
            if (c.brush == CLR_INVALID)
                EXPECT_EQ(brush, nullptr);
            else
                EXPECT_EQ(BrushColor(brush), c.brush);
            EXPECT_EQ(GetTextColor(dc.get()), c.text);
            EXPECT_EQ(GetBkMode(dc.get()), c.backgroundMode);
            EXPECT_EQ(GetBkColor(dc.get()), c.background);
        }
    }
}

TEST_F(DarkSettingTest, DialogColoursShareTheCachedBrushes) {
    g_settings.darkMode = true;
    TestDc dc;
    EXPECT_EQ(DarkDialogColor(WM_CTLCOLORDLG, dc.get()), DarkWindowBrush());
    EXPECT_EQ(DarkDialogColor(WM_CTLCOLORSTATIC, dc.get()), DarkWindowBrush());
    EXPECT_EQ(DarkDialogColor(WM_CTLCOLOREDIT, dc.get()), DarkControlBrush());
}

TEST(ThemeLibrary, AModuleWithoutTheOrdinalsGivesNoFunctionsAndEachCallIsSkipped) {
    // This test program exports nothing, so no ordinal resolves in it.
    const DarkModeFunctions none = LookUpDarkModeFunctions(GetModuleHandleW(nullptr));
    EXPECT_EQ(none.setPreferredAppMode, nullptr);
    EXPECT_EQ(none.allowDarkModeForWindow, nullptr);
    EXPECT_EQ(none.flushMenuThemes, nullptr);
    EXPECT_FALSE(SetPreferredAppMode(none, true));
    EXPECT_FALSE(AllowDarkModeForWindow(none, GetDesktopWindow(), true));
    EXPECT_FALSE(FlushMenuThemes(none));
    const DarkModeFunctions missingLibrary = LookUpDarkModeFunctions(nullptr);
    EXPECT_EQ(missingLibrary.allowDarkModeForWindow, nullptr);
}

namespace {

struct AttributeCall {
    DWORD attribute;
    BOOL value;
};
std::vector<AttributeCall> g_attributeCalls;
DWORD g_acceptedAttribute = 0;  // 0: every attribute refused

HRESULT WINAPI RecordingSetAttribute(HWND, DWORD attribute, LPCVOID value, DWORD size) {
    EXPECT_EQ(size, sizeof(BOOL));
    g_attributeCalls.push_back({attribute, *static_cast<const BOOL*>(value)});
    return attribute == g_acceptedAttribute ? S_OK : E_INVALIDARG;
}

}  // namespace

TEST(ThemeLibrary, TitleBarTriesAttributeTwentyThenNineteen) {
    struct Case {
        const char* name;
        DWORD accepted;
        bool dark;
        bool result;
        std::vector<DWORD> tried;
    };
    const Case cases[] = {
        {"current builds take 20", 20, true, true, {20}},
        {"older builds refuse 20 and take 19", 19, true, true, {20, 19}},
        {"neither: the title bar stays as it was", 0, true, false, {20, 19}},
        {"back to light", 20, false, true, {20}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_attributeCalls.clear();
        g_acceptedAttribute = c.accepted;
        EXPECT_EQ(SetDarkTitleBar(GetDesktopWindow(), c.dark, RecordingSetAttribute), c.result);
        ASSERT_EQ(g_attributeCalls.size(), c.tried.size());
        for (size_t i = 0; i < c.tried.size(); ++i) {
            EXPECT_EQ(g_attributeCalls[i].attribute, c.tried[i]);
            EXPECT_EQ(g_attributeCalls[i].value, c.dark ? TRUE : FALSE);
        }
    }
}
