// The text of every cell, as shown, searched, sorted and exported.
#include "grid/Columns.h"
#include "grid/VisibleRows.h"
#include "grid_test_support.h"

namespace {

class CellTextTest : public GridRowsTest {};

const std::wstring kFull = L"https://full.example/";
const std::wstring kBare = L"https://bare.example/";

TEST_F(CellTextTest, EveryColumnOfAFullAndABareUrl) {
    g_app.titles[kFull] = L"Full page";
    g_app.urlTags[kFull] = {L"b", L"a"};
    g_app.createdAt[kFull] = L"2024-01-02 03:04:05";
    g_app.updatedAt[kFull] = L"2024-02-03 04:05:06";
    g_app.validationStatus[kFull] = L"\x2714 200";
    g_app.openCounts[kFull] = 12;
    g_app.lastOpenedAt[kFull] = L"2024-03-04 05:06:07";
    g_app.reminderDates[kFull] = L"2024-06-01 09:30";
    g_app.reminderActions[kFull] = ReminderAction::Open;
    g_app.reminderRepeats[kFull] = ReminderRepeat::Daily;
    struct Case {
        const std::wstring* url;
        int column;
        int row;
        std::wstring text;
    };
    const Case cases[] = {
        {&kFull, ColumnId::Id, 2, L"3"},
        {&kFull, ColumnId::Id, 0, L"1"},
        {&kFull, ColumnId::Id, -1, L"0"},
        {&kFull, ColumnId::Id, -7, L"0"},
        {&kFull, ColumnId::Title, -1, L"Full page"},
        {&kFull, ColumnId::Url, -1, kFull},
        {&kFull, ColumnId::Tags, -1, L"b, a"},
        {&kFull, ColumnId::Created, -1, L"2024-01-02 03:04:05"},
        {&kFull, ColumnId::Updated, -1, L"2024-02-03 04:05:06"},
        {&kFull, ColumnId::Valid, -1, L"\x2714 200"},
        {&kFull, ColumnId::Opens, -1, L"12"},
        {&kFull, ColumnId::LastOpened, -1, L"2024-03-04 05:06:07"},
        {&kFull, ColumnId::Reminder, -1, L"2024-06-01 09:30 [Open] \U0001F501Daily"},
        {&kFull, 10, -1, L""},
        {&kFull, -1, -1, L""},
        {&kBare, ColumnId::Title, -1, kBare},
        {&kBare, ColumnId::Tags, -1, L""},
        {&kBare, ColumnId::Created, -1, L""},
        {&kBare, ColumnId::Updated, -1, L""},
        {&kBare, ColumnId::Valid, -1, L""},
        {&kBare, ColumnId::Opens, -1, L"0"},
        {&kBare, ColumnId::LastOpened, -1, L""},
        {&kBare, ColumnId::Reminder, -1, L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetCellText(*c.url, c.column, c.row), c.text)
            << testing::PrintToString(*c.url) << " column " << c.column << " row " << c.row;
}

TEST_F(CellTextTest, EmptyTitleShowsTheUrlAndNegativeCountsShowAsStored) {
    g_app.titles[kBare] = L"";
    g_app.openCounts[kBare] = -3;
    g_app.urlTags[kBare] = {};
    EXPECT_EQ(GetCellText(kBare, ColumnId::Title, -1), kBare);
    EXPECT_EQ(GetCellText(kBare, ColumnId::Opens, -1), L"-3");
    EXPECT_EQ(GetCellText(kBare, ColumnId::Tags, -1), L"");
    g_app.urlTags[kBare] = {L"only"};
    EXPECT_EQ(GetCellText(kBare, ColumnId::Tags, -1), L"only");
}

TEST_F(CellTextTest, ReminderSuffixes) {
    const std::wstring due = L"2024-06-01 09:30";
    const int none = -1;  // no map entry
    struct Case {
        int action;
        int repeat;
        std::wstring suffix;
    };
    const Case cases[] = {
        {none, none, L" [Notify]"},
        {0, 0, L" [Notify]"},
        {1, none, L" [Open]"},
        {2, none, L" [Both]"},
        {7, none, L" [Notify]"},
        {0, 1, L" [Notify] \U0001F501Daily"},
        {2, 2, L" [Both] \U0001F501Weekly"},
        {1, 3, L" [Open] \U0001F501Monthly"},
        {1, 9, L" [Open]"},
    };
    for (const Case& c : cases) {
        g_app = AppState{};
        g_app.reminderDates[kFull] = due;
        if (c.action != none) g_app.reminderActions[kFull] = static_cast<ReminderAction>(c.action);
        if (c.repeat != none) g_app.reminderRepeats[kFull] = static_cast<ReminderRepeat>(c.repeat);
        EXPECT_EQ(GetCellText(kFull, ColumnId::Reminder, -1), due + c.suffix)
            << "action " << c.action << " repeat " << c.repeat;
    }
    // The symbol is one character outside the basic plane: two code units.
    EXPECT_EQ(std::wstring(L"\U0001F501"), std::wstring(L"\xD83D\xDD01"));
    g_app.reminderDates[kFull] = L"";  // an empty due text is no reminder
    EXPECT_EQ(GetCellText(kFull, ColumnId::Reminder, -1), L"");
}

TEST_F(CellTextTest, RowCellTextUsesTheVisibleRow) {
    AddGroup(L"G", {L"https://a/", L"https://b/", L"https://c/"});
    g_app.titles[L"https://c/"] = L"Third";
    RebuildVisibleRows();
    EXPECT_EQ(GetRowCellText(2, ColumnId::Id), L"3");
    EXPECT_EQ(GetRowCellText(2, ColumnId::Title), L"Third");
    EXPECT_EQ(GetRowCellText(0, ColumnId::Url), L"https://a/");
    EXPECT_EQ(GetRowCellText(3, ColumnId::Url), L"");
    EXPECT_EQ(GetRowCellText(-1, ColumnId::Url), L"");
}

TEST(ColumnTable, TitlesAndWidthsByColumnId) {
    const wchar_t* titles[] = {L"#",       L"Title", L"URL",        L"Tags",        L"Created",
                               L"Updated", L"Valid", L"Open Count", L"Last Opened", L"Reminder"};
    const Settings defaults;
    int fixedSum = 0;
    for (int id = 0; id < kColumnCount; ++id) {
        EXPECT_EQ(kColumnTable[id].id, id);
        EXPECT_STREQ(kColumnTable[id].title, titles[id]);
        EXPECT_STREQ(ColumnTitle(id), titles[id]);
        EXPECT_EQ(kColumnTable[id].defaultWidth, defaults.columnWidths[id]) << id;
        if (id != ColumnId::Title && id != ColumnId::Url) {
            EXPECT_EQ(kColumnTable[id].autoWidth, kColumnTable[id].defaultWidth) << id;
            fixedSum += kColumnTable[id].autoWidth;
        }
    }
    EXPECT_EQ(fixedSum, kFixedAutoWidthSum);
    EXPECT_STREQ(ColumnTitle(10), L"");
}

}  // namespace
