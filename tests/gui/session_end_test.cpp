#include <gtest/gtest.h>

#include "GuiFixture.h"
#include "model/AppState.h"
#include "settings/Settings.h"

// Windows may end the process at log-off without WM_DESTROY: both session
// messages save what closing the window saves.
TEST_F(MainWindowTest, LogOffAndShutDownSaveCatalogueAndSettings) {
    StartWindow();
    struct Case {
        const char* name;
        UINT message;
        WPARAM wParam;
        LRESULT answer;
    };
    const Case cases[] = {
        {"asked whether the session may end", WM_QUERYENDSESSION, 0, TRUE},
        {"told that the session ends", WM_ENDSESSION, TRUE, 0},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::wstring url = L"https://session" + std::to_wstring(n++) + L".example";
        AddUrlToGroup(DefaultGroupId(), url);
        g_settings.zebraColumns = !g_settings.zebraColumns;
        ASSERT_EQ(StoredUrlCount(dbPath_, url), 0);

        EXPECT_EQ(SendMessageW(g_mainWindow, c.message, c.wParam, ENDSESSION_LOGOFF), c.answer);
        EXPECT_EQ(StoredUrlCount(dbPath_, url), 1);
        EXPECT_EQ(GetPrivateProfileIntW(L"General", L"ZebraColumns", -1, SettingsFilePath().c_str()),
                  g_settings.zebraColumns ? 1 : 0);
        EXPECT_TRUE(IsWindow(g_mainWindow));  // the process goes on until Windows ends it
    }
}
