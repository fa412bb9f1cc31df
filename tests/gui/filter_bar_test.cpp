// The filter bar and the status bar of the running main window: the status
// text, the filter lists and their restore at start-up, search typing and the
// clear button.
#include <algorithm>
#include <functional>
#include <vector>

#include "GuiFixture.h"
#include "WindowProbe.h"
#include "grid/FilterBar.h"
#include "grid/SearchBox.h"
#include "grid/StatusBar.h"
#include "storage/Database.h"

namespace {

const std::wstring kAlpha = L"https://alpha.example/";
const std::wstring kBeta = L"https://beta.example/";
const std::wstring kGamma = L"https://gamma.example/";
const std::wstring kLongTag = L"L" + std::wstring(299, L'x');

class FilterBarTest : public MainWindowTest {
   protected:
    // The database as an earlier run left it: three URLs, three tags (one of
    // 300 characters) and reminders in the far past and future.
    void SeedCatalogue() {
        g_app = AppState{};
        const int inbox = DefaultGroupId();
        for (const std::wstring& url : {kAlpha, kBeta, kGamma}) AddUrlToGroup(inbox, url);
        g_app.tagNames = {L"Home", L"Work", kLongTag};
        g_app.urlTags = {{kAlpha, {L"Work"}}, {kBeta, {L"Home"}}, {kGamma, {kLongTag}}};
        g_app.reminderDates = {
            {kAlpha, L"2999-01-01 09:00"}, {kBeta, L"2000-01-01 09:00"}, {kGamma, L"2999-06-01 09:00"}};
        g_app.reminderActions = {{kAlpha, ReminderAction::Notify},
                                 {kBeta, ReminderAction::Notify},
                                 {kGamma, ReminderAction::Notify}};
        SaveCatalogue();
        g_app = AppState{};
    }

    static std::vector<std::wstring> VisibleUrls() {
        std::vector<std::wstring> urls;
        for (const VisibleRow& row : g_grid.visibleRows) urls.push_back(row.url);
        std::sort(urls.begin(), urls.end());
        return urls;
    }

    static std::vector<std::wstring> Entries(HWND combo) {
        std::vector<std::wstring> entries;
        const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) entries.push_back(ComboEntryText(combo, i));
        return entries;
    }

    static std::wstring SelectedEntry(HWND combo) {
        return ComboEntryText(combo, static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)));
    }

    // What the combo box sends when the user picks an entry.
    static void Choose(HWND combo, const std::wstring& entry) {
        const int index = FindComboEntry(combo, entry, 0);
        ASSERT_GE(index, 0);
        SendMessageW(combo, CB_SETCURSEL, index, 0);
        SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
    }

    static int SearchBoxRight() { return ChildRect(g_searchEdit).right; }
    static bool ClearButtonShown() { return IsWindowVisible(g_searchClearButton) != FALSE; }
};

std::vector<std::wstring> Sorted(std::vector<std::wstring> urls) {
    std::sort(urls.begin(), urls.end());
    return urls;
}

}  // namespace

TEST_F(FilterBarTest, StatusTextOfAnEmptyCatalogue) {
    StartWindow();
    EXPECT_EQ(
        StatusSlotText(0),
        L"Total: 0  |  Visible: 0  |  Selected: 0  |  Valid: 0  |  Invalid: 0  |  Groups: 1  |  Tags: 0  |  "
        L"Opened: 0  |  Pinned: 0  |  Reminders: 0  |  Tag: All");
}

TEST_F(FilterBarTest, StatusTextCountsWhatIsShownAndSummarisesEveryFilter) {
    SeedCatalogue();
    StartWindow();
    g_app.validationStatus = {
        {kAlpha, L"\u2714 200"}, {kBeta, L"\u2718 404"}, {L"https://gone.example/", L"\u2714"}};
    g_app.openCounts = {{kAlpha, 2}, {kGamma, 3}};
    g_app.pinnedUrls = {kAlpha};
    Choose(g_tagFilterCombo, L"Work");
    Choose(g_reminderFilterCombo, L"Has Reminder");
    SetWindowTextW(g_searchEdit, L"alpha");
    // Gamma stays selected but is filtered out: it is not counted.
    g_grid.selectedUrls = {kAlpha, kGamma};
    UpdateStatusBar();
    EXPECT_EQ(
        StatusSlotText(0),
        L"Total: 3  |  Visible: 1  |  Selected: 1  |  Valid: 1  |  Invalid: 1  |  Groups: 1  |  Tags: 3  |  "
        L"Opened: 5  |  Pinned: 1  |  Reminders: 3  |  Tag: Work | Reminder: Has Reminder | Search: alpha");
    // Slots past the eighth hold nothing.
    EXPECT_EQ(StatusSlotText(8), L"");
}

TEST_F(FilterBarTest, FilterChoicesSetTheFiltersAndRefilterTheRows) {
    SeedCatalogue();
    StartWindow();
    struct Step {
        HWND combo;
        const wchar_t* entry;
        std::wstring tagFilter, reminderFilter;
        std::vector<std::wstring> visible;
    };
    const Step steps[] = {
        {g_tagFilterCombo, L"Home", L"Home", L"", {kBeta}},
        {g_reminderFilterCombo, L"Upcoming", L"Home", L"Upcoming", {}},
        {g_tagFilterCombo, L"All Tags", L"", L"Upcoming", {kAlpha, kGamma}},
        {g_tagFilterCombo, kLongTag.c_str(), kLongTag, L"Upcoming", {kGamma}},
        {g_reminderFilterCombo, L"All Reminders", kLongTag, L"", {kGamma}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.entry);
        Choose(step.combo, step.entry);
        EXPECT_EQ(g_settings.tagFilter, step.tagFilter);
        EXPECT_EQ(g_settings.reminderFilter, step.reminderFilter);
        EXPECT_EQ(VisibleUrls(), Sorted(step.visible));
    }
}

TEST_F(FilterBarTest, ListsAreFilledAndStoredFiltersRestoredExactly) {
    SeedCatalogue();
    struct Case {
        const char* name;
        std::wstring storedTag, storedReminder;
        std::wstring tagEntry, reminderEntry;  // selected afterwards
        std::vector<std::wstring> visible;
    };
    const Case cases[] = {
        {"exact", L"Work", L"Has Reminder", L"Work", L"Has Reminder", {kAlpha}},
        {"other case", L"work", L"has reminder", L"All Tags", L"All Reminders", {kAlpha, kBeta, kGamma}},
        {"tag longer than 255", kLongTag, L"Upcoming", kLongTag, L"Upcoming", {kGamma}},
        {"first 255 of it",
         kLongTag.substr(0, 255),
         L"Due / Overdue",
         L"All Tags",
         L"Due / Overdue",
         {kBeta}},
        {"no such entries", L"Gone", L"Soon", L"All Tags", L"All Reminders", {kAlpha, kBeta, kGamma}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_settings.tagFilter = c.storedTag;
        g_settings.reminderFilter = c.storedReminder;
        g_app = AppState{};
        StartWindow();
        std::vector<std::wstring> tagEntries{L"All Tags"};
        tagEntries.insert(tagEntries.end(), g_app.tagNames.begin(), g_app.tagNames.end());
        EXPECT_EQ(Entries(g_tagFilterCombo), tagEntries);
        EXPECT_EQ(Entries(g_reminderFilterCombo),
                  (std::vector<std::wstring>{L"All Reminders", L"Has Reminder", L"Due / Overdue",
                                             L"Due Today", L"Upcoming"}));
        EXPECT_EQ(SelectedEntry(g_tagFilterCombo), c.tagEntry);
        EXPECT_EQ(SelectedEntry(g_reminderFilterCombo), c.reminderEntry);
        EXPECT_EQ(g_settings.tagFilter, c.tagEntry == L"All Tags" ? L"" : c.tagEntry);
        EXPECT_EQ(g_settings.reminderFilter, c.reminderEntry == L"All Reminders" ? L"" : c.reminderEntry);
        EXPECT_EQ(VisibleUrls(), Sorted(c.visible));
        CloseWindow();
    }
}

TEST_F(FilterBarTest, TypingRefiltersSelectsTheFirstRowAndTogglesTheClearButton) {
    SeedCatalogue();
    StartWindow();
    const int width = 600;
    ASSERT_FALSE(ClearButtonShown());
    EXPECT_EQ(SearchBoxRight(), width);

    SetWindowTextW(g_searchEdit, L"beta");
    EXPECT_EQ(VisibleUrls(), std::vector<std::wstring>{kBeta});
    EXPECT_EQ(g_grid.selectedUrls, std::set<std::wstring>{kBeta});
    EXPECT_EQ(g_grid.focusRow, 0);
    EXPECT_TRUE(ClearButtonShown());
    EXPECT_EQ(SearchBoxRight(), width - 26);
    EXPECT_EQ(ChildRect(g_searchClearButton).left, width - 24);

    // Real keystrokes: a text nothing matches, then backspace to empty.
    SetWindowTextW(g_searchEdit, L"");
    SendMessageW(g_searchEdit, WM_CHAR, L'z', 1);
    EXPECT_EQ(WindowText(g_searchEdit), L"z");
    EXPECT_TRUE(g_grid.visibleRows.empty());
    EXPECT_TRUE(g_grid.selectedUrls.empty());
    EXPECT_EQ(g_grid.focusRow, -1);
    EXPECT_TRUE(ClearButtonShown());
    EXPECT_NE(StatusSlotText(0).find(L"Visible: 0  |  Selected: 0"), std::wstring::npos);

    SendMessageW(g_searchEdit, WM_CHAR, VK_BACK, 1);
    EXPECT_EQ(WindowText(g_searchEdit), L"");
    EXPECT_EQ(VisibleUrls(), Sorted({kAlpha, kBeta, kGamma}));
    EXPECT_EQ(g_grid.selectedUrls.size(), 1u);
    EXPECT_EQ(g_grid.focusRow, 0);
    EXPECT_FALSE(ClearButtonShown());
    EXPECT_EQ(SearchBoxRight(), width);
}

TEST_F(FilterBarTest, ClearButtonEmptiesTheSearchAndFocusesTheBox) {
    SeedCatalogue();
    StartWindow();
    SetWindowTextW(g_searchEdit, L"gamma");
    ASSERT_EQ(VisibleUrls(), std::vector<std::wstring>{kGamma});
    ASSERT_TRUE(ClearButtonShown());
    SendMessageW(g_searchClearButton, BM_CLICK, 0, 0);
    EXPECT_EQ(WindowText(g_searchEdit), L"");
    EXPECT_EQ(VisibleUrls(), Sorted({kAlpha, kBeta, kGamma}));
    EXPECT_FALSE(ClearButtonShown());
    EXPECT_EQ(SearchBoxRight(), 600);
    EXPECT_EQ(GetFocus(), g_searchEdit);
    EXPECT_EQ(StatusSlotText(0).find(L"Search:"), std::wstring::npos);
}
