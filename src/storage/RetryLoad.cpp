#include <sqlite3.h>

#include <utility>

#include "model/AppState.h"
#include "model/CatalogueMerge.h"
#include "model/Undo.h"
#include "storage/Database.h"

// The stored catalogue is read into an empty record, the way a start-up
// reads it; what was captured while the file could not be read is then
// filed after the stored URLs and saved. Until that read succeeds the
// catalogue in memory stays exactly as the user sees it.
LoadResult RetryCatalogueLoad() {
    if (!CatalogueFileUnread()) return LoadResult{LoadStatus::Complete, SQLITE_OK};
    AppState meanwhile;
    meanwhile.nextGroupId = g_app.nextGroupId;
    std::swap(g_app, meanwhile);
    DefaultGroupId();
    LoadResult result = LoadCatalogue();
    if (!result.complete()) {
        std::swap(g_app, meanwhile);
        return result;
    }
    size_t merged = MergeCatalogue(meanwhile);
    // A step taken back now would bring back the catalogue without its
    // stored URLs, and the save after it would delete them from the file.
    undoSlot = UndoSnapshot{};
    redoSlot = UndoSnapshot{};
    if (SaveCatalogue() == SaveResult::Saved) NoteCatalogueRecovered(merged);
    return result;
}
