// Which URLs the rebuild keeps: reminder, tag and search filters.
#include <memory>

#include "grid/RowFilters.h"
#include "grid/VisibleRows.h"
#include "grid_test_support.h"

namespace {

using Urls = std::vector<std::wstring>;

TEST(ReminderFilter, ComparesTheDueTextWithTheClock) {
    const ReminderClock now{L"2024-05-10 12:30", L"2024-05-10"};
    struct Case {
        const wchar_t* filter;
        const wchar_t* due;  // nullptr: no reminder
        bool passes;
    };
    const Case cases[] = {
        {L"", nullptr, true},
        {L"Has Reminder", nullptr, false},
        {L"Has Reminder", L"2999-01-01 00:00", true},
        {L"Due / Overdue", L"2024-05-10 08:00", true},   // earlier today
        {L"Due / Overdue", L"2024-05-10 12:30", true},   // this minute counts as due
        {L"Due / Overdue", L"2023-12-31 23:59", true},   // an earlier day
        {L"Due / Overdue", L"2024-05-10 18:00", false},  // later today
        {L"Due / Overdue", L"2024-05-10 12:3", true},    // a prefix is the smaller text
        {L"Due / Overdue", nullptr, false},
        {L"Due Today", L"2024-05-10 08:00", true},
        {L"Due Today", L"2024-05-10 18:00", true},
        {L"Due Today", L"2024-05-11 08:00", false},
        {L"Due Today", L"2024-05-10", true},
        {L"Due Today", L"2024-05-1", false},  // shorter than a date never matches
        {L"Due Today", nullptr, false},
        {L"Upcoming", L"2024-05-10 18:00", true},
        {L"Upcoming", L"2025-01-01 00:00", true},
        {L"Upcoming", L"2024-05-10 12:30", false},
        {L"Upcoming", L"2024-05-10 08:00", false},
        {L"Upcoming", L"2024-05-10 12:30\xFFFF", true},  // compared as unsigned code units
        {L"Upcoming", nullptr, false},
        // Values that are not one of the four names filter nothing.
        {L"has reminder", nullptr, true},
        {L"Overdue", nullptr, true},
        {L"Due Today ", nullptr, true},
    };
    for (const Case& c : cases) {
        std::unique_ptr<std::wstring> due(c.due ? new std::wstring(c.due) : nullptr);
        EXPECT_EQ(PassesReminderFilter(c.filter, due.get(), now), c.passes)
            << "filter '" << testing::PrintToString(std::wstring(c.filter)) << "' due "
            << (c.due ? testing::PrintToString(std::wstring(c.due)) : "none");
    }
}

TEST(ReminderFilter, ClockHasTheFilterLayout) {
    ReminderClock now = ReadReminderClock();
    ASSERT_EQ(now.minute.size(), 16u);
    EXPECT_EQ(now.minute.substr(0, 10), now.date);
    EXPECT_EQ(now.minute[10], L' ');
    EXPECT_EQ(now.minute[13], L':');
    // The clock agrees with the catalogue's own timestamps, to the minute or
    // the one after it.
    std::wstring stamp = NowTimestamp().substr(0, 16);
    EXPECT_LE(now.minute, stamp);
}

TEST(SearchMatch, FoldsOnlyAsciiLettersOfTheText) {
    struct Case {
        const wchar_t* text;
        const wchar_t* foldedKey;
        bool found;
    };
    const Case cases[] = {
        {L"Hello World", L"lo wo", true},
        {L"Hello World", L"world", true},
        {L"Hello World", L"worlds", false},
        {L"HELLO", L"hello", true},
        {L"caf\x00C9", L"caf\x00E9", false},  // É is not folded to é
        {L"caf\x00E9", L"caf\x00E9", true},
        {L"abc", L"", true},
        {L"", L"a", false},
        {L"aab", L"ab", true},
        {L"ab", L"abc", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ContainsFolded(c.text, c.foldedKey), c.found)
            << testing::PrintToString(std::wstring(c.text)) << " / "
            << testing::PrintToString(std::wstring(c.foldedKey));
}

class RowFilterTest : public GridRowsTest {};

TEST_F(RowFilterTest, ReminderFilterOnTheCatalogue) {
    AddGroup(L"G", {L"https://past/", L"https://future/", L"https://none/"});
    g_app.reminderDates[L"https://past/"] = L"2000-01-01 00:00";
    g_app.reminderDates[L"https://future/"] = L"2999-01-01 00:00";
    struct Case {
        const wchar_t* filter;
        Urls shown;
    };
    const Case cases[] = {
        {L"", {L"https://past/", L"https://future/", L"https://none/"}},
        {L"Has Reminder", {L"https://past/", L"https://future/"}},
        {L"Due / Overdue", {L"https://past/"}},
        {L"Upcoming", {L"https://future/"}},
        {L"Due Today", {}},
        {L"Soon", {L"https://past/", L"https://future/", L"https://none/"}},
    };
    for (const Case& c : cases) {
        g_settings.reminderFilter = c.filter;
        RebuildVisibleRows();
        EXPECT_EQ(VisibleUrls(), c.shown) << testing::PrintToString(std::wstring(c.filter));
    }
}

TEST_F(RowFilterTest, TagFilterWantsTheExactName) {
    AddGroup(L"G", {L"https://a/", L"https://b/", L"https://c/", L"https://d/"});
    g_app.urlTags[L"https://a/"] = {L"Home", L"Work"};
    g_app.urlTags[L"https://b/"] = {L"work"};
    g_app.urlTags[L"https://c/"] = {L"Workshop"};
    g_settings.tagFilter = L"Work";
    RebuildVisibleRows();
    EXPECT_EQ(VisibleUrls(), Urls{L"https://a/"});
    g_settings.tagFilter = L"";
    RebuildVisibleRows();
    EXPECT_EQ(VisibleUrls().size(), 4u);
}

TEST_F(RowFilterTest, SearchLooksAtTitleCellAndUrl) {
    const std::wstring titled = L"https://a.example/x";
    const std::wstring accented = L"https://b.example/";
    const std::wstring untitled = L"https://C.example/Path";
    const std::wstring emptyTitle = L"https://d.example/";
    AddGroup(L"G", {titled, accented, untitled, emptyTitle});
    g_app.titles[titled] = L"Hello World";
    g_app.titles[accented] = L"caf\x00E9";
    g_app.titles[emptyTitle] = L"";
    struct Case {
        const wchar_t* search;
        Urls shown;
    };
    const Case cases[] = {
        {L"", {titled, accented, untitled, emptyTitle}},
        {L"WORLD", {titled}},
        {L"hElLo w", {titled}},
        {L"CAF\x00C9", {}},  // capital É does not find é
        {L"caf\x00E9", {accented}},
        {L"CAF", {accented}},
        {L"c.example/path", {untitled}},  // URL without title, found once
        {L"D.EXAMPLE", {emptyTitle}},     // empty title: the title cell is the URL
        {L"EXAMPLE", {titled, accented, untitled, emptyTitle}},
        {L"zzz", {}},
    };
    // Typed key by key, the refilter reuses the texts folded by earlier
    // keystrokes and must agree with a full rebuild.
    for (const Case& c : cases) {
        RebuildVisibleRowsWithSearch(c.search);
        EXPECT_EQ(VisibleUrls(), c.shown) << "rebuild " << testing::PrintToString(std::wstring(c.search));
        RefilterVisibleRowsWithSearch(c.search);
        EXPECT_EQ(VisibleUrls(), c.shown) << "refilter " << testing::PrintToString(std::wstring(c.search));
    }
}

TEST_F(RowFilterTest, RebuildSeesCatalogueChangesThatARefilterMayNot) {
    AddGroup(L"G", {L"https://a/", L"https://b/"});
    g_app.titles[L"https://a/"] = L"Old";
    RefilterVisibleRowsWithSearch(L"new");
    EXPECT_TRUE(VisibleUrls().empty());
    g_app.titles[L"https://a/"] = L"New";
    RebuildVisibleRowsWithSearch(L"new");
    EXPECT_EQ(VisibleUrls(), Urls{L"https://a/"});

    // A URL filed without the rebuild it needs must not leave the cached
    // texts pointing past a group's list: they are built again.
    g_app.groups[0].urls.push_back(L"https://new/");
    g_app.allUrls.insert(L"https://new/");
    RefilterVisibleRowsWithSearch(L"https://");
    EXPECT_EQ(VisibleUrls(), (Urls{L"https://a/", L"https://b/", L"https://new/"}));
}

TEST_F(RowFilterTest, PinsAndSortAgreeWithAndWithoutCachedTexts) {
    AddGroup(L"G", {L"https://d/", L"https://c/", L"https://b/", L"https://a/"});
    g_app.titles = {{L"https://d/", L"alpha"}, {L"https://a/", L"Zulu"}};
    g_app.pinnedUrls = {L"https://b/", L"https://a/"};
    const Urls pinnedFirst = {L"https://b/", L"https://a/", L"https://d/", L"https://c/"};
    RebuildVisibleRowsWithSearch(L"");  // no cache needed
    EXPECT_EQ(VisibleUrls(), pinnedFirst);
    RefilterVisibleRowsWithSearch(L"/");  // builds the cache
    EXPECT_EQ(VisibleUrls(), pinnedFirst);
    RefilterVisibleRowsWithSearch(L"");  // uses it without a search
    EXPECT_EQ(VisibleUrls(), pinnedFirst);

    // Title cells: "alpha", "https://c/", "https://b/", "zulu".
    g_settings.sortColumn = ColumnId::Title;
    const Urls byTitle = {L"https://b/", L"https://a/", L"https://d/", L"https://c/"};
    RefilterVisibleRowsWithSearch(L"");
    EXPECT_EQ(VisibleUrls(), byTitle);
    g_app.pinnedUrls.clear();
    RebuildVisibleRowsWithSearch(L"");
    EXPECT_EQ(VisibleUrls(), (Urls{L"https://d/", L"https://b/", L"https://c/", L"https://a/"}));
}

TEST_F(RowFilterTest, FiltersCombine) {
    AddGroup(L"G", {L"https://a/1", L"https://a/2", L"https://b/3"});
    g_app.urlTags[L"https://a/1"] = {L"t"};
    g_app.urlTags[L"https://b/3"] = {L"t"};
    g_app.reminderDates[L"https://a/1"] = L"2000-01-01 00:00";
    g_app.reminderDates[L"https://a/2"] = L"2000-01-01 00:00";
    g_settings.tagFilter = L"t";
    RebuildVisibleRowsWithSearch(L"/A/");
    EXPECT_EQ(VisibleUrls(), Urls{L"https://a/1"});
    g_settings.reminderFilter = L"Upcoming";
    RebuildVisibleRowsWithSearch(L"/A/");
    EXPECT_TRUE(VisibleUrls().empty());
}

}  // namespace
