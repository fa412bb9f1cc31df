#pragma once
// One-step undo and redo over whole copies of the catalogue and of the grid's
// selection, focus and collapsed groups.
#include <windows.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/AppState.h"

struct UndoSnapshot {
    bool valid = false;
    std::wstring label;
    // The whole catalogue but its rule lists, which are never taken back
    // (they stay empty here).
    AppState catalogue;
    // The grid's view of the selection.
    std::set<std::wstring> selectedUrls;
    int focusRow = -1;
    std::set<int> collapsedGroups;
};

extern UndoSnapshot undoSlot;
extern UndoSnapshot redoSlot;

UndoSnapshot TakeSnapshot(const std::wstring& label = std::wstring());
void RestoreSnapshot(UndoSnapshot snapshot);

// Records the state before an edit; the redo step is dropped.
void PushUndo(const std::wstring& label);
void Undo();
void Redo();

// The Edit menu's items, rebuilt each time the menu opens.
bool CanUndo();
bool CanRedo();
std::wstring UndoMenuText();
std::wstring RedoMenuText();

// Command 613: a focused text box gets the undo, otherwise the catalogue does.
void UndoCommand(HWND focus);
void UndoCommand();
