#pragma once
// Turning clipboard changes into catalogue entries.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

// Set only while capture writes a filed URL back to the clipboard; capture
// returns at once while it is set.
extern bool g_clipboardWriteInProgress;

// Handles one clipboard change; `window` opens the clipboard (the main window
// when null).
void CaptureClipboard(HWND window);

// Files every address of the text that the catalogue does not hold yet, each
// into the group its auto-group rules choose. Returns them in filing order.
std::vector<std::wstring> FileUrlsFromText(std::wstring_view text);

// Puts the text on the clipboard as CF_UNICODETEXT; false for empty text or on
// failure (logged).
bool SetClipboardText(HWND window, const std::wstring& text);

// "New URL captured:\n" and the URL.
std::wstring CaptureBalloonText(const std::wstring& url);
