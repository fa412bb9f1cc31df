#include "GuiFixture.h"

#include <sqlite3.h>

#include "app/Tray.h"

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void PumpFor(DWORD ms) { PumpUntil([] { return false; }, ms); }

static bool OpenClipboardForTest() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(10);
    }
    return false;
}

std::wstring ReadClipboardText() {
    std::wstring text;
    if (!OpenClipboardForTest()) return text;
    if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* p = static_cast<const wchar_t*>(GlobalLock(h))) {
            text = p;
            GlobalUnlock(h);
        }
    }
    CloseClipboard();
    return text;
}

bool PutRawClipboardText(const std::wstring& units) {
    if (!OpenClipboardForTest()) return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, units.size() * sizeof(wchar_t));
    if (memory) {
        memcpy(GlobalLock(memory), units.data(), units.size() * sizeof(wchar_t));
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    }
    CloseClipboard();
    return memory != nullptr;
}

static HGLOBAL GlobalCopy(const void* data, size_t bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return nullptr;
    memcpy(GlobalLock(memory), data, bytes);
    GlobalUnlock(memory);
    return memory;
}

bool PutClipboardTextWithMark(const std::wstring& text, const wchar_t* formatName, DWORD value) {
    UINT format = RegisterClipboardFormatW(formatName);
    if (!format || !OpenClipboardForTest()) return false;
    EmptyClipboard();
    bool ok = true;
    for (auto [id, memory] :
         {std::pair{UINT(CF_UNICODETEXT), GlobalCopy(text.c_str(), (text.size() + 1) * 2)},
          std::pair{format, GlobalCopy(&value, sizeof value)}}) {
        if (!memory || !SetClipboardData(id, memory)) {
            if (memory) GlobalFree(memory);
            ok = false;
        }
    }
    CloseClipboard();
    return ok;
}

std::wstring MakeTempFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    // Wine hands out the same small process ids run after run, so the name
    // also carries the time; a folder that exists already is never reused.
    for (unsigned attempt = 0;; ++attempt) {
        std::wstring folder = std::wstring(base) + L"vantrelix-gui-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(attempt);
        if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
    }
}

std::string FileBytes(const std::wstring& path) {
    std::string bytes;
    HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return bytes;
    char buf[65536];
    DWORD got;
    while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got > 0) bytes.append(buf, got);
    CloseHandle(f);
    return bytes;
}

int StoredUrlCount(const std::wstring& dbPath, const std::wstring& url) {
    int pathBytes = WideCharToMultiByte(CP_UTF8, 0, dbPath.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string path(pathBytes, '\0');
    WideCharToMultiByte(CP_UTF8, 0, dbPath.c_str(), -1, path.data(), pathBytes, nullptr, nullptr);
    sqlite3* db = nullptr;
    int count = -1;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* query = nullptr;
        if (sqlite3_prepare16_v2(db, L"SELECT count(*) FROM urls WHERE url = ?;", -1, &query, nullptr) ==
                SQLITE_OK &&
            sqlite3_bind_text16(query, 1, url.c_str(), (int)(url.size() * 2), SQLITE_TRANSIENT) ==
                SQLITE_OK &&
            sqlite3_step(query) == SQLITE_ROW)
            count = sqlite3_column_int(query, 0);
        sqlite3_finalize(query);
    }
    sqlite3_close(db);
    return count;
}

void MainWindowTest::SetUp() {
    static bool registered = false;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!registered) {
        LoadWindowNames(instance);
        ASSERT_NE(MyRegisterClass(instance), 0);
        registered = true;
    }
    g_app = AppState{};
    g_grid = GridState{};
    g_settings = Settings{};
    g_settings.checkForUpdates = false;
    folder_ = MakeTempFolder();
    dbPath_ = folder_ + L"\\catalogue.db";
    g_settings.customDatabasePath = dbPath_;
    DeleteFileW(SettingsFilePath().c_str());
}

void MainWindowTest::StartWindow() {
    ASSERT_TRUE(InitInstance(GetModuleHandleW(nullptr)));
    ASSERT_NE(g_mainWindow, nullptr);
    PumpFor(50);
}

void MainWindowTest::CloseWindow() {
    if (!g_mainWindow) return;
    HWND window = g_mainWindow;
    SendMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(window); }))
        << "the main window is still open after WM_CLOSE";
    EXPECT_EQ(g_mainWindow, nullptr);
}

void MainWindowTest::TearDown() {
    CloseWindow();
    DeleteFileW(SettingsFilePath().c_str());
    DeleteFileW(dbPath_.c_str());
    RemoveDirectoryW(folder_.c_str());
}
