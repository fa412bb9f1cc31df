#include "app/Layout.h"

#include <algorithm>

#include "app/FunctionKeys.h"
#include "grid/Columns.h"
#include "grid/FilterBar.h"
#include "grid/FilterBarLayout.h"
#include "grid/GridState.h"
#include "grid/SearchBox.h"
#include "grid/StatusBar.h"
#include "ui/MenuBar.h"

namespace {

constexpr int kMissingStatusBarHeight = 22;

bool Exists(HWND window) { return window && IsWindow(window); }

// The status bar picks its own height from its font; it is asked first so
// that everything above can be fitted to it.
int StatusBarHeight() {
    if (!Exists(g_statusBar)) return kMissingStatusBarHeight;
    SendMessageW(g_statusBar, WM_SIZE, 0, 0);
    RECT r{};
    GetWindowRect(g_statusBar, &r);
    return std::max<int>(r.bottom - r.top, kStatusBarMinHeight);
}

void PlaceFunctionKeys(int clientWidth, int top) {
    const int width = clientWidth / static_cast<int>(kFunctionKeyCount);
    for (size_t k = 0; k < kFunctionKeyCount; ++k)
        if (Exists(g_functionKeyButtons[k]))
            MoveWindow(g_functionKeyButtons[k], static_cast<int>(k) * width, top, width,
                       kFunctionKeyRowHeight, TRUE);
}

}  // namespace

// The menu bar takes the strip from 0 to 28 above the filter row.
void LayoutMainWindow(HWND window) {
    if (!window) return;
    RECT client{};
    GetClientRect(window, &client);
    const int width = client.right, height = client.bottom;
    const int statusHeight = StatusBarHeight();

    if (Exists(g_menuBar)) MoveWindow(g_menuBar, 0, 0, width, kMenuBarHeight, TRUE);
    PlaceFilterRow(width);

    const int gridTop = Exists(g_searchEdit) ? kFilterRowTop + kFilterRowHeight : kFilterRowTop;
    if (Exists(g_gridWindow))
        MoveWindow(g_gridWindow, 0, gridTop, width,
                   std::max(0, height - gridTop - statusHeight - kFunctionKeyRowHeight), TRUE);
    AutoSizeColumns();
    RefreshGrid();

    PlaceFunctionKeys(width, height - statusHeight - kFunctionKeyRowHeight);
    if (Exists(g_statusBar)) {
        MoveWindow(g_statusBar, 0, height - statusHeight, width, statusHeight, TRUE);
        SendMessageW(g_statusBar, WM_SIZE, 0, 0);
    }
    UpdateTitleBar(window);
    UpdateStatusBar();
}

