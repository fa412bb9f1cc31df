#include "model/Undo.h"

#include <utility>

#include "model/CatalogueViews.h"
#include "model/TextUtil.h"
#include "storage/Database.h"

UndoSnapshot undoSlot;
UndoSnapshot redoSlot;

UndoSnapshot TakeSnapshot(const std::wstring& label) {
    UndoSnapshot s;
    s.valid = true;
    s.label = label;
    // The rule lists are small; copying them with the rest and dropping them
    // keeps this one assignment of the whole record.
    s.catalogue = g_app;
    s.catalogue.autoTagRules.clear();
    s.catalogue.autoGroupRules.clear();
    if (g_catalogueViews.saveViewInto) g_catalogueViews.saveViewInto(s);
    return s;
}

// Taken by value: Undo and Redo hand over a slot they empty anyway, so its
// containers move into the catalogue instead of being copied a second time.
void RestoreSnapshot(UndoSnapshot s) {
    if (!s.valid) return;
    s.catalogue.autoTagRules = std::move(g_app.autoTagRules);
    s.catalogue.autoGroupRules = std::move(g_app.autoGroupRules);
    g_app = std::move(s.catalogue);
    if (g_catalogueViews.restoreViewFrom) g_catalogueViews.restoreViewFrom(s);

    // Tags, reminders and groups may all have changed: every view that lists
    // them is rebuilt before the catalogue is written back.
    NotifyTagsChanged();
    NotifyRemindersChanged();
    NotifyGroupsChanged();
    NotifyRowsAndColumnsChanged();
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
