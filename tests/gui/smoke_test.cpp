#include <gtest/gtest.h>
#include <windows.h>

TEST(GuiSmoke, DisplayIsAvailable) { EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0); }
