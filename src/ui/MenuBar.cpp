#include "ui/MenuBar.h"

#include "settings/Settings.h"
#include "ui/GdiGuards.h"

HWND g_menuBar = nullptr;

namespace {

constexpr wchar_t kClassName[] = L"VantrelixMenuBar";
constexpr const wchar_t* kTitles[kMenuBarTitleCount] = {L"File", L"Edit", L"URLs", L"Tags", L"Groups", L"Columns",
                                                       L"Help"};
constexpr int kFirstLeft = 6;
constexpr int kTitlePadding = 10;
constexpr int kFallbackSlot = 60;

struct MenuBarState {
    HMENU menu = nullptr;
    int hotMenuItem = -1;
    bool menuBarTrackingLeave = false;
};
MenuBarState g_state;

struct MenuBarColors {
    COLORREF background, text, hot, line;
};

MenuBarColors CurrentColors() {
    if (g_settings.darkMode)
        return {RGB(0x20, 0x20, 0x20), RGB(0xDC, 0xDC, 0xDC), RGB(0x37, 0x37, 0x41), RGB(0x3C, 0x3C, 0x3C)};
    return {GetSysColor(COLOR_MENUBAR), GetSysColor(COLOR_MENUTEXT), RGB(0xE5, 0xF3, 0xFF), RGB(0xD2, 0xD2, 0xD2)};
}

HFONT BarFont(HWND bar) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(bar, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void FillSolid(HDC dc, const RECT& r, COLORREF color) {
    SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void Paint(HWND bar) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(bar, &ps);
    RECT client;
    GetClientRect(bar, &client);
    const MenuBarColors colors = CurrentColors();
    FillSolid(dc, client, colors.background);
    {
        SelectGuard selected(dc, BarFont(bar));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colors.text);
        const auto rects = MenuBarItemRects(bar);
        for (int i = 0; i < kMenuBarTitleCount; ++i) {
            RECT r = rects[i];
            if (i == g_state.hotMenuItem) FillSolid(dc, r, colors.hot);
            DrawTextW(dc, kTitles[i], -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    RECT line{client.left, client.bottom - 1, client.right, client.bottom};
    FillSolid(dc, line, colors.line);
    EndPaint(bar, &ps);
}

void SetHot(HWND bar, int item) {
    if (item == g_state.hotMenuItem) return;
    g_state.hotMenuItem = item;
    InvalidateRect(bar, nullptr, FALSE);
}

void OnMouseMove(HWND bar, int x, int y) {
    if (!g_state.menuBarTrackingLeave) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, bar, 0};
        if (TrackMouseEvent(&track)) g_state.menuBarTrackingLeave = true;
    }
    SetHot(bar, MenuBarHitTest(x, y));
}

void OnMouseLeave(HWND bar) {
    g_state.menuBarTrackingLeave = false;
    SetHot(bar, -1);
}

// The pop-up's owner is the main window, so its menu-opening rules grey,
// check and relabel the items, and the chosen command goes there.
void OnLButtonDown(HWND bar, int x, int y) {
    const int item = MenuBarHitTest(x, y);
    if (item < 0 || !g_state.menu) return;
    HMENU popup = GetSubMenu(g_state.menu, item);
    if (!popup) return;
    const RECT title = MenuBarItemRects(bar)[item];
    RECT client;
    GetClientRect(bar, &client);
    POINT at{title.left, client.bottom};
    ClientToScreen(bar, &at);
    HWND owner = GetParent(bar);
    SetForegroundWindow(owner);
    TrackPopupMenu(popup, TPM_LEFTBUTTON, at.x, at.y, 0, owner, nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
}

LRESULT CALLBACK MenuBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: Paint(bar); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_MOUSEMOVE: OnMouseMove(bar, (short)LOWORD(lParam), (short)HIWORD(lParam)); return 0;
        case WM_MOUSELEAVE: OnMouseLeave(bar); return 0;
        case WM_LBUTTONDOWN: OnLButtonDown(bar, (short)LOWORD(lParam), (short)HIWORD(lParam)); return 0;
        case WM_NCDESTROY:
            if (bar == g_menuBar) g_menuBar = nullptr;
            return DefWindowProcW(bar, message, wParam, lParam);
        default: return DefWindowProcW(bar, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterMenuBarClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MenuBarProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateMenuBar(HWND parent, HINSTANCE instance, HMENU menu) {
    if (!RegisterMenuBarClass(instance)) return nullptr;
    g_state = MenuBarState{};
    g_state.menu = menu;
    RECT client{};
    GetClientRect(parent, &client);
    g_menuBar = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, client.right, kMenuBarStripHeight,
                                parent, nullptr, instance, nullptr);
    return g_menuBar;
}

std::array<RECT, kMenuBarTitleCount> MenuBarItemRects(HWND bar) {
    std::array<RECT, kMenuBarTitleCount> rects{};
    RECT client{};
    if (bar) GetClientRect(bar, &client);
    // Without a window there is nothing to measure with: fixed slots.
    if (!bar) {
        for (int i = 0; i < kMenuBarTitleCount; ++i)
            rects[i] = RECT{kFirstLeft + i * kFallbackSlot, 0, kFirstLeft + (i + 1) * kFallbackSlot, client.bottom};
        return rects;
    }
    WindowDC dc(bar);
    int left = kFirstLeft;
    for (int i = 0; i < kMenuBarTitleCount; ++i) {
        int width = kFallbackSlot;
        if (dc) {
            SelectGuard selected(dc.get(), BarFont(bar));
            SIZE extent{};
            GetTextExtentPoint32W(dc.get(), kTitles[i], lstrlenW(kTitles[i]), &extent);
            width = extent.cx + 2 * kTitlePadding;
        }
        rects[i] = RECT{left, 0, left + width, client.bottom};
        left += width;
    }
    return rects;
}

int MenuBarHitTest(int x, int y) {
    if (!g_menuBar) return -1;
    const auto rects = MenuBarItemRects(g_menuBar);
    for (int i = 0; i < kMenuBarTitleCount; ++i) {
        const RECT& r = rects[i];
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return i;
    }
    return -1;
}

int MenuBarHotItem() { return g_state.hotMenuItem; }
