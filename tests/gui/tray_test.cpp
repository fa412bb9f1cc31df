#include <gtest/gtest.h>

#include "GuiFixture.h"
#include "app/Tray.h"

namespace {

// Asks the shell itself whether it holds the program's icon: a change to an
// icon it does not know fails.
bool ShellHoldsIcon(HWND window) {
    NOTIFYICONDATAW probe{};
    probe.cbSize = sizeof probe;
    probe.hWnd = window;
    probe.uID = kTrayIconId;
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

std::wstring Units(size_t n, wchar_t c) { return std::wstring(n, c); }

}  // namespace

TEST_F(MainWindowTest, TrayIconIsAddedOnceAndBalloonsNeedIt) {
    StartWindow();
    ASSERT_TRUE(TrayIconPresent());
    EXPECT_TRUE(ShellHoldsIcon(g_mainWindow));
    AddTrayIcon(g_mainWindow);  // a second call changes nothing
    EXPECT_TRUE(TrayIconPresent());
    ShowTrayBalloon(std::wstring(200, L'T'), std::wstring(5000, L'x'), nullptr);  // over-long fields are cut
    EXPECT_EQ(std::wstring(LastTrayBalloon().szInfoTitle), std::wstring(60, L'T') + L"...");
    EXPECT_EQ(std::wstring(LastTrayBalloon().szInfo), std::wstring(252, L'x') + L"...");
    RemoveTrayIcon();
    EXPECT_FALSE(TrayIconPresent());
    EXPECT_FALSE(ShellHoldsIcon(g_mainWindow));
    ShowTrayBalloon(L"Vantrelix", L"nobody sees this", nullptr);  // no icon: nothing happens
    EXPECT_EQ(std::wstring(LastTrayBalloon().szInfo), std::wstring(252, L'x') + L"...");
    AddTrayIcon(g_mainWindow);
    EXPECT_TRUE(TrayIconPresent());
    EXPECT_TRUE(ShellHoldsIcon(g_mainWindow));
}

TEST(TrayRecords, IconRecordCarriesTheCallbackAndATipCutToItsField) {
    HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    HWND owner = reinterpret_cast<HWND>(0x1234);
    NOTIFYICONDATAW data = BuildTrayIconData(owner, icon, L"Vantrelix v1.3.5");
    EXPECT_EQ(data.cbSize, sizeof(NOTIFYICONDATAW));
    EXPECT_EQ(data.hWnd, owner);
    EXPECT_EQ(data.uID, kTrayIconId);
    EXPECT_EQ(data.uFlags, (UINT)(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(data.uCallbackMessage, WM_TRAY_NOTIFY);
    EXPECT_EQ(data.hIcon, icon);
    EXPECT_EQ(data.uVersion, 0u);
    EXPECT_EQ(std::wstring(data.szTip), L"Vantrelix v1.3.5");

    struct Case {
        const char* name;
        std::wstring tip, shown;
    };
    const Case cases[] = {
        {"fits exactly", Units(kTrayTipMax, L'a'), Units(kTrayTipMax, L'a')},
        {"one too long", Units(kTrayTipMax + 1, L'b'), Units(kTrayTipMax - 3, L'b') + L"..."},
        {"far too long", Units(5000, L'c'), Units(kTrayTipMax - 3, L'c') + L"..."},
        {"pair at the cut", Units(kTrayTipMax - 4, L'd') + L"\xD83D\xDE00" + Units(10, L'd'),
         Units(kTrayTipMax - 4, L'd') + L"..."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NOTIFYICONDATAW cut = BuildTrayIconData(owner, icon, c.tip);
        EXPECT_EQ(std::wstring(cut.szTip), c.shown);
    }
}

TEST(TrayRecords, BalloonRecordAddsInfoFieldsCutToTheirSizes) {
    NOTIFYICONDATAW icon = BuildTrayIconData(reinterpret_cast<HWND>(0x1234), nullptr, L"tip");
    HICON balloonIcon = LoadIconW(nullptr, IDI_WARNING);
    struct Case {
        const char* name;
        std::wstring title, text;
        HICON balloonIcon;
        std::wstring shownTitle, shownText;
        DWORD kind;
    };
    const Case cases[] = {
        {"short, information icon", L"Vantrelix", L"New URL captured:\nhttps://a.example", nullptr,
         L"Vantrelix", L"New URL captured:\nhttps://a.example", NIIF_INFO},
        {"own icon", L"Reminder", L"https://b.example", balloonIcon, L"Reminder", L"https://b.example",
         NIIF_USER},
        {"exactly the field sizes", Units(kBalloonTitleMax, L't'), Units(kBalloonTextMax, L'x'), nullptr,
         Units(kBalloonTitleMax, L't'), Units(kBalloonTextMax, L'x'), NIIF_INFO},
        {"over the field sizes", Units(200, L't'), Units(5000, L'x'), nullptr,
         Units(kBalloonTitleMax - 3, L't') + L"...", Units(kBalloonTextMax - 3, L'x') + L"...", NIIF_INFO},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NOTIFYICONDATAW b = BuildBalloonData(icon, c.title, c.text, c.balloonIcon);
        EXPECT_EQ(b.uFlags, (UINT)(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO));
        EXPECT_EQ(std::wstring(b.szInfoTitle), c.shownTitle);
        EXPECT_EQ(std::wstring(b.szInfo), c.shownText);
        EXPECT_EQ(b.dwInfoFlags, c.kind);
        EXPECT_EQ(b.hBalloonIcon, c.balloonIcon);
        // Everything else is the icon's own record.
        EXPECT_EQ(b.hWnd, icon.hWnd);
        EXPECT_EQ(b.uID, icon.uID);
        EXPECT_EQ(b.uCallbackMessage, icon.uCallbackMessage);
        EXPECT_EQ(std::wstring(b.szTip), L"tip");
    }
}

// A restarted shell knows no icons and broadcasts "TaskbarCreated"; any
// program can broadcast it too, while the shell still holds the icon.
TEST_F(MainWindowTest, TaskbarCreatedPutsTheIconIntoTheShellAgain) {
    StartWindow();
    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    ASSERT_NE(taskbarCreated, 0u);
    struct Case {
        const char* name;
        bool shellLostIcon;
    };
    for (const Case& c : {Case{"restarted shell", true}, Case{"broadcast by someone else", false}}) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(ShellHoldsIcon(g_mainWindow));
        if (c.shellLostIcon) {
            NOTIFYICONDATAW gone{};
            gone.cbSize = sizeof gone;
            gone.hWnd = g_mainWindow;
            gone.uID = kTrayIconId;
            ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone));
            ASSERT_FALSE(ShellHoldsIcon(g_mainWindow));
        }
        SendMessageW(g_mainWindow, taskbarCreated, 0, 0);
        EXPECT_TRUE(TrayIconPresent());
        EXPECT_TRUE(ShellHoldsIcon(g_mainWindow));
        // Balloons reach the new icon.
        const std::wstring text(c.name, c.name + strlen(c.name));
        ShowTrayBalloon(L"Vantrelix", text, nullptr);
        EXPECT_EQ(std::wstring(LastTrayBalloon().szInfo), text);
    }
}
