// The main window's rectangle: restored only onto a monitor that still exists,
// and never erased from the file while unknown.
#include "settings_ini_support.h"

namespace {

std::wstring WindowSection(const RECT& r) {
    return L"[Window]\nValid=1\nX=" + std::to_wstring(r.left) + L"\nY=" + std::to_wstring(r.top) + L"\nW=" +
           std::to_wstring(r.right - r.left) + L"\nH=" + std::to_wstring(r.bottom - r.top) + L"\n";
}

}  // namespace

TEST_F(SettingsFileTest, WindowRectIsKnownOnlyWhenValidAndOnAMonitor) {
    const RECT on = OnScreenRect();
    struct Case {
        const char* name;
        std::wstring window;
        bool known;
    };
    const Case cases[] = {
        {"on screen", WindowSection(on), true},
        {"far off every monitor", L"[Window]\nValid=1\nX=-30000\nY=-30000\nW=400\nH=300\n", false},
        {"marked not valid", L"[Window]\nValid=0\nX=30\nY=20\nW=300\nH=200\n", false},
        {"no Window section", L"[General]\nDarkMode=0\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteIniText(c.window);
        g_settings = Settings{};
        g_settings.windowRectKnown = !c.known;
        LoadSettings();
        EXPECT_EQ(g_settings.windowRectKnown, c.known);
    }
    WriteIniText(WindowSection(on));
    g_settings = Settings{};
    LoadSettings();
    EXPECT_EQ(g_settings.windowRect.left, on.left);
    EXPECT_EQ(g_settings.windowRect.top, on.top);
    EXPECT_EQ(g_settings.windowRect.right, on.right);
    EXPECT_EQ(g_settings.windowRect.bottom, on.bottom);
}

TEST_F(SettingsFileTest, SaveRightAfterLoadWritesTheSameWindowBack) {
    const RECT on = OnScreenRect();
    WriteIniText(WindowSection(on));
    const std::vector<std::wstring> before = IniSectionLines(L"Window");
    LoadSettings();
    SaveSettings();
    EXPECT_EQ(IniSectionLines(L"Window"), before);
}

TEST_F(SettingsFileTest, WindowOffEveryMonitorStaysInTheFileUntilANewOneIsKnown) {
    const std::wstring offScreen = L"[Window]\nValid=1\nX=-30000\nY=-30000\nW=400\nH=300\n";
    WriteIniText(offScreen);
    const std::vector<std::wstring> before = IniSectionLines(L"Window");
    ASSERT_EQ(before.size(), 5u);
    LoadSettings();
    ASSERT_FALSE(g_settings.windowRectKnown);
    SaveSettings();
    EXPECT_EQ(IniSectionLines(L"Window"), before);

    // Once the window has been placed again, its new rectangle replaces the old one.
    g_settings.windowRect = OnScreenRect();
    g_settings.windowRectKnown = true;
    SaveSettings();
    std::wstring x;
    ASSERT_TRUE(IniValue(L"Window", L"X", &x));
    EXPECT_EQ(x, std::to_wstring(OnScreenRect().left));
}
