#pragma once
// Writing only what differs between the catalogue and the stored rows, with
// the database ending up exactly as the whole rewrite leaves it.
#include "storage/SaveSteps.h"
#include "storage/StoredRows.h"

namespace save_detail {

enum class ChangeWrite {
    Done,         // written; `rows` describes the file as the transaction leaves it
    Inexact,      // written, but a statement failed: `rows` no longer describes the file
    Abandon,      // the transaction must be rolled back
    UseWholeWrite // nothing written; this file needs the whole rewrite
};

ChangeWrite WriteCatalogueChanges(SaveTransaction& tx, sqlite3* db, StoredRows& rows);

}  // namespace save_detail
