#include "grid/Columns.h"
#include "grid/VisibleRows.h"
void RebuildVisibleRows() {}
void AutoSizeColumns() {}
