// The real window when another program holds the database at start-up: the
// user is told once, captures are kept, and the stored catalogue is merged
// in by the retry timer or at the latest when the window closes.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "GuiFixture.h"
#include "app/StorageNotices.h"
#include "capture/ClipboardCapture.h"
#include "grid/StatusBar.h"
#include "model/AppState.h"
#include "model/TextUtil.h"
#include "storage/Database.h"

namespace {

// Another program's connection to the same file.
class OtherProgram {
   public:
    explicit OtherProgram(const std::wstring& path) {
        sqlite3_open_v2(Utf8FromWide(path).c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~OtherProgram() { sqlite3_close(db_); }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;
    bool Exec(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }
    std::vector<std::string> StoredUrls() {
        std::vector<std::string> urls;
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db_, "SELECT url FROM urls ORDER BY url;", -1, &stmt, nullptr);
        while (stmt && sqlite3_step(stmt) == SQLITE_ROW)
            urls.push_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
        return urls;
    }

   private:
    sqlite3* db_ = nullptr;
};

class LockedAtStartTest : public MainWindowTest {
   protected:
    // A stored catalogue of one URL, and another program holding the file
    // when the window starts.
    void SetUp() override {
        MainWindowTest::SetUp();
        AddUrlToGroup(DefaultGroupId(), L"https://stored.example/");
        ASSERT_EQ(SaveCatalogue(), SaveResult::Saved);
        g_app = AppState{};
        other_ = std::make_unique<OtherProgram>(dbPath_);
        ASSERT_TRUE(other_->Exec("BEGIN EXCLUSIVE;"));
        StartWindow();
    }
    void TearDown() override {
        other_.reset();
        MainWindowTest::TearDown();
    }
    void Copy(const std::wstring& text) {
        ASSERT_TRUE(SetClipboardText(nullptr, text));
        ASSERT_TRUE(PumpUntil([&] { return g_app.allUrls.count(text) == 1; })) << "not captured";
    }
    std::unique_ptr<OtherProgram> other_;
};

}  // namespace

TEST_F(LockedAtStartTest, TheUserIsToldOnceAndTheRetryTimerMergesTheCaptureIntoTheStoredCatalogue) {
    EXPECT_NE(LastStorageNotice().find(L"could not be read: another program is using the file"), std::wstring::npos);
    EXPECT_EQ(StatusSlotText(0).rfind(L"Catalogue not read yet", 0), 0u) << StatusSlotText(0);
    EXPECT_TRUE(g_app.allUrls.empty());

    Copy(L"https://captured.example/first");
    const std::wstring toldFirst = LastStorageNotice();
    Copy(L"https://captured.example/second");
    EXPECT_EQ(LastStorageNotice(), toldFirst) << "told again";
    other_->Exec("COMMIT;");
    EXPECT_EQ(other_->StoredUrls(), std::vector<std::string>{"https://stored.example/"});

    // The retry timer, not a save, brings the stored URL back.
    ASSERT_TRUE(PumpUntil([] { return g_app.allUrls.count(L"https://stored.example/") == 1; }, 8000));
    EXPECT_EQ(other_->StoredUrls(), (std::vector<std::string>{"https://captured.example/first",
                                                               "https://captured.example/second",
                                                               "https://stored.example/"}));
    EXPECT_EQ(g_grid.visibleRows.size(), 3u);
    EXPECT_EQ(StatusSlotText(0).rfind(L"Total: 3", 0), 0u) << StatusSlotText(0);
    EXPECT_NE(LastStorageNotice().find(L"2 URLs captured meanwhile"), std::wstring::npos);
}

TEST_F(LockedAtStartTest, ClosingAfterTheLockEndsStoresTheCaptureWithoutWaitingForTheTimer) {
    Copy(L"https://captured.example/first");
    other_->Exec("COMMIT;");
    CloseWindow();
    ASSERT_EQ(g_mainWindow, nullptr);
    EXPECT_EQ(other_->StoredUrls(),
              (std::vector<std::string>{"https://captured.example/first", "https://stored.example/"}));
}

TEST_F(LockedAtStartTest, ClosingWhileStillLockedLeavesEveryStoredRow) {
    Copy(L"https://captured.example/first");
    CloseWindow();
    ASSERT_EQ(g_mainWindow, nullptr);
    other_->Exec("COMMIT;");
    EXPECT_EQ(other_->StoredUrls(), std::vector<std::string>{"https://stored.example/"});
}
