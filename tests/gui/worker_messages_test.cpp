#include <gtest/gtest.h>

#include <memory>

#include "GuiFixture.h"
#include "app/Tray.h"
#include "base/WorkerPayloads.h"
#include "capture/ClipboardCapture.h"
#include "model/AppState.h"

namespace {

// A stand-in job that counts how often it is freed.
struct CountedJob {
    int* freed;
    ~CountedJob() { ++*freed; }
};

std::unique_ptr<CountedJob> NewJob(int* freed) { return std::unique_ptr<CountedJob>(new CountedJob{freed}); }

class WorkerMessageTest : public MainWindowTest {
   protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        StartWindow();
    }
};

const UINT kPointerMessages[] = {WM_QR_TEXT, WM_FETCH_DONE, WM_QR_PREVIEW_READY};

}  // namespace

// Another process can post these messages with any number; nothing that our
// own workers did not hand over is read or freed.
TEST_F(WorkerMessageTest, NumbersNoWorkerOfOursPostedAreIgnored) {
    // A text freed by a worker that found no window to post to.
    auto text = std::make_unique<std::wstring>(L"https://freed.example");
    const LPARAM freedText = reinterpret_cast<LPARAM>(text.get());
    ASSERT_FALSE(PostWorkerPayload(nullptr, WM_QR_TEXT, std::move(text)));
    // A live payload of one message posted under another.
    int elsewhereFreed = 0;
    auto elsewhere = NewJob(&elsewhereFreed);
    LPARAM elsewhereValue = reinterpret_cast<LPARAM>(elsewhere.get());
    ASSERT_FALSE(PostWorkerPayload(nullptr, WM_FETCH_DONE, std::move(elsewhere)));  // no window: freed
    ASSERT_EQ(elsewhereFreed, 1);

    struct Case {
        const char* name;
        LPARAM value;
    };
    const Case cases[] = {
        {"made-up number", 0x12345678},
        {"freed text", freedText},
        {"null", 0},
        {"all bits set", ~LPARAM(0)},
        {"a job freed by its worker", elsewhereValue},
    };
    const std::string dbBefore = FileBytes(dbPath_);
    ASSERT_FALSE(dbBefore.empty());
    for (UINT message : kPointerMessages) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << " in message " << message);
            ASSERT_TRUE(PostMessageW(g_mainWindow, message, 0, c.value));
            PumpFor(50);
            ASSERT_TRUE(IsWindow(g_mainWindow));
            EXPECT_TRUE(g_app.allUrls.empty());
        }
    }
    EXPECT_EQ(FileBytes(dbPath_), dbBefore);
}

TEST_F(WorkerMessageTest, AQrTextFromOurWorkerIsFiledOnceAndFreed) {
    auto text = std::make_unique<std::wstring>(L"www.qr.example/");
    const LPARAM value = reinterpret_cast<LPARAM>(text.get());
    ASSERT_TRUE(PostWorkerPayload(g_mainWindow, WM_QR_TEXT, std::move(text)));
    EXPECT_TRUE(WorkerPayloadOutstanding(WM_QR_TEXT, value));
    ASSERT_TRUE(PumpUntil([] { return g_app.allUrls.count(L"https://www.qr.example") == 1; }));
    EXPECT_FALSE(WorkerPayloadOutstanding(WM_QR_TEXT, value));
    EXPECT_EQ(FindGroupByName(L"Uncategorized")->urls, std::vector<std::wstring>{L"https://www.qr.example"});
    EXPECT_EQ(StoredUrlCount(dbPath_, L"https://www.qr.example"), 1);
    EXPECT_EQ(std::wstring(LastTrayBalloon().szInfo), L"URL captured from QR code:\nhttps://www.qr.example");
    // Decoded addresses are not written back to the clipboard.
    EXPECT_NE(ReadClipboardText(), L"https://www.qr.example");

    // The same number again (the text is freed by now) is not read: with the
    // address gone from the catalogue, a read would file it a second time.
    g_app = AppState{};
    DefaultGroupId();
    ASSERT_TRUE(PostMessageW(g_mainWindow, WM_QR_TEXT, 0, value));
    PumpFor(100);
    EXPECT_TRUE(g_app.allUrls.empty());
}

TEST_F(WorkerMessageTest, QrTextsAreFiledOnlyWhenTheyAreNewWebAddresses) {
    struct Case {
        std::wstring decoded;
        std::vector<std::wstring> filed;  // the default group afterwards
    };
    const Case cases[] = {
        {L"http://plain.example//", {L"http://plain.example/"}},
        {L"ftp://files.example", {L"ftp://files.example"}},
        {L"ftps://secure.example", {}},
        {L"mailto:someone@example.org", {}},
        {L"just some words", {}},
        {L"HTTPS://CAPITALS.EXAMPLE", {}},
        {L"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::string(c.decoded.begin(), c.decoded.end()));
        g_app = AppState{};
        DefaultGroupId();
        auto text = std::make_unique<std::wstring>(c.decoded);
        const LPARAM value = reinterpret_cast<LPARAM>(text.get());
        ASSERT_TRUE(PostWorkerPayload(g_mainWindow, WM_QR_TEXT, std::move(text)));
        ASSERT_TRUE(PumpUntil([&] { return !WorkerPayloadOutstanding(WM_QR_TEXT, value); }));
        EXPECT_EQ(FindGroupByName(L"Uncategorized")->urls, c.filed);
    }
    // An address the catalogue holds already is not filed again.
    auto again = std::make_unique<std::wstring>(L"ftp://files.example/");
    g_app = AppState{};
    AddUrlToGroup(DefaultGroupId(), L"ftp://files.example");
    const LPARAM value = reinterpret_cast<LPARAM>(again.get());
    ASSERT_TRUE(PostWorkerPayload(g_mainWindow, WM_QR_TEXT, std::move(again)));
    ASSERT_TRUE(PumpUntil([&] { return !WorkerPayloadOutstanding(WM_QR_TEXT, value); }));
    EXPECT_EQ(FindGroupByName(L"Uncategorized")->urls, std::vector<std::wstring>{L"ftp://files.example"});
}

// Finished fetches and previews have no receiver yet: their payloads are
// freed on arrival, exactly once however often the number comes back.
TEST_F(WorkerMessageTest, ResultsWithoutAReceiverAreFreedExactlyOnce) {
    for (UINT message : {WM_FETCH_DONE, WM_QR_PREVIEW_READY}) {
        SCOPED_TRACE(message);
        int freed = 0;
        auto job = NewJob(&freed);
        const LPARAM value = reinterpret_cast<LPARAM>(job.get());
        ASSERT_TRUE(PostWorkerPayload(g_mainWindow, message, std::move(job)));
        EXPECT_EQ(freed, 0);
        ASSERT_TRUE(PumpUntil([&] { return freed > 0; }));
        EXPECT_FALSE(WorkerPayloadOutstanding(message, value));
        ASSERT_TRUE(PostMessageW(g_mainWindow, message, 0, value));
        PumpFor(100);
        EXPECT_EQ(freed, 1);
    }
}

TEST_F(WorkerMessageTest, AWorkerWhoseWindowIsGoneFreesItsPayload) {
    HWND window = g_mainWindow;
    CloseWindow();
    int freed = 0;
    auto job = NewJob(&freed);
    const LPARAM value = reinterpret_cast<LPARAM>(job.get());
    EXPECT_FALSE(PostWorkerPayload(window, WM_FETCH_DONE, std::move(job)));
    EXPECT_EQ(freed, 1);
    EXPECT_FALSE(WorkerPayloadOutstanding(WM_FETCH_DONE, value));
}

TEST_F(WorkerMessageTest, APayloadIsTakenOnlyWithItsMessageAndTypeAndOnlyOnce) {
    constexpr UINT kUnhandled = WM_APP + 77;  // the main window leaves it to DefWindowProc
    int freed = 0;
    auto job = NewJob(&freed);
    const LPARAM value = reinterpret_cast<LPARAM>(job.get());
    ASSERT_TRUE(PostWorkerPayload(g_mainWindow, kUnhandled, std::move(job)));
    PumpFor(50);
    ASSERT_TRUE(WorkerPayloadOutstanding(kUnhandled, value));
    EXPECT_EQ(TakeWorkerPayload<std::wstring>(kUnhandled, value), nullptr);
    EXPECT_EQ(TakeWorkerPayload<CountedJob>(WM_FETCH_DONE, value), nullptr);
    EXPECT_EQ(freed, 0);
    {
        std::unique_ptr<CountedJob> taken = TakeWorkerPayload<CountedJob>(kUnhandled, value);
        ASSERT_NE(taken, nullptr);
        EXPECT_EQ(reinterpret_cast<LPARAM>(taken.get()), value);
        EXPECT_EQ(TakeWorkerPayload<CountedJob>(kUnhandled, value), nullptr);
        DiscardWorkerPayload(kUnhandled, value);  // taken already: left alone
        EXPECT_EQ(freed, 0);
    }
    EXPECT_EQ(freed, 1);
}
