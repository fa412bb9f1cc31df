#pragma once
// The one way catalogue operations reach what shows the catalogue. The model
// knows no window: where an operation must refresh the grid, start a favicon
// fetch, refill a filter list or rebuild a menu, it calls the matching entry
// of this record, which the window layer fills in at start-up. An empty entry
// does nothing, so the catalogue works (and is tested) without any view.
#include <string>

struct UndoSnapshot;

struct CatalogueViews {
    void (*rowsChanged)() = nullptr;               // rows to rebuild, widths kept
    void (*rowsAndColumnsChanged)() = nullptr;     // rows and automatic widths
    void (*columnsChanged)() = nullptr;            // automatic widths only
    void (*catalogueCleared)() = nullptr;          // selection, focus and collapse forgotten
    void (*urlFiled)(const std::wstring& url) = nullptr;  // a new URL wants its title and icon
    void (*tagsChanged)() = nullptr;               // the tag filter's list
    void (*remindersChanged)() = nullptr;          // the reminder filter's list
    void (*groupsChanged)() = nullptr;             // the group menus
    // The view state an undo step keeps with the catalogue, and its return.
    void (*saveViewInto)(UndoSnapshot& snapshot) = nullptr;
    void (*restoreViewFrom)(UndoSnapshot& snapshot) = nullptr;
};

extern CatalogueViews g_catalogueViews;

// Each calls its entry when it is set.
void NotifyRowsChanged();
void NotifyRowsAndColumnsChanged();
void NotifyColumnsChanged();
void NotifyCatalogueCleared();
void NotifyUrlFiled(const std::wstring& url);
void NotifyTagsChanged();
void NotifyRemindersChanged();
void NotifyGroupsChanged();
