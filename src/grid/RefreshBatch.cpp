#include "grid/RefreshBatch.h"

#include "grid/GridState.h"

namespace {
int g_depth = 0;
bool g_pending = false;
}  // namespace

GridRefreshBatch::GridRefreshBatch() { ++g_depth; }

GridRefreshBatch::~GridRefreshBatch() {
    if (--g_depth > 0 || !g_pending) return;
    g_pending = false;
    RefreshGrid();
}

bool GridRefreshBatch::Defer() {
    if (g_depth == 0) return false;
    g_pending = true;
    return true;
}
