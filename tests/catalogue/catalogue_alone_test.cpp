// The catalogue with nothing above it: this program links the model, storage,
// settings and the platform helpers only, so a catalogue operation that
// reached for the grid or the window would not link. No view is connected.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "model/AppState.h"
#include "model/CatalogueEdits.h"
#include "model/Undo.h"
#include "settings/Settings.h"
#include "storage/Database.h"

namespace {

using Urls = std::vector<std::wstring>;

class CatalogueAlone : public testing::Test {
   protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + L"vantrelix-alone-" + std::to_wstring(GetCurrentProcessId()) + L".db";
        DeleteFileW(path_.c_str());
        g_settings = Settings{};
        g_settings.customDatabasePath = path_;
        g_app = AppState{};
        undoSlot = UndoSnapshot{};
        redoSlot = UndoSnapshot{};
    }
    void TearDown() override {
        g_app = AppState{};
        DeleteFileW(path_.c_str());
    }
    static Urls UrlsOf(const wchar_t* group) {
        const UrlGroup* g = FindGroupByName(group);
        return g ? g->urls : Urls{};
    }
    // What a fresh process reads from the file.
    static AppState Reloaded() {
        g_app = AppState{};
        DefaultGroupId();
        EXPECT_TRUE(LoadCatalogue().complete());
        return g_app;
    }
    std::wstring path_;
};

}  // namespace

TEST_F(CatalogueAlone, FilesMovesDeletesUndoesRedoesSavesAndLoads) {
    const int inbox = DefaultGroupId();
    const int work = CreateGroup(L"Work");
    for (const wchar_t* url : {L"https://a.example/", L"https://b.example/", L"https://c.example/"})
        ASSERT_TRUE(AddUrlToGroup(inbox, url));
    EXPECT_FALSE(AddUrlToGroup(work, L"https://a.example/")) << "filed once only";
    g_app.titles[L"https://b.example/"] = L"Bee";
    g_app.reminderDates[L"https://c.example/"] = L"2030-01-01 09:00";

    PushUndo(L"Move to Group");
    MoveUrls({{inbox, L"https://b.example/"}, {inbox, L"https://c.example/"}}, work);
    EXPECT_EQ(UrlsOf(L"Uncategorized"), Urls{L"https://a.example/"});
    EXPECT_EQ(UrlsOf(L"Work"), (Urls{L"https://b.example/", L"https://c.example/"}));

    PushUndo(L"Delete");
    RemoveUrls({L"https://c.example/"});
    EXPECT_EQ(UrlsOf(L"Work"), Urls{L"https://b.example/"});
    EXPECT_FALSE(g_app.allUrls.count(L"https://c.example/"));
    EXPECT_FALSE(g_app.reminderDates.count(L"https://c.example/"));

    Undo();  // the delete is taken back, and the file is saved with it
    EXPECT_EQ(UrlsOf(L"Work"), (Urls{L"https://b.example/", L"https://c.example/"}));
    EXPECT_EQ(g_app.reminderDates[L"https://c.example/"], L"2030-01-01 09:00");
    EXPECT_FALSE(CanUndo());
    ASSERT_TRUE(CanRedo());
    EXPECT_EQ(Reloaded().groups.size(), 2u);
    EXPECT_EQ(UrlsOf(L"Work"), (Urls{L"https://b.example/", L"https://c.example/"}));

    g_app = AppState{};
    DefaultGroupId();
    ASSERT_TRUE(LoadCatalogue().complete());
    Redo();  // the delete again, as it was
    EXPECT_EQ(UrlsOf(L"Work"), Urls{L"https://b.example/"});
    ASSERT_EQ(SaveCatalogue(), SaveResult::Saved);

    AppState loaded = Reloaded();
    ASSERT_EQ(loaded.groups.size(), 2u);
    EXPECT_EQ(loaded.groups[0].urls, Urls{L"https://a.example/"});
    EXPECT_EQ(loaded.groups[1].name, L"Work");
    EXPECT_EQ(loaded.groups[1].urls, Urls{L"https://b.example/"});
    EXPECT_EQ(loaded.titles[L"https://b.example/"], L"Bee");
    EXPECT_FALSE(loaded.reminderDates.count(L"https://c.example/"));
}
