#include <gtest/gtest.h>

#include <algorithm>

#include "GuiFixture.h"
#include "grid/Columns.h"

namespace {

// The widest text as the platform measures it, one call per text.
int WidestMeasured(const std::vector<std::wstring>& texts) {
    HDC dc = GetDC(g_gridWindow);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(g_gridWindow, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    int widest = 0;
    for (const auto& text : texts) {
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), (int)text.size(), &size);
        widest = std::max<int>(widest, size.cx);
    }
    SelectObject(dc, old);
    ReleaseDC(g_gridWindow, dc);
    return widest;
}

}  // namespace

// Automatic widths come from the widest "Title" cell and URL; ASCII texts
// are summed from character widths, others measured: both must agree with
// measuring every text.
TEST_F(MainWindowTest, AutomaticWidthsFollowTheWidestTexts) {
    StartWindow();
    std::vector<std::wstring> urls = {
        L"https://a.example/short",
        L"https://wide.example/WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW",
        L"https://narrow.example/iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii",
        L"https://\u00e9t\u00e9.example/caf\u00e9/\u00c9\u00c9\u00c9\u00c9\u00c9\u00c9\u00c9\u00c9",
        L"https://kerning.example/AVAVAVAV To Ta We"};
    for (const auto& url : urls) AddUrlToGroup(DefaultGroupId(), url);
    g_app.titles[urls[0]] = L"A title with Kerning: AVA To Ta WAVE \u00c9t\u00e9 \u2714";
    g_app.titles[urls[1]] = L"";  // empty: the URL stands in
    g_settings.columnWidthsValid = false;
    RefreshGridWithColumns();

    std::vector<std::wstring> titleCells;
    for (const auto& url : urls) titleCells.push_back(GetCellText(url, ColumnId::Title, -1));
    const int title = std::max(WidestMeasured(titleCells) + 40, 120);
    int url = std::max(WidestMeasured(urls) + 16, 200);
    RECT client;
    GetClientRect(g_gridWindow, &client);
    const int room = client.right - GetSystemMetrics(SM_CXVSCROLL);
    const int fixed = 770;
    if (title + url + fixed < room) url = room - title - fixed;
    EXPECT_EQ(g_settings.columnWidths[ColumnId::Title], title);
    EXPECT_EQ(g_settings.columnWidths[ColumnId::Url], url);
    EXPECT_EQ(g_settings.columnWidths[ColumnId::Tags], 100);
}
