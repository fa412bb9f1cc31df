#include <gtest/gtest.h>

#include "GuiFixture.h"
#include "grid/RowTextCache.h"

// After a catalogue change the folded texts that searching needs are built
// again on their own once the program is idle, not by the next keystroke.
TEST_F(MainWindowTest, SearchTextsAreRebuiltWhileIdleAfterAChange) {
    StartWindow();
    ASSERT_NE(g_gridWindow, nullptr);
    AddUrlToGroup(DefaultGroupId(), L"https://warm.example");  // refreshes the grid
    EXPECT_EQ(g_grid.rowTexts, nullptr);
    ASSERT_TRUE(PumpUntil([] { return g_grid.rowTexts != nullptr; }, 3000));
    const RowTextCache& texts = *g_grid.rowTexts;
    ASSERT_EQ(texts.entries.size(), 1u);
    EXPECT_EQ(texts.Url(texts.entries[0]), L"https://warm.example");
}
