#include "capture/ClipboardCapture.h"

#include <cwchar>

#include "base/DebugLog.h"
#include "capture/AutoRules.h"
#include "capture/PrivateClipboard.h"
#include "capture/UrlExtraction.h"
#include "grid/FilterBar.h"
#include "grid/GridState.h"
#include "grid/RefreshBatch.h"
#include "model/AppState.h"
#include "model/CatalogueViews.h"
#include "net/Validation.h"
#include "settings/Settings.h"
#include "storage/Database.h"
#include "ui/TrayIcon.h"

bool g_clipboardWriteInProgress = false;

namespace {

// Other clipboard listeners (clipboard managers, the X11 bridge under Wine)
// open the clipboard right after each change, just when we want to read it.
// A few short retries keep such a collision from losing a copied address.
bool OpenClipboardPatiently(HWND window) {
    constexpr int kAttempts = 10;
    constexpr DWORD kPauseMs = 10;
    for (int attempt = 1; attempt < kAttempts; ++attempt) {
        if (OpenClipboard(window)) return true;
        Sleep(kPauseMs);
    }
    return OpenClipboard(window) != FALSE;
}

// Copies the clipboard's text, or gives nothing when the text is empty or too
// long. The length is measured within the memory block as well, so a text
// without its terminating NUL is never read past the block's end.
bool ReadClipboardText(HANDLE handle, std::wstring& text) {
    if (!handle) return false;
    const wchar_t* p = static_cast<const wchar_t*>(GlobalLock(handle));
    if (!p) return false;
    size_t room = GlobalSize(handle) / sizeof(wchar_t);
    size_t bound = room < kClipboardTextBound ? room : kClipboardTextBound;
    size_t len = wcsnlen(p, bound);
    bool accepted = len > 0 && len < kClipboardTextBound;
    if (accepted) text.assign(p, len);
    GlobalUnlock(handle);
    return accepted;
}

// What follows the scan once the clipboard is closed again: tags, menus, one
// save, validation, the balloon and the normalised address written back.
void FinishCapture(HWND window, const std::vector<std::wstring>& filed) {
    bool tagged = false;
    for (const auto& url : filed) tagged |= ApplyAutoTagRules(url);
    if (tagged) {
        FillTagFilterCombo();
        RefreshGridWithColumns();
    }
    if (filed.empty()) return;
    NotifyGroupsChanged();
    SaveCatalogue();
    if (g_settings.validateOnCapture) {
        for (const auto& url : filed) {
            g_app.validationStatus[url] = ValidateUrl(url);
            RefreshGrid();
        }
    }
    if (g_settings.showNewUrlNotification) ShowTrayBalloon(L"Vantrelix", CaptureBalloonText(filed.front()), nullptr);
    g_clipboardWriteInProgress = true;
    SetClipboardText(window, filed.front());
    g_clipboardWriteInProgress = false;
}

// A QR code can hold any text; only web and ftp addresses are filed from one.
bool IsAcceptedQrAddress(const std::wstring& url) {
    for (const wchar_t* prefix : {L"http://", L"https://", L"ftp://"})
        if (url.rfind(prefix, 0) == 0) return true;
    return false;
}

}  // namespace

std::wstring CaptureBalloonText(const std::wstring& url) { return L"New URL captured:\n" + url; }

std::wstring QrCaptureBalloonText(const std::wstring& url) { return L"URL captured from QR code:\n" + url; }

bool FileQrText(const std::wstring& text) {
    if (text.empty()) return false;
    std::wstring url = NormaliseUrl(text);
    if (!IsAcceptedQrAddress(url) || g_app.allUrls.count(url)) return false;
    if (!AddUrlToGroup(ApplyAutoGroupRules(url), url)) return false;
    ApplyAutoTagRules(url);
    FillTagFilterCombo();
    NotifyGroupsChanged();
    RefreshGridWithColumns();
    SaveCatalogue();
    if (g_settings.validateOnCapture) {
        g_app.validationStatus[url] = ValidateUrl(url);
        RefreshGrid();
    }
    if (g_settings.showNewUrlNotification) ShowTrayBalloon(L"Vantrelix", QrCaptureBalloonText(url), nullptr);
    return true;
}

std::vector<std::wstring> FileUrlsFromText(std::wstring_view text) {
    GridRefreshBatch oneRefresh;
    std::vector<std::wstring> filed;
    for (const auto& url : ExtractUrls(text)) {
        // The group is chosen before the duplicate test, so a rule naming a
        // missing group creates it even for an address already filed.
        int groupId = ApplyAutoGroupRules(url);
        if (url.empty() || g_app.allUrls.count(url)) continue;
        if (AddUrlToGroup(groupId, url)) filed.push_back(url);
    }
    return filed;
}

void CaptureClipboard(HWND window) {
    if (g_clipboardWriteInProgress) return;
    if (!OpenClipboardPatiently(window)) return;
    // A copy its source marked private is not ours to file, write back or
    // announce.
    if (ClipboardMarkedPrivate()) {
        CloseClipboard();
        return;
    }
    std::vector<std::wstring> filed;
    std::wstring text;
    if (ReadClipboardText(GetClipboardData(CF_UNICODETEXT), text)) filed = FileUrlsFromText(text);
    CloseClipboard();
    FinishCapture(window, filed);
}

bool SetClipboardText(HWND window, const std::wstring& text) {
    if (text.empty()) return false;
    if (!OpenClipboardPatiently(window)) {
        LogLastError(L"OpenClipboard (SetClipboardText)");
        return false;
    }
    if (!EmptyClipboard()) LogLastError(L"EmptyClipboard");
    size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) {
        CloseClipboard();
        LogLastError(L"GlobalAlloc");
        return false;
    }
    void* p = GlobalLock(memory);
    if (!p) {
        GlobalFree(memory);
        CloseClipboard();
        LogLastError(L"GlobalLock");
        return false;
    }
    memcpy(p, text.c_str(), bytes);
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory)) {
        CloseClipboard();  // the clipboard owns the memory now
        return true;
    }
    LogLastError(L"SetClipboardData");
    GlobalFree(memory);
    CloseClipboard();
    return false;
}
