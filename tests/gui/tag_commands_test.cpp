// The tag commands of the main window, answered through their real dialogs:
// Add Tag, Rename Tag, Delete Tag, Edit Tags of a selection (the tag chooser)
// and Filter by Tags, also for every item of the tag submenus of a thousand
// tags. Each checks the catalogue, the tag filter, the database file and the
// undo step.
#include <map>
#include <string>
#include <vector>

#include "CatalogueCommandTest.h"
#include "DialogTestSupport.h"
#include "app/Menus.h"
#include "grid/Columns.h"
#include "grid/FilterBar.h"
#include "grid/Selection.h"
#include "model/Undo.h"
#include "settings/Settings.h"
#include "storage/Database.h"
#include "ui/CommandIds.h"
#include "unit/storage_test_support.h"

namespace {

using TagList = std::vector<std::wstring>;
using Stored = std::vector<std::string>;

constexpr wchar_t kA[] = L"https://a.example/";
constexpr wchar_t kB[] = L"https://b.example/";
constexpr wchar_t kC[] = L"https://c.example/";
constexpr int kTagListId = 301;

std::vector<std::wstring> Entries(HWND combo) {
    std::vector<std::wstring> entries;
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) entries.push_back(ComboEntryText(combo, i));
    return entries;
}

std::wstring SelectedEntry(HWND combo) {
    return ComboEntryText(combo, static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)));
}

// What the combo box sends when the user picks an entry.
void Choose(HWND combo, const std::wstring& entry) {
    const int index = FindComboEntry(combo, entry, 0);
    ASSERT_GE(index, 0);
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}


class TagCommands : public CatalogueCommandTest {
   protected:
    // Three URLs: a tagged Work and News, b News, c untagged.
    void FillTags() {
        File(L"Uncategorized", {kA, kB, kC});
        g_app.tagNames = {L"Work", L"News"};
        g_app.urlTags = {{kA, {L"Work", L"News"}}, {kB, {L"News"}}};
        Refill();
    }
    // The views and the file as a start-up shows them.
    void Refill() {
        FillTagFilterCombo();
        RefreshGridWithColumns();
        SaveCatalogue();
    }
    void OpenTagsMenu() {
        SendMessageW(g_mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(g_mainMenu.tags), 0);
    }
    UINT RenameItem(int position) { return GetMenuItemID(g_mainMenu.renameTag, position); }
    UINT DeleteItem(int position) { return GetMenuItemID(g_mainMenu.deleteTag, position); }
    std::wstring TagsCell(const std::wstring& url) { return GetRowCellText(RowOf(url), ColumnId::Tags); }
    std::vector<std::wstring> VisibleUrls() {
        std::vector<std::wstring> urls;
        for (const VisibleRow& row : g_grid.visibleRows) urls.push_back(row.url);
        return urls;
    }
};

}  // namespace

TEST_F(TagCommands, AddTagPutsTheTrimmedNameInTheListTheFilterAndTheFileAndUndoTakesItBack) {
    FillTags();
    std::wstring shown = L"unset";
    DialogSequence dialogs({{L"Vantrelix Add Tag", Type(L" Read later ", &shown)}});
    Command(IDM_ADD_TAG);
    EXPECT_EQ(dialogs.answered(), 1u);
    EXPECT_EQ(shown, L"");
    EXPECT_EQ(g_app.tagNames, (TagList{L"Work", L"News", L"Read later"}));
    EXPECT_EQ(g_app.tagUpdatedAt[L"Read later"].size(), 19u);
    EXPECT_EQ(Entries(g_tagFilterCombo), (TagList{L"All Tags", L"Work", L"News", L"Read later"}));
    EXPECT_EQ(StoredTags(), (Stored{"News", "Read later", "Work"}));
    EXPECT_EQ(RawDb(dbPath_).Value("SELECT length(updated) FROM tags WHERE name = 'Read later';"), "19");
    EXPECT_EQ(UndoMenuText(), L"&Undo Add Tag\tCtrl+Z");

    Command(IDM_UNDO);
    EXPECT_EQ(g_app.tagNames, (TagList{L"Work", L"News"}));
    EXPECT_EQ(Entries(g_tagFilterCombo), (TagList{L"All Tags", L"Work", L"News"}));
    EXPECT_EQ(StoredTags(), (Stored{"News", "Work"}));
}

TEST_F(TagCommands, AddTagRefusesATakenOrBlankNameWithAMessageAndNoStep) {
    FillTags();
    struct Case {
        std::wstring typed;
        const wchar_t* caption;
        const wchar_t* message;
    };
    const Case cases[] = {
        {L"news", L"Vantrelix", L"A tag with that name already exists."},
        {L" WORK ", L"Vantrelix", L"A tag with that name already exists."},
        {L" \t ", L"Vantrelix Add Tag", L"Tag name cannot be empty."},
    };
    const std::string before = RawDb(dbPath_).Dump();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.typed));
        std::wstring told;
        DialogSequence dialogs({{L"Vantrelix Add Tag", Type(c.typed)}, {c.caption, Press(IDOK, &told)}});
        Command(IDM_ADD_TAG);
        EXPECT_EQ(dialogs.answered(), 2u);
        EXPECT_EQ(told, c.message);
        EXPECT_EQ(g_app.tagNames, (TagList{L"Work", L"News"}));
        EXPECT_FALSE(CanUndo());
    }
    DialogSequence cancelled({{L"Vantrelix Add Tag", CancelPrompt()}});
    Command(IDM_ADD_TAG);
    EXPECT_EQ(cancelled.answered(), 1u);
    EXPECT_FALSE(CanUndo());
    EXPECT_EQ(RawDb(dbPath_).Dump(), before);
}

// The tag filter on the old name has nothing to match any more: it falls
// back to all tags and the rows it hid come back.
TEST_F(TagCommands, RenameTagRenamesItOnEveryUrlAndTheFilterOnItFallsBackToAll) {
    FillTags();
    Choose(g_tagFilterCombo, L"Work");
    ASSERT_EQ(VisibleUrls(), TagList{kA});
    OpenTagsMenu();
    std::wstring shown;
    DialogSequence dialogs({{L"Vantrelix Rename Tag", Type(L"Jobs ", &shown)}});
    Command(RenameItem(0));
    EXPECT_EQ(dialogs.answered(), 1u);
    EXPECT_EQ(shown, L"Work");
    EXPECT_EQ(g_app.tagNames, (TagList{L"Jobs", L"News"}));
    EXPECT_EQ(g_app.urlTags[kA], (TagList{L"Jobs", L"News"}));
    EXPECT_FALSE(g_app.tagUpdatedAt.count(L"Work"));
    EXPECT_EQ(g_app.tagUpdatedAt[L"Jobs"].size(), 19u);
    EXPECT_EQ(Entries(g_tagFilterCombo), (TagList{L"All Tags", L"Jobs", L"News"}));
    EXPECT_EQ(SelectedEntry(g_tagFilterCombo), L"All Tags");
    EXPECT_EQ(g_settings.tagFilter, L"");
    EXPECT_EQ(VisibleUrls().size(), 3u);
    EXPECT_NE(TagsCell(kA).find(L"Jobs"), std::wstring::npos) << testing::PrintToString(TagsCell(kA));
    EXPECT_EQ(StoredTags(), (Stored{"Jobs", "News"}));
    EXPECT_EQ(StoredLinks(),
              (Stored{"https://a.example/ Jobs", "https://a.example/ News", "https://b.example/ News"}));
    EXPECT_EQ(UndoMenuText(), L"&Undo Rename Tag\tCtrl+Z");

    Command(IDM_UNDO);
    EXPECT_EQ(g_app.tagNames, (TagList{L"Work", L"News"}));
    EXPECT_EQ(g_app.urlTags[kA], (TagList{L"Work", L"News"}));
    EXPECT_EQ(StoredLinks(),
              (Stored{"https://a.example/ News", "https://a.example/ Work", "https://b.example/ News"}));
}

TEST_F(TagCommands, RenameTagIgnoresACaseChangeAndRefusesAnotherTagsName) {
    FillTags();
    g_app.tagNames.push_back(L"home");
    Refill();
    const std::string before = RawDb(dbPath_).Dump();
    struct Case {
        std::wstring typed;
        const wchar_t* message;  // null: the command ends without one
    };
    const Case cases[] = {
        {L"WORK", nullptr},
        {L" Work ", nullptr},
        {L"Home", L"A tag with that name already exists."},
        {L"news", L"A tag with that name already exists."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.typed));
        OpenTagsMenu();
        std::wstring told;
        std::vector<DialogStep> steps{{L"Vantrelix Rename Tag", Type(c.typed)}};
        if (c.message) steps.push_back({L"Vantrelix", Press(IDOK, &told)});
        DialogSequence dialogs(steps);
        Command(RenameItem(0));
        EXPECT_EQ(dialogs.answered(), steps.size());
        if (c.message) {
            EXPECT_EQ(told, c.message);
        }
        EXPECT_EQ(g_app.tagNames, (TagList{L"Work", L"News", L"home"}));
        EXPECT_FALSE(CanUndo());
    }
    std::wstring blank;
    DialogSequence empty(
        {{L"Vantrelix Rename Tag", Type(L"  ")}, {L"Vantrelix Rename Tag", Press(IDOK, &blank)}});
    OpenTagsMenu();
    Command(RenameItem(1));
    EXPECT_EQ(blank, L"Tag name cannot be empty.");
    EXPECT_EQ(g_app.tagNames, (TagList{L"Work", L"News", L"home"}));
    EXPECT_EQ(RawDb(dbPath_).Dump(), before);
}

TEST_F(TagCommands, DeleteTagAsksThenRemovesItFromEveryUrlAndTheFilterAndUndoBringsBothBack) {
    FillTags();
    Choose(g_tagFilterCombo, L"News");
    OpenTagsMenu();
    DialogSequence no({{L"Vantrelix Confirm Delete Tag", Press(IDNO)}});
    Command(DeleteItem(1));
    EXPECT_EQ(no.answered(), 1u);
    EXPECT_EQ(g_app.tagNames, (TagList{L"Work", L"News"}));
    EXPECT_FALSE(CanUndo());

    std::wstring asked;
    DialogSequence yes({{L"Vantrelix Confirm Delete Tag", Press(IDYES, &asked)}});
    Command(DeleteItem(1));
    EXPECT_EQ(asked, L"Delete tag \"News\"?\nIt will be removed from all URLs.");
    EXPECT_EQ(g_app.tagNames, TagList{L"Work"});
    EXPECT_EQ(g_app.urlTags[kA], TagList{L"Work"});
    EXPECT_TRUE(g_app.urlTags[kB].empty());
    EXPECT_EQ(Entries(g_tagFilterCombo), (TagList{L"All Tags", L"Work"}));
    EXPECT_EQ(g_settings.tagFilter, L"");
    EXPECT_EQ(VisibleUrls().size(), 3u);
    EXPECT_EQ(StoredTags(), Stored{"Work"});
    EXPECT_EQ(StoredLinks(), Stored{"https://a.example/ Work"});
    EXPECT_EQ(UndoMenuText(), L"&Undo Delete Tag\tCtrl+Z");

    Command(IDM_UNDO);
    EXPECT_EQ(g_app.tagNames, (TagList{L"Work", L"News"}));
    EXPECT_EQ(g_app.urlTags[kB], TagList{L"News"});
    EXPECT_EQ(Entries(g_tagFilterCombo), (TagList{L"All Tags", L"Work", L"News"}));
    EXPECT_EQ(StoredLinks(),
              (Stored{"https://a.example/ News", "https://a.example/ Work", "https://b.example/ News"}));
}

// Three URLs selected, of which only the first has tags: all three get the
// list edited from the first's.
TEST_F(TagCommands, EditTagsGivesEverySelectedUrlTheListChosenForTheFirst) {
    File(L"Uncategorized", {kA, kB, kC});
    g_app.tagNames = {L"Work", L"News", L"Later"};
    g_app.urlTags = {{kA, {L"Later"}}};
    Refill();
    SelectOnlyRow(RowOf(kA));
    ToggleRowSelection(RowOf(kB));
    ToggleRowSelection(RowOf(kC));
    TagListState before, after;
    DialogSequence dialogs({{L"Vantrelix Edit Tags", [&](HWND dialog) {
                                 HWND list = GetDlgItem(dialog, kTagListId);
                                 before = ReadTagList(list);
                                 ClickTag(list, L"Work");
                                 after = ReadTagList(list);
                                 ClickButton(dialog, IDOK);
                             }}});
    Command(IDM_EDIT_TAGS);
    EXPECT_EQ(dialogs.answered(), 1u);
    EXPECT_EQ(before.items, (TagList{L"Work", L"News", L"Later"}));
    EXPECT_EQ(before.checked, TagList{L"Later"});
    EXPECT_EQ(after.checked, (TagList{L"Work", L"Later"}));
    for (const wchar_t* url : {kA, kB, kC})
        EXPECT_EQ(g_app.urlTags[url], (TagList{L"Work", L"Later"})) << url;
    EXPECT_NE(TagsCell(kC).find(L"Work"), std::wstring::npos);
    EXPECT_EQ(StoredLinks(),
              (Stored{"https://a.example/ Later", "https://a.example/ Work", "https://b.example/ Later",
                      "https://b.example/ Work", "https://c.example/ Later", "https://c.example/ Work"}));
    EXPECT_EQ(UndoMenuText(), L"&Undo Edit Tags\tCtrl+Z");

    Command(IDM_UNDO);
    EXPECT_EQ(g_app.urlTags[kA], TagList{L"Later"});
    EXPECT_FALSE(g_app.urlTags.count(kB));
    EXPECT_EQ(StoredLinks(), Stored{"https://a.example/ Later"});

    undoSlot = UndoSnapshot{};
    DialogSequence cancelled({{L"Vantrelix Edit Tags", [](HWND dialog) {
                                   ClickTag(GetDlgItem(dialog, kTagListId), L"News");
                                   ClickButton(dialog, IDCANCEL);
                               }}});
    Command(IDM_EDIT_TAGS);
    EXPECT_EQ(cancelled.answered(), 1u);
    EXPECT_EQ(g_app.urlTags[kA], TagList{L"Later"});
    EXPECT_FALSE(CanUndo());

    SelectOnlyRow(-1);
    UnexpectedDialogs nothing;
    Command(IDM_EDIT_TAGS);
    PumpFor(100);
    EXPECT_TRUE(nothing.captions().empty());
}

// A URL whose list spells a tag in another letter case than the tag list (an
// older catalogue may) sees that tag checked, and keeps it.
TEST_F(TagCommands, EditTagsOffersATagSpelledInAnotherCaseCheckedAndKeepsIt) {
    File(L"Uncategorized", {kA});
    g_app.tagNames = {L"Work", L"News"};
    g_app.urlTags = {{kA, {L"WORK"}}};
    Refill();
    ASSERT_TRUE(StoredLinks().empty()) << "the save finds no tag spelled WORK";
    SelectOnlyRow(0);
    TagListState shown;
    DialogSequence dialogs({{L"Vantrelix Edit Tags", [&](HWND dialog) {
                                 shown = ReadTagList(GetDlgItem(dialog, kTagListId));
                                 ClickButton(dialog, IDOK);
                             }}});
    Command(IDM_EDIT_TAGS);
    EXPECT_EQ(shown.checked, TagList{L"Work"});
    EXPECT_EQ(g_app.urlTags[kA], TagList{L"Work"});
    EXPECT_EQ(StoredLinks(), Stored{"https://a.example/ Work"});
}

TEST_F(TagCommands, FilterByTagsOpensTheTagFilterWithTheFocusInIt) {
    FillTags();
    Command(IDM_FILTER_BY_TAGS);
    EXPECT_EQ(GetFocus(), g_tagFilterCombo);
    EXPECT_TRUE(SendMessageW(g_tagFilterCombo, CB_GETDROPPEDSTATE, 0, 0));
    // The keys then pick a tag from the open list: the second entry, Work.
    SendMessageW(g_tagFilterCombo, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(g_tagFilterCombo, WM_KEYDOWN, VK_RETURN, 0);
    PumpFor(50);
    EXPECT_FALSE(SendMessageW(g_tagFilterCombo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(g_settings.tagFilter, L"Work");
    EXPECT_EQ(VisibleUrls(), TagList{kA});
}

// A thousand tags reach past the classic ranges: every item still renames or
// deletes its own tag, the one whose name it shows, on every URL carrying it.
TEST_F(TagCommands, EachItemOfTheTagSubmenusOfAThousandTagsReachesItsOwnTag) {
    File(L"Uncategorized", {kA});
    for (int t = 0; t < 1000; ++t) g_app.tagNames.push_back(L"tag " + std::to_wstring(t));
    const int positions[] = {0, 99, 100, 101, 555, 999};
    for (int p : positions) g_app.urlTags[kA].push_back(g_app.tagNames[p]);
    Refill();
    for (int p : positions) {
        SCOPED_TRACE(p);
        OpenTagsMenu();
        std::wstring shown;
        const std::wstring renamed = L"renamed " + std::to_wstring(p);
        DialogSequence dialogs({{L"Vantrelix Rename Tag", Type(renamed, &shown)}});
        Command(RenameItem(p));
        EXPECT_EQ(shown, L"tag " + std::to_wstring(p));
        EXPECT_EQ(g_app.tagNames[p], renamed);
    }
    TagList renamed;
    for (int p : positions) renamed.push_back(L"renamed " + std::to_wstring(p));
    EXPECT_EQ(g_app.urlTags[kA], renamed);
    EXPECT_EQ(RawDb(dbPath_).Value("SELECT count(*) FROM url_tags l JOIN tags t ON t.id = l.tag_id "
                                   "WHERE t.name LIKE 'renamed %';"),
              "6");
    // From the end, so that the positions still to come stay where they were.
    for (auto p = std::rbegin(positions); p != std::rend(positions); ++p) {
        SCOPED_TRACE(*p);
        OpenTagsMenu();
        std::wstring asked;
        DialogSequence yes({{L"Vantrelix Confirm Delete Tag", Press(IDYES, &asked)}});
        Command(DeleteItem(*p));
        EXPECT_EQ(asked,
                  L"Delete tag \"renamed " + std::to_wstring(*p) + L"\"?\nIt will be removed from all URLs.");
        renamed.pop_back();
        EXPECT_EQ(g_app.urlTags[kA], renamed);
    }
    EXPECT_EQ(g_app.tagNames.size(), 994u);
    EXPECT_EQ(RawDb(dbPath_).Value("SELECT count(*) FROM tags;"), "994");
    EXPECT_TRUE(StoredLinks().empty());
}

// A name longer than the prompt (an import can make one) is shown cut in the
// prompt; confirming it as shown keeps the whole name. The question names
// it shortened and still ends as the question does.
TEST_F(TagCommands, ALongTagNameIsNeverCutByARenameAndIsShortenedInTheQuestion) {
    File(L"Uncategorized", {kA});
    const std::wstring longName = L"Long " + std::wstring(400, L't') + L" end";
    g_app.tagNames = {longName};
    g_app.urlTags = {{kA, {longName}}};
    Refill();
    OpenTagsMenu();
    std::wstring shown;
    DialogSequence asIs({{L"Vantrelix Rename Tag", [&](HWND d) {
                              shown = ItemText(d, 102);
                              ClickButton(d, IDOK);
                          }}});
    Command(RenameItem(0));
    EXPECT_EQ(asIs.answered(), 1u);
    EXPECT_EQ(shown.size(), 255u);
    EXPECT_EQ(g_app.tagNames, TagList{longName});
    EXPECT_EQ(g_app.urlTags[kA], TagList{longName});
    EXPECT_FALSE(CanUndo());

    std::wstring asked;
    DialogSequence no({{L"Vantrelix Confirm Delete Tag", Press(IDNO, &asked)}});
    Command(DeleteItem(0));
    EXPECT_LE(asked.size(), 255u);
    EXPECT_EQ(asked.substr(0, 16), L"Delete tag \"Long");
    EXPECT_NE(asked.find(L"\u2026\"?\nIt will be removed from all URLs."), std::wstring::npos)
        << testing::PrintToString(asked);
}
