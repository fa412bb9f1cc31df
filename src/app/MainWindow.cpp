#include "app/MainWindow.h"

#include <commctrl.h>
#include <gdiplus.h>
#include <windowsx.h>

#include <cwchar>

#include "app/Accelerators.h"
#include "app/Commands.h"
#include "app/ControlColors.h"
#include "base/DebugLog.h"
#include "app/FunctionKeys.h"
#include "app/Layout.h"
#include "app/Menus.h"
#include "app/OwnerDraw.h"
#include "app/ReminderFiring.h"
#include "app/SingleInstance.h"
#include "app/StorageNotices.h"
#include "app/Tray.h"
#include "app/ViewWiring.h"
#include "base/WorkerPayloads.h"
#include "capture/ClipboardCapture.h"
#include "grid/FilterBar.h"
#include "grid/GridState.h"
#include "grid/GridWindow.h"
#include "grid/StatusBar.h"
#include "model/AppState.h"
#include "resource.h"
#include "settings/Settings.h"
#include "storage/Database.h"
#include "ui/DarkTheme.h"
#include "ui/FaviconImages.h"
#include "ui/MenuBar.h"
#include "ui/ThemeBrushes.h"

HWND g_mainWindow = nullptr;

namespace {

HINSTANCE g_instance = nullptr;
wchar_t g_windowName[100] = L"Vantrelix v1.3.5";
wchar_t g_className[100] = L"VANTRELIX";

using ClipboardListenerFn = BOOL(WINAPI*)(HWND);

// The clipboard listener functions are looked up by name: a system without
// them runs without capture instead of failing to start.
ClipboardListenerFn LookUpUser32(const char* name, HMODULE& module) {
    module = LoadLibraryW(L"user32.dll");
    if (!module) return nullptr;
    return reinterpret_cast<ClipboardListenerFn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

void StartClipboardListening(HWND window) {
    HMODULE user32;
    ClipboardListenerFn add = LookUpUser32("AddClipboardFormatListener", user32);
    if (add) DebugText(add(window) ? L"AddClipboardFormatListener registered\n"
                                   : L"Warning: AddClipboardFormatListener failed\n");
    if (user32) FreeLibrary(user32);
}

void StopClipboardListening(HWND window) {
    HMODULE user32;
    ClipboardListenerFn remove = LookUpUser32("RemoveClipboardFormatListener", user32);
    if (remove) remove(window);
    if (user32) FreeLibrary(user32);
}

void CreateFaviconImageList() {
    FaviconImageList = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 32);
    if (!FaviconImageList) return;
    HICON icon = static_cast<HICON>(
        LoadImageW(g_instance, MAKEINTRESOURCEW(IDI_VANTRELIX_SMALL), IMAGE_ICON, 16, 16, 0));
    bool shared = false;
    if (!icon) {
        icon = LoadIconW(nullptr, IDI_APPLICATION);
        shared = true;
    }
    if (icon) {
        ImageList_AddIcon(FaviconImageList, icon);
        if (!shared) DestroyIcon(icon);
    }
}

void PlaceMainWindow(HWND window) {
    HWND z = g_settings.alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST;
    SetWindowPos(window, z, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    if (g_settings.windowRectKnown) {
        const RECT& r = g_settings.windowRect;
        SetWindowPos(window, z, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE);
    }
}

void SetWindowIcons(HWND window) {
    if (HICON big = LoadIconW(g_instance, MAKEINTRESOURCEW(IDI_VANTRELIX)))
        SendMessageW(window, WM_SETICON, ICON_BIG, (LPARAM)big);
    if (HICON small = LoadIconW(g_instance, MAKEINTRESOURCEW(IDI_VANTRELIX_SMALL)))
        SendMessageW(window, WM_SETICON, ICON_SMALL, (LPARAM)small);
}

// The children above and below the grid; coordinates are provisional until
// LayoutMainWindow. A child that fails is left out: every later use checks.
void CreateChildWindows(HWND window) {
    CreateMenuBar(window, g_instance, g_mainMenu.bar);
    CreateFilterBar(window, g_instance);
    if (RegisterGridClass(g_instance)) CreateGridWindow(window, g_instance);
    CreateStatusBar(window, g_instance);
}

// The stored filters are chosen again once the lists are filled; a stored
// value that is no longer an entry is dropped by the fill.
void FillAndRestoreFilters() {
    FillTagFilterCombo();
    RestoreFilterSelection(g_tagFilterCombo, g_settings.tagFilter);
    FillReminderFilterCombo();
    RestoreFilterSelection(g_reminderFilterCombo, g_settings.reminderFilter);
}

void ForgetChildWindows() {
    ForgetFilterBar();
    ForgetFunctionKeyButtons();
    g_statusBar = nullptr;
}

// ---- message handlers -------------------------------------------------------

// Standard controls start with the bold system font; the program's text is
// drawn in the GUI font (the grid uses it too), so every child gets it.
BOOL CALLBACK SetGuiFont(HWND child, LPARAM font) {
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return TRUE;
}

void UseGuiFontInChildren(HWND window) {
    EnumChildWindows(window, SetGuiFont, reinterpret_cast<LPARAM>(GetStockObject(DEFAULT_GUI_FONT)));
}

// The catalogue and the settings, as the program ends or Windows ends the
// session. What was captured while the stored catalogue could not be read
// gets one last chance to reach the file.
void SaveBeforeExit() {
    // A retry that reads the file saves the merged catalogue itself; one that
    // fails leaves nothing that may be written.
    if (CatalogueFileUnread())
        RetryCatalogueLoad();
    else
        SaveCatalogue();
    SaveSettings();
}

void OnDestroy(HWND window) {
    StopClipboardListening(window);
    UnregisterHotKey(window, HOTKEY_SHOW_HIDE);
    KillTimer(window, TIMER_REMINDER_CHECK);
    KillTimer(window, TIMER_CATALOGUE_RETRY);
    SaveBeforeExit();
    RemoveTrayIcon();
    DeleteThemeBrushes();
    if (FaviconImageList) {
        ImageList_Destroy(FaviconImageList);
        FaviconImageList = nullptr;
    }
    ForgetChildWindows();
    g_mainWindow = nullptr;
    PostQuitMessage(0);
}

void OnMove(HWND window) {
    if (IsWindowVisible(window) && !IsIconic(window)) RecordWindowRect(window);
}

void OnSize(HWND window, UINT kind) {
    switch (kind) {
        case SIZE_RESTORED:
        case SIZE_MAXIMIZED:
            RecordWindowRect(window);
            LayoutMainWindow(window);
            break;
        case SIZE_MINIMIZED:
            OnMinimizedToTray(window);
            break;
        default:
            break;
    }
}

void OnPaint(HWND window) {
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    EndPaint(window, &ps);
}

LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    if (RunCommand(window, LOWORD(wParam), HIWORD(wParam))) return 0;
    return DefWindowProcW(window, WM_COMMAND, wParam, lParam);
}

// Once the stored catalogue can be read, it replaces the one in memory
// with what was captured meanwhile merged in: every view is filled again.
void OnCatalogueRetryTimer(HWND window) {
    if (!RetryCatalogueLoad().complete()) return;
    KillTimer(window, TIMER_CATALOGUE_RETRY);
    UpdateTitleBar(window);
    FillAndRestoreFilters();
    RebuildGroupMenus();
    RefreshGridWithColumns();
}

void OnTimer(HWND window, UINT_PTR id) {
    switch (id) {
        case TIMER_CATALOGUE_RETRY: OnCatalogueRetryTimer(window); break;
        case TIMER_REMINDER_CHECK: OnReminderTimer(window); break;
        default: break;
    }
}

void OnHotkey(HWND window, int id) {
    if (id == HOTKEY_SHOW_HIDE) OnShowHideHotkey(window);
}

// Any process can post this message with any number in lParam: only a text
// our own QR worker registered is read (and freed once, when taken).
void OnQrText(LPARAM lParam) {
    if (auto text = TakeWorkerPayload<std::wstring>(WM_QR_TEXT, lParam)) FileQrText(*text);
}

// Finished fetches and QR previews have no receiver yet; a payload a worker
// of ours registered is freed, any other number is left alone.
void OnUnhandledWorkerResult(UINT message, LPARAM lParam) { DiscardWorkerPayload(message, lParam); }

// Windows may end the process after these messages without a WM_DESTROY, so
// what closing the window saves is saved now. A cancelled log-off loses
// nothing by it.
LRESULT OnQueryEndSession() {
    SaveBeforeExit();
    return TRUE;
}

void OnEndSession(bool ending) {
    if (ending) SaveBeforeExit();
}

// Messages whose numbers are registered by name at run time.
LRESULT OnRegisteredMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != 0 && message == TaskbarCreatedMessage()) {
        OnTaskbarCreated(window);
        return 0;
    }
    if (message != 0 && message == ShowInstanceMessage()) return OnShowInstanceRequest(window, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

// A copy that runs elevated would otherwise never hear the shell's restart
// nor a second start by the same user.
void AcceptRegisteredMessages(HWND window) {
    for (UINT message : {TaskbarCreatedMessage(), ShowInstanceMessage()})
        if (message) ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr);
}

}  // namespace

void LoadStringResource(HINSTANCE instance, UINT id, wchar_t (&buffer)[100]) {
    if (LoadStringW(instance, id, buffer, 100) > 0) return;
    wcscpy(buffer, L"Vantrelix");
    wchar_t line[80];
    swprintf(line, 80, L"Warning: resource id %u missing, using fallback.\n", id);
    DebugText(line);
}

void LoadWindowNames(HINSTANCE instance) {
    wchar_t name[100];
    LoadStringResource(instance, IDS_APP_TITLE, name);
    LoadStringResource(instance, IDC_VANTRELIX, g_className);
    swprintf(g_windowName, 100, L"%ls v%ls", name, kProductVersion);
}

const wchar_t* WindowName() { return g_windowName; }
const wchar_t* WindowClassName() { return g_className; }

void RecordWindowRect(HWND window) {
    if (!window) return;
    RECT r;
    if (!GetWindowRect(window, &r)) return;
    g_settings.windowRect = r;
    g_settings.windowRectKnown = true;
}

ATOM MyRegisterClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_VANTRELIX));
    if (!wc.hIcon) DebugText(L"Warning: LoadIcon(IDI_VANTRELIX) returned NULL.\n");
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    if (!wc.hCursor) DebugText(L"Warning: LoadCursor(IDC_ARROW) returned NULL.\n");
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = g_className;
    wc.hIconSm = LoadIconW(instance, MAKEINTRESOURCEW(IDI_VANTRELIX_SMALL));
    if (!wc.hIconSm) DebugText(L"Warning: LoadIcon(IDI_VANTRELIX_SMALL) returned NULL.\n");
    return RegisterClassExW(&wc);
}

bool InitInstance(HINSTANCE instance) {
    g_instance = instance;
    ConnectCatalogueViews();
    RECT outer{0, 0, 600, 400};
    if (!AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0)) outer = RECT{0, 0, 600, 400};
    int w = outer.right - outer.left, h = outer.bottom - outer.top;
    RECT work;
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0))
        work = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    int x = work.left + (work.right - work.left - w) / 2;
    int y = work.top + (work.bottom - work.top - h) / 2;

    HWND window = CreateWindowExW(0, g_className, g_windowName, WS_OVERLAPPEDWINDOW, x, y, w, h, nullptr,
                                  nullptr, instance, nullptr);
    if (!window) {
        LogLastError(L"CreateWindowExW");
        return false;
    }
    g_mainWindow = window;
    PlaceMainWindow(window);
    SetWindowIcons(window);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    BuildMainMenu();
    CreateChildWindows(window);
    CreateFaviconImageList();

    InstallStorageNotices();
    DefaultGroupId();
    bool catalogueRead = LoadCatalogue().complete();
    if (!catalogueRead) {
        RefreshGridWithColumns();
        SetTimer(window, TIMER_CATALOGUE_RETRY, kCatalogueRetryPeriodMs, nullptr);
    }
    UpdateTitleBar(window);
    FillAndRestoreFilters();
    CreateFunctionKeyButtons(window, instance);
    UseGuiFontInChildren(window);
    ApplyDarkMode(window);

    AddTrayIcon(window);
    ShowPendingStorageNotice();
    AcceptRegisteredMessages(window);
    StartClipboardListening(window);
    if (g_settings.hotkeyKey != 0)
        RegisterHotKey(window, HOTKEY_SHOW_HIDE, g_settings.hotkeyModifiers | MOD_NOREPEAT, g_settings.hotkeyKey);
    SetTimer(window, TIMER_REMINDER_CHECK, kReminderCheckPeriodMs, nullptr);
    LayoutMainWindow(window);

    ShowWindow(window, g_settings.startVisible ? SW_SHOW : SW_HIDE);
    UpdateWindow(window);
    return true;
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY: OnDestroy(window); return 0;
        case WM_MOVE: OnMove(window); return 0;
        case WM_SIZE: OnSize(window, (UINT)wParam); return 0;
        case WM_PAINT: OnPaint(window); return 0;
        case WM_DRAWITEM: return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_COMMAND: return OnCommand(window, wParam, lParam);
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: return OnControlColor(window, message, wParam, lParam);
        case WM_HOTKEY: OnHotkey(window, (int)wParam); return 0;
        case WM_CLIPBOARDUPDATE: CaptureClipboard(window); return 0;
        case WM_TRAY_NOTIFY: OnTrayNotify(window, (UINT)lParam); return 0;
        case WM_QR_TEXT: OnQrText(lParam); return 0;
        case WM_TIMER: OnTimer(window, (UINT_PTR)wParam); return 0;
        case WM_INITMENUPOPUP: OnInitMenuPopup(reinterpret_cast<HMENU>(wParam)); return 0;
        case WM_FETCH_DONE:
        case WM_QR_PREVIEW_READY: OnUnhandledWorkerResult(message, lParam); return 0;
        case WM_QUERYENDSESSION: return OnQueryEndSession();
        case WM_ENDSESSION: OnEndSession(wParam != FALSE); return 0;
        default:
            return OnRegisteredMessage(window, message, wParam, lParam);
    }
}

int RunVantrelix(HINSTANCE instance) {
    LoadWindowNames(instance);
    InstanceLock instanceLock(g_className);
    if (!instanceLock.IsFirstCopy()) return instanceLock.ReachedRunningCopy() ? 0 : kExitStartFailed;
    LoadSettings();

    Gdiplus::GdiplusStartupInput gdiplusInput;
    ULONG_PTR gdiplusToken = 0;
    Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);

    // A start that fails ends with a failure code, so that whoever started
    // the program (a script, the Startup folder's shortcut) can tell.
    if (!MyRegisterClass(instance)) {
        LogLastError(L"RegisterClassExW");
        LogLastError(L"MyRegisterClass/RegisterClassExW");
        Gdiplus::GdiplusShutdown(gdiplusToken);
        return kExitStartFailed;
    }
    if (!InitInstance(instance)) {
        LogLastError(L"InitInstance/CreateWindowW");
        Gdiplus::GdiplusShutdown(gdiplusToken);
        return kExitStartFailed;
    }

    HACCEL accelerators = CreateMainAccelerators();
    if (!accelerators) DebugText(L"Warning: CreateAcceleratorTable returned NULL. Continuing without accelerators.\n");

    // A GetMessageW error (-1) ends the loop like WM_QUIT.
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (TranslateMainAccelerator(accelerators, msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (GetLastError() != 0) LogLastError(L"Message loop ended with an error");
    if (accelerators) DestroyAcceleratorTable(accelerators);
    Gdiplus::GdiplusShutdown(gdiplusToken);
    return (int)msg.wParam;
}
