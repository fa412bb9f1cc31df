#include "model/Undo.h"

#include <utility>

#include "app/Menus.h"
#include "grid/FilterBar.h"
#include "grid/GridState.h"
#include "model/TextUtil.h"
#include "storage/Database.h"

UndoSnapshot undoSlot;
UndoSnapshot redoSlot;

UndoSnapshot TakeSnapshot(const std::wstring& label) {
    UndoSnapshot s;
    s.valid = true;
    s.label = label;
    s.groups = g_app.groups;
    s.nextGroupId = g_app.nextGroupId;
    s.allUrls = g_app.allUrls;
    s.titles = g_app.titles;
    s.createdAt = g_app.createdAt;
    s.updatedAt = g_app.updatedAt;
    s.validationStatus = g_app.validationStatus;
    s.openCounts = g_app.openCounts;
    s.lastOpenedAt = g_app.lastOpenedAt;
    s.pinnedUrls = g_app.pinnedUrls;
    s.reminderDates = g_app.reminderDates;
    s.reminderActions = g_app.reminderActions;
    s.reminderRepeats = g_app.reminderRepeats;
    s.urlTags = g_app.urlTags;
    s.tagNames = g_app.tagNames;
    s.tagUpdatedAt = g_app.tagUpdatedAt;
    s.groupUpdatedAt = g_app.groupUpdatedAt;
    s.selectedUrls = g_grid.selectedUrls;
    s.focusRow = g_grid.focusRow;
    s.collapsedGroups = g_grid.collapsedGroups;
    return s;
}

// Taken by value: Undo and Redo hand over a slot they empty anyway, so its
// containers move into the catalogue instead of being copied a second time.
void RestoreSnapshot(UndoSnapshot s) {
    if (!s.valid) return;
    g_app.groups = std::move(s.groups);
    g_app.nextGroupId = s.nextGroupId;
    g_app.allUrls = std::move(s.allUrls);
    g_app.titles = std::move(s.titles);
    g_app.createdAt = std::move(s.createdAt);
    g_app.updatedAt = std::move(s.updatedAt);
    g_app.validationStatus = std::move(s.validationStatus);
    g_app.openCounts = std::move(s.openCounts);
    g_app.lastOpenedAt = std::move(s.lastOpenedAt);
    g_app.pinnedUrls = std::move(s.pinnedUrls);
    g_app.reminderDates = std::move(s.reminderDates);
    g_app.reminderActions = std::move(s.reminderActions);
    g_app.reminderRepeats = std::move(s.reminderRepeats);
    g_app.urlTags = std::move(s.urlTags);
    g_app.tagNames = std::move(s.tagNames);
    g_app.tagUpdatedAt = std::move(s.tagUpdatedAt);
    g_app.groupUpdatedAt = std::move(s.groupUpdatedAt);
    g_grid.selectedUrls = std::move(s.selectedUrls);
    g_grid.focusRow = s.focusRow;
    g_grid.collapsedGroups = std::move(s.collapsedGroups);

    // Tags, reminders and groups may all have changed: every view that lists
    // them is rebuilt before the catalogue is written back.
    FillTagFilterCombo();
    FillReminderFilterCombo();
    RebuildGroupMenus();
    RefreshGridWithColumns();
    SaveCatalogue();
}

void PushUndo(const std::wstring& label) {
    undoSlot = TakeSnapshot(label);
    redoSlot = UndoSnapshot{};
}

// The slot is emptied before the restore so that whatever the refresh and the
// save look at already sees the final pair of slots.
void Undo() {
    if (!undoSlot.valid) return;
    UndoSnapshot restored = std::exchange(undoSlot, UndoSnapshot{});
    redoSlot = TakeSnapshot(restored.label);
    RestoreSnapshot(std::move(restored));
}

void Redo() {
    if (!redoSlot.valid) return;
    UndoSnapshot restored = std::exchange(redoSlot, UndoSnapshot{});
    undoSlot = TakeSnapshot(restored.label);
    RestoreSnapshot(std::move(restored));
}

bool CanUndo() { return undoSlot.valid; }
bool CanRedo() { return redoSlot.valid; }

static std::wstring EditMenuText(const wchar_t* verb, const UndoSnapshot& slot, const wchar_t* shortcut) {
    std::wstring text = verb;
    if (slot.valid && !slot.label.empty()) text += L" " + slot.label;
    text += shortcut;
    return text;
}

std::wstring UndoMenuText() { return EditMenuText(L"&Undo", undoSlot, L"\tCtrl+Z"); }
std::wstring RedoMenuText() { return EditMenuText(L"&Redo", redoSlot, L"\tCtrl+Y"); }

// Ctrl+Z while typing in the search box, the in-place editor or a prompt
// means "take back my typing", not "take back the last catalogue change".
void UndoCommand(HWND focus) {
    if (focus) {
        wchar_t className[32] = {};
        GetClassNameW(focus, className, 32);
        if (NamesEqual(className, L"Edit")) {
            SendMessageW(focus, EM_UNDO, 0, 0);
            return;
        }
    }
    Undo();
}

void UndoCommand() { UndoCommand(GetFocus()); }
