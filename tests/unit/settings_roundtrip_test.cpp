// Whatever is saved loads back into the same field, and nothing in a broken
// file can overrun a buffer or leave a value the rest of the program trips on.
#include <functional>

#include "settings_ini_support.h"

TEST_F(SettingsFileTest, EveryFieldSurvivesSaveAndLoad) {
    struct Case {
        const char* field;
        std::function<void(Settings&)> change;
    };
    const std::wstring longPath =
        L"C:\\" + std::wstring(MAX_PATH - 1 - 8, L'p') + L"\\a.db";  // 259 characters in all
    const Case cases[] = {
        {"showNewUrlNotification", [](Settings& s) { s.showNewUrlNotification = false; }},
        {"startVisible", [](Settings& s) { s.startVisible = false; }},
        {"alwaysOnTop", [](Settings& s) { s.alwaysOnTop = false; }},
        {"darkMode", [](Settings& s) { s.darkMode = true; }},
        {"zebraRows", [](Settings& s) { s.zebraRows = false; }},
        {"zebraColumns", [](Settings& s) { s.zebraColumns = true; }},
        {"colorCoding", [](Settings& s) { s.colorCoding = false; }},
        {"checkForUpdates", [](Settings& s) { s.checkForUpdates = false; }},
        {"validateOnCapture", [](Settings& s) { s.validateOnCapture = true; }},
        {"windowRect",
         [](Settings& s) {
             s.windowRect = OnScreenRect();
             s.windowRectKnown = true;
         }},
        {"sortColumn", [](Settings& s) { s.sortColumn = 7; }},
        {"sortAscending", [](Settings& s) { s.sortAscending = false; }},
        {"columnWidths",
         [](Settings& s) {
             s.columnWidthsValid = true;
             s.columnWidths = {1, -5, 0, 41, 121, 122, 81, 61, 123, 131};
         }},
        {"columnOrder", [](Settings& s) { s.columnOrder = {3, 9, 0, 1, 2, 8, 4, 5, 6, 7}; }},
        {"columnVisible",
         [](Settings& s) {
             s.columnVisible = {false, true, true, false, true, true, true, true, true, false};
         }},
        {"tagFilter", [](Settings& s) { s.tagFilter = L"reading list"; }},
        {"reminderFilter", [](Settings& s) { s.reminderFilter = L"Due / Overdue"; }},
        {"hotkeyModifiers", [](Settings& s) { s.hotkeyModifiers = MOD_ALT | MOD_CONTROL; }},
        {"hotkeyKey", [](Settings& s) { s.hotkeyKey = 0; }},
        {"csvColumns",
         [](Settings& s) {
             s.csvColumns = {true, false, true, true, false, true, true, true, true, true, false};
         }},
        {"customDatabasePath", [&longPath](Settings& s) { s.customDatabasePath = longPath; }},
        {"productSite", [](Settings& s) { s.productSite = L"https://vantrelix.example.org/download?x=1&y=2"; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        DeleteFileW(SettingsFilePath().c_str());
        g_settings = Settings{};
        c.change(g_settings);
        const Settings expected = g_settings;
        SaveSettings();
        g_settings = Settings{};
        LoadSettings();
        ExpectSameSettings(expected, g_settings);
    }
}

TEST_F(SettingsFileTest, GarbageFileLoadsHarmlessly) {
    const std::wstring huge(1500, L'Z');
    std::wstring order = L"0,1,2,3,4,5,6,7,8,9";
    order += std::wstring(1200, L'7');  // one endless last number, cut at the buffer
    std::wstring text = L"[General]\nStartVisible=yes\nAlwaysOnTop=99999999999999999999\nZebraStriping=" +
                        huge + L"\n[Hotkey]\nMod=" + huge + L"\nVK=-7\n[Window]\nValid=1\nX=2147483647\nY=" +
                        huge + L"\nW=2147483647\nH=-2147483648\n[Filter]\nTag=" + huge + L"\nReminder=" +
                        huge +
                        L"\n[Sort]\nColumn=99999999999999999999\nAscending=\n[Columns]\nValid=1\nIdWidth=" +
                        huge + L"\nTitleWidth=-99999999999\nOrder=" + order + L"\nVisible=" + huge +
                        L"\n[CsvExport]\nCol0=\x01\x02\nCol10=" + huge + L"\n[Database]\nCustomPath=" + huge +
                        L"\n" + huge + L"\n[" + huge + L"\n";
    WriteIniText(text);

    LoadSettings();

    EXPECT_FALSE(g_settings.startVisible);
    EXPECT_GE(g_settings.sortColumn, -1);
    EXPECT_LT(g_settings.sortColumn, kColumnCount);
    EXPECT_EQ(g_settings.tagFilter, huge.substr(0, 255));
    EXPECT_EQ(g_settings.reminderFilter, huge.substr(0, 255));
    EXPECT_EQ(g_settings.customDatabasePath, huge.substr(0, MAX_PATH - 1));
    // The order's last number is cut by the read, not the order itself.
    EXPECT_EQ(g_settings.columnOrder, Settings{}.columnOrder);
    EXPECT_EQ(g_settings.columnVisible, Settings{}.columnVisible);
    EXPECT_EQ(g_settings.hotkeyKey, static_cast<unsigned>(-7));

    // What was loaded saves and loads again to the same record.
    const Settings loaded = g_settings;
    DeleteFileW(SettingsFilePath().c_str());
    SaveSettings();
    g_settings = Settings{};
    LoadSettings();
    Settings expected = loaded;
    // A rectangle no monitor shows is not written, so it does not come back.
    if (!loaded.windowRectKnown) {
        expected.windowRect = Settings{}.windowRect;
    }
    ExpectSameSettings(expected, g_settings);
}

TEST_F(SettingsFileTest, OrderIsReadIntoRoomFor127Characters) {
    const std::array<int, kColumnCount> reversed{9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    struct Case {
        size_t padding;  // spaces before the second number, skipped like any whitespace before a number
        std::array<int, kColumnCount> expected;
    };
    const Case cases[] = {
        {108, reversed},                // exactly 127 characters: all ten numbers
        {110, Settings{}.columnOrder},  // cut after "1": nine numbers, and the appended 9 repeats
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.padding);
        std::wstring order = L"9," + std::wstring(c.padding, L' ') + L"8,7,6,5,4,3,2,1,0";
        WriteIniText(L"[Columns]\nOrder=" + order + L"\n");
        g_settings = Settings{};
        LoadSettings();
        EXPECT_EQ(g_settings.columnOrder, c.expected);
    }
}
