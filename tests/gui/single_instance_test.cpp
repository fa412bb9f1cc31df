#include <gtest/gtest.h>

#include "GuiFixture.h"
#include "app/SingleInstance.h"

// The running copy's side of a second start: the question names the
// executable it was started from; only the window of that executable comes
// forward, wherever it was put away.
TEST_F(MainWindowTest, ASecondStartOfTheSameFileBringsTheWindowForward) {
    g_settings.startVisible = false;
    StartWindow();
    ASSERT_FALSE(IsWindowVisible(g_mainWindow));
    const UINT ask = RegisterWindowMessageW(L"Vantrelix-ShowInstance");
    ASSERT_NE(ask, 0u);

    // A copy from another folder: not us.
    const LPARAM other = static_cast<LPARAM>(ExecutablePathIdentity(L"C:\\Elsewhere\\Vantrelix.exe"));
    EXPECT_EQ(SendMessageW(g_mainWindow, ask, 0, other), 0);
    EXPECT_FALSE(IsWindowVisible(g_mainWindow));

    enum class Away { Hidden, MinimisedToTray, BehindAnotherWindow };
    struct Case {
        const char* name;
        Away away;  // where the window was when the second start came
    };
    for (const Case& c :
         {Case{"started hidden", Away::Hidden}, Case{"minimised to the tray", Away::MinimisedToTray},
          Case{"behind another window", Away::BehindAnotherWindow}}) {
        SCOPED_TRACE(c.name);
        HWND other = nullptr;
        if (c.away == Away::MinimisedToTray) {
            ShowWindow(g_mainWindow, SW_SHOWNORMAL);
            ShowWindow(g_mainWindow, SW_MINIMIZE);
            PumpFor(100);
            ASSERT_FALSE(IsWindowVisible(g_mainWindow));
        } else if (c.away == Away::BehindAnotherWindow) {
            ShowWindow(g_mainWindow, SW_SHOWNORMAL);
            other = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"in front", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                    0, 0, 800, 600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
            ASSERT_NE(other, nullptr);
            SetForegroundWindow(other);
            PumpFor(100);
            ASSERT_EQ(GetForegroundWindow(), other);
        }
        // What the second copy does: find the windows of the class and ask.
        EXPECT_TRUE(AskRunningCopyToShow(WindowClassName(), ThisExecutableIdentity()));
        PumpFor(100);
        EXPECT_TRUE(IsWindowVisible(g_mainWindow));
        EXPECT_FALSE(IsIconic(g_mainWindow));
        EXPECT_EQ(GetForegroundWindow(), g_mainWindow);
        if (other) DestroyWindow(other);
        ShowWindow(g_mainWindow, SW_HIDE);
    }
    EXPECT_FALSE(AskRunningCopyToShow(WindowClassName(), static_cast<uint64_t>(other)));
}
