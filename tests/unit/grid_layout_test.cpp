// Grid geometry without a window: lines per page, hit testing of the header
// and the lines, the column edge grab zone, drop slots and scroll clamping.
#include <gtest/gtest.h>

#include "grid/GridInternal.h"

namespace {

// Three columns: [0,40) [40,240) [240,340).
GridColumnLayout ThreeColumns() {
    const int ids[] = {0, 1, 2};
    const int widths[] = {40, 200, 100};
    return MakeColumnLayout(ids, widths, 3);
}

TEST(GridLayoutTest, LinesPerPageNeverBelowOne) {
    struct Case {
        int clientHeight;
        int expected;
    } cases[] = {{100, 3}, {20, 1}, {0, 1}, {28 + 24, 1}, {28 + 24 * 10 - 1, 9}, {28 + 24 * 10, 10}};
    for (const Case& c : cases) EXPECT_EQ(LinesPerPage(c.clientHeight), c.expected) << c.clientHeight;
}

TEST(GridLayoutTest, HitTestHeaderAndLines) {
    const GridColumnLayout layout = ThreeColumns();
    struct Case {
        const char* name;
        int x, y, scrollX, topLine, lineCount;
        bool header;
        int headerPos, line;
    } cases[] = {
        {"top of header, first column", 0, 0, 0, 0, 10, true, 0, -1},
        {"y 28 is still header", 39, 28, 0, 0, 10, true, 0, -1},
        {"column boundary belongs to the right", 40, 10, 0, 0, 10, true, 1, -1},
        {"scrolled header", 10, 10, 235, 0, 10, true, 2, -1},
        {"right of all columns", 400, 10, 0, 0, 10, true, -1, -1},
        {"first line starts below 28", 5, 29, 0, 0, 10, false, -1, 0},
        {"line 1", 5, 28 + 24, 0, 0, 10, false, -1, 1},
        {"line offset by topLine", 5, 28 + 24 * 2 + 3, 0, 5, 10, false, -1, 7},
        {"below the last line", 5, 28 + 24 * 3, 0, 0, 3, false, -1, -1},
        {"no lines at all", 5, 40, 0, 0, 0, false, -1, -1},
    };
    for (const Case& c : cases) {
        const GridHit hit = HitTestGrid(layout, c.x, c.y, c.scrollX, c.topLine, c.lineCount);
        EXPECT_EQ(hit.header, c.header) << c.name;
        EXPECT_EQ(hit.headerPos, c.headerPos) << c.name;
        EXPECT_EQ(hit.line, c.line) << c.name;
    }
}

TEST(GridLayoutTest, EdgeGrabZoneIsFourPixelsEitherSide) {
    const GridColumnLayout layout = ThreeColumns();
    struct Case {
        int contentX;
        int expected;
    } cases[] = {{35, -1}, {36, 0}, {40, 0}, {44, 0}, {45, -1}, {236, 1}, {244, 1}, {340, 2}, {344, 2}, {345, -1},
                 {100, -1}};
    for (const Case& c : cases) EXPECT_EQ(ResizeEdgeAt(layout, c.contentX), c.expected) << c.contentX;
}

TEST(GridLayoutTest, NarrowColumnsGrabTheFirstMatchingEdge) {
    // Two 6-pixel columns: both edges are within reach of x = 9; the first wins.
    const int ids[] = {0, 1};
    const int widths[] = {6, 6};
    const GridColumnLayout layout = MakeColumnLayout(ids, widths, 2);
    EXPECT_EQ(ResizeEdgeAt(layout, 9), 0);
    EXPECT_EQ(ResizeEdgeAt(layout, 11), 1);
}

TEST(GridLayoutTest, ColumnDropSlotIsFirstMiddleRightOfPointer) {
    const GridColumnLayout layout = ThreeColumns();  // middles 20, 140, 290
    struct Case {
        int contentX;
        int expected;
    } cases[] = {{-50, 0}, {19, 0}, {20, 1}, {139, 1}, {140, 2}, {289, 2}, {290, 3}, {1000, 3}};
    for (const Case& c : cases) EXPECT_EQ(ColumnDropSlotAt(layout, c.contentX), c.expected) << c.contentX;
}

TEST(GridLayoutTest, LayoutSumsWidthsInDisplayOrder) {
    const GridColumnLayout layout = ThreeColumns();
    EXPECT_EQ(layout.totalWidth, 340);
    EXPECT_EQ(layout.lefts[2], 240);
    EXPECT_EQ(layout.Right(1), 240);
}

TEST(GridLayoutTest, TopLineClamping) {
    struct Case {
        const char* name;
        int topLine, lineCount, perPage, expected;
    } cases[] = {
        {"10 lines, page 4: at most 6", 9, 10, 4, 6},
        {"in range stays", 3, 10, 4, 3},
        {"fewer lines than a page: 0", 5, 3, 4, 0},
        {"negative becomes 0", -3, 10, 4, 0},
        {"no lines", 2, 0, 4, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ClampTopLine(c.topLine, c.lineCount, c.perPage), c.expected) << c.name;
}

TEST(GridLayoutTest, ScrollXClamping) {
    struct Case {
        int scrollX, total, client, expected;
    } cases[] = {{500, 1000, 600, 400}, {100, 1000, 600, 100}, {-5, 1000, 600, 0}, {50, 300, 600, 0}};
    for (const Case& c : cases) EXPECT_EQ(ClampScrollX(c.scrollX, c.total, c.client), c.expected);
}

TEST(GridLayoutTest, TopLineShowingMovesAsLittleAsPossible) {
    struct Case {
        const char* name;
        int line, topLine, perPage, expected;
    } cases[] = {
        {"below the page: last full line", 20, 5, 4, 17},
        {"just below", 9, 5, 4, 6},
        {"above the page: top line", 2, 5, 4, 2},
        {"visible: unchanged", 7, 5, 4, 5},
        {"last visible: unchanged", 8, 5, 4, 5},
        {"no line: unchanged", -1, 5, 4, 5},
    };
    for (const Case& c : cases) EXPECT_EQ(TopLineShowing(c.line, c.topLine, c.perPage), c.expected) << c.name;
}

TEST(GridLayoutTest, DropGoesAfterInTheLowerHalf) {
    // Line 2 with topLine 1 spans y 52..75; its middle is y 64.
    EXPECT_FALSE(DropGoesAfter(52, 2, 1));
    EXPECT_FALSE(DropGoesAfter(64, 2, 1));
    EXPECT_TRUE(DropGoesAfter(65, 2, 1));
    EXPECT_TRUE(DropGoesAfter(75, 2, 1));
}

}  // namespace
