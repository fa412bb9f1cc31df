#include <windows.h>

#include "storage/Database.h"
#include "storage_test_support.h"

namespace {

using Strings = std::vector<std::string>;
using Rows = std::vector<Strings>;

const std::wstring kUrl = L"https://example.org/page";

// Row ids and identities of every table whose ids outlive a save.
Rows RowIds(RawDb& raw) {
    Rows ids;
    for (auto& row :
         raw.Rows("SELECT 'group', id, name FROM groups UNION ALL SELECT 'url', id, url FROM urls "
                  "UNION ALL SELECT 'tag', id, name FROM tags ORDER BY 1, 3;"))
        ids.push_back(row);
    return ids;
}

// A URL that is no longer filed is not saved, so neither are its attributes.
void ForgetAttributes(const std::wstring& url) {
    g_app.titles.erase(url);
    g_app.createdAt.erase(url);
    g_app.updatedAt.erase(url);
    g_app.openCounts.erase(url);
    g_app.lastOpenedAt.erase(url);
    g_app.pinnedUrls.erase(url);
    g_app.reminderDates.erase(url);
    g_app.reminderActions.erase(url);
    g_app.reminderRepeats.erase(url);
    g_app.urlTags.erase(url);
}

}  // namespace

using CatalogueSave = StorageTest;

TEST_F(CatalogueSave, EveryAttributeSurvivesSaveAndLoad) {
    FillSampleCatalogue();
    AppState saved = g_app;
    SaveCatalogue();
    AppState loaded = LoadIntoFreshCatalogue();
    ExpectSameSavedCatalogue(loaded, saved);
}

TEST_F(CatalogueSave, RawColumnsFollowTheValueRules) {
    struct Case {
        const char* name;
        void (*arrange)();
        const char* column;
        const char* expected;
    } cases[] = {
        {"title equal to the URL", [] { g_app.titles[kUrl] = kUrl; }, "title", "(null)"},
        {"empty title", [] { g_app.titles[kUrl] = L""; }, "title", "(null)"},
        {"title", [] { g_app.titles[kUrl] = L"T\u00e9"; }, "title", "T\xc3\xa9"},
        {"empty created", [] { g_app.createdAt[kUrl] = L""; }, "created", "(null)"},
        {"no updated", [] {}, "updated", "(null)"},
        {"no open count", [] {}, "open_count", "0"},
        {"open count", [] { g_app.openCounts[kUrl] = 12; }, "open_count", "12"},
        {"not pinned", [] {}, "pinned", "0"},
        {"pinned", [] { g_app.pinnedUrls.insert(kUrl); }, "pinned", "1"},
        {"empty reminder", [] { g_app.reminderDates[kUrl] = L""; }, "reminder_date", "(null)"},
        {"reminder action", [] { g_app.reminderActions[kUrl] = ReminderAction::Both; }, "reminder_action",
         "2"},
        {"reminder repeat", [] { g_app.reminderRepeats[kUrl] = ReminderRepeat::Weekly; }, "reminder_repeat",
         "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(dbPath_);
        g_app = AppState{};
        AddUrlToGroup(DefaultGroupId(), kUrl);
        c.arrange();
        SaveCatalogue();
        RawDb raw(dbPath_);
        EXPECT_EQ(raw.Value(std::string("SELECT ") + c.column + " FROM urls;"), c.expected);
    }
}

TEST_F(CatalogueSave, StoredCreationStampIsKept) {
    struct Case {
        const char* name;
        const wchar_t* laterValue;
    } cases[] = {{"changed in memory", L"2030-12-31 23:59:59"}, {"emptied in memory", L""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(dbPath_);
        g_app = AppState{};
        AddUrlToGroup(DefaultGroupId(), kUrl);
        g_app.createdAt[kUrl] = L"2001-02-03 04:05:06";
        SaveCatalogue();
        g_app.createdAt[kUrl] = c.laterValue;
        SaveCatalogue();
        RawDb raw(dbPath_);
        EXPECT_EQ(raw.Value("SELECT created FROM urls;"), "2001-02-03 04:05:06");
    }
}

TEST_F(CatalogueSave, RenamedGroupKeepsItsUrlsInOrderAndTheirTags) {
    int work = CreateGroup(L"Work");
    for (const wchar_t* url : {L"https://3.example/", L"https://1.example/", L"https://2.example/"})
        AddUrlToGroup(work, url);
    g_app.tagNames = {L"t"};
    g_app.urlTags[L"https://1.example/"] = {L"t"};
    SaveCatalogue();
    ASSERT_TRUE(RenameGroup(work, L"Projects"));
    SaveCatalogue();

    RawDb raw(dbPath_);
    EXPECT_EQ(raw.Column("SELECT name FROM groups ORDER BY sort_order;"), Strings{"Projects"});
    EXPECT_EQ(
        raw.Column("SELECT u.url FROM urls u JOIN groups g ON u.group_id = g.id WHERE g.name = 'Projects' "
                   "ORDER BY u.sort_order;"),
        (Strings{"https://3.example/", "https://1.example/", "https://2.example/"}));
    EXPECT_EQ(raw.Rows("SELECT u.url, t.name FROM url_tags ut JOIN urls u ON ut.url_id = u.id "
                       "JOIN tags t ON ut.tag_id = t.id;"),
              (Rows{{"https://1.example/", "t"}}));
}

TEST_F(CatalogueSave, TagNameOfOtherLetterCaseGetsNoAttachment) {
    AddUrlToGroup(DefaultGroupId(), kUrl);
    g_app.tagNames = {L"News"};
    g_app.urlTags[kUrl] = {L"news", L"News", L"NEWS"};
    SaveCatalogue();
    RawDb raw(dbPath_);
    EXPECT_EQ(raw.Column("SELECT t.name FROM url_tags ut JOIN tags t ON ut.tag_id = t.id;"), Strings{"News"});
}

TEST_F(CatalogueSave, RowIdsSurviveLaterSaves) {
    struct Case {
        const char* name;
        void (*change)();
    } cases[] = {
        {"no change", [] {}},
        {"groups reordered", [] { std::swap(g_app.groups[0], g_app.groups[1]); }},
        {"URLs reordered and retitled",
         [] {
             auto& urls = g_app.groups[1].urls;
             std::swap(urls.front(), urls.back());
             g_app.titles[urls.front()] = L"new title";
         }},
        {"tag vocabulary reordered", [] { std::swap(g_app.tagNames.front(), g_app.tagNames.back()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(dbPath_);
        g_app = AppState{};
        FillSampleCatalogue();
        SaveCatalogue();
        Rows before;
        {
            RawDb raw(dbPath_);
            before = RowIds(raw);
        }
        ASSERT_FALSE(before.empty());
        c.change();
        SaveCatalogue();
        RawDb raw(dbPath_);
        EXPECT_EQ(RowIds(raw), before);
    }
}

TEST_F(CatalogueSave, EmptyCatalogueDeletesEveryRow) {
    FillSampleCatalogue();
    SaveCatalogue();
    g_app = AppState{};
    SaveCatalogue();
    RawDb raw(dbPath_);
    for (const char* table : {"groups", "urls", "tags", "url_tags", "auto_tag_rules", "auto_group_rules"})
        EXPECT_EQ(raw.Value(std::string("SELECT count(*) FROM ") + table + ";"), "0") << table;
}

TEST_F(CatalogueSave, UrlsOfRemovedGroupsAndRemovedUrlsAreDeleted) {
    FillSampleCatalogue();
    SaveCatalogue();
    // The second group goes with its URLs; one of them was moved first.
    UrlGroup& work = g_app.groups[1];
    std::wstring moved = work.urls[0];
    g_app.groups[0].urls.push_back(moved);
    for (size_t i = 1; i < work.urls.size(); ++i) g_app.allUrls.erase(work.urls[i]);
    g_app.groups.erase(g_app.groups.begin() + 1);
    SaveCatalogue();

    RawDb raw(dbPath_);
    EXPECT_EQ(raw.Column("SELECT name FROM groups ORDER BY sort_order;"),
              (Strings{"Uncategorized", "Empty"}));
    EXPECT_EQ(raw.Column("SELECT url FROM urls ORDER BY sort_order;"),
              (Strings{"http://c.example/", Utf8FromWide(moved)}));
    // The moved URL was inserted again under its new group and keeps its tags.
    EXPECT_EQ(raw.Value("SELECT count(*) FROM url_tags;"), "2");
}

// Another program (or a second copy of this one) holding the file must not
// cost stored data: the blocked save leaves the file as the previous save
// wrote it, and the next save writes the whole catalogue.
TEST_F(CatalogueSave, SaveBlockedByAnotherConnectionLosesNothing) {
    struct Case {
        const char* lock;
    } cases[] = {
        {"BEGIN EXCLUSIVE;"},
        {"BEGIN IMMEDIATE;"},
        {"BEGIN; SELECT count(*) FROM urls;"},  // a reader: the commit cannot get its lock
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lock);
        std::filesystem::remove(dbPath_);
        g_app = AppState{};
        FillSampleCatalogue();
        SaveCatalogue();

        // Rename a group, drop a URL, add one, change tags and rules.
        ASSERT_TRUE(RenameGroup(g_app.groups[1].id, L"Renamed"));
        std::wstring dropped = g_app.groups[1].urls.back();
        g_app.groups[1].urls.pop_back();
        g_app.allUrls.erase(dropped);
        ForgetAttributes(dropped);
        AddUrlToGroup(g_app.groups[2].id, L"https://new.example/");
        g_app.tagNames.insert(g_app.tagNames.begin() + 1, L"fresh");
        g_app.urlTags[L"https://new.example/"] = {L"fresh"};
        g_app.autoTagRules.clear();
        AppState wanted = g_app;

        RawDb other(dbPath_);
        std::string stored = other.Dump();
        ASSERT_EQ(other.Exec(c.lock), SQLITE_OK);
        SaveCatalogue();
        EXPECT_EQ(other.Dump(), stored);
        ASSERT_EQ(other.Exec("COMMIT;"), SQLITE_OK);
        EXPECT_EQ(other.Dump(), stored);

        SaveCatalogue();
        ExpectSameSavedCatalogue(LoadIntoFreshCatalogue(), wanted);
    }
}

namespace {

// Lets the test interleave another connection with a save: every connection
// opened while it is installed reports the statement it starts, and when that
// connection waits for a lock, the other connection is told to let go just
// then, as another process could at any moment.
struct LockReleaseDuringSave {
    static inline RawDb* other = nullptr;
    static inline std::string releaseOn;
    static inline std::string lastSql;
    static inline bool released = false;

    // Installed again at every statement: the connection sets a busy
    // timeout of its own after it is opened, which replaces any handler.
    static int Trace(unsigned, void*, void* stmt, void* sql) {
        lastSql = static_cast<const char*>(sql);
        sqlite3_busy_handler(sqlite3_db_handle(static_cast<sqlite3_stmt*>(stmt)), Busy, nullptr);
        return 0;
    }
    static int Busy(void*, int) {
        if (!released && lastSql.rfind(releaseOn, 0) == 0) {
            other->Exec("COMMIT;");
            released = true;
        }
        return 0;  // the waiting statement fails with SQLITE_BUSY
    }
    static int Attach(sqlite3* db, const char**, const sqlite3_api_routines*) {
        sqlite3_trace_v2(db, SQLITE_TRACE_STMT, Trace, nullptr);
        sqlite3_busy_handler(db, Busy, nullptr);
        return SQLITE_OK;
    }
    using Entry = void (*)();
    LockReleaseDuringSave(RawDb& holder, const char* statementPrefix) {
        other = &holder;
        releaseOn = statementPrefix;
        released = false;
        sqlite3_auto_extension(reinterpret_cast<Entry>(reinterpret_cast<void*>(Attach)));
    }
    ~LockReleaseDuringSave() {
        sqlite3_cancel_auto_extension(reinterpret_cast<Entry>(reinterpret_cast<void*>(Attach)));
    }
};

}  // namespace

// A lock released half-way through a save: the other connection commits
// while the save waits on its first blocked statement, and the save goes on
// against a file that changed under it. Whatever the save then manages to
// write, nothing is lost: the next save leaves the whole catalogue stored.
TEST_F(CatalogueSave, LockReleasedDuringSaveLosesNothing) {
    int work = CreateGroup(L"Work");
    for (const wchar_t* url : {L"https://1.example/", L"https://2.example/"}) AddUrlToGroup(work, url);
    AddUrlToGroup(CreateGroup(L"Other"), L"https://3.example/");
    SaveCatalogue();
    ASSERT_TRUE(RenameGroup(work, L"Projects"));
    AppState wanted = g_app;
    wanted.groups.insert(wanted.groups.begin(), UrlGroup{0, kDefaultGroupName, {}});

    RawDb other(dbPath_);
    ASSERT_EQ(other.Exec("BEGIN IMMEDIATE;"), SQLITE_OK);
    ASSERT_EQ(other.Exec("UPDATE groups SET updated = 'by the other program' WHERE name = 'Other';"), SQLITE_OK);
    {
        LockReleaseDuringSave race(other, "");
        SaveCatalogue();
        EXPECT_TRUE(LockReleaseDuringSave::released);
    }

    SaveCatalogue();
    ExpectSameSavedCatalogue(LoadIntoFreshCatalogue(), wanted);
}
