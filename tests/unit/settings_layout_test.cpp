// What a fresh settings file looks like: defaults, sections and keys in the
// order they are written, and its encoding.
#include "settings_ini_support.h"

namespace {

const std::vector<std::wstring> kGeneralKeys = {
    L"Version",   L"ShowNewUrlNotification", L"StartVisible", L"AlwaysOnTop",     L"DarkMode",
    L"ZebraRows", L"ZebraColumns",           L"ColorCoding",  L"CheckForUpdates", L"ValidateOnCapture"};
const std::vector<std::wstring> kColumnsKeys = {
    L"Valid",         L"IdWidth",      L"TitleWidth", L"UrlWidth",   L"TagsWidth",
    L"CreatedWidth",  L"UpdatedWidth", L"ValidWidth", L"OpensWidth", L"LastOpenedWidth",
    L"ReminderWidth", L"Order",        L"Visible"};
const std::vector<std::wstring> kCsvKeys = {L"Col0", L"Col1", L"Col2", L"Col3", L"Col4", L"Col5",
                                            L"Col6", L"Col7", L"Col8", L"Col9", L"Col10"};

}  // namespace

TEST_F(SettingsFileTest, MissingFileLoadsDefaultsAndCreatesNothing) {
    // Start from a record that differs in every flag, so a field left alone
    // by the loader shows up.
    g_settings.showNewUrlNotification = false;
    g_settings.startVisible = false;
    g_settings.alwaysOnTop = false;
    g_settings.darkMode = true;
    g_settings.zebraRows = false;
    g_settings.sortColumn = 3;
    g_settings.hotkeyModifiers = 1;
    g_settings.hotkeyKey = 0;
    g_settings.tagFilter = L"x";
    g_settings.customDatabasePath = L"C:\\x.db";
    g_settings.csvColumns[10] = false;
    g_settings.windowRectKnown = true;

    LoadSettings();

    ExpectSameSettings(Settings{}, g_settings);
    EXPECT_EQ(g_settings.hotkeyModifiers, static_cast<unsigned>(MOD_CONTROL | MOD_SHIFT));
    EXPECT_EQ(g_settings.hotkeyKey, static_cast<unsigned>('G'));
    EXPECT_TRUE(g_settings.startVisible && g_settings.alwaysOnTop);
    EXPECT_EQ(GetFileAttributesW(SettingsFilePath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SettingsFileTest, PathIsTheExecutableWithIniExtension) {
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring expected = exe;
    expected = expected.substr(0, expected.rfind(L'.')) + L".ini";
    EXPECT_EQ(SettingsFilePath(), expected);
}

TEST_F(SettingsFileTest, FirstSaveWritesSectionsAndKeysInOrder) {
    struct Case {
        const char* name;
        bool windowKnown;
        std::vector<std::wstring> sections;
    };
    const Case cases[] = {
        {"no window rectangle",
         false,
         {L"General", L"Hotkey", L"Filter", L"Sort", L"Columns", L"CsvExport", L"Database", L"Links"}},
        {"known window rectangle",
         true,
         {L"General", L"Hotkey", L"Window", L"Filter", L"Sort", L"Columns", L"CsvExport", L"Database",
          L"Links"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileW(SettingsFilePath().c_str());
        g_settings = Settings{};
        g_settings.windowRectKnown = c.windowKnown;
        g_settings.windowRect = OnScreenRect();

        SaveSettings();

        EXPECT_EQ(IniSections(), c.sections);
        EXPECT_EQ(IniKeysOf(L"General"), kGeneralKeys);
        EXPECT_EQ(IniKeysOf(L"Hotkey"), (std::vector<std::wstring>{L"Mod", L"VK"}));
        EXPECT_EQ(IniKeysOf(L"Window"), c.windowKnown
                                            ? (std::vector<std::wstring>{L"Valid", L"X", L"Y", L"W", L"H"})
                                            : std::vector<std::wstring>{});
        EXPECT_EQ(IniKeysOf(L"Filter"), (std::vector<std::wstring>{L"Tag", L"Reminder"}));
        EXPECT_EQ(IniKeysOf(L"Sort"), (std::vector<std::wstring>{L"Column", L"Ascending"}));
        EXPECT_EQ(IniKeysOf(L"Columns"), kColumnsKeys);
        EXPECT_EQ(IniKeysOf(L"CsvExport"), kCsvKeys);
        EXPECT_EQ(IniKeysOf(L"Database"), std::vector<std::wstring>{L"CustomPath"});
        EXPECT_EQ(IniKeysOf(L"Links"), std::vector<std::wstring>{L"ProductSite"});
    }
}

TEST_F(SettingsFileTest, DefaultValuesAreWrittenInTheirFormats) {
    SaveSettings();
    const std::pair<std::pair<const wchar_t*, const wchar_t*>, const wchar_t*> expected[] = {
        {{L"General", L"Version"}, L"1.3.5"},
        {{L"General", L"ShowNewUrlNotification"}, L"1"},
        {{L"General", L"DarkMode"}, L"0"},
        {{L"General", L"ZebraRows"}, L"1"},
        {{L"General", L"ValidateOnCapture"}, L"0"},
        {{L"Hotkey", L"Mod"}, L"6"},
        {{L"Hotkey", L"VK"}, L"71"},
        {{L"Filter", L"Tag"}, L""},
        {{L"Filter", L"Reminder"}, L""},
        {{L"Sort", L"Column"}, L"-1"},
        {{L"Sort", L"Ascending"}, L"1"},
        {{L"Columns", L"Valid"}, L"0"},
        {{L"Columns", L"IdWidth"}, L"40"},
        {{L"Columns", L"CreatedWidth"}, L"120"},
        {{L"Columns", L"ReminderWidth"}, L"130"},
        {{L"Columns", L"Order"}, L"0,1,2,3,4,5,6,7,8,9"},
        {{L"Columns", L"Visible"}, L"1,1,1,1,1,1,1,1,1,1"},
        {{L"CsvExport", L"Col10"}, L"1"},
        {{L"Database", L"CustomPath"}, L""},
        {{L"Links", L"ProductSite"}, L""},
    };
    for (const auto& [where, value] : expected) {
        std::wstring actual;
        ASSERT_TRUE(IniValue(where.first, where.second, &actual)) << where.first << L"/" << where.second;
        EXPECT_EQ(actual, value) << where.first << L"/" << where.second;
    }
}

// A new file is created as UTF-16 so that text outside the ANSI code page
// survives; a file that already exists keeps its encoding.
TEST_F(SettingsFileTest, NewFileIsUtf16AndKeepsNonAnsiText) {
    g_settings.tagFilter = L"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac";
    g_settings.customDatabasePath = L"C:\\Users\\Zo\u00eb\\\u65e5\u672c.db";
    Settings expected = g_settings;
    SaveSettings();

    std::string bytes = ReadIniBytes();
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xFE);
    std::wstring tag;
    ASSERT_TRUE(IniValue(L"Filter", L"Tag", &tag));
    EXPECT_EQ(tag, expected.tagFilter);

    g_settings = Settings{};
    LoadSettings();
    EXPECT_EQ(g_settings.tagFilter, expected.tagFilter);
    EXPECT_EQ(g_settings.customDatabasePath, expected.customDatabasePath);
}

TEST_F(SettingsFileTest, ExistingAnsiFileStaysAnsiAndReadable) {
    WriteIniText(L"[General]\nDarkMode=1\n[Filter]\nTag=work\n");
    LoadSettings();
    EXPECT_TRUE(g_settings.darkMode);
    g_settings.reminderFilter = L"Due Today";
    SaveSettings();

    std::string bytes = ReadIniBytes();
    ASSERT_FALSE(bytes.empty());
    EXPECT_NE(static_cast<unsigned char>(bytes[0]), 0xFF);
    std::wstring value;
    ASSERT_TRUE(IniValue(L"Filter", L"Reminder", &value));
    EXPECT_EQ(value, L"Due Today");
    ASSERT_TRUE(IniValue(L"Filter", L"Tag", &value));
    EXPECT_EQ(value, L"work");
}
