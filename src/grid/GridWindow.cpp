// The grid's window class and procedure. The procedure is a table of
// messages; each case cracks its parameters and hands them to a handler in
// the file of its concern (paint, scroll, input, drags, menus).
#include "grid/GridWindow.h"

#include <windowsx.h>

#include "grid/CellEditor.h"
#include "grid/GridInternal.h"

bool RegisterGridClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = GridWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kGridClassName;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateGridWindow(HWND parent, HINSTANCE instance) {
    g_gridWindow = CreateWindowExW(0, kGridClassName, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL,
                                   0, 34, 600, 246, parent, nullptr, instance, nullptr);
    return g_gridWindow;
}

LRESULT CALLBACK GridWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            OnGridPaint(window);
            return 0;
        case WM_SIZE:
            UpdateScrollBars();
            RepositionInlineEdit();
            return 0;
        case WM_VSCROLL:
            OnGridVScroll(window, LOWORD(wParam));
            return 0;
        case WM_HSCROLL:
            OnGridHScroll(window, LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            OnGridMouseWheel(window, GET_WHEEL_DELTA_WPARAM(wParam), GET_KEYSTATE_WPARAM(wParam));
            return 0;
        case WM_MOUSEMOVE:
            OnGridMouseMove(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_MOUSELEAVE:
            OnGridMouseLeave(window);
            return 0;
        case WM_LBUTTONDOWN:
            OnGridLButtonDown(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), static_cast<UINT>(wParam));
            return 0;
        case WM_LBUTTONUP:
            OnGridLButtonUp(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_LBUTTONDBLCLK:
            OnGridLButtonDblClk(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), static_cast<UINT>(wParam));
            return 0;
        case WM_RBUTTONUP:
            OnGridRButtonUp(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_CAPTURECHANGED:
            OnGridCaptureChanged(window);
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && OnGridSetCursor(window)) return TRUE;
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_TIMER:
            OnGridTimer(window, static_cast<UINT_PTR>(wParam));
            return 0;
        case WM_KEYDOWN:
            if (OnGridKeyDown(window, static_cast<UINT>(wParam))) return 0;
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTALLKEYS;
        case WM_COMMAND:
            if (LOWORD(wParam) == kInlineEditId)
                OnInlineEditCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLOREDIT:
            if (HBRUSH brush = InlineEditColors(reinterpret_cast<HDC>(wParam))) return reinterpret_cast<LRESULT>(brush);
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_DESTROY:
            CloseInlineEdit(false);
            KillTimer(window, kHoverCardTimer);
            if (g_gridWindow == window) g_gridWindow = nullptr;
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}
