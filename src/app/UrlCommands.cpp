#include "app/UrlCommands.h"

#include "grid/Selection.h"
#include "grid/SelectionEdits.h"
#include "storage/Database.h"

void DeleteSelectedAndSave() {
    DeleteSelectedUrls();
    SaveCatalogue();
}

// The command may come from an accelerator or a stale menu, so the current
// row is checked here rather than trusted.
void MoveToGroup(int groupId) {
    const int row = GetFocusRow();
    if (row < 0) return;
    MoveUrlsToGroup(row, groupId);
    SaveCatalogue();
}
