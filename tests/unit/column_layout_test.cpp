// The column layout: visible columns, widths as laid out, repair of a broken
// order, and the operations that change and save the layout.
#include <climits>

#include "grid/Columns.h"
#include "grid/VisibleRows.h"
#include "grid_test_support.h"

namespace {

using Order = std::array<int, kColumnCount>;

class ColumnLayoutTest : public GridRowsTest {};

TEST_F(ColumnLayoutTest, VisibleColumnsFollowOrderAndFlags) {
    g_settings.columnOrder = {2, 0, 1, 3, 4, 5, 6, 7, 8, 9};
    g_settings.columnVisible[0] = false;
    g_settings.columnVisible[5] = false;
    g_settings.columnWidths[2] = 300;
    std::array<int, kColumnCount> ids{}, widths{};
    widths.fill(-777);
    const int count = GetVisibleColumns(ids, widths);
    ASSERT_EQ(count, 8);
    EXPECT_EQ(std::vector<int>(ids.begin(), ids.begin() + count), (std::vector<int>{2, 1, 3, 4, 6, 7, 8, 9}));
    EXPECT_EQ(widths[2], 300);
    EXPECT_EQ(widths[1], 200);
    EXPECT_EQ(widths[9], 130);
    EXPECT_EQ(widths[0], -777);  // hidden columns are not filled
    EXPECT_EQ(widths[5], -777);
    EXPECT_EQ(GetVisibleColumns().count, 8);
}

TEST_F(ColumnLayoutTest, HandEditedWidthsAreLaidOutUsableAndStayStored) {
    struct Case {
        int stored;
        int laidOut;
    };
    const Case cases[] = {{0, 24}, {-50, 24}, {23, 24}, {24, 24}, {25, 25}, {INT_MAX, kMaxLayoutColumnWidth}};
    for (const Case& c : cases) {
        g_settings.columnWidths[ColumnId::Url] = c.stored;
        EXPECT_EQ(GetColumnWidth(ColumnId::Url), c.laidOut) << c.stored;
        EXPECT_EQ(GetVisibleColumns().widths[ColumnId::Url], c.laidOut) << c.stored;
        EXPECT_EQ(g_settings.columnWidths[ColumnId::Url], c.stored);
    }
    EXPECT_EQ(GetColumnWidth(10), 80);
    EXPECT_EQ(GetColumnWidth(-1), 80);
}

TEST(ColumnOrderRepair, KeepsFirstOccurrencesAndAppendsTheMissingInOrder) {
    struct Case {
        Order stored;
        Order repaired;
        bool changed;
    };
    const Case cases[] = {
        {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, false},
        {{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, false},
        {{0, 0, 1, 2, 3, 4, 5, 6, 7, 8}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, true},
        {{3, 3, 3, 3, 3, 3, 3, 3, 3, 3}, {3, 0, 1, 2, 4, 5, 6, 7, 8, 9}, true},
        {{-1, 10, 2, 1, 99, 0, 5, 5, INT_MIN, 7}, {2, 1, 0, 5, 7, 3, 4, 6, 8, 9}, true},
        {{9, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {9, 1, 2, 3, 4, 5, 6, 7, 8, 0}, true},
        {{INT_MAX, INT_MAX, 4, 4, 4, 4, 4, 4, 4, 4}, {4, 0, 1, 2, 3, 5, 6, 7, 8, 9}, true},
    };
    for (const Case& c : cases) {
        Order order = c.stored;
        EXPECT_EQ(RepairColumnOrder(order), c.changed) << testing::PrintToString(c.stored);
        EXPECT_EQ(order, c.repaired) << testing::PrintToString(c.stored);
    }
}

TEST_F(ColumnLayoutTest, ABrokenStoredOrderIsRepairedWhereTheLayoutIsRead) {
    g_settings.columnOrder = {12, -3, 1, 1, 0, 0, 0, 0, 0, 0};
    g_settings.columnVisible[3] = false;
    VisibleColumns columns = GetVisibleColumns();
    EXPECT_EQ(g_settings.columnOrder, (Order{1, 0, 2, 3, 4, 5, 6, 7, 8, 9}));
    ASSERT_EQ(columns.count, 9);
    EXPECT_EQ(std::vector<int>(columns.ids.begin(), columns.ids.begin() + 9),
              (std::vector<int>{1, 0, 2, 4, 5, 6, 7, 8, 9}));

    g_settings.columnOrder = {5, 5, 5, 5, 5, 5, 5, 5, 5, 5};
    MoveColumn(0, 2);  // moves the repaired order, never the broken one
    EXPECT_EQ(g_settings.columnOrder, (Order{0, 5, 1, 2, 3, 4, 6, 7, 8, 9}));
}

TEST_F(ColumnLayoutTest, ToggleNeverHidesTheLastVisibleColumn) {
    ToggleColumnVisible(ColumnId::Tags);
    EXPECT_FALSE(g_settings.columnVisible[ColumnId::Tags]);
    EXPECT_TRUE(SettingsFileExists());
    ToggleColumnVisible(ColumnId::Tags);
    EXPECT_TRUE(g_settings.columnVisible[ColumnId::Tags]);

    g_settings.columnVisible.fill(false);
    g_settings.columnVisible[ColumnId::Url] = true;
    DeleteFileW(SettingsFilePath().c_str());
    for (int column : {static_cast<int>(ColumnId::Url), 10, -1}) {
        ToggleColumnVisible(column);
        EXPECT_TRUE(g_settings.columnVisible[ColumnId::Url]);
        EXPECT_EQ(std::count(g_settings.columnVisible.begin(), g_settings.columnVisible.end(), true), 1);
        EXPECT_FALSE(SettingsFileExists()) << "column " << column;  // nothing written
    }
    ToggleColumnVisible(ColumnId::Title);  // showing another one is allowed
    EXPECT_TRUE(g_settings.columnVisible[ColumnId::Title]);
    EXPECT_TRUE(SettingsFileExists());
}

TEST_F(ColumnLayoutTest, ShowAllResetOrderAndResetWidthsSave) {
    g_settings.columnVisible = {false, true, false, true, false, true, false, true, false, true};
    ShowAllColumns();
    EXPECT_EQ(std::count(g_settings.columnVisible.begin(), g_settings.columnVisible.end(), true), 10);
    LoadSettings();
    EXPECT_EQ(std::count(g_settings.columnVisible.begin(), g_settings.columnVisible.end(), true), 10);

    g_settings.columnOrder = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    ResetColumnOrder();
    EXPECT_EQ(g_settings.columnOrder, (Order{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    g_settings.columnOrder = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    LoadSettings();
    EXPECT_EQ(g_settings.columnOrder, (Order{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));

    g_settings.columnWidthsValid = true;
    g_settings.columnWidths[ColumnId::Title] = 333;
    ResetColumnWidths();  // without a grid there is nothing to measure
    EXPECT_FALSE(g_settings.columnWidthsValid);
    EXPECT_EQ(g_settings.columnWidths[ColumnId::Title], 333);
    g_settings.columnWidthsValid = true;
    LoadSettings();
    EXPECT_FALSE(g_settings.columnWidthsValid);
}

TEST_F(ColumnLayoutTest, MoveColumnBetweenVisibleSlots) {
    const Order identity{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    struct Case {
        const char* name;
        int hidden;  // a ColumnId to hide, or -1
        int from;
        int to;
        Order after;
    };
    const Case cases[] = {
        {"first onto the slot right after it", -1, 0, 1, identity},
        {"first onto its own slot", -1, 0, 0, identity},
        {"first after the second", -1, 0, 2, {1, 0, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"second before the first", -1, 1, 0, {1, 0, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"last to the front", -1, 9, 0, {9, 0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"first to the end", -1, 0, 10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}},
        {"a slot past the end is the end", -1, 0, 99, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}},
        {"a negative slot is the front", -1, 3, -5, {3, 0, 1, 2, 4, 5, 6, 7, 8, 9}},
        {"from before the first column", -1, -1, 3, identity},
        {"from past the last column", -1, 10, 3, identity},
        {"URL to the front with Title hidden", ColumnId::Title, 1, 0, {2, 0, 1, 3, 4, 5, 6, 7, 8, 9}},
        {"# past URL with Title hidden", ColumnId::Title, 0, 2, {1, 2, 0, 3, 4, 5, 6, 7, 8, 9}},
        {"from is counted among visible ones", ColumnId::Id, 8, 0, {0, 9, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"the count of visible slots bounds from", ColumnId::Id, 9, 0, identity},
    };
    for (const Case& c : cases) {
        Reset();
        if (c.hidden >= 0) g_settings.columnVisible[c.hidden] = false;
        MoveColumn(c.from, c.to);
        EXPECT_EQ(g_settings.columnOrder, c.after) << c.name;
        EXPECT_EQ(SettingsFileExists(), c.after != identity) << c.name;  // saved only when moved
    }
}

TEST_F(ColumnLayoutTest, MoveColumnRebuildsTheRows) {
    AddGroup(L"G", {L"https://a/", L"https://b/"});
    MoveColumn(0, 2);
    EXPECT_EQ(VisibleUrls(), (std::vector<std::wstring>{L"https://a/", L"https://b/"}));
}

TEST_F(ColumnLayoutTest, AutoSizeNeedsTheGrid) {
    g_settings.columnWidths[ColumnId::Title] = 5;
    g_settings.columnWidths[ColumnId::Tags] = 7;
    AutoSizeColumns();
    EXPECT_EQ(g_settings.columnWidths[ColumnId::Title], 5);
    EXPECT_EQ(g_settings.columnWidths[ColumnId::Tags], 7);
}

}  // namespace
