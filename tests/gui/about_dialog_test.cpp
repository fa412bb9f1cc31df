// The About box from its dialog resource: what it shows, the ways it closes,
// the link to the product site (opened only for a web address, through a
// recorder in the shell's place) and its colours in both themes.
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "resource.h"
#include "ui/StandardDialogs.h"
#include "ui/WebLink.h"

namespace {

constexpr wchar_t kCaption[] = L"Vantrelix About";

std::vector<std::wstring> g_opened;

bool RecordOpen(HWND, const std::wstring& address) {
    g_opened.push_back(address);
    return true;
}

class AboutDialog : public DialogTest {
   protected:
    void SetUp() override {
        DialogTest::SetUp();
        previous_ = SetShellOpenFunction(RecordOpen);
        g_opened.clear();
    }
    void TearDown() override {
        SetShellOpenFunction(previous_);
        DialogTest::TearDown();
    }

   private:
    ShellOpenFunction previous_ = nullptr;
};

std::vector<std::wstring> StaticTexts(HWND dialog) {
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        if (_wcsicmp(className, L"Static") == 0 && GetDlgCtrlID(child) != IDC_ABOUT_LINK)
            texts.push_back(CaptionOf(child));
    }
    return texts;
}

}  // namespace

TEST_F(AboutDialog, ShowsTheProductAndClosesWithOkEscapeOrTheCloseButton) {
    enum class End { Ok, Enter, Escape, CloseButton };
    for (End end : {End::Ok, End::Enter, End::Escape, End::CloseButton}) {
        SCOPED_TRACE(static_cast<int>(end));
        std::vector<std::wstring> texts;
        bool hasIcon = false;
        DialogAnswer answer(kCaption, [&](HWND dialog) {
            texts = StaticTexts(dialog);
            for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
                    SendMessageW(child, STM_GETICON, 0, 0))
                    hasIcon = true;
            switch (end) {
                case End::Ok:
                    ClickButton(dialog, IDOK);
                    break;
                case End::Enter:
                    PressKey(dialog, VK_RETURN);
                    break;
                case End::Escape:
                    PressKey(dialog, VK_ESCAPE);
                    break;
                case End::CloseButton:
                    ClickCloseButton(dialog);
                    break;
            }
        });
        ShowAboutDialog(nullptr);
        EXPECT_TRUE(answer.answered());
        EXPECT_FALSE(FindThreadDialog(kCaption)) << "the About box is still open";
        ASSERT_GE(texts.size(), 5u);
        EXPECT_EQ(texts[1], L"Vantrelix v1.3.5");
        EXPECT_EQ(texts[2], L"Clipboard URL Manager");
        EXPECT_EQ(texts[3], L"Captures and organizes URLs from your clipboard.");
        EXPECT_TRUE(hasIcon);
    }
}

TEST_F(AboutDialog, LinkShowsTheSiteHostAndOpensOnlyAWebAddress) {
    struct Case {
        const char* name;
        std::wstring site;
        bool linkShown;
        std::wstring host;
        std::vector<std::wstring> opened;
    };
    const Case cases[] = {
        {"https site",
         L"https://vantrelix.example.org/about?from=app",
         true,
         L"vantrelix.example.org",
         {L"https://vantrelix.example.org/about?from=app"}},
        {"http site with a port", L"http://127.0.0.1:8080/", true, L"127.0.0.1", {L"http://127.0.0.1:8080/"}},
        {"no site set", L"", false, L"", {}},
        {"a program is never started", L"C:\\Windows\\System32\\calc.exe", false, L"", {}},
        {"a file address is never opened", L"file:///C:/Windows/notepad.exe", false, L"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_settings.productSite = c.site;
        g_opened.clear();
        bool shown = false, underlined = false, handCursor = false;
        std::wstring host;
        DialogAnswer answer(kCaption, [&](HWND dialog) {
            HWND link = GetDlgItem(dialog, IDC_ABOUT_LINK);
            shown = IsWindowVisible(link);
            host = CaptionOf(link);
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)), sizeof font, &font);
            underlined = font.lfUnderline != 0;
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
            SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            handCursor = GetCursor() == LoadCursorW(nullptr, IDC_HAND);
            // A click on the label: SS_NOTIFY makes it report STN_CLICKED. A
            // hidden label gets the notification sent directly.
            if (shown)
                ClickAt(link, POINT{5, 5});
            else
                SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_LINK, STN_CLICKED),
                             reinterpret_cast<LPARAM>(link));
            ClickButton(dialog, IDOK);
        });
        ShowAboutDialog(nullptr);
        EXPECT_TRUE(answer.answered());
        EXPECT_EQ(shown, c.linkShown);
        EXPECT_EQ(g_opened, c.opened);
        if (c.linkShown) {
            EXPECT_EQ(host, c.host);
            EXPECT_TRUE(underlined);
            EXPECT_TRUE(handCursor);
        }
    }
}

TEST_F(AboutDialog, LinkIsBlueAndTheLabelsFollowTheTheme) {
    g_settings.productSite = L"https://vantrelix.example.org/";
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        g_settings.darkMode = dark;
        ColorAnswer link, label, dialogBack;
        DialogAnswer answer(kCaption, [&](HWND dialog) {
            link = AskColor(dialog, WM_CTLCOLORSTATIC, GetDlgItem(dialog, IDC_ABOUT_LINK));
            HWND firstLabel = nullptr;
            for (HWND child = GetWindow(dialog, GW_CHILD); child && !firstLabel;
                 child = GetWindow(child, GW_HWNDNEXT))
                if (CaptionOf(child) == L"Vantrelix v1.3.5") firstLabel = child;
            label = AskColor(dialog, WM_CTLCOLORSTATIC, firstLabel);
            dialogBack = AskColor(dialog, WM_CTLCOLORDLG, dialog);
            ClickButton(dialog, IDOK);
        });
        ShowAboutDialog(nullptr);
        ASSERT_TRUE(answer.answered());
        EXPECT_EQ(link.text, RGB(0x64, 0xA0, 0xFF));
        EXPECT_EQ(link.backgroundMode, TRANSPARENT);
        EXPECT_EQ(link.brushColor, dark ? RGB(0x1E, 0x1E, 0x1E) : face);
        if (dark) {
            EXPECT_EQ(label.text, RGB(0xDC, 0xDC, 0xDC));
            EXPECT_EQ(label.backgroundMode, TRANSPARENT);
            EXPECT_EQ(label.brushColor, RGB(0x1E, 0x1E, 0x1E));
            EXPECT_EQ(dialogBack.brushColor, RGB(0x1E, 0x1E, 0x1E));
        } else {
            EXPECT_NE(label.text, RGB(0xDC, 0xDC, 0xDC));
            EXPECT_EQ(label.brushColor, face);
            EXPECT_EQ(dialogBack.brushColor, face);
        }
    }
}
