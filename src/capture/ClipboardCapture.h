#pragma once
// Turning clipboard changes into catalogue entries.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

// Set only while capture writes a filed URL back to the clipboard; capture
// returns at once while it is set.
extern bool g_clipboardWriteInProgress;

// Handles one clipboard change; `window` opens the clipboard and receives
// the normalised address written back.
void CaptureClipboard(HWND window);

// Files every address of the text that the catalogue does not hold yet, each
// into the group its auto-group rules choose. Returns them in filing order.
std::vector<std::wstring> FileUrlsFromText(std::wstring_view text);

// Puts the text on the clipboard as CF_UNICODETEXT; false for empty text or on
// failure (logged).
bool SetClipboardText(HWND window, const std::wstring& text);

// "New URL captured:\n" and the URL.
std::wstring CaptureBalloonText(const std::wstring& url);

// Files the text a QR code on a copied picture decoded to, when it is a new
// http, https or ftp address (normalised as copied text is), then tags, saves
// and announces it; anything else is dropped without a message. The address
// is not written back to the clipboard. True when one was filed.
bool FileQrText(const std::wstring& text);

// "URL captured from QR code:\n" and the URL.
std::wstring QrCaptureBalloonText(const std::wstring& url);
