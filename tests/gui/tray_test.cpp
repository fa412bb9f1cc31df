#include <gtest/gtest.h>

#include "GuiFixture.h"
#include "app/Tray.h"

TEST_F(MainWindowTest, TrayIconIsAddedOnceAndBalloonsNeedIt) {
    StartWindow();
    ASSERT_TRUE(TrayIconPresent());
    AddTrayIcon(g_mainWindow);  // a second call changes nothing
    EXPECT_TRUE(TrayIconPresent());
    ShowTrayBalloon(std::wstring(200, L'T'), std::wstring(5000, L'x'), nullptr);  // over-long fields are cut
    RemoveTrayIcon();
    EXPECT_FALSE(TrayIconPresent());
    ShowTrayBalloon(L"Vantrelix", L"nobody sees this", nullptr);  // no icon: nothing happens
    AddTrayIcon(g_mainWindow);
    EXPECT_TRUE(TrayIconPresent());
}
