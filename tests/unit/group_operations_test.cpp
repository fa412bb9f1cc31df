#include <gtest/gtest.h>

#include "grid/GridState.h"
#include "grid/GroupOperations.h"
#include "model/AppState.h"
#include "model/Undo.h"
#include "settings/Settings.h"
#include "storage/Database.h"

namespace {

class GroupOperations : public testing::Test {
   protected:
    void SetUp() override {
        g_app = AppState{};
        g_grid = GridState{};
        g_settings = Settings{};
        // Saving goes to a file of its own, never to the test exe's default.
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + L"vantrelix-groupops-" + std::to_wstring(GetTickCount64()) + L".db";
        g_settings.customDatabasePath = path_;
        a_ = CreateGroup(L"A");
        b_ = CreateGroup(L"B");
        c_ = CreateGroup(L"C");
        AddUrlToGroup(b_, L"https://b1");
        AddUrlToGroup(b_, L"https://b2");
        AddUrlToGroup(a_, L"https://a1");
    }
    void TearDown() override {
        g_app = AppState{};
        g_grid = GridState{};
        g_settings = Settings{};
        DeleteFileW(path_.c_str());
    }
    std::vector<std::wstring> Names() {
        std::vector<std::wstring> names;
        for (const auto& g : g_app.groups) names.push_back(g.name);
        return names;
    }
    int a_ = 0, b_ = 0, c_ = 0;
    std::wstring path_;
};

}  // namespace

TEST_F(GroupOperations, DeleteGroupUnfilesItsUrlsButKeepsTheirOtherEntries) {
    g_app.groupUpdatedAt[L"B"] = L"2026-01-01 00:00:00";
    g_app.titles[L"https://b1"] = L"kept in memory";
    g_app.pinnedUrls = {L"https://b1", L"https://a1"};
    g_grid.selectedUrls = {L"https://b2", L"https://a1"};
    g_grid.collapsedGroups = {b_, c_};
    DeleteGroup(b_);
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"A", L"C"}));
    EXPECT_EQ(g_app.allUrls, std::set<std::wstring>{L"https://a1"});
    EXPECT_EQ(g_app.pinnedUrls, std::set<std::wstring>{L"https://a1"});
    EXPECT_EQ(g_grid.selectedUrls, std::set<std::wstring>{L"https://a1"});
    EXPECT_EQ(g_grid.collapsedGroups, std::set<int>{c_});
    EXPECT_FALSE(g_app.groupUpdatedAt.count(L"B"));
    EXPECT_EQ(g_app.titles[L"https://b1"], L"kept in memory");
    DeleteGroup(b_);  // gone already: nothing happens
    EXPECT_EQ(Names().size(), 2u);
    // An unfiled URL can be filed again.
    EXPECT_TRUE(AddUrlToGroup(a_, L"https://b1"));
}

// A reminder of a URL that went with its group would still fire; undo
// brings the group and its reminders back together.
TEST_F(GroupOperations, DeleteGroupErasesTheRemindersOfItsUrlsAndUndoBringsThemBack) {
    g_app.reminderDates = {{L"https://b1", L"2030-01-01 09:00"}, {L"https://a1", L"2030-02-02 10:00"}};
    g_app.reminderActions = {{L"https://b1", ReminderAction::Open}, {L"https://a1", ReminderAction::Both}};
    g_app.reminderRepeats = {{L"https://b1", ReminderRepeat::Weekly}};
    const AppState before = g_app;
    PushUndo(L"Delete Group");
    DeleteGroup(b_);
    EXPECT_EQ(g_app.reminderDates, (std::map<std::wstring, std::wstring>{{L"https://a1", L"2030-02-02 10:00"}}));
    EXPECT_EQ(g_app.reminderActions,
              (std::map<std::wstring, ReminderAction>{{L"https://a1", ReminderAction::Both}}));
    EXPECT_TRUE(g_app.reminderRepeats.empty());
    Undo();
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"A", L"B", L"C"}));
    EXPECT_EQ(g_app.reminderDates, before.reminderDates);
    EXPECT_EQ(g_app.reminderActions, before.reminderActions);
    EXPECT_EQ(g_app.reminderRepeats, before.reminderRepeats);
}

TEST_F(GroupOperations, GroupsMoveOneStepWithinTheList) {
    struct Case {
        bool up;
        int* group;
        bool moved;
        std::vector<std::wstring> order;
    };
    const Case cases[] = {
        {true, &a_, false, {L"A", L"B", L"C"}},  {false, &c_, false, {L"A", L"B", L"C"}},
        {true, &b_, true, {L"B", L"A", L"C"}},   {false, &b_, true, {L"A", L"B", L"C"}},
        {false, &a_, true, {L"B", L"A", L"C"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.up ? MoveGroupUp(*c.group) : MoveGroupDown(*c.group), c.moved);
        EXPECT_EQ(Names(), c.order);
    }
    EXPECT_FALSE(MoveGroupUp(999));
    EXPECT_FALSE(MoveGroupDown(999));
}

TEST_F(GroupOperations, PinningSavesTheCatalogue) {
    SetPinned({L"https://a1", L"https://b2"}, true);
    EXPECT_EQ(g_app.pinnedUrls, (std::set<std::wstring>{L"https://a1", L"https://b2"}));
    SetPinned({L"https://a1"}, false);
    EXPECT_EQ(g_app.pinnedUrls, std::set<std::wstring>{L"https://b2"});
    AppState memory = g_app;
    g_app = AppState{};
    DefaultGroupId();
    LoadCatalogue();
    EXPECT_EQ(g_app.pinnedUrls, memory.pinnedUrls);
}
