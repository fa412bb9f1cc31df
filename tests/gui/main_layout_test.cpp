// Where the main window puts its children, and its caption.
#include <array>

#include "GuiFixture.h"
#include "WindowProbe.h"
#include "app/FunctionKeys.h"
#include "grid/FilterBar.h"
#include "grid/SearchBox.h"
#include "grid/StatusBar.h"

namespace {

const std::wstring kCaptionPrefix = L"Vantrelix v1.3.5 - ";

void ExpectRect(HWND child, int left, int top, int right, int bottom) {
    ASSERT_NE(child, nullptr);
    const RECT r = ChildRect(child);
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

// A drop-down list's window is as high as its closed box, whatever height it
// was given; only its left, top and width are the layout's.
void ExpectComboPlace(HWND combo, int left, int width) {
    ASSERT_NE(combo, nullptr);
    const RECT r = ChildRect(combo);
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, 28);
    EXPECT_EQ(r.right - r.left, width);
}

int TextWidthInCaptionFont(const std::wstring& text) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HDC screen = GetDC(nullptr);
    HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
    HGDIOBJ old = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return size.cx;
}

}  // namespace

TEST_F(MainWindowTest, ChildrenArePlacedForTheClientSize) {
    StartWindow();
    struct Size {
        int width, height;
    };
    for (const Size size : {Size{600, 400}, Size{605, 300}}) {
        SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
        SetClientSize(g_mainWindow, size.width, size.height);
        PumpFor(20);
        RECT client;
        GetClientRect(g_mainWindow, &client);
        ASSERT_EQ(client.right, size.width);
        ASSERT_EQ(client.bottom, size.height);
        const int w = size.width, h = size.height;

        const RECT status = ChildRect(g_statusBar);
        const int s = status.bottom - status.top;
        EXPECT_GE(s, 20);
        ExpectRect(g_statusBar, 0, h - s, w, h);

        ExpectRect(g_filterLabel, 5, 28, 65, 52);
        ExpectComboPlace(g_tagFilterCombo, 67, 120);
        ExpectComboPlace(g_reminderFilterCombo, 192, 120);
        ExpectRect(g_searchEdit, 317, 28, w, 52);
        EXPECT_FALSE(IsWindowVisible(g_searchClearButton));
        ExpectRect(g_gridWindow, 0, 52, w, h - s - 24);

        // 605 / 6 is 100: the last five pixels stay empty.
        const int buttonWidth = w / 6;
        for (size_t k = 0; k < kFunctionKeyCount; ++k) {
            SCOPED_TRACE(kFunctionKeyButtons[k].caption);
            const int left = static_cast<int>(k) * buttonWidth;
            ExpectRect(g_functionKeyButtons[k], left, h - s - 24, left + buttonWidth, h - s);
        }
    }
}

TEST_F(MainWindowTest, FunctionKeyButtonsCarryTheirCaptionsAndCommands) {
    StartWindow();
    const std::array<std::pair<const wchar_t*, int>, kFunctionKeyCount> expected{{{L"F3 Go To", 2005},
                                                                                  {L"F4 Edit", 2022},
                                                                                  {L"F5 Copy", 2004},
                                                                                  {L"F6 Tag", 2027},
                                                                                  {L"F7 Group", 2006},
                                                                                  {L"F8 Delete", 2003}}};
    for (size_t k = 0; k < kFunctionKeyCount; ++k) {
        HWND button = g_functionKeyButtons[k];
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(WindowText(button), expected[k].first);
        EXPECT_EQ(GetDlgCtrlID(button), expected[k].second);
        EXPECT_TRUE(IsWindowVisible(button));
    }
    EXPECT_EQ(WindowText(g_filterLabel), L"Filter by:");
    wchar_t cue[64] = {};
    SendMessageW(g_searchEdit, EM_GETCUEBANNER, reinterpret_cast<WPARAM>(cue), 64);
    EXPECT_STREQ(cue, L"Search by title or URL...");
}

TEST_F(MainWindowTest, CaptionShortensALongDatabasePathToFit) {
    // A database path far wider than the caption, in a folder of its own.
    const std::wstring nested = folder_ + L"\\" + std::wstring(150, L'd');
    ASSERT_TRUE(CreateDirectoryW(nested.c_str(), nullptr));
    const std::wstring longPath = nested + L"\\catalogue.db";
    struct Case {
        const char* name;
        const std::wstring* path;
        int outerWidth;  // 0: as the window starts
        bool shortened;
    };
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const Case cases[] = {
        {"long path, normal window", &longPath, 0, true},
        {"long path, window too narrow to shorten into", &longPath, 200, false},
        {"short path, wide window", &dbPath_, screenWidth, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_settings.customDatabasePath = *c.path;
        g_app = AppState{};
        StartWindow();
        if (c.outerWidth) {
            RECT r;
            GetWindowRect(g_mainWindow, &r);
            SetWindowPos(g_mainWindow, nullptr, 0, 0, c.outerWidth, r.bottom - r.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            PumpFor(20);
        }
        const std::wstring caption = WindowText(g_mainWindow);
        ASSERT_EQ(caption.rfind(kCaptionPrefix, 0), 0u) << caption.c_str();
        const std::wstring shown = caption.substr(kCaptionPrefix.size());
        if (!c.shortened) {
            EXPECT_EQ(shown, *c.path);
        } else {
            EXPECT_LT(shown.size(), c.path->size());
            EXPECT_NE(shown.find(L"..."), std::wstring::npos) << shown.c_str();
            EXPECT_EQ(shown.substr(shown.size() - 13), L"\\catalogue.db");
            RECT r;
            GetWindowRect(g_mainWindow, &r);
            EXPECT_LE(TextWidthInCaptionFont(shown),
                      (r.right - r.left) - TextWidthInCaptionFont(kCaptionPrefix));
        }
        CloseWindow();
    }
    DeleteFileW(longPath.c_str());
    RemoveDirectoryW(nested.c_str());
}
