// The URL commands of the main window, answered through their real dialogs:
// Quick Add, Open in Browser (with the question for texts that are no web
// address), Copy, Delete All, Pin/Unpin, Unpin All, Clear Reminder and the
// desktop shortcut. Each checks the catalogue, the file and the clipboard.
#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "DialogAnswer.h"
#include "GuiFixture.h"
#include "ShellRecorder.h"
#include "app/DesktopShortcut.h"
#include "app/UrlOpening.h"
#include "grid/Selection.h"
#include "model/Undo.h"
#include "storage/Database.h"
#include "ui/CommandIds.h"
#include "unit/storage_test_support.h"

namespace {

std::vector<std::wstring>& g_shellOpened = ShellRecorder::Opened();

// The answer a user gives to the first dialog with the caption.
void Press(HWND dialog, int button) { ClickButton(dialog, button); }

class UrlCommandTest : public MainWindowTest {
   protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        undoSlot = UndoSnapshot{};
        redoSlot = UndoSnapshot{};
        StartWindow();
    }
    void Command(UINT id) { SendMessageW(g_mainWindow, WM_COMMAND, id, 0); }
    // Runs Create Desktop Shortcut and returns the message it showed, after
    // pressing its OK.
    std::wstring MessageOfShortcutCommand() {
        std::wstring told;
        DialogAnswer answer(L"Vantrelix", [&](HWND dialog) {
            wchar_t text[600] = L"";
            GetDlgItemTextW(dialog, 101, text, 600);
            told = text;
            Press(dialog, IDOK);
        });
        Command(IDM_DESKTOP_SHORTCUT);
        EXPECT_TRUE(answer.answered());
        return told;
    }
    void File(const std::vector<std::wstring>& urls) {
        for (const std::wstring& url : urls) AddUrlToGroup(DefaultGroupId(), url);
        RefreshGridWithColumns();
        SaveCatalogue();
    }
    std::vector<std::string> StoredUrls() { return RawDb(dbPath_).Column("SELECT url FROM urls ORDER BY url;"); }
    ShellRecorder shell_;
};

}  // namespace

TEST_F(UrlCommandTest, QuickAddFilesTheTypedUrlSavesItAndAnnouncesIt) {
    struct Case {
        const wchar_t* typed;
        const wchar_t* filed;
    };
    const Case cases[] = {
        {L"www.quick.example/", L"https://www.quick.example"},
        {L"plain words", L"plain words"},  // any text is filed as it is
    };
    for (const Case& c : cases) {
        DialogAnswer answer(L"Quick Add URL", [&](HWND dialog) {
            TypeText(GetDlgItem(dialog, 102), c.typed);
            Press(dialog, IDOK);
        });
        Command(IDM_QUICK_ADD);
        EXPECT_TRUE(answer.answered());
        EXPECT_TRUE(g_app.allUrls.count(c.filed)) << c.typed;
        const NOTIFYICONDATAW& balloon = LastTrayBalloon();
        EXPECT_EQ(std::wstring(balloon.szInfo), std::wstring(L"URL added:\n") + c.filed);
    }
    EXPECT_EQ(StoredUrls(), (std::vector<std::string>{"https://www.quick.example", "plain words"}));
    EXPECT_FALSE(CanUndo()) << "Quick Add records no undo step";

    // An address already filed: nothing changes, no balloon.
    const std::string before = FileBytes(dbPath_);
    const std::wstring lastBalloon = LastTrayBalloon().szInfo;
    DialogAnswer again(L"Quick Add URL", [](HWND dialog) {
        TypeText(GetDlgItem(dialog, 102), L"plain words");
        Press(dialog, IDOK);
    });
    Command(IDM_QUICK_ADD);
    EXPECT_TRUE(again.answered());
    EXPECT_EQ(g_app.allUrls.size(), 2u);
    EXPECT_EQ(std::wstring(LastTrayBalloon().szInfo), lastBalloon);
    EXPECT_EQ(FileBytes(dbPath_), before);

    DialogAnswer cancelled(L"Quick Add URL", [](HWND dialog) {
        TypeText(GetDlgItem(dialog, 102), L"https://cancelled.example/x");
        Press(dialog, IDCANCEL);
    });
    Command(IDM_QUICK_ADD);
    EXPECT_TRUE(cancelled.answered());
    EXPECT_FALSE(g_app.allUrls.count(L"https://cancelled.example/x"));
}

TEST_F(UrlCommandTest, OpenInBrowserOpensWebAddressesAndCountsOnlyWhatWasOpened) {
    File({L"https://a.example/1", L"mailto:x@y.example", L"https://b.example/2"});
    SelectOnlyRow(0);
    ToggleRowSelection(1);
    ToggleRowSelection(2);
    Command(IDM_OPEN_IN_BROWSER);
    EXPECT_EQ(g_shellOpened.size(), 3u);
    for (const std::wstring& url : g_app.allUrls) {
        EXPECT_EQ(g_app.openCounts[url], 1) << url;
        EXPECT_EQ(g_app.lastOpenedAt[url].size(), 19u);
    }
    EXPECT_EQ(RawDb(dbPath_).Value("SELECT sum(open_count) FROM urls;"), "3");
}

// A catalogue entry naming a local program is never started without asking,
// and No (the default) starts nothing.
TEST_F(UrlCommandTest, TextsThatAreNoWebAddressAreOpenedOnlyAfterAYes) {
    const std::wstring program = L"C:\\Windows\\System32\\cmd.exe";
    File({program});
    SelectOnlyRow(0);
    struct Case {
        const char* name;
        std::function<void(HWND)> answer;
        size_t opened;
    };
    const Case cases[] = {
        {"No", [](HWND d) { Press(d, IDNO); }, 0},
        {"Enter takes the default, No", [](HWND d) { PressKey(d, VK_RETURN); }, 0},
        {"Escape", [](HWND d) { PressKey(d, VK_ESCAPE); }, 0},
        {"Yes", [](HWND d) { Press(d, IDYES); }, 1},
    };
    for (const Case& c : cases) {
        g_shellOpened.clear();
        std::wstring asked;
        DialogAnswer answer(L"Vantrelix Open", [&](HWND dialog) {
            wchar_t text[600] = L"";
            GetDlgItemTextW(dialog, 101, text, 600);
            asked = text;
            c.answer(dialog);
        });
        Command(IDM_OPEN_IN_BROWSER);
        EXPECT_TRUE(answer.answered()) << c.name;
        EXPECT_NE(asked.find(program), std::wstring::npos) << c.name << ": the question names the text";
        EXPECT_EQ(g_shellOpened.size(), c.opened) << c.name;
    }
    EXPECT_EQ(g_app.openCounts[program], 1) << "counted once, for the Yes";
    EXPECT_FALSE(OpensWithoutAsking(L"\\\\host\\share\\x.exe"));
    EXPECT_FALSE(OpensWithoutAsking(L"file:///C:/Windows/notepad.exe"));
    EXPECT_FALSE(OpensWithoutAsking(L"https://a.example/\r\nx"));
    EXPECT_TRUE(OpensWithoutAsking(L"FTPS://files.example/x"));
}

TEST_F(UrlCommandTest, CopyPutsTheSelectedUrlsOnTheClipboardOnePerLine) {
    File({L"https://a.example/1", L"https://b.example/2"});
    SelectOnlyRow(0);
    Command(IDM_COPY);
    EXPECT_EQ(ReadClipboardText(), L"https://a.example/1");
    ToggleRowSelection(1);
    Command(IDM_COPY);
    EXPECT_EQ(ReadClipboardText(), L"https://a.example/1\r\nhttps://b.example/2");
    PumpFor(200);  // the clipboard change reaches capture, which files nothing new
    EXPECT_EQ(g_app.allUrls.size(), 2u);
}

TEST_F(UrlCommandTest, DeleteAllAsksAndCanBeUndoneInOneStep) {
    File({L"https://a.example/1", L"https://b.example/2"});
    g_app.tagNames = {L"kept"};
    DialogAnswer no(L"Vantrelix Confirm Delete All", [](HWND d) { Press(d, IDNO); });
    Command(IDM_DELETE_ALL);
    EXPECT_TRUE(no.answered());
    EXPECT_EQ(g_app.allUrls.size(), 2u);

    DialogAnswer yes(L"Vantrelix Confirm Delete All", [](HWND d) { Press(d, IDYES); });
    Command(IDM_DELETE_ALL);
    EXPECT_TRUE(yes.answered());
    EXPECT_TRUE(g_app.allUrls.empty());
    EXPECT_TRUE(g_grid.visibleRows.empty());
    EXPECT_EQ(g_app.tagNames, std::vector<std::wstring>{L"kept"});
    EXPECT_TRUE(StoredUrls().empty());
    EXPECT_EQ(UndoMenuText(), L"&Undo Delete All\tCtrl+Z");
    Command(IDM_UNDO);
    EXPECT_EQ(g_app.allUrls.size(), 2u);
    EXPECT_EQ(StoredUrls().size(), 2u);
}

TEST_F(UrlCommandTest, PinUnpinPinsAMixedSelectionAndUnpinsAWhollyPinnedOne) {
    File({L"https://a.example/1", L"https://b.example/2"});
    g_app.pinnedUrls = {L"https://a.example/1"};
    SelectOnlyRow(0);
    ToggleRowSelection(1);
    Command(IDM_TOGGLE_PIN);
    EXPECT_EQ(g_app.pinnedUrls.size(), 2u);
    EXPECT_EQ(UndoMenuText(), L"&Undo Pin\tCtrl+Z");
    EXPECT_EQ(RawDb(dbPath_).Value("SELECT sum(pinned) FROM urls;"), "2");
    Command(IDM_TOGGLE_PIN);
    EXPECT_TRUE(g_app.pinnedUrls.empty());
    EXPECT_EQ(UndoMenuText(), L"&Undo Unpin\tCtrl+Z");

    g_app.pinnedUrls = {L"https://a.example/1", L"https://b.example/2"};
    Command(IDM_UNPIN_ALL);
    EXPECT_TRUE(g_app.pinnedUrls.empty());
    EXPECT_EQ(RawDb(dbPath_).Value("SELECT sum(pinned) FROM urls;"), "0");
    Command(IDM_UNDO);
    EXPECT_EQ(g_app.pinnedUrls.size(), 2u);
}

TEST_F(UrlCommandTest, ClearReminderRemovesTheSelectedRemindersAndUndoBringsThemBack) {
    File({L"https://a.example/1", L"https://b.example/2"});
    for (const std::wstring& url : g_app.allUrls) {
        g_app.reminderDates[url] = L"2030-01-01 09:00";
        g_app.reminderActions[url] = ReminderAction::Both;
        g_app.reminderRepeats[url] = ReminderRepeat::Weekly;
    }
    SelectOnlyRow(1);
    Command(IDM_CLEAR_REMINDER);
    EXPECT_EQ(g_app.reminderDates.size(), 1u);
    EXPECT_EQ(g_app.reminderRepeats.size(), 1u);
    EXPECT_EQ(RawDb(dbPath_).Value("SELECT count(*) FROM urls WHERE reminder_date IS NOT NULL;"), "1");
    EXPECT_EQ(UndoMenuText(), L"&Undo Clear Reminder\tCtrl+Z");
    Command(IDM_UNDO);
    EXPECT_EQ(g_app.reminderDates.size(), 2u);
}

// Commands without a selection do nothing, whatever reaches them.
TEST_F(UrlCommandTest, WithoutASelectionTheUrlCommandsDoNothing) {
    File({L"https://a.example/1"});
    SelectOnlyRow(-1);
    for (UINT id : {IDM_OPEN_IN_BROWSER, IDM_COPY, IDM_TOGGLE_PIN, IDM_CLEAR_REMINDER, IDM_DESKTOP_SHORTCUT})
        Command(id);
    EXPECT_TRUE(g_shellOpened.empty());
    EXPECT_TRUE(g_app.pinnedUrls.empty());
    EXPECT_FALSE(CanUndo());
}

TEST_F(UrlCommandTest, ADesktopShortcutHoldsTwoLinesAndAStrangeTitleStillNamesAFileOnTheDesktop) {
    wchar_t desktop[MAX_PATH] = L"";
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop)));
    const std::wstring url = L"https://docs.example/home?x=1\r\nIconFile=C:\\evil.ico";
    File({url});
    g_app.titles[url] = L"Docs: home?";
    RefreshGridWithColumns();
    SelectOnlyRow(0);
    const std::wstring told = MessageOfShortcutCommand();
    EXPECT_EQ(told, L"Shortcut \"Docs_ home_.url\" created on Desktop.");
    const std::wstring path = std::wstring(desktop) + L"\\Docs_ home_.url";
    EXPECT_EQ(FileBytes(path),
              "[InternetShortcut]\r\nURL=https://docs.example/home?x=1%0D%0AIconFile=C:\\evil.ico\r\n");
    DeleteFileW(path.c_str());

    struct Case {
        const wchar_t* title;
        const wchar_t* name;
    };
    const Case cases[] = {
        {L". . ..", L"Shortcut"}, {L"", L"Shortcut"},       {L"CON", L"_CON"},  {L"lpt1.txt", L"_lpt1.txt"},
        {L"a/b\\..\\c", L"a_b_.._c"}, {L"..", L"Shortcut"}, {L"x\ty", L"x_y"},
    };
    for (const Case& c : cases) EXPECT_EQ(ShortcutFileName(desktop, c.title).value_or(L"(none)"), c.name);
    // A folder that leaves no room for a name is refused, a long title is cut
    // to fit the path.
    EXPECT_FALSE(ShortcutFileName(std::wstring(255, L'd'), L"title").has_value());
    const std::wstring longName = *ShortcutFileName(std::wstring(100, L'd'), std::wstring(300, L'n'));
    EXPECT_EQ(100 + 1 + longName.size() + 4, 259u);
}

// A desktop that will not take the file (a folder of the shortcut's name is
// in the way): the user is told, and nothing else changes.
TEST_F(UrlCommandTest, AShortcutTheDesktopWillNotTakeIsReportedAndChangesNothing) {
    wchar_t desktop[MAX_PATH] = L"";
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop)));
    const std::wstring path = std::wstring(desktop) + L"\\Blocked page.url";
    ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
    File({L"https://blocked.example/"});
    g_app.titles[L"https://blocked.example/"] = L"Blocked page";
    RefreshGridWithColumns();
    SelectOnlyRow(0);
    const std::string stored = FileBytes(dbPath_);
    const std::wstring told = MessageOfShortcutCommand();
    EXPECT_EQ(told, L"Failed to create shortcut file on Desktop.");
    EXPECT_EQ(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY, DWORD(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(FileBytes(dbPath_), stored);
    RemoveDirectoryW(path.c_str());
}
