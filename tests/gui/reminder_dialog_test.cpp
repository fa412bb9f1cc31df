// The Set Reminder dialog answered as a user would, the two reminder
// commands with their undo steps, and the reminder timer firing in the real
// window.
#include <string>
#include <vector>

#include "DialogAnswer.h"
#include "GuiFixture.h"
#include "ShellRecorder.h"
#include "grid/Selection.h"
#include "model/Undo.h"
#include "reminders/ReminderDialog.h"
#include "reminders/ReminderSchedule.h"
#include "storage/Database.h"
#include "ui/CommandIds.h"
#include "unit/storage_test_support.h"

namespace {

std::vector<std::wstring>& g_shellOpened = ShellRecorder::Opened();

std::wstring FieldText(HWND dialog, int id) {
    wchar_t text[256] = L"";
    GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

// What the dialog showed when it opened.
struct Shown {
    std::wstring date, time, repeat;
    int action = -1;  // 0 Notify, 1 Open, 2 Both
    bool clearButton = false;
    bool okAndCancelShown = false;
};

Shown Read(HWND dialog) {
    Shown shown;
    shown.date = FieldText(dialog, 201);
    shown.time = FieldText(dialog, 202);
    for (int i = 0; i < 3; ++i)
        if (IsDlgButtonChecked(dialog, 203 + i) == BST_CHECKED) shown.action = i;
    shown.repeat = FieldText(dialog, 207);
    shown.clearButton = GetDlgItem(dialog, 206) != nullptr;
    shown.okAndCancelShown =
        IsWindowVisible(GetDlgItem(dialog, IDOK)) && IsWindowVisible(GetDlgItem(dialog, IDCANCEL));
    return shown;
}

void SetField(HWND dialog, int id, const wchar_t* text) { SetDlgItemTextW(dialog, id, text); }

class ReminderCommandTest : public MainWindowTest {
   protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        undoSlot = UndoSnapshot{};
        redoSlot = UndoSnapshot{};
        StartWindow();
        for (const std::wstring& url : kUrls) AddUrlToGroup(DefaultGroupId(), url);
        RefreshGridWithColumns();
    }
    void SelectAll() {
        SelectOnlyRow(0);
        for (int r = 1; r < static_cast<int>(kUrls.size()); ++r) ToggleRowSelection(r);
    }
    // Opens Set Reminder, records what it showed, and answers with `answer`.
    Shown SetReminder(const std::function<void(HWND)>& answer) {
        Shown shown;
        DialogAnswer dialog(kReminderDialogCaption, [&](HWND d) {
            shown = Read(d);
            answer(d);
        });
        SendMessageW(g_mainWindow, WM_COMMAND, IDM_SET_REMINDER, 0);
        EXPECT_TRUE(dialog.answered());
        return shown;
    }
    const std::vector<std::wstring> kUrls = {L"https://a.example/1", L"https://b.example/2", L"https://c.example/3"};
    ShellRecorder shell_;
};

}  // namespace

TEST_F(ReminderCommandTest, ANewReminderStartsTomorrowAtNineAndGoesToEverySelectedUrl) {
    SelectAll();
    SYSTEMTIME now;
    GetLocalTime(&now);
    const Shown shown = SetReminder([](HWND d) {
        SetField(d, 201, L"2031-05-06");
        SetField(d, 202, L"07:45");
        CheckRadioButton(d, 203, 205, 205);
        SendDlgItemMessageW(d, 207, CB_SETCURSEL, 2, 0);
        ClickButton(d, IDOK);
    });
    EXPECT_EQ(shown.date, TomorrowDateText(now));
    EXPECT_EQ(shown.time, L"09:00");
    EXPECT_EQ(shown.action, 0);
    EXPECT_EQ(shown.repeat, L"None");
    EXPECT_FALSE(shown.clearButton);
    EXPECT_TRUE(shown.okAndCancelShown);
    for (const std::wstring& url : kUrls) {
        EXPECT_EQ(g_app.reminderDates[url], L"2031-05-06 07:45") << url;
        EXPECT_EQ(g_app.reminderActions[url], ReminderAction::Both);
        EXPECT_EQ(g_app.reminderRepeats[url], ReminderRepeat::Weekly);
    }
    EXPECT_EQ(RawDb(dbPath_).Value("SELECT count(*) FROM urls WHERE reminder_date = '2031-05-06 07:45' AND "
                                   "reminder_action = 2 AND reminder_repeat = 2;"),
              "3");
    EXPECT_EQ(UndoMenuText(), L"&Undo Set Reminder\tCtrl+Z");
    Undo();
    EXPECT_TRUE(g_app.reminderDates.empty());
}

TEST_F(ReminderCommandTest, AStoredReminderIsShownWithClearAndRepeatNoneRemovesTheRepeat) {
    const std::wstring& url = kUrls[1];
    g_app.reminderDates[url] = L"2030-02-03 18:30";
    g_app.reminderActions[url] = ReminderAction::Open;
    g_app.reminderRepeats[url] = ReminderRepeat::Monthly;
    SelectOnlyRow(1);
    const Shown shown = SetReminder([](HWND d) {
        SendDlgItemMessageW(d, 207, CB_SETCURSEL, 0, 0);
        ClickButton(d, IDOK);
    });
    EXPECT_EQ(shown.date, L"2030-02-03");
    EXPECT_EQ(shown.time, L"18:30");
    EXPECT_EQ(shown.action, 1);
    EXPECT_EQ(shown.repeat, L"Monthly");
    EXPECT_TRUE(shown.clearButton);
    EXPECT_EQ(g_app.reminderDates[url], L"2030-02-03 18:30");
    EXPECT_FALSE(g_app.reminderRepeats.count(url));

    // Clear from the dialog, then undo it.
    SetReminder([](HWND d) { ClickButton(d, 206); });
    EXPECT_FALSE(g_app.reminderDates.count(url));
    EXPECT_EQ(UndoMenuText(), L"&Undo Clear Reminder\tCtrl+Z");
    Undo();
    EXPECT_EQ(g_app.reminderDates[url], L"2030-02-03 18:30");

    // Cancel changes nothing and records nothing.
    const std::wstring undoBefore = UndoMenuText();
    SetReminder([](HWND d) { ClickButton(d, IDCANCEL); });
    EXPECT_EQ(g_app.reminderDates[url], L"2030-02-03 18:30");
    EXPECT_EQ(UndoMenuText(), undoBefore);
}

// Stored texts that are not in the expected form open the dialog safely.
TEST_F(ReminderCommandTest, GarbageReminderTextsAreShownCutAndNeverOverflowTheFields) {
    struct Case {
        std::wstring stored;
        std::wstring date, time;
    };
    const Case cases[] = {
        {L"tomorrow", L"tomorrow", L"09:00"},
        {std::wstring(10000, L'x'), std::wstring(63, L'x'), L"09:00"},
        {L"2030-01-01 " + std::wstring(500, L'9'), L"2030-01-01", std::wstring(63, L'9')},
    };
    SelectOnlyRow(0);
    for (const Case& c : cases) {
        g_app.reminderDates[kUrls[0]] = c.stored;
        const Shown shown = SetReminder([](HWND d) { ClickButton(d, IDOK); });
        EXPECT_EQ(shown.date, c.date);
        EXPECT_EQ(shown.time, c.time);
        EXPECT_TRUE(shown.clearButton);
    }
}

TEST_F(ReminderCommandTest, TheTimerFiresDueRemindersWithABalloonAndOpensOnlyWebAddresses) {
    const std::wstring program = L"C:\\Windows\\System32\\calc.exe";
    AddUrlToGroup(DefaultGroupId(), program);
    g_app.titles[kUrls[0]] = L"First page";
    for (const std::wstring& url : {kUrls[0], program}) {
        g_app.reminderDates[url] = L"2001-01-01 09:00";
        g_app.reminderActions[url] = ReminderAction::Both;
    }
    g_app.reminderDates[kUrls[1]] = L"2999-01-01 09:00";  // not due
    SendMessageW(g_mainWindow, WM_TIMER, TIMER_REMINDER_CHECK, 0);
    EXPECT_EQ(g_shellOpened, std::vector<std::wstring>{kUrls[0]});
    EXPECT_EQ(g_app.openCounts[kUrls[0]], 1);
    EXPECT_FALSE(g_app.openCounts.count(program)) << "a program path is announced, never started";
    EXPECT_EQ(std::wstring(LastTrayBalloon().szInfoTitle), L"Vantrelix Reminder");
    EXPECT_FALSE(g_app.reminderDates.count(kUrls[0]));
    EXPECT_FALSE(g_app.reminderDates.count(program));
    EXPECT_TRUE(g_app.reminderDates.count(kUrls[1]));
    EXPECT_EQ(RawDb(dbPath_).Value("SELECT count(*) FROM urls WHERE reminder_date IS NOT NULL;"), "1");
}
