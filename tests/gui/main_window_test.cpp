#include <gtest/gtest.h>

#include "GuiFixture.h"
#include "app/Tray.h"
#include "capture/ClipboardCapture.h"
#include "storage/Database.h"

TEST_F(MainWindowTest, StartsWithCaptionTrayAndDefaultGroup) {
    StartWindow();
    wchar_t caption[512];
    GetWindowTextW(g_mainWindow, caption, 512);
    // The path is shown whole when it fits, else shortened around an ellipsis.
    const std::wstring prefix = L"Vantrelix v1.3.5 - ", shown = std::wstring(caption).substr(prefix.size());
    EXPECT_EQ(std::wstring(caption).rfind(prefix, 0), 0u);
    if (shown != dbPath_) {
        EXPECT_NE(shown.find(L"..."), std::wstring::npos);
        EXPECT_EQ(shown.substr(shown.size() - 13), L"\\catalogue.db");
    }
    EXPECT_TRUE(IsWindowVisible(g_mainWindow));
    EXPECT_TRUE(TrayIconPresent());
    ASSERT_EQ(g_app.groups.size(), 1u);
    EXPECT_EQ(g_app.groups[0].name, L"Uncategorized");
    EXPECT_EQ(GetWindowLongW(g_mainWindow, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
    // The database was created on the first load.
    EXPECT_NE(GetFileAttributesW(dbPath_.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(MainWindowTest, DefaultPlacementIsCentredInTheWorkArea) {
    StartWindow();
    RECT r, work;
    GetWindowRect(g_mainWindow, &r);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT client;
    GetClientRect(g_mainWindow, &client);
    EXPECT_EQ(client.right, 600);
    EXPECT_EQ(client.bottom, 400);
    EXPECT_NEAR((r.left + r.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, (work.top + work.bottom) / 2, 1);
}

TEST_F(MainWindowTest, OpensAtTheRecordedRectangleAndTracksMoves) {
    g_settings.windowRect = RECT{100, 80, 740, 560};
    g_settings.windowRectKnown = true;
    g_settings.alwaysOnTop = false;
    StartWindow();
    RECT r;
    GetWindowRect(g_mainWindow, &r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 80);
    EXPECT_EQ(r.right - r.left, 640);
    EXPECT_EQ(GetWindowLongW(g_mainWindow, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    SetWindowPos(g_mainWindow, nullptr, 150, 120, 700, 500, SWP_NOZORDER);
    PumpFor(100);
    EXPECT_EQ(g_settings.windowRect.left, 150);
    EXPECT_EQ(g_settings.windowRect.right, 850);
}

TEST_F(MainWindowTest, StartsHiddenWhenAskedAndHotkeyTogglesVisibility) {
    g_settings.startVisible = false;
    StartWindow();
    EXPECT_FALSE(IsWindowVisible(g_mainWindow));
    SendMessageW(g_mainWindow, WM_HOTKEY, HOTKEY_SHOW_HIDE, 0);
    PumpFor(100);
    EXPECT_TRUE(IsWindowVisible(g_mainWindow));
    // Shown centred on the primary screen: no rectangle was ever recorded.
    RECT r;
    GetWindowRect(g_mainWindow, &r);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    SendMessageW(g_mainWindow, WM_HOTKEY, HOTKEY_SHOW_HIDE, 0);
    EXPECT_FALSE(IsWindowVisible(g_mainWindow));
    EXPECT_TRUE(g_settings.windowRectKnown);
    SendMessageW(g_mainWindow, WM_HOTKEY, 7, 0);  // some other hotkey id
    EXPECT_FALSE(IsWindowVisible(g_mainWindow));
}

TEST_F(MainWindowTest, MinimisingHidesToTrayAndDoubleClickBringsItBack) {
    StartWindow();
    RECT before;
    GetWindowRect(g_mainWindow, &before);
    ShowWindow(g_mainWindow, SW_MINIMIZE);
    PumpFor(100);
    EXPECT_FALSE(IsWindowVisible(g_mainWindow));
    SendMessageW(g_mainWindow, WM_TRAY_NOTIFY, 1, WM_LBUTTONDBLCLK);
    PumpFor(100);
    EXPECT_TRUE(IsWindowVisible(g_mainWindow));
    EXPECT_FALSE(IsIconic(g_mainWindow));
    RECT after;
    GetWindowRect(g_mainWindow, &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
}

TEST_F(MainWindowTest, ClosingSavesCatalogueAndSettingsAndRemovesTheIcon) {
    StartWindow();
    AddUrlToGroup(DefaultGroupId(), L"https://kept.example");
    CloseWindow();
    EXPECT_EQ(g_mainWindow, nullptr);
    EXPECT_FALSE(TrayIconPresent());
    g_app = AppState{};
    DefaultGroupId();
    LoadCatalogue();
    EXPECT_EQ(g_app.allUrls.count(L"https://kept.example"), 1u);
    // A settings file the program creates is UTF-16 with a byte-order mark.
    std::string ini = FileBytes(SettingsFilePath());
    std::wstring text(reinterpret_cast<const wchar_t*>(ini.data()), ini.size() / 2);
    EXPECT_EQ(text.find(L"\xFEFF[General]"), 0u);
    EXPECT_NE(text.find(L"[Window]\r\nValid=1"), std::wstring::npos);
}

TEST_F(MainWindowTest, NotADatabaseFileIsLeftUntouched) {
    const std::string junk = "this is a text file, not a database\n";
    {
        HANDLE f = CreateFileW(dbPath_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written;
        WriteFile(f, junk.data(), (DWORD)junk.size(), &written, nullptr);
        CloseHandle(f);
    }
    StartWindow();
    ASSERT_EQ(g_app.groups.size(), 1u);
    EXPECT_EQ(g_app.groups[0].name, L"Uncategorized");
    ASSERT_TRUE(SetClipboardText(nullptr, L"https://new.example"));
    // The capture really happened (and would have saved) before the file is
    // looked at.
    ASSERT_TRUE(PumpUntil([] { return g_app.allUrls.count(L"https://new.example") == 1; }));
    CloseWindow();
    EXPECT_EQ(FileBytes(dbPath_), junk);
}

TEST_F(MainWindowTest, AStartThatCannotRegisterItsWindowClassEndsWithAFailureCode) {
    // The fixture has registered the class already, so the program's own
    // registration fails as it would on a broken system.
    EXPECT_EQ(RunVantrelix(GetModuleHandleW(nullptr)), kExitStartFailed);
    EXPECT_NE(kExitStartFailed, 0);
    EXPECT_EQ(g_mainWindow, nullptr);
}
