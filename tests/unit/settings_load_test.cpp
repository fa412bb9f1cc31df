// Reading files written by hand, by older builds or by something hostile.
#include "settings_ini_support.h"

using ColumnInts = std::array<int, kColumnCount>;
using ColumnFlags = std::array<bool, kColumnCount>;

TEST_F(SettingsFileTest, IntegersFollowTheProfileReadingRules) {
    struct Case {
        const wchar_t* line;
        bool startVisible;
    };
    const Case cases[] = {
        {L"StartVisible=", true},  // empty value: the default
        {L"StartVisible=0", false},   {L"StartVisible=-1", true},
        {L"StartVisible=abc", false},  // not a number: 0
        {L"startvisible=0", false},    // key names ignore case
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        WriteIniText(std::wstring(L"[General]\n") + c.line + L"\n");
        g_settings = Settings{};
        LoadSettings();
        EXPECT_EQ(g_settings.startVisible, c.startVisible);
    }
}

TEST_F(SettingsFileTest, LegacyZebraStripingDecidesOnlyTheDefault) {
    struct Case {
        const wchar_t* general;
        bool zebraRows;
    };
    const Case cases[] = {
        {L"", true},
        {L"ZebraStriping=0\n", false},
        {L"ZebraStriping=1\nZebraRows=0\n", false},
        {L"ZebraStriping=0\nZebraRows=1\n", true},
        {L"ZebraStriping=1\n", true},
        {L"ZebraStriping=-1\n", true},  // negative: the built-in default
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.general);
        WriteIniText(std::wstring(L"[General]\n") + c.general);
        g_settings = Settings{};
        LoadSettings();
        EXPECT_EQ(g_settings.zebraRows, c.zebraRows);
    }
}

TEST_F(SettingsFileTest, LegacyCapturedWidthFillsInForCreatedWidth) {
    struct Case {
        const wchar_t* columns;
        int createdWidth;
    };
    const Case cases[] = {
        {L"Valid=1\nCapturedWidth=150\n", 150},
        {L"Valid=1\nCreatedWidth=90\nCapturedWidth=150\n", 90},
        {L"Valid=1\nCreatedWidth=-5\nCapturedWidth=150\n", 150},
        {L"Valid=1\n", 120},
        {L"Valid=0\nCapturedWidth=150\n", 77},  // widths not read at all: the previous value stays
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.columns);
        WriteIniText(std::wstring(L"[Columns]\n") + c.columns);
        g_settings = Settings{};
        g_settings.columnWidths[4] = 77;
        LoadSettings();
        EXPECT_EQ(g_settings.columnWidths[4], c.createdWidth);
    }
}

TEST_F(SettingsFileTest, SaveAfterCapturedWidthWritesCreatedWidthAndKeepsTheOldLine) {
    WriteIniText(L"[Columns]\nValid=1\nCapturedWidth=150\n");
    LoadSettings();
    SaveSettings();
    std::wstring value;
    ASSERT_TRUE(IniValue(L"Columns", L"CreatedWidth", &value));
    EXPECT_EQ(value, L"150");
    ASSERT_TRUE(IniValue(L"Columns", L"CapturedWidth", &value));
    EXPECT_EQ(value, L"150");
}

TEST_F(SettingsFileTest, StoredWidthsCountOnlyWhileMarkedValid) {
    const std::wstring widths =
        L"IdWidth=11\nTitleWidth=12\nUrlWidth=13\nTagsWidth=14\nCreatedWidth=15\nUpdatedWidth=16\n"
        L"ValidWidth=17\nOpensWidth=18\nLastOpenedWidth=19\nReminderWidth=-20\n";
    const ColumnInts stored{11, 12, 13, 14, 15, 16, 17, 18, 19, -20};
    struct Case {
        const wchar_t* valid;
        bool loaded;
    };
    const Case cases[] = {{L"Valid=1\n", true}, {L"Valid=0\n", false}, {L"", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.valid);
        WriteIniText(L"[Columns]\n" + std::wstring(c.valid) + widths);
        g_settings = Settings{};
        LoadSettings();
        EXPECT_EQ(g_settings.columnWidthsValid, c.loaded);
        EXPECT_EQ(g_settings.columnWidths, c.loaded ? stored : Settings{}.columnWidths);

        // The grid recomputes unsized columns; the next save writes what it chose.
        g_settings.columnWidths[1] = 333;
        SaveSettings();
        std::wstring value;
        ASSERT_TRUE(IniValue(L"Columns", L"TitleWidth", &value));
        EXPECT_EQ(value, L"333");
    }
}

TEST_F(SettingsFileTest, OrderIsTakenOnlyWhenItArrangesEveryColumnOnce) {
    const ColumnInts before{9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    struct Case {
        const wchar_t* order;
        ColumnInts expected;
    };
    const Case cases[] = {
        {L"0,1,2,3,4,5,6,7,8", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {L"2,0,1,3,4,5,6,7,8", {2, 0, 1, 3, 4, 5, 6, 7, 8, 9}},
        {L"1,0,2,3,4,5,9,6,7,8", {1, 0, 2, 3, 4, 5, 9, 6, 7, 8}},
        {L"1, 0, 2, 3, 4, 5, 9, 6, 7, 8", {1, 0, 2, 3, 4, 5, 9, 6, 7, 8}},
        {L"0,1,2,3,4,5,6,7,8,9,10", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},  // scanning stops after ten
        {L"0,1,2,3,4,5,6,7,8,9x", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {L"3,1", before},
        {L"", before},
        {L"0,1,2,3,4,5,6,7", before},
        {L"0 ,1,2,3,4,5,6,7,8,9", before},          // a comma must follow the number directly
        {L"0,0,1,2,3,4,5,6,7,8", before},           // repeated id
        {L"0,1,2,3,4,5,6,7,8,10", before},          // id past the last column
        {L"-1,0,1,2,3,4,5,6,7,8", before},          // negative id
        {L"9,0,1,2,3,4,5,6,7", before},             // nine holding 9: appending it repeats it
        {L"4294967296,1,2,3,4,5,6,7,8,9", before},  // would wrap to 0 in 32 bits
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.order);
        WriteIniText(L"[Columns]\nOrder=" + std::wstring(c.order) + L"\n");
        g_settings = Settings{};
        g_settings.columnOrder = before;
        LoadSettings();
        EXPECT_EQ(g_settings.columnOrder, c.expected);
    }
}

TEST_F(SettingsFileTest, VisibleTakesNineOrTenNumbers) {
    const ColumnFlags before{false, true, false, true, false, true, false, true, false, false};
    struct Case {
        const wchar_t* visible;
        ColumnFlags expected;
    };
    const Case cases[] = {
        // Files from before the "Reminder" column show it.
        {L"1,0,1,1,1,1,1,1,1", {true, false, true, true, true, true, true, true, true, true}},
        {L"1,1,1,1,1,1,1,1,1,0", {true, true, true, true, true, true, true, true, true, false}},
        {L"0,2,-1,0,0,0,0,0,0,0", {false, true, true, false, false, false, false, false, false, false}},
        {L"0,4294967296,0,0,0,0,0,0,0,0",
         {false, true, false, false, false, false, false, false, false, false}},
        {L"1,0", before},
        {L"yes", before},
        {L"", before},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.visible);
        WriteIniText(L"[Columns]\nVisible=" + std::wstring(c.visible) + L"\n");
        g_settings = Settings{};
        g_settings.columnVisible = before;
        LoadSettings();
        EXPECT_EQ(g_settings.columnVisible, c.expected);
    }
}

TEST_F(SettingsFileTest, SortColumnOutsideTheColumnsMeansUnsorted) {
    struct Case {
        const wchar_t* column;
        int expected;
    };
    const Case cases[] = {{L"10", -1}, {L"-2", -1}, {L"-1", -1}, {L"0", 0}, {L"9", 9}, {L"2147483647", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        WriteIniText(L"[Sort]\nColumn=" + std::wstring(c.column) + L"\n");
        g_settings = Settings{};
        LoadSettings();
        EXPECT_EQ(g_settings.sortColumn, c.expected);
    }
    WriteIniText(L"[Sort]\nColumn=10\n");
    LoadSettings();
    SaveSettings();
    std::wstring value;
    ASSERT_TRUE(IniValue(L"Sort", L"Column", &value));
    EXPECT_EQ(value, L"-1");
}

TEST_F(SettingsFileTest, HotkeyIsReadUnsigned) {
    WriteIniText(L"[Hotkey]\nMod=3\nVK=-1\n");
    LoadSettings();
    EXPECT_EQ(g_settings.hotkeyModifiers, 3u);
    EXPECT_EQ(g_settings.hotkeyKey, 0xFFFFFFFFu);
    SaveSettings();
    std::wstring value;
    ASSERT_TRUE(IniValue(L"Hotkey", L"VK", &value));
    EXPECT_EQ(value, L"4294967295");
}
