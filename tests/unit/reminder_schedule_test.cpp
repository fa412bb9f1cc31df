// Reminder arithmetic and the periodic check, with the clock handed in as
// text so that every minute boundary can be tried.
#include <gtest/gtest.h>

#include "reminders/CheckReminders.h"
#include "reminders/ReminderSchedule.h"
#include "storage_test_support.h"

TEST(ReminderSchedule, DueOnceTheMinuteHasCome) {
    struct Case {
        const wchar_t* reminder;
        const wchar_t* clock;
        bool due;
    };
    const Case cases[] = {
        {L"2026-03-01 09:00", L"2026-03-01 08:59", false},
        {L"2026-03-01 09:00", L"2026-03-01 09:00", true},
        {L"2026-03-01 09:00", L"2026-03-01 09:01", true},
        {L"2026-03-01 09:01", L"2026-03-01 09:00", false},
        {L"2026-03-01", L"2026-03-01 00:00", true},   // a prefix sorts first
        {L"zzz", L"2999-12-31 23:59", false},        // after every time: never
        {L"1", L"2026-01-01 00:00", true},           // before every time: at once
    };
    for (const Case& c : cases) EXPECT_EQ(ReminderDue(c.reminder, c.clock), c.due) << c.reminder << " at " << c.clock;
}

TEST(ReminderSchedule, RepeatingRemindersMoveOnByTheCalendar) {
    struct Case {
        const wchar_t* reminder;
        ReminderRepeat repeat;
        std::optional<std::wstring> next;
    };
    const Case cases[] = {
        {L"2026-01-31 09:00", ReminderRepeat::Daily, L"2026-02-01 09:00"},
        {L"2028-02-28 08:00", ReminderRepeat::Daily, L"2028-02-29 08:00"},
        {L"2026-03-28 02:30", ReminderRepeat::Daily, L"2026-03-29 02:30"},  // no daylight-saving step
        {L"2026-01-01", ReminderRepeat::Daily, L"2026-01-02 00:00"},        // clock fields not read are 0
        {L"2026-12-29 23:59", ReminderRepeat::Weekly, L"2027-01-05 23:59"},
        {L"2026-01-31 09:00", ReminderRepeat::Monthly, L"2026-02-31 09:00"},  // the day stays
        {L"2026-02-31 09:00", ReminderRepeat::Monthly, L"2026-03-31 09:00"},
        {L"2026-12-15 10:30", ReminderRepeat::Monthly, L"2027-01-15 10:30"},
        // Reminders that cannot move to a later time are done after firing.
        {L"2026-05-01 09:00", ReminderRepeat::None, std::nullopt},
        {L"2026-05 09:00", ReminderRepeat::Monthly, std::nullopt},   // two numbers
        {L"soon", ReminderRepeat::Daily, std::nullopt},
        {L"2026-13-01 09:00", ReminderRepeat::Daily, std::nullopt},  // no 13th month
        {L"2026-02-30 09:00", ReminderRepeat::Weekly, std::nullopt},
        {L"2026-02-01 25:00", ReminderRepeat::Daily, std::nullopt},
        {L"9999-12-01 09:00", ReminderRepeat::Monthly, std::nullopt},
    };
    for (const Case& c : cases) {
        std::optional<std::wstring> next = NextReminderText(c.reminder, c.repeat);
        EXPECT_EQ(next, c.next) << c.reminder << " repeat " << static_cast<int>(c.repeat);
    }
}

TEST(ReminderSchedule, NewRemindersStartTomorrow) {
    SYSTEMTIME newYearsEve{2026, 12, 4, 31, 18, 30, 0, 0};
    EXPECT_EQ(TomorrowDateText(newYearsEve), L"2027-01-01");
    SYSTEMTIME leap{2028, 2, 1, 28, 9, 0, 0, 0};
    EXPECT_EQ(TomorrowDateText(leap), L"2028-02-29");
}

namespace {

// What the check asked the window to do.
struct Fired {
    std::vector<std::pair<std::wstring, std::wstring>> notified;  // display name, URL
    std::vector<std::wstring> opened;
    bool openSucceeds = true;
};
Fired g_fired;

ReminderFiring Recorder() {
    ReminderFiring firing;
    firing.notify = [](const std::wstring& name, const std::wstring& url) { g_fired.notified.emplace_back(name, url); };
    firing.open = [](const std::wstring& url) {
        g_fired.opened.push_back(url);
        return g_fired.openSucceeds;
    };
    return firing;
}

class ReminderCheck : public StorageTest {
   protected:
    void SetUp() override {
        StorageTest::SetUp();
        g_fired = Fired{};
        AddUrlToGroup(DefaultGroupId(), kUrl);
    }
    void Remind(const wchar_t* text, ReminderAction action, ReminderRepeat repeat) {
        g_app.reminderDates[kUrl] = text;
        g_app.reminderActions[kUrl] = action;
        if (repeat != ReminderRepeat::None) g_app.reminderRepeats[kUrl] = repeat;
    }
    size_t CheckAt(const wchar_t* clock) { return CheckReminders(clock, Recorder()); }
    std::wstring Due() { return g_app.reminderDates.count(kUrl) ? g_app.reminderDates[kUrl] : L"(none)"; }
    const std::wstring kUrl = L"https://remind.example/page";
};

}  // namespace

TEST_F(ReminderCheck, AOneTimeBothReminderOpensNotifiesCountsAndIsGoneAndSaved) {
    g_app.titles[kUrl] = L"The page";
    Remind(L"2026-03-01 09:00", ReminderAction::Both, ReminderRepeat::None);
    EXPECT_EQ(CheckAt(L"2026-03-01 08:59"), 0u);
    EXPECT_TRUE(g_fired.opened.empty());
    EXPECT_EQ(CheckAt(L"2026-03-01 09:00"), 1u);
    EXPECT_EQ(g_fired.notified, (std::vector<std::pair<std::wstring, std::wstring>>{{L"The page", kUrl}}));
    EXPECT_EQ(g_fired.opened, std::vector<std::wstring>{kUrl});
    EXPECT_EQ(g_app.openCounts[kUrl], 1);
    EXPECT_EQ(g_app.lastOpenedAt[kUrl].size(), 19u);
    EXPECT_EQ(Due(), L"(none)");
    EXPECT_FALSE(g_app.reminderActions.count(kUrl));
    // The firing reached the file.
    AppState stored = LoadIntoFreshCatalogue();
    EXPECT_EQ(stored.openCounts[kUrl], 1);
    EXPECT_FALSE(stored.reminderDates.count(kUrl));
}

TEST_F(ReminderCheck, ANotifyOnlyReminderNamesTheUrlWhenItHasNoTitleAndOpensNothing) {
    Remind(L"2026-03-01 09:00", ReminderAction::Notify, ReminderRepeat::None);
    EXPECT_EQ(CheckAt(L"2026-03-02 00:00"), 1u);
    EXPECT_EQ(g_fired.notified, (std::vector<std::pair<std::wstring, std::wstring>>{{kUrl, kUrl}}));
    EXPECT_TRUE(g_fired.opened.empty());
    EXPECT_FALSE(g_app.openCounts.count(kUrl));
}

TEST_F(ReminderCheck, AnOpeningThatDidNotHappenChangesNoCountOrStamp) {
    g_fired.openSucceeds = false;
    Remind(L"2026-03-01 09:00", ReminderAction::Open, ReminderRepeat::None);
    EXPECT_EQ(CheckAt(L"2026-03-01 09:00"), 1u);
    EXPECT_EQ(g_fired.opened.size(), 1u);
    EXPECT_TRUE(g_fired.notified.empty());
    EXPECT_FALSE(g_app.openCounts.count(kUrl));
    EXPECT_FALSE(g_app.lastOpenedAt.count(kUrl));
}

// A repeating reminder catches up one period per check, then waits.
TEST_F(ReminderCheck, RepeatingRemindersCatchUpOnePeriodPerCheck) {
    struct Step {
        const wchar_t* clock;
        size_t fired;
        const wchar_t* dueAfter;
    };
    struct Case {
        const wchar_t* start;
        ReminderRepeat repeat;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {L"2026-03-09 09:00", ReminderRepeat::Daily,
         {{L"2026-03-10 10:00", 1, L"2026-03-10 09:00"},
          {L"2026-03-10 10:01", 1, L"2026-03-11 09:00"},
          {L"2026-03-10 10:02", 0, L"2026-03-11 09:00"}}},
        {L"2026-01-31 09:00", ReminderRepeat::Monthly,
         {{L"2026-01-31 09:00", 1, L"2026-02-31 09:00"},
          {L"2026-02-28 23:59", 0, L"2026-02-31 09:00"},
          {L"2026-03-01 00:00", 1, L"2026-03-31 09:00"}}},
        {L"2026-12-01 08:00", ReminderRepeat::Monthly, {{L"2026-12-01 08:00", 1, L"2027-01-01 08:00"}}},
        {L"2026-12-30 08:00", ReminderRepeat::Weekly, {{L"2026-12-30 08:00", 1, L"2027-01-06 08:00"}}},
        // Text that cannot move on fires once and is done, instead of at
        // every check for ever.
        {L"1", ReminderRepeat::Daily, {{L"2026-03-10 10:00", 1, L"(none)"}, {L"2026-03-10 10:01", 0, L"(none)"}}},
        {L"2026-13-40 09:00", ReminderRepeat::Weekly, {{L"2027-01-01 00:00", 1, L"(none)"}}},
    };
    for (const Case& c : cases) {
        Remind(c.start, ReminderAction::Notify, c.repeat);
        for (const Step& step : c.steps) {
            EXPECT_EQ(CheckAt(step.clock), step.fired) << c.start << " at " << step.clock;
            EXPECT_EQ(Due(), step.dueAfter) << c.start << " at " << step.clock;
        }
        g_app.reminderDates.clear();
        g_app.reminderActions.clear();
        g_app.reminderRepeats.clear();
    }
}
