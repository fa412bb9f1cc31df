#include <gtest/gtest.h>

#include "GuiFixture.h"
#include "app/Tray.h"
#include "capture/ClipboardCapture.h"
#include "capture/UrlExtraction.h"
#include "model/AppState.h"
#include "storage/Database.h"

namespace {

class CaptureGuiTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        StartWindow();
    }
    // Copies text as another program would and waits for the notification
    // to be handled.
    void Copy(const std::wstring& text) {
        ASSERT_TRUE(SetClipboardText(nullptr, text));
        PumpFor(300);
    }
};

}  // namespace

TEST_F(CaptureGuiTest, CopiedAddressesAreFiledSavedAndWrittenBackNormalised) {
    Copy(L"read https://a.example/ and www.b.example, then mailto:x@y.z");
    EXPECT_TRUE(PumpUntil([] { return g_app.allUrls.size() == 3; }));
    const UrlGroup* def = FindGroupByName(L"Uncategorized");
    ASSERT_NE(def, nullptr);
    EXPECT_EQ(def->urls,
              (std::vector<std::wstring>{L"https://a.example", L"https://www.b.example,", L"mailto:x@y.z"}));
    EXPECT_EQ(g_app.createdAt[L"https://a.example"].size(), 19u);
    // The first filed address, normalised, replaces the copied text.
    EXPECT_TRUE(PumpUntil([] { return ReadClipboardText() == L"https://a.example"; }));

    // Saved at once: a fresh load from the same file has them.
    AppState live = g_app;
    g_app = AppState{};
    DefaultGroupId();
    LoadCatalogue();
    EXPECT_EQ(g_app.allUrls, live.allUrls);
    g_app = live;
}

TEST_F(CaptureGuiTest, KnownAddressesSaveNothingAndLeaveTheClipboardAlone) {
    Copy(L"https://known.example");
    ASSERT_TRUE(PumpUntil([] { return g_app.allUrls.count(L"https://known.example") == 1; }));
    PumpFor(300);  // the write-back's own notification comes and goes
    std::string before = FileBytes(dbPath_);
    ASSERT_FALSE(before.empty());

    Copy(L"again: https://known.example/ ");
    EXPECT_EQ(ReadClipboardText(), L"again: https://known.example/ ");
    EXPECT_EQ(FileBytes(dbPath_), before);
    EXPECT_EQ(g_app.allUrls.size(), 1u);
}

TEST_F(CaptureGuiTest, NothingIsCapturedWhileCaptureWritesTheClipboard) {
    g_clipboardWriteInProgress = true;
    ASSERT_TRUE(PutRawClipboardText(std::wstring(L"https://skipped.example") + L'\0'));
    SendMessageW(g_mainWindow, WM_CLIPBOARDUPDATE, 0, 0);
    g_clipboardWriteInProgress = false;
    EXPECT_EQ(g_app.allUrls.count(L"https://skipped.example"), 0u);
    // Without the flag the same clipboard is captured.
    SendMessageW(g_mainWindow, WM_CLIPBOARDUPDATE, 0, 0);
    EXPECT_EQ(g_app.allUrls.count(L"https://skipped.example"), 1u);
}

TEST_F(CaptureGuiTest, AwkwardClipboardTextsAreHandledSafely) {
    struct Case {
        const char* name;
        std::wstring units;  // exactly what goes on the clipboard
        std::vector<std::wstring> filed;
    };
    std::wstring longest(kClipboardTextBound - 1, L'x');
    longest.replace(0, 15, L"http://longest ");
    std::wstring tooLong(kClipboardTextBound, L'x');
    tooLong.replace(0, 15, L"http://toolong ");
    const Case cases[] = {
        {"stops at an embedded NUL", std::wstring(L"http://a.example\0http://hidden.example\0", 39),
         {L"http://a.example"}},
        {"unpaired surrogates", std::wstring(L"http://s\xD800x http://t\xDC00\0", 23),
         {L"http://s\xD800x", L"http://t\xDC00"}},
        {"longest accepted text", longest + L'\0', {L"http://longest"}},
        {"one unit too long", tooLong + L'\0', {}},
        {"empty text", std::wstring(1, L'\0'), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g_app = AppState{};
        DefaultGroupId();
        ASSERT_TRUE(PutRawClipboardText(c.units));
        SendMessageW(g_mainWindow, WM_CLIPBOARDUPDATE, 0, 0);
        EXPECT_EQ(FindGroupByName(L"Uncategorized")->urls, c.filed);
        PumpFor(100);
    }
}

TEST_F(CaptureGuiTest, TextWithoutTerminatorIsNeverReadPastItsBlock) {
    // Wine terminates such a block itself by overwriting the last unit; either
    // way, what is filed lies within the block.
    ASSERT_TRUE(PutRawClipboardText(L"http://noterm.example"));
    SendMessageW(g_mainWindow, WM_CLIPBOARDUPDATE, 0, 0);
    const auto& urls = FindGroupByName(L"Uncategorized")->urls;
    ASSERT_EQ(urls.size(), 1u);
    EXPECT_EQ(std::wstring(L"http://noterm.example").rfind(urls[0], 0), 0u);
    EXPECT_GE(urls[0].size(), 20u);
}

TEST_F(CaptureGuiTest, AutoRulesChooseGroupAndTagsOnCapture) {
    g_app.autoGroupRules = {{L"github", L"Code"}};
    g_app.autoTagRules = {{L"github", L"dev"}, {L"example", L"ex"}};
    Copy(L"https://GitHub.com/x https://example.org");
    ASSERT_TRUE(PumpUntil([] { return g_app.allUrls.size() == 2; }));
    EXPECT_EQ(FindGroupByName(L"Code")->urls, std::vector<std::wstring>{L"https://GitHub.com/x"});
    EXPECT_EQ(g_app.urlTags[L"https://GitHub.com/x"], std::vector<std::wstring>{L"dev"});
    EXPECT_EQ(g_app.urlTags[L"https://example.org"], std::vector<std::wstring>{L"ex"});
    EXPECT_EQ(g_app.tagNames, (std::vector<std::wstring>{L"dev", L"ex"}));
}

TEST_F(CaptureGuiTest, LongAddressCaptureStillShowsABalloonAndSaves) {
    std::wstring url = L"https://long.example/" + std::wstring(600, L'p');
    Copy(url);
    ASSERT_TRUE(PumpUntil([&] { return g_app.allUrls.count(url) == 1; }));
    EXPECT_TRUE(PumpUntil([&] { return ReadClipboardText() == url; }));
    // The balloon's text is cut to its 255 characters, the cut marked.
    const NOTIFYICONDATAW& balloon = LastTrayBalloon();
    const std::wstring shown = balloon.szInfo;
    EXPECT_EQ(shown.size(), kBalloonTextMax);
    EXPECT_EQ(shown, CaptureBalloonText(url).substr(0, kBalloonTextMax - 3) + L"...");
    EXPECT_EQ(std::wstring(balloon.szInfoTitle), L"Vantrelix");
    EXPECT_EQ(balloon.dwInfoFlags, (DWORD)NIIF_INFO);
    EXPECT_EQ(StoredUrlCount(dbPath_, url), 1);
}

// Password managers and the like mark their copies for clipboard monitors;
// such a copy leaves no trace, and an ordinary copy right after it is
// captured as usual.
TEST_F(CaptureGuiTest, CopiesMarkedPrivateAreIgnored) {
    struct Case {
        const wchar_t* format;
        DWORD value;
        bool captured;
    };
    const Case cases[] = {
        {L"ExcludeClipboardContentFromMonitorProcessing", 0, false},
        {L"Clipboard Viewer Ignore", 0, false},
        {L"CanIncludeInClipboardHistory", 0, false},
        {L"CanIncludeInClipboardHistory", 1, true},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << std::string(c.format, c.format + wcslen(c.format)) << " = " << c.value);
        const std::wstring marked = L"https://marked" + std::to_wstring(n) + L".example/";
        const std::wstring markedFiled = marked.substr(0, marked.size() - 1);
        const std::wstring plain = L"https://plain" + std::to_wstring(n++) + L".example/";
        const std::wstring plainFiled = plain.substr(0, plain.size() - 1);

        const std::string dbBefore = FileBytes(dbPath_);
        ASSERT_FALSE(dbBefore.empty());
        ASSERT_TRUE(PutClipboardTextWithMark(marked, c.format, c.value));
        PumpFor(300);  // the listener's own notification
        SendMessageW(g_mainWindow, WM_CLIPBOARDUPDATE, 0, 0);
        PumpFor(100);
        EXPECT_EQ(g_app.allUrls.count(markedFiled), c.captured ? 1u : 0u);
        EXPECT_EQ(std::wstring(LastTrayBalloon().szInfo) == CaptureBalloonText(markedFiled), c.captured);
        if (!c.captured) {
            EXPECT_EQ(FileBytes(dbPath_), dbBefore);
            EXPECT_EQ(ReadClipboardText(), marked);  // not written back normalised
        }

        Copy(plain);
        ASSERT_TRUE(PumpUntil([&] { return g_app.allUrls.count(plainFiled) == 1; }));
        EXPECT_EQ(std::wstring(LastTrayBalloon().szInfo), CaptureBalloonText(plainFiled));
        EXPECT_EQ(StoredUrlCount(dbPath_, plainFiled), 1);
        EXPECT_TRUE(PumpUntil([&] { return ReadClipboardText() == plainFiled; }));
        PumpFor(300);  // the write-back's own notification comes and goes
    }
}

TEST_F(CaptureGuiTest, ATextWithManyAddressesRefreshesTheGridOnce) {
    // Without the real grid a plain child stands in: refreshes only need a window.
    HWND stand = g_gridWindow ? nullptr
                              : CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, g_mainWindow, nullptr,
                                                GetModuleHandleW(nullptr), nullptr);
    if (stand) g_gridWindow = stand;
    std::wstring text;
    for (int i = 0; i < 50; ++i) text += L"https://many.example/" + std::to_wstring(i) + L" ";
    unsigned before = g_grid.rowsGeneration;
    ASSERT_TRUE(PutRawClipboardText(text + L'\0'));
    SendMessageW(g_mainWindow, WM_CLIPBOARDUPDATE, 0, 0);
    EXPECT_EQ(g_app.allUrls.size(), 50u);
    EXPECT_EQ(g_grid.visibleRows.size(), 50u);
    EXPECT_EQ(g_grid.rowsGeneration - before, 1u);
    if (stand) {
        DestroyWindow(stand);
        g_gridWindow = nullptr;
    }
}
