#include <windows.h>

#include <fstream>
#include <iterator>

#include "base/ModulePath.h"
#include "storage/Database.h"
#include "storage/SqliteHandles.h"
#include "storage_test_support.h"

namespace {

using Strings = std::vector<std::string>;

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

bool OpenAndClose() {
    SqliteConnection db(OpenDatabase());
    return bool(db);
}

// The urls table as an earlier version left it: the creation stamp in a
// column named timestamp, none of the later columns.
const char kLegacySchema[] =
    "CREATE TABLE groups (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL UNIQUE, "
    "sort_order INTEGER NOT NULL DEFAULT 0);"
    "CREATE TABLE urls (id INTEGER PRIMARY KEY AUTOINCREMENT, group_id INTEGER NOT NULL, url TEXT NOT NULL "
    "UNIQUE, "
    "title TEXT, timestamp TEXT, sort_order INTEGER NOT NULL DEFAULT 0, "
    "FOREIGN KEY(group_id) REFERENCES groups(id) ON DELETE CASCADE);"
    "CREATE TABLE tags (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL UNIQUE);"
    "INSERT INTO groups (id, name, sort_order) VALUES (7, 'Old', 0);"
    "INSERT INTO urls (group_id, url, title, timestamp, sort_order) VALUES "
    "(7, 'https://a.example/', 'A', '2019-03-04 05:06:07', 0), (7, 'https://b.example/', NULL, NULL, 1);"
    "INSERT INTO tags (name) VALUES ('kept');";

}  // namespace

using DatabaseSchema = StorageTest;

TEST_F(DatabaseSchema, NewFileGetsEveryTableTheReminderColumnsLastAndTheVersionRow) {
    ASSERT_TRUE(OpenAndClose());
    RawDb raw(dbPath_);
    EXPECT_EQ(raw.Column("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' "
                         "ORDER BY name;"),
              (Strings{"auto_group_rules", "auto_tag_rules", "favicons", "groups", "meta", "tags", "url_tags",
                       "urls"}));
    EXPECT_EQ(raw.Column("SELECT name FROM pragma_table_info('urls') ORDER BY cid;"),
              (Strings{"id", "group_id", "url", "title", "created", "updated", "sort_order", "open_count",
                       "last_opened", "pinned", "reminder_date", "reminder_action", "reminder_repeat"}));
    EXPECT_EQ(raw.Rows("SELECT key, value FROM meta;"), (std::vector<Strings>{{"version", "1.3.5"}}));
}

TEST_F(DatabaseSchema, ConnectionHasForeignKeysAndTheLargeCache) {
    SqliteConnection db(OpenDatabase());
    ASSERT_TRUE(db);
    struct Case {
        const char* pragma;
        int expected;
    } cases[] = {
        {"PRAGMA foreign_keys;", 1}, {"PRAGMA cache_size;", -65536}, {"PRAGMA temp_store;", 2},  // MEMORY
    };
    for (const Case& c : cases) {
        SqliteStatement stmt(db.get(), c.pragma);
        ASSERT_TRUE(stmt) << c.pragma;
        ASSERT_EQ(sqlite3_step(stmt.get()), SQLITE_ROW) << c.pragma;
        EXPECT_EQ(sqlite3_column_int(stmt.get(), 0), c.expected) << c.pragma;
    }
}

TEST_F(DatabaseSchema, LegacyTimestampColumnBecomesCreatedAndMissingColumnsArrive) {
    {
        RawDb raw(dbPath_);
        ASSERT_EQ(raw.Exec(kLegacySchema), SQLITE_OK);
    }
    ASSERT_TRUE(OpenAndClose());
    RawDb raw(dbPath_);
    EXPECT_EQ(raw.Column("SELECT name FROM pragma_table_info('urls') ORDER BY cid;"),
              (Strings{"id", "group_id", "url", "title", "created", "sort_order", "updated", "open_count",
                       "last_opened", "pinned", "reminder_date", "reminder_action", "reminder_repeat"}));
    EXPECT_EQ(raw.Rows("SELECT url, title, created, open_count, pinned, reminder_action, reminder_repeat "
                       "FROM urls ORDER BY sort_order;"),
              (std::vector<Strings>{{"https://a.example/", "A", "2019-03-04 05:06:07", "0", "0", "0", "0"},
                                    {"https://b.example/", "(null)", "(null)", "0", "0", "0", "0"}}));
    EXPECT_EQ(raw.Value("SELECT count(*) FROM pragma_table_info('groups') WHERE name = 'updated';"), "1");
    EXPECT_EQ(raw.Value("SELECT count(*) FROM pragma_table_info('tags') WHERE name = 'updated';"), "1");
    EXPECT_EQ(raw.Column("SELECT name FROM tags;"), Strings{"kept"});
}

TEST_F(DatabaseSchema, LegacyStampsReachTheCatalogue) {
    {
        RawDb raw(dbPath_);
        ASSERT_EQ(raw.Exec(kLegacySchema), SQLITE_OK);
    }
    DefaultGroupId();
    LoadCatalogue();
    ASSERT_EQ(g_app.groups.size(), 2u);
    EXPECT_EQ(g_app.groups[1].urls,
              (std::vector<std::wstring>{L"https://a.example/", L"https://b.example/"}));
    EXPECT_EQ(g_app.createdAt[L"https://a.example/"], L"2019-03-04 05:06:07");
}

TEST_F(DatabaseSchema, CreatedAndTimestampTogetherAreLeftAsTheyAre) {
    {
        RawDb raw(dbPath_);
        ASSERT_EQ(
            raw.Exec("CREATE TABLE urls (id INTEGER PRIMARY KEY AUTOINCREMENT, group_id INTEGER NOT NULL, "
                     "url TEXT NOT NULL UNIQUE, created TEXT, timestamp TEXT);"
                     "INSERT INTO urls (group_id, url, created, timestamp) VALUES "
                     "(1, 'https://a.example/', '2020-01-01 00:00:00', '1999-09-09 09:09:09'),"
                     "(1, 'https://b.example/', NULL, '1998-08-08 08:08:08');"),
            SQLITE_OK);
    }
    ASSERT_TRUE(OpenAndClose());
    RawDb raw(dbPath_);
    EXPECT_EQ(raw.Rows("SELECT url, created, timestamp FROM urls ORDER BY id;"),
              (std::vector<Strings>{{"https://a.example/", "2020-01-01 00:00:00", "1999-09-09 09:09:09"},
                                    {"https://b.example/", "(null)", "1998-08-08 08:08:08"}}));
}

TEST_F(DatabaseSchema, SecondOpeningChangesNothing) {
    struct Case {
        const char* name;
        const char* setup;
    } cases[] = {{"new file", ""}, {"legacy file", kLegacySchema}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(dbPath_);
        {
            RawDb raw(dbPath_);
            ASSERT_EQ(raw.Exec(c.setup), SQLITE_OK);
        }
        ASSERT_TRUE(OpenAndClose());
        std::string schemaBefore, rowsBefore, versionBefore;
        {
            RawDb raw(dbPath_);
            for (auto& row : raw.Rows("SELECT sql FROM sqlite_master ORDER BY name;"))
                schemaBefore += row[0] + "\n";
            rowsBefore = raw.Dump();
            versionBefore = raw.Value("PRAGMA schema_version;");
        }
        ASSERT_TRUE(OpenAndClose());
        RawDb raw(dbPath_);
        std::string schemaAfter;
        for (auto& row : raw.Rows("SELECT sql FROM sqlite_master ORDER BY name;"))
            schemaAfter += row[0] + "\n";
        EXPECT_EQ(schemaAfter, schemaBefore);
        EXPECT_EQ(raw.Dump(), rowsBefore);
        EXPECT_EQ(raw.Value("PRAGMA schema_version;"), versionBefore);
    }
}

TEST_F(DatabaseSchema, FileThatIsNotADatabaseIsLeftUntouched) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 37 + 11) & 0xff);
    const std::string contents[] = {
        "https://example.org/ is a link, this is a text file\r\n",
        binary,
    };
    for (const std::string& bytes : contents) {
        WriteBytes(dbPath_, bytes);
        g_app = AppState{};
        DefaultGroupId();
        AddUrlToGroup(g_app.groups[0].id, L"https://example.org/");

        EXPECT_EQ(OpenDatabase(), nullptr);
        SaveCatalogue();
        LoadCatalogue();

        EXPECT_EQ(ReadBytes(dbPath_), bytes);
        EXPECT_EQ(g_app.groups.size(), 1u);
        EXPECT_EQ(g_app.groups[0].urls.size(), 1u);
        EXPECT_FALSE(std::filesystem::exists(dbPath_.wstring() + L"-journal"));
    }
}

TEST(DatabasePathRule, CustomPathWinsOverTheExecutablePath) {
    g_settings.customDatabasePath = L"D:\\data\\mine.sqlite";
    EXPECT_EQ(DatabasePath(), L"D:\\data\\mine.sqlite");
    g_settings.customDatabasePath.clear();

    wchar_t module[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring exe = module;
    ASSERT_EQ(exe.substr(exe.size() - 4), L".exe");
    EXPECT_EQ(DatabasePath(), exe.substr(0, exe.size() - 4) + L".db");
}

TEST(DatabasePathRule, ExtensionIsCutAtTheLastDotOfTheWholePath) {
    struct Case {
        const wchar_t* path;
        const wchar_t* expected;
    } cases[] = {
        {L"C:\\Apps\\Vantrelix.exe", L"C:\\Apps\\Vantrelix.db"},
        {L"C:\\my.apps\\Vantrelix", L"C:\\my.db"},
        {L"C:\\Apps\\Vantrelix", L"C:\\Apps\\Vantrelix"},
        {L"C:\\v1.2\\Vantrelix.backup.exe", L"C:\\v1.2\\Vantrelix.backup.db"},
    };
    for (const Case& c : cases) EXPECT_EQ(ReplaceExtensionFromLastDot(c.path, L".db"), c.expected) << c.path;
}
