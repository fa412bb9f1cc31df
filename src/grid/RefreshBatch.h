#pragma once
// Holds back grid refreshes while many URLs are filed one after another (a
// copied text full of addresses): each filing would rebuild every visible
// row. The view is refreshed once when the outermost batch ends.
class GridRefreshBatch {
   public:
    GridRefreshBatch();
    ~GridRefreshBatch();
    GridRefreshBatch(const GridRefreshBatch&) = delete;
    GridRefreshBatch& operator=(const GridRefreshBatch&) = delete;

    // True, and the refresh noted for the end of the batch, while one is open.
    static bool Defer();
};
