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
    ASSERT_EQ(actual.catalogue.groups.size(), expected.catalogue.groups.size());
    for (size_t i = 0; i < expected.catalogue.groups.size(); ++i) {
        EXPECT_EQ(actual.catalogue.groups[i].id, expected.catalogue.groups[i].id) << "group " << i;
        EXPECT_EQ(actual.catalogue.groups[i].name, expected.catalogue.groups[i].name) << "group " << i;
        EXPECT_EQ(actual.catalogue.groups[i].urls, expected.catalogue.groups[i].urls) << "group " << i;
    }
    EXPECT_EQ(actual.catalogue.nextGroupId, expected.catalogue.nextGroupId);
    EXPECT_EQ(actual.catalogue.allUrls, expected.catalogue.allUrls);
    EXPECT_EQ(actual.catalogue.titles, expected.catalogue.titles);
    EXPECT_EQ(actual.catalogue.createdAt, expected.catalogue.createdAt);
    EXPECT_EQ(actual.catalogue.updatedAt, expected.catalogue.updatedAt);
    EXPECT_EQ(actual.catalogue.validationStatus, expected.catalogue.validationStatus);
    EXPECT_EQ(actual.catalogue.openCounts, expected.catalogue.openCounts);
    EXPECT_EQ(actual.catalogue.lastOpenedAt, expected.catalogue.lastOpenedAt);
    EXPECT_EQ(actual.catalogue.pinnedUrls, expected.catalogue.pinnedUrls);
    EXPECT_EQ(actual.catalogue.reminderDates, expected.catalogue.reminderDates);
    EXPECT_EQ(actual.catalogue.reminderActions, expected.catalogue.reminderActions);
    EXPECT_EQ(actual.catalogue.reminderRepeats, expected.catalogue.reminderRepeats);
    EXPECT_EQ(actual.catalogue.urlTags, expected.catalogue.urlTags);
    EXPECT_EQ(actual.catalogue.tagNames, expected.catalogue.tagNames);
    EXPECT_EQ(actual.catalogue.tagUpdatedAt, expected.catalogue.tagUpdatedAt);
    EXPECT_EQ(actual.catalogue.groupUpdatedAt, expected.catalogue.groupUpdatedAt);
    EXPECT_EQ(actual.selectedUrls, expected.selectedUrls);
    EXPECT_EQ(actual.focusRow, expected.focusRow);
    EXPECT_EQ(actual.collapsedGroups, expected.collapsedGroups);
}
