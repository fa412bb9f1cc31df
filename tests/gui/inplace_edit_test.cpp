// In-place editing in the real main window's grid, driven as a user drives
// it: clicks and double-clicks at pixel positions, F2 and F4 on the grid,
// the Edit Title and Edit URL commands, typing, Enter and Escape in the box,
// and the refusal messages answered through their real message boxes. Each
// checks the box, the focus, the catalogue, the undo step and the file.
#include <functional>
#include <string>
#include <vector>

#include "DialogAnswer.h"
#include "GuiFixture.h"
#include "ShellRecorder.h"
#include "WindowProbe.h"
#include "app/Menus.h"
#include "capture/ClipboardCapture.h"
#include "grid/CellEditor.h"
#include "grid/Columns.h"
#include "grid/GridInternal.h"
#include "grid/SearchBox.h"
#include "grid/Selection.h"
#include "grid/VisibleRows.h"
#include "model/Undo.h"
#include "storage/Database.h"
#include "ui/CommandIds.h"
#include "ui/ThemeBrushes.h"
#include "unit/storage_test_support.h"

namespace {

const std::wstring kTitled = L"https://work.example/a";
const std::wstring kPlain = L"https://work.example/b";
const std::wstring kLast = L"https://work.example/c";
const std::wstring kNewUrl = L"https://moved.example/b?x=1";
constexpr int kRowX = 100;  // inside the "Title" column

std::wstring ReadingUrl(int n) { return L"https://reading.example/" + std::to_wstring(100 + n); }

// A message box's caption and text, and the OK that answers it.
struct Told {
    bool answered = false;
    std::wstring text;
};

class InPlaceEditTest : public MainWindowTest {
   protected:
    // "Work" holds a titled and an untitled URL and a third; "Reading" holds
    // forty, enough to scroll. Stored, then loaded by the window's start.
    void SetUp() override {
        MainWindowTest::SetUp();
        undoSlot = redoSlot = UndoSnapshot{};
        g_app = AppState{};
        DefaultGroupId();
        const int work = CreateGroup(L"Work");
        const int reading = CreateGroup(L"Reading");
        for (const std::wstring& url : {kTitled, kPlain, kLast}) AddUrlToGroup(work, url);
        for (int n = 0; n < 40; ++n) AddUrlToGroup(reading, ReadingUrl(n));
        g_app.titles[kTitled] = L"Work page";
        SaveCatalogue();
        g_app = AppState{};
        StartWindow();
        grid_ = g_gridWindow;
        ASSERT_NE(grid_, nullptr);
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        undoSlot = redoSlot = UndoSnapshot{};
    }

    static int GroupIdNamed(const wchar_t* name) {
        const UrlGroup* group = FindGroupByName(name);
        return group ? group->id : -1;
    }
    static int LineOfUrl(const std::wstring& url) { return DisplayLineOfRow(RowOfUrl(url)); }
    static int LineOfGroup(int groupId) {
        const auto& lines = CurrentDisplayLines();
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines[i].isGroupHeader && lines[i].groupId == groupId) return static_cast<int>(i);
        return -1;
    }
    static int LineY(int line) { return LineTop(line, g_grid.topLine) + kGridLineHeight / 2; }

    void Mouse(UINT message, int x, int y) {
        SendMessageW(grid_, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }
    void ClickUrl(const std::wstring& url) {
        const int y = LineY(LineOfUrl(url));
        Mouse(WM_LBUTTONDOWN, kRowX, y);
        Mouse(WM_LBUTTONUP, kRowX, y);
    }
    // The second press of a quick pair arrives as WM_LBUTTONDBLCLK.
    void DoubleClickUrl(const std::wstring& url) {
        const int y = LineY(LineOfUrl(url));
        Mouse(WM_LBUTTONDOWN, kRowX, y);
        Mouse(WM_LBUTTONUP, kRowX, y);
        Mouse(WM_LBUTTONDBLCLK, kRowX, y);
        Mouse(WM_LBUTTONUP, kRowX, y);
    }
    static void Key(HWND target, UINT key) { SendMessageW(target, WM_KEYDOWN, key, 1); }
    static void Command(UINT id) { SendMessageW(g_mainWindow, WM_COMMAND, id, 0); }

    static HWND Box() { return g_grid.editWindow; }
    // Typing over the selected text, one character at a time.
    static void TypeOver(const std::wstring& text) {
        SendMessageW(Box(), EM_SETSEL, 0, -1);
        if (text.empty())
            SendMessageW(Box(), WM_CHAR, VK_BACK, 1);
        else
            TypeText(Box(), text);
    }
    // Pasting over the selected text, which the box's length limit governs.
    static void PasteOver(const std::wstring& text) {
        SendMessageW(Box(), EM_SETSEL, 0, -1);
        SendMessageW(Box(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }
    static bool AllTextSelected() {
        DWORD start = 0, end = 0;
        SendMessageW(Box(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return start == 0 && end == static_cast<DWORD>(GetWindowTextLengthW(Box()));
    }
    static RECT BoxRect() { return ChildRect(Box()); }

    // Enter in the box with a message box expected under `caption`: its text
    // is read and OK pressed.
    Told EnterExpectingMessage(const wchar_t* caption) {
        Told told;
        DialogAnswer answer(caption, [&](HWND dialog) {
            told.text = WindowText(GetDlgItem(dialog, 101));
            ClickButton(dialog, IDOK);
        });
        Key(Box(), VK_RETURN);
        told.answered = answer.answered();
        return told;
    }

    static bool MenuNames(HMENU menu, const std::wstring& name) {
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[64] = L"";
            GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
            if (std::wstring(text).find(name) != std::wstring::npos) return true;
        }
        return false;
    }

    std::string Stored(const std::string& sql) { return RawDb(dbPath_).Value(sql); }

    HWND grid_ = nullptr;
    ShellRecorder shell_;
};

}  // namespace

TEST_F(InPlaceEditTest, F2F4AndTheirCommandsOpenTheBoxOverTheCellFullySelected) {
    struct Case {
        const char* name;
        std::function<void()> start;
        const std::wstring& url;
        int column;
        std::wstring text;
    };
    const Case cases[] = {
        {"F2 on the grid", [&] { Key(grid_, VK_F2); }, kTitled, ColumnId::Title, L"Work page"},
        {"F2 on an untitled URL shows the URL", [&] { Key(grid_, VK_F2); }, kPlain, ColumnId::Title, kPlain},
        {"F4 on the grid", [&] { Key(grid_, VK_F4); }, kTitled, ColumnId::Url, kTitled},
        {"Edit Title command", [] { Command(IDM_EDIT_TITLE); }, kLast, ColumnId::Title, kLast},
        {"Edit URL command", [] { Command(IDM_EDIT_URL); }, kPlain, ColumnId::Url, kPlain},
    };
    for (const Case& c : cases) {
        ClickUrl(kTitled);
        ClickUrl(c.url);
        c.start();
        ASSERT_NE(Box(), nullptr) << c.name;
        EXPECT_EQ(GetParent(Box()), grid_) << c.name;
        EXPECT_EQ(GetDlgCtrlID(Box()), kInlineEditId) << c.name;
        EXPECT_EQ(WindowText(Box()), c.text) << c.name;
        EXPECT_TRUE(AllTextSelected()) << c.name;
        EXPECT_EQ(GetFocus(), Box()) << c.name;
        EXPECT_EQ(g_grid.selectedUrls, std::set<std::wstring>{c.url}) << c.name;
        EXPECT_EQ(g_grid.editColumn, c.column) << c.name;

        const GridColumnLayout layout = CurrentColumnLayout();
        const int pos = LayoutPosOf(layout, c.column);
        const int lineTop = LineTop(LineOfUrl(c.url), g_grid.topLine);
        const RECT box = BoxRect();
        EXPECT_EQ(box.left, layout.lefts[pos] - g_grid.scrollX + (c.column == ColumnId::Title ? 24 : 4))
            << c.name;
        EXPECT_EQ(box.right, layout.Right(pos) - g_grid.scrollX - 4) << c.name;
        EXPECT_EQ(box.top, lineTop + 3) << c.name;
        EXPECT_EQ(box.bottom, lineTop + 21) << c.name;
        Key(Box(), VK_ESCAPE);
    }

    // Without a current row the keys and commands open nothing.
    SelectOnlyRow(-1);
    for (UINT id : {IDM_EDIT_TITLE, IDM_EDIT_URL}) Command(id);
    Key(grid_, VK_F2);
    EXPECT_EQ(Box(), nullptr);
}

// The URL cell lies right of the view in a narrow window: opening the box
// scrolls just far enough to show the whole cell.
TEST_F(InPlaceEditTest, OpeningTheBoxScrollsItsCellIntoView) {
    SetWindowPos(grid_, nullptr, 0, 0, 300, 300, SWP_NOMOVE | SWP_NOZORDER);
    ClickUrl(kPlain);
    Key(grid_, VK_F4);
    ASSERT_NE(Box(), nullptr);
    const GridColumnLayout layout = CurrentColumnLayout();
    const int pos = LayoutPosOf(layout, ColumnId::Url);
    EXPECT_EQ(g_grid.scrollX, layout.Right(pos) - GridClientWidth());
    EXPECT_LE(BoxRect().right, GridClientWidth());
    Key(Box(), VK_ESCAPE);
}

TEST_F(InPlaceEditTest, EnterCommitsTheTitleWithItsUndoStepAndUndoBringsTheOldTitleBack) {
    ClickUrl(kTitled);
    Key(grid_, VK_F2);
    TypeOver(L"Renamed page");
    Key(Box(), VK_RETURN);
    EXPECT_EQ(Box(), nullptr);
    EXPECT_EQ(GetFocus(), grid_);
    EXPECT_EQ(g_app.titles[kTitled], L"Renamed page");
    EXPECT_EQ(g_app.updatedAt[kTitled].size(), 19u);
    EXPECT_EQ(Stored("SELECT title FROM urls WHERE url = 'https://work.example/a';"), "Renamed page");
    EXPECT_EQ(UndoMenuText(), L"&Undo Edit Title\tCtrl+Z");

    Command(IDM_UNDO);
    EXPECT_EQ(g_app.titles[kTitled], L"Work page");
    EXPECT_EQ(Stored("SELECT title FROM urls WHERE url = 'https://work.example/a';"), "Work page");
}

TEST_F(InPlaceEditTest, EscapeAndAnUntouchedEnterChangeNothing) {
    const std::string file = FileBytes(dbPath_);
    struct Case {
        const char* name;
        const std::wstring& url;
        std::wstring typed;  // empty: nothing typed
        UINT key;
    } cases[] = {
        {"Escape after typing", kTitled, L"Thrown away", VK_ESCAPE},
        {"Enter on an untitled URL's own text", kPlain, L"", VK_RETURN},
        {"Enter after clearing the title", kTitled, L"\b", VK_RETURN},
    };
    for (const Case& c : cases) {
        ClickUrl(c.url);
        Key(grid_, VK_F2);
        ASSERT_NE(Box(), nullptr) << c.name;
        if (c.typed == L"\b")
            TypeOver(L"");
        else if (!c.typed.empty())
            TypeOver(c.typed);
        Key(Box(), c.key);
        EXPECT_EQ(Box(), nullptr) << c.name;
        EXPECT_EQ(GetFocus(), grid_) << c.name;
    }
    EXPECT_EQ(g_app.titles, (std::map<std::wstring, std::wstring>{{kTitled, L"Work page"}}));
    EXPECT_FALSE(CanUndo());
    EXPECT_EQ(FileBytes(dbPath_), file);
}

// Leaving the box commits it: a click on another row (which then selects
// that row), a double-click (which then opens the clicked row), or the focus
// moving to another control, which keeps the focus.
TEST_F(InPlaceEditTest, LeavingTheBoxCommitsTheEdit) {
    ClickUrl(kTitled);
    Key(grid_, VK_F2);
    TypeOver(L"Clicked away");
    ClickUrl(kLast);
    EXPECT_EQ(Box(), nullptr);
    EXPECT_EQ(g_app.titles[kTitled], L"Clicked away");
    EXPECT_EQ(g_grid.selectedUrls, std::set<std::wstring>{kLast});

    Key(grid_, VK_F2);
    TypeOver(L"Double-clicked away");
    DoubleClickUrl(kPlain);
    EXPECT_EQ(Box(), nullptr);
    EXPECT_EQ(g_app.titles[kLast], L"Double-clicked away");
    EXPECT_EQ(ShellRecorder::Opened(), std::vector<std::wstring>{kPlain});

    Key(grid_, VK_F2);
    TypeOver(L"Searched away");
    ASSERT_NE(g_searchEdit, nullptr);
    SetFocus(g_searchEdit);
    EXPECT_EQ(Box(), nullptr);
    EXPECT_EQ(g_app.titles[kPlain], L"Searched away");
    EXPECT_EQ(GetFocus(), g_searchEdit) << "the commit leaves the focus where it went";
    EXPECT_EQ(Stored("SELECT count(*) FROM urls WHERE title LIKE '%away';"), "3");
}

TEST_F(InPlaceEditTest, UrlTextsThatCannotBeFiledAreRefusedWithTheirMessageAndTheBoxStaysOpen) {
    struct Case {
        std::wstring text;
        const wchar_t* caption;
        const wchar_t* message;
    } cases[] = {
        {kTitled, L"Duplicate URL", L"Vantrelix This URL already exists in the list."},
        {L"", L"Vantrelix Edit URL", L"URL cannot be empty."},
    };
    const AppState before = g_app;
    ClickUrl(kPlain);
    Key(grid_, VK_F4);
    for (const Case& c : cases) {
        TypeOver(c.text);
        const Told told = EnterExpectingMessage(c.caption);
        EXPECT_TRUE(told.answered) << c.caption;
        EXPECT_EQ(told.text, c.message);
        ASSERT_NE(Box(), nullptr) << c.caption;
        EXPECT_EQ(GetFocus(), Box()) << c.caption;
        EXPECT_TRUE(AllTextSelected()) << c.caption;
    }
    EXPECT_EQ(g_app.allUrls, before.allUrls);
    EXPECT_FALSE(CanUndo());

    // Clicking another row tries the commit first: refused, the message is
    // shown, and the click changes nothing else.
    TypeOver(kLast);
    Told told;
    {
        DialogAnswer answer(L"Duplicate URL", [&](HWND dialog) {
            told.text = WindowText(GetDlgItem(dialog, 101));
            ClickButton(dialog, IDOK);
        });
        ClickUrl(kTitled);
        told.answered = answer.answered();
    }
    EXPECT_TRUE(told.answered);
    ASSERT_NE(Box(), nullptr);
    EXPECT_EQ(GetFocus(), Box());
    EXPECT_EQ(g_grid.selectedUrls, std::set<std::wstring>{kPlain});

    // Another letter case is another URL.
    TypeOver(L"https://WORK.example/a");
    Key(Box(), VK_RETURN);
    EXPECT_EQ(Box(), nullptr);
    EXPECT_TRUE(g_app.allUrls.count(L"https://WORK.example/a"));
    EXPECT_TRUE(g_app.allUrls.count(kTitled));
}

TEST_F(InPlaceEditTest, AnEditedUrlKeepsEveryAttributeThroughUndoRedoSaveAndReload) {
    g_app.titles[kPlain] = L"Plain page";
    g_app.createdAt[kPlain] = L"2020-01-02 03:04:05";
    g_app.updatedAt[kPlain] = L"2020-01-03 03:04:05";
    g_app.validationStatus[kPlain] = L"\u2714 200";
    g_app.openCounts[kPlain] = 5;
    g_app.lastOpenedAt[kPlain] = L"2021-06-07 08:09:10";
    g_app.pinnedUrls.insert(kPlain);
    g_app.reminderDates[kPlain] = L"2031-02-03 09:30";
    g_app.reminderActions[kPlain] = ReminderAction::Open;
    g_app.reminderRepeats[kPlain] = ReminderRepeat::Monthly;
    g_app.tagNames = {L"news", L"later"};
    g_app.urlTags[kPlain] = {L"later", L"news"};
    RefreshGridWithColumns();
    SaveCatalogue();

    auto expectAttributesOn = [&](const std::wstring& url, bool withVerdict, const char* when) {
        EXPECT_TRUE(g_app.allUrls.count(url)) << when;
        EXPECT_EQ(g_app.titles[url], L"Plain page") << when;
        EXPECT_EQ(g_app.createdAt[url], L"2020-01-02 03:04:05") << when;
        EXPECT_EQ(g_app.openCounts[url], 5) << when;
        EXPECT_EQ(g_app.lastOpenedAt[url], L"2021-06-07 08:09:10") << when;
        EXPECT_TRUE(g_app.pinnedUrls.count(url)) << when;
        EXPECT_EQ(g_app.reminderDates[url], L"2031-02-03 09:30") << when;
        EXPECT_EQ(g_app.reminderActions[url], ReminderAction::Open) << when;
        EXPECT_EQ(g_app.reminderRepeats[url], ReminderRepeat::Monthly) << when;
        EXPECT_EQ(g_app.urlTags[url], (std::vector<std::wstring>{L"later", L"news"})) << when;
        if (withVerdict) {
            EXPECT_EQ(g_app.validationStatus[url], L"\u2714 200") << when;
        }
        const UrlGroup* work = FindGroupByName(L"Work");
        ASSERT_NE(work, nullptr) << when;
        EXPECT_EQ(work->urls, (std::vector<std::wstring>{kTitled, url, kLast})) << when;
    };

    ClickUrl(kPlain);
    Key(grid_, VK_F4);
    TypeOver(kNewUrl);
    Key(Box(), VK_RETURN);
    EXPECT_EQ(Box(), nullptr);
    expectAttributesOn(kNewUrl, true, "after the edit");
    EXPECT_FALSE(g_app.allUrls.count(kPlain));
    EXPECT_NE(g_app.updatedAt[kNewUrl], L"2020-01-03 03:04:05");
    EXPECT_EQ(g_grid.selectedUrls, std::set<std::wstring>{kNewUrl});
    EXPECT_EQ(g_grid.focusRow, RowOfUrl(kNewUrl));
    EXPECT_EQ(UndoMenuText(), L"&Undo Edit URL\tCtrl+Z");
    EXPECT_EQ(StoredUrlCount(dbPath_, kPlain), 0);
    EXPECT_EQ(StoredUrlCount(dbPath_, kNewUrl), 1);

    Command(IDM_UNDO);
    expectAttributesOn(kPlain, true, "after undo");
    EXPECT_EQ(g_app.updatedAt[kPlain], L"2020-01-03 03:04:05");
    EXPECT_FALSE(g_app.allUrls.count(kNewUrl));
    EXPECT_EQ(StoredUrlCount(dbPath_, kPlain), 1);
    Command(IDM_REDO);
    expectAttributesOn(kNewUrl, true, "after redo");

    // The file holds the row under its new text with everything it had.
    CloseWindow();
    g_app = AppState{};
    StartWindow();
    expectAttributesOn(kNewUrl, false, "after save and reload");
    EXPECT_FALSE(g_app.allUrls.count(kPlain));
    EXPECT_EQ(g_app.updatedAt[kNewUrl].size(), 19u);
}

// A pasted text past the single-line box's usual 32,767 characters, and a
// 10,000-character title, reach the catalogue and the file whole.
TEST_F(InPlaceEditTest, LongTitlesAndUrlsAreEditedWhole) {
    const std::wstring longTitle(10000, L't');
    g_app.titles[kTitled] = longTitle;
    RefreshGridWithColumns();
    ClickUrl(kTitled);
    Key(grid_, VK_F2);
    ASSERT_NE(Box(), nullptr);
    EXPECT_EQ(WindowText(Box()), longTitle) << "the box shows the whole title";
    const std::wstring newTitle = std::wstring(9999, L'n') + L"!";
    PasteOver(newTitle);
    Key(Box(), VK_RETURN);
    EXPECT_EQ(g_app.titles[kTitled], newTitle);
    EXPECT_EQ(Stored("SELECT length(title) FROM urls WHERE url = 'https://work.example/a';"), "10000");

    const std::wstring longUrl = L"https://long.example/" + std::wstring(40000, L'u');
    Key(grid_, VK_F4);
    PasteOver(longUrl);
    Key(Box(), VK_RETURN);
    EXPECT_EQ(Box(), nullptr);
    EXPECT_TRUE(g_app.allUrls.count(longUrl));
    EXPECT_EQ(StoredUrlCount(dbPath_, longUrl), 1);
    Key(grid_, VK_F4);
    ASSERT_NE(Box(), nullptr);
    EXPECT_EQ(GetWindowTextLengthW(Box()), static_cast<int>(longUrl.size()));
    Key(Box(), VK_ESCAPE);
}

TEST_F(InPlaceEditTest, GroupsAreRenamedInPlaceAndEmptyOrTakenNamesAreRefused) {
    const int work = GroupIdNamed(L"Work");
    BeginGroupRename(work);
    ASSERT_NE(Box(), nullptr);
    EXPECT_EQ(WindowText(Box()), L"Work");
    EXPECT_TRUE(AllTextSelected());
    EXPECT_EQ(GetFocus(), Box());
    const int lineTop = LineTop(LineOfGroup(work), g_grid.topLine);
    const RECT box = BoxRect();
    EXPECT_EQ(box.left, 28);
    EXPECT_EQ(box.right, GridClientWidth() - 4);
    EXPECT_EQ(box.top, lineTop + 3);
    EXPECT_EQ(box.bottom, lineTop + 21);

    struct Case {
        const wchar_t* text;
        const wchar_t* caption;
        const wchar_t* message;
        bool stepRecorded;
    } cases[] = {
        {L"", L"Vantrelix Rename Group", L"Group name cannot be empty.", false},
        {L"work", L"Vantrelix Error", L"Name already in use!", true},  // its own name, other case
        {L"READING", L"Vantrelix Error", L"Name already in use!", true},
    };
    for (const Case& c : cases) {
        undoSlot = UndoSnapshot{};
        TypeOver(c.text);
        const Told told = EnterExpectingMessage(c.caption);
        EXPECT_TRUE(told.answered) << c.caption << " " << c.text;
        EXPECT_EQ(told.text, c.message);
        ASSERT_NE(Box(), nullptr);
        EXPECT_EQ(GetFocus(), Box());
        EXPECT_TRUE(AllTextSelected());
        EXPECT_EQ(FindGroupById(work)->name, L"Work");
        EXPECT_EQ(CanUndo(), c.stepRecorded) << c.text;
        if (c.stepRecorded) {
            EXPECT_EQ(UndoMenuText(), L"&Undo Rename Group\tCtrl+Z");
        }
    }

    TypeOver(L"Projects");
    Key(Box(), VK_RETURN);
    EXPECT_EQ(Box(), nullptr);
    EXPECT_EQ(FindGroupById(work)->name, L"Projects");
    EXPECT_EQ(g_app.groupUpdatedAt[L"Projects"].size(), 19u);
    EXPECT_EQ(Stored("SELECT count(*) FROM groups WHERE name = 'Projects';"), "1");
    EXPECT_TRUE(MenuNames(g_mainMenu.renameGroup, L"Projects")) << "the group menus name the group anew";

    Command(IDM_UNDO);
    EXPECT_EQ(FindGroupById(work)->name, L"Work");
    EXPECT_EQ(Stored("SELECT count(*) FROM groups WHERE name = 'Work';"), "1");
}

// Scrolling moves the box with its row; once the row leaves the page the box
// closes and the typed text is gone. A grid made too short does the same.
TEST_F(InPlaceEditTest, TheBoxFollowsItsRowAndClosesWhenTheRowLeavesThePage) {
    const std::wstring url = ReadingUrl(2);
    ClickUrl(url);
    Key(grid_, VK_F2);
    TypeOver(L"Never stored");
    const RECT before = BoxRect();
    SendMessageW(grid_, WM_VSCROLL, SB_LINEDOWN, 0);
    ASSERT_NE(Box(), nullptr);
    EXPECT_EQ(g_grid.topLine, 1);
    EXPECT_EQ(BoxRect().top, before.top - kGridLineHeight);
    for (int notch = 0; notch < 4 && Box(); ++notch)
        SendMessageW(grid_, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(Box(), nullptr);
    EXPECT_GT(g_grid.topLine, LineOfUrl(url));
    EXPECT_EQ(GetFocus(), grid_);
    EXPECT_FALSE(g_app.titles.count(url));

    Key(grid_, VK_F2);  // scrolls the row back and opens the box again
    ASSERT_NE(Box(), nullptr);
    RECT client{};
    GetClientRect(grid_, &client);
    const int rowTop = BoxRect().top - 3;
    SetWindowPos(grid_, nullptr, 0, 0, client.right, rowTop - 1, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Box(), nullptr);
    EXPECT_FALSE(CanUndo());
}

// The rows are rebuilt under an open box when a copied address is filed
// (above the edited row) or F8 deletes the edited URL: the box moves with
// its URL, the commit edits that URL, and a deleted URL closes the box.
TEST_F(InPlaceEditTest, RowsRebuiltUnderTheBoxKeepItOnItsUrl) {
    ClickUrl(kPlain);
    Key(grid_, VK_F2);
    TypeOver(L"Still this one");
    const RECT before = BoxRect();
    ASSERT_TRUE(SetClipboardText(nullptr, L"https://captured.example"));
    ASSERT_TRUE(PumpUntil([] { return g_app.allUrls.count(L"https://captured.example") == 1; }));
    ASSERT_NE(Box(), nullptr);
    EXPECT_EQ(BoxRect().top, before.top + kGridLineHeight) << "one line was filed above it";
    EXPECT_EQ(GetFocus(), Box());
    Key(Box(), VK_RETURN);
    EXPECT_EQ(g_app.titles[kPlain], L"Still this one");
    EXPECT_EQ(g_app.titles.size(), 2u);

    Key(grid_, VK_F4);
    TypeOver(kNewUrl);
    Command(IDM_DELETE_SELECTED);
    EXPECT_EQ(Box(), nullptr);
    EXPECT_FALSE(g_app.allUrls.count(kPlain));
    EXPECT_FALSE(g_app.allUrls.count(kNewUrl));
}

// The box is shorter than its line, so what the cell would draw under it
// (here a pin badge, taller than the box) is left out while it is open.
TEST_F(InPlaceEditTest, TheCellUnderTheBoxIsNotPaintedWhileItIsOpen) {
    g_app.pinnedUrls.insert(kTitled);
    RefreshGrid();
    ClickUrl(kTitled);
    RECT client{};
    GetClientRect(grid_, &client);
    const int lineTop = LineTop(LineOfUrl(kTitled), g_grid.topLine);
    const GridColumnLayout layout = CurrentColumnLayout();
    const int pos = LayoutPosOf(layout, ColumnId::Title);
    const RECT titleCell{layout.lefts[pos] - g_grid.scrollX, lineTop, layout.Right(pos) - g_grid.scrollX,
                         lineTop + kGridLineHeight};
    auto badgePixels = [&] {
        Canvas canvas(client.right, client.bottom, RGB(0, 0, 0));
        PaintGrid(canvas.dc(), client);
        return canvas.CountColor(titleCell, kPinBadgeColor);
    };
    ASSERT_GT(badgePixels(), 0) << "the badge is drawn without the box";
    Key(grid_, VK_F2);
    ASSERT_NE(Box(), nullptr);
    EXPECT_EQ(badgePixels(), 0);
    Key(Box(), VK_ESCAPE);
    EXPECT_GT(badgePixels(), 0);
}

TEST_F(InPlaceEditTest, TheDarkThemeColoursTheBoxAndTheLightThemeLeavesTheSystemColours) {
    for (bool dark : {true, false}) {
        g_settings.darkMode = dark;
        ClickUrl(kTitled);
        Key(grid_, VK_F2);
        ASSERT_NE(Box(), nullptr);
        Canvas canvas(10, 10, RGB(1, 2, 3));
        SetTextColor(canvas.dc(), RGB(1, 2, 3));
        const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
            grid_, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(canvas.dc()), reinterpret_cast<LPARAM>(Box())));
        if (dark) {
            EXPECT_EQ(brush, DarkControlBrush());
            EXPECT_EQ(GetTextColor(canvas.dc()), RGB(0xDC, 0xDC, 0xDC));
            EXPECT_EQ(GetBkColor(canvas.dc()), RGB(0x2D, 0x2D, 0x2D));
        } else {
            EXPECT_NE(brush, DarkControlBrush());
            EXPECT_NE(GetTextColor(canvas.dc()), RGB(0xDC, 0xDC, 0xDC));
        }
        Key(Box(), VK_ESCAPE);
    }
}

// Closing the window takes the focus from the box first: what was typed is
// committed and saved before the window goes; a refused text is announced
// and the window still closes, with nothing of it filed.
TEST_F(InPlaceEditTest, ClosingTheWindowCommitsWhatWasTyped) {
    ClickUrl(kTitled);
    Key(grid_, VK_F2);
    TypeOver(L"Typed before closing");
    CloseWindow();
    g_app = AppState{};
    StartWindow();
    EXPECT_EQ(g_app.titles[kTitled], L"Typed before closing");

    grid_ = g_gridWindow;
    ClickUrl(kPlain);
    Key(grid_, VK_F4);
    TypeOver(kTitled);
    {
        DialogAnswer answer(L"Duplicate URL", [](HWND dialog) { ClickButton(dialog, IDOK); });
        CloseWindow();
        EXPECT_TRUE(answer.answered());
    }
    EXPECT_EQ(StoredUrlCount(dbPath_, kPlain), 1);
    EXPECT_EQ(StoredUrlCount(dbPath_, kTitled), 1);
}
