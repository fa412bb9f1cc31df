#pragma once
// The real main window in this process, with its database and settings in a
// fresh temporary folder for every test.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "app/MainWindow.h"
#include "grid/GridState.h"
#include "model/AppState.h"
#include "settings/Settings.h"

// Dispatches this thread's messages until `done` holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
// Dispatches whatever is queued now, and keeps at it for `ms`.
void PumpFor(DWORD ms);

std::wstring ReadClipboardText();
// Puts raw UTF-16 code units (no terminator added) on the clipboard.
bool PutRawClipboardText(const std::wstring& units);

// Puts text on the clipboard together with a registered format holding a
// DWORD, the way programs mark a copy for clipboard monitors.
bool PutClipboardTextWithMark(const std::wstring& text, const wchar_t* formatName, DWORD value);

std::wstring MakeTempFolder();
std::string FileBytes(const std::wstring& path);
// How many rows of the database file's urls table hold exactly this URL;
// -1 when the file cannot be read as a database.
int StoredUrlCount(const std::wstring& dbPath, const std::wstring& url);

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Starts the main window on the current settings and database path.
    void StartWindow();
    // Closes it the way the user does (WM_CLOSE) and waits for the shutdown.
    void CloseWindow();

    std::wstring folder_;
    std::wstring dbPath_;
};
