// A catalogue that could not be read completely is never saved over: each
// way a load can fail leaves every stored row in place, keeps what is
// captured meanwhile, and merges it in once the file can be read.
#include <windows.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "capture/AutoRules.h"
#include "model/Undo.h"
#include "storage/Database.h"
#include "storage_test_support.h"

namespace {

// Damages every b-tree of a table (the table and its indexes) by overwriting
// its root page, as a bad sector or a torn write would; Restore puts the
// original bytes back.
class DamagedTable {
   public:
    DamagedTable(const std::filesystem::path& path, const std::string& table) : path_(path) {
        std::vector<int> roots;
        {
            RawDb raw(path);
            pageSize_ = std::stoi(raw.Value("PRAGMA page_size;"));
            for (const std::string& root :
                 raw.Column("SELECT rootpage FROM sqlite_master WHERE tbl_name = '" + table + "' AND rootpage > 0;"))
                roots.push_back(std::stoi(root));
        }
        EXPECT_FALSE(roots.empty()) << table;
        std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
        for (int root : roots) {
            std::string original(pageSize_, '\0');
            file.seekg(std::streamoff(root - 1) * pageSize_);
            file.read(original.data(), pageSize_);
            pages_.emplace_back(root, original);
            file.seekp(std::streamoff(root - 1) * pageSize_);
            file.write(std::string(pageSize_, '\xff').data(), pageSize_);
        }
    }
    void Restore() {
        std::fstream file(path_, std::ios::in | std::ios::out | std::ios::binary);
        for (auto& [root, original] : pages_) {
            file.seekp(std::streamoff(root - 1) * pageSize_);
            file.write(original.data(), pageSize_);
        }
    }

   private:
    std::filesystem::path path_;
    int pageSize_ = 0;
    std::vector<std::pair<int, std::string>> pages_;
};

// The one-time messages the storage layer sends while a test runs.
std::vector<std::wstring> g_notices;
void RecordNotice(const StorageNotice& notice) {
    if (!notice.balloon.empty()) g_notices.push_back(notice.balloon);
}

const std::wstring kCaptured = L"https://captured.example/meanwhile";

}  // namespace

class UnreadCatalogue : public StorageTest {
   protected:
    void SetUp() override {
        StorageTest::SetUp();
        g_notices.clear();
        SetStorageNoticeHandler(RecordNotice);
    }
    void TearDown() override {
        SetStorageNoticeHandler(nullptr);
        StorageTest::TearDown();
    }

    // The sample catalogue, saved; returns it as a fresh process reads it.
    AppState StoreSample() {
        FillSampleCatalogue();
        EXPECT_EQ(SaveCatalogue(), SaveResult::Saved);
        AppState stored = LoadIntoFreshCatalogue();
        storedDump_ = RawDb(dbPath_).Dump();
        return stored;
    }

    // A start-up whose load fails, then a capture and its save.
    void StartAndCaptureWhileUnread(int expectedError) {
        g_app = AppState{};
        DefaultGroupId();
        LoadResult result = LoadCatalogue();
        EXPECT_FALSE(result.complete());
        EXPECT_EQ(result.errorCode & 0xff, expectedError);
        EXPECT_TRUE(CatalogueFileUnread());
        // Nothing of the partial read is taken in.
        ASSERT_EQ(g_app.groups.size(), 1u);
        EXPECT_TRUE(g_app.allUrls.empty());
        EXPECT_TRUE(g_app.tagNames.empty());
        EXPECT_TRUE(g_app.autoTagRules.empty());
        ASSERT_TRUE(AddUrlToGroup(DefaultGroupId(), kCaptured));
        g_app.titles[kCaptured] = L"Captured meanwhile";
        capturedAt_ = g_app.createdAt[kCaptured];
        EXPECT_EQ(SaveCatalogue(), SaveResult::LeftUnread);
        EXPECT_EQ(SaveCatalogue(), SaveResult::LeftUnread);
    }

    // The stored catalogue with the captured URL filed after the stored ones.
    AppState WithCapture(AppState stored) const {
        stored.groups[0].urls.push_back(kCaptured);
        stored.allUrls.insert(kCaptured);
        stored.titles[kCaptured] = L"Captured meanwhile";
        stored.createdAt[kCaptured] = capturedAt_;
        return stored;
    }

    std::string storedDump_;
    std::wstring capturedAt_;
};

// Each step of the load meets a damaged table in turn.
TEST_F(UnreadCatalogue, NoSaveAfterAFailedLoadStepDeletesAStoredRowAndTheCaptureIsMergedLater) {
    for (const char* table : {"groups", "urls", "tags", "url_tags", "auto_tag_rules", "auto_group_rules"}) {
        SCOPED_TRACE(table);
        TearDown();
        SetUp();
        AppState stored = StoreSample();
        DamagedTable damage(dbPath_, table);
        StartAndCaptureWhileUnread(SQLITE_CORRUPT);
        damage.Restore();
        EXPECT_EQ(RawDb(dbPath_).Dump(), storedDump_) << "a save changed the stored catalogue";
        ASSERT_EQ(g_notices.size(), 1u) << "told once, whatever the number of saves";
        EXPECT_NE(g_notices[0].find(L"cannot be read"), std::wstring::npos);

        EXPECT_TRUE(RetryCatalogueLoad().complete());
        EXPECT_FALSE(CatalogueFileUnread());
        ExpectSameSavedCatalogue(g_app, WithCapture(stored));
        ExpectSameSavedCatalogue(LoadIntoFreshCatalogue(), WithCapture(stored));
        EXPECT_EQ(StorageStatusText(), L"");
        ASSERT_EQ(g_notices.size(), 2u);
        EXPECT_NE(g_notices[1].find(L"1 URL captured meanwhile"), std::wstring::npos);
    }
}

TEST_F(UnreadCatalogue, AShortLockByAnotherProgramOnlyDelaysTheLoad) {
    AppState stored = StoreSample();
    RawDb other(dbPath_);
    ASSERT_EQ(other.Exec("BEGIN EXCLUSIVE;"), SQLITE_OK);
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        other.Exec("COMMIT;");
    });
    g_app = AppState{};
    DefaultGroupId();
    LoadResult result = LoadCatalogue();
    release.join();
    EXPECT_TRUE(result.complete());
    EXPECT_FALSE(CatalogueFileUnread());
    ExpectSameSavedCatalogue(g_app, stored);
    EXPECT_TRUE(g_notices.empty());
}

TEST_F(UnreadCatalogue, ALockHeldThroughTheLoadKeepsEveryStoredRowAndTheCapture) {
    AppState stored = StoreSample();
    {
        RawDb other(dbPath_);
        ASSERT_EQ(other.Exec("BEGIN EXCLUSIVE;"), SQLITE_OK);
        StartAndCaptureWhileUnread(SQLITE_BUSY);
        EXPECT_FALSE(RetryCatalogueLoad().complete()) << "still locked";
        EXPECT_EQ(g_app.allUrls, std::set<std::wstring>{kCaptured}) << "a failed retry keeps what is in memory";
        ASSERT_EQ(g_notices.size(), 1u);
        EXPECT_NE(g_notices[0].find(L"another program is using the file"), std::wstring::npos);
        EXPECT_NE(StorageStatusText().find(L"not stored yet"), std::wstring::npos);
        other.Exec("COMMIT;");
    }
    EXPECT_EQ(RawDb(dbPath_).Dump(), storedDump_);
    EXPECT_TRUE(RetryCatalogueLoad().complete());
    ExpectSameSavedCatalogue(LoadIntoFreshCatalogue(), WithCapture(stored));
}

// An undo step recorded before the merge would bring back the catalogue
// without its stored URLs.
TEST_F(UnreadCatalogue, TheMergeDropsUndoStepsTakenBeforeIt) {
    StoreSample();
    {
        RawDb other(dbPath_);
        ASSERT_EQ(other.Exec("BEGIN EXCLUSIVE;"), SQLITE_OK);
        StartAndCaptureWhileUnread(SQLITE_BUSY);
        PushUndo(L"Delete");
        other.Exec("COMMIT;");
    }
    ASSERT_TRUE(CanUndo());
    EXPECT_TRUE(RetryCatalogueLoad().complete());
    EXPECT_FALSE(CanUndo());
    EXPECT_FALSE(CanRedo());
}

TEST_F(UnreadCatalogue, AFileThatIsNotADatabaseIsLeftUntouched) {
    {
        std::ofstream text(dbPath_, std::ios::binary);
        text << "These are my notes, not a database.\n" << std::string(5000, 'x');
    }
    const std::string bytes = [&] {
        std::ifstream in(dbPath_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    g_app = AppState{};
    DefaultGroupId();
    EXPECT_FALSE(LoadCatalogue().complete());
    ASSERT_TRUE(AddUrlToGroup(DefaultGroupId(), kCaptured));
    EXPECT_EQ(SaveCatalogue(), SaveResult::LeftUnread);
    EXPECT_FALSE(RetryCatalogueLoad().complete());
    std::ifstream in(dbPath_, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), bytes);
    ASSERT_EQ(g_notices.size(), 1u);
    EXPECT_NE(g_notices[0].find(L"NOT stored"), std::wstring::npos);
    EXPECT_NE(g_notices[0].find(L"not a database"), std::wstring::npos);
    EXPECT_TRUE(g_app.allUrls.count(kCaptured)) << "the capture stays in memory";
}

// Another database file is not affected by the unread one.
TEST_F(UnreadCatalogue, OnlyTheUnreadFileIsLeftAlone) {
    StoreSample();
    {
        RawDb other(dbPath_);
        ASSERT_EQ(other.Exec("BEGIN EXCLUSIVE;"), SQLITE_OK);
        StartAndCaptureWhileUnread(SQLITE_BUSY);
        other.Exec("COMMIT;");
    }
    g_settings.customDatabasePath = (folder_ / L"other.db").wstring();
    EXPECT_FALSE(CatalogueFileUnread());
    EXPECT_EQ(SaveCatalogue(), SaveResult::Saved);
    EXPECT_EQ(RawDb(folder_ / L"other.db").Column("SELECT url FROM urls;"),
              std::vector<std::string>{Utf8FromWide(kCaptured)});
}

// A save that cannot be written says so once per streak of failures, keeps
// the catalogue in memory as it is, and the next save tries again.
TEST_F(UnreadCatalogue, FailedSavesAreToldOncePerStreakAndTheNextSaveTriesAgain) {
    StoreSample();
    ASSERT_TRUE(AddUrlToGroup(DefaultGroupId(), kCaptured));
    const AppState inMemory = g_app;
    {
        RawDb other(dbPath_);
        ASSERT_EQ(other.Exec("BEGIN EXCLUSIVE;"), SQLITE_OK);
        EXPECT_EQ(SaveCatalogue(), SaveResult::Failed);
        EXPECT_EQ(SaveCatalogue(), SaveResult::Failed);
        ASSERT_EQ(g_notices.size(), 1u);
        EXPECT_NE(g_notices[0].find(L"could not be saved"), std::wstring::npos);
        EXPECT_NE(StorageStatusText().find(L"Last save failed"), std::wstring::npos);
        ExpectSameSavedCatalogue(g_app, inMemory);
        other.Exec("COMMIT;");
    }
    EXPECT_EQ(SaveCatalogue(), SaveResult::Saved);
    EXPECT_EQ(StorageStatusText(), L"");
    EXPECT_TRUE(RawDb(dbPath_).Value("SELECT count(*) FROM urls WHERE url = '" + Utf8FromWide(kCaptured) + "';") ==
                "1");
    // A new streak is told again.
    RawDb other(dbPath_);
    ASSERT_EQ(other.Exec("BEGIN EXCLUSIVE;"), SQLITE_OK);
    EXPECT_EQ(SaveCatalogue(), SaveResult::Failed);
    EXPECT_EQ(g_notices.size(), 2u);
    other.Exec("COMMIT;");
    EXPECT_EQ(SaveCatalogue(), SaveResult::Saved);
}

// A rule spelling a known tag in another letter case links the URL to the
// vocabulary's tag, and the link survives a save and a load.
TEST_F(UnreadCatalogue, ATagRuleInAnotherLetterCaseKeepsItsLinkThroughSaveAndLoad) {
    DefaultGroupId();
    g_app.tagNames = {L"Reading"};
    g_app.autoTagRules = {{L"example", L"READING"}};
    ASSERT_TRUE(AddUrlToGroup(DefaultGroupId(), kCaptured));
    ASSERT_TRUE(ApplyAutoTagRules(kCaptured));
    ASSERT_EQ(SaveCatalogue(), SaveResult::Saved);
    AppState loaded = LoadIntoFreshCatalogue();
    EXPECT_EQ(loaded.tagNames, std::vector<std::wstring>{L"Reading"});
    EXPECT_EQ(loaded.urlTags[kCaptured], std::vector<std::wstring>{L"Reading"});
}
