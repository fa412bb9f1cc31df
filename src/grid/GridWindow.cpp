#include "grid/GridWindow.h"

#include "grid/GridState.h"

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
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_WINDOW));
            EndPaint(window, &ps);
            return 0;
        }
        case WM_DESTROY:
            if (g_gridWindow == window) g_gridWindow = nullptr;
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}
