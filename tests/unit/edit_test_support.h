#pragma once
// Shared set-up for the undo, selection and edit tests: a temporary database
// (restores save), an empty grid state, empty undo and redo slots, and rows
// filled the way the rebuild fills them with no filter and no sort.
#include "grid/GridState.h"
#include "model/Undo.h"
#include "storage_test_support.h"

// Every group's URLs in group order, no filter, no sort: what the row rebuild
// gives for a fresh view.
inline void ShowAllRows() {
    g_grid.visibleRows.clear();
    for (const UrlGroup& group : g_app.groups)
        for (const std::wstring& url : group.urls) g_grid.visibleRows.push_back({group.id, url});
}

class EditTest : public StorageTest {
   protected:
    void SetUp() override {
        StorageTest::SetUp();
        g_grid = GridState{};
        undoSlot = UndoSnapshot{};
        redoSlot = UndoSnapshot{};
    }
    void TearDown() override {
        g_grid = GridState{};
        undoSlot = UndoSnapshot{};
        redoSlot = UndoSnapshot{};
        StorageTest::TearDown();
    }
};

inline std::vector<std::vector<std::wstring>> GroupUrls() {
    std::vector<std::vector<std::wstring>> lists;
    for (const UrlGroup& group : g_app.groups) lists.push_back(group.urls);
    return lists;
}

// Everything a snapshot holds, compared field by field so that a failure
// names the field.
inline void ExpectSameState(const UndoSnapshot& actual, const UndoSnapshot& expected) {
    ASSERT_EQ(actual.groups.size(), expected.groups.size());
    for (size_t i = 0; i < expected.groups.size(); ++i) {
        EXPECT_EQ(actual.groups[i].id, expected.groups[i].id) << "group " << i;
        EXPECT_EQ(actual.groups[i].name, expected.groups[i].name) << "group " << i;
        EXPECT_EQ(actual.groups[i].urls, expected.groups[i].urls) << "group " << i;
    }
    EXPECT_EQ(actual.nextGroupId, expected.nextGroupId);
    EXPECT_EQ(actual.allUrls, expected.allUrls);
    EXPECT_EQ(actual.titles, expected.titles);
    EXPECT_EQ(actual.createdAt, expected.createdAt);
    EXPECT_EQ(actual.updatedAt, expected.updatedAt);
    EXPECT_EQ(actual.validationStatus, expected.validationStatus);
    EXPECT_EQ(actual.openCounts, expected.openCounts);
    EXPECT_EQ(actual.lastOpenedAt, expected.lastOpenedAt);
    EXPECT_EQ(actual.pinnedUrls, expected.pinnedUrls);
    EXPECT_EQ(actual.reminderDates, expected.reminderDates);
    EXPECT_EQ(actual.reminderActions, expected.reminderActions);
    EXPECT_EQ(actual.reminderRepeats, expected.reminderRepeats);
    EXPECT_EQ(actual.urlTags, expected.urlTags);
    EXPECT_EQ(actual.tagNames, expected.tagNames);
    EXPECT_EQ(actual.tagUpdatedAt, expected.tagUpdatedAt);
    EXPECT_EQ(actual.groupUpdatedAt, expected.groupUpdatedAt);
    EXPECT_EQ(actual.selectedUrls, expected.selectedUrls);
    EXPECT_EQ(actual.focusRow, expected.focusRow);
    EXPECT_EQ(actual.collapsedGroups, expected.collapsedGroups);
}
