#include "capture/PrivateClipboard.h"

#include <windows.h>

namespace {

bool FormatPresent(const wchar_t* name) {
    UINT format = RegisterClipboardFormatW(name);
    return format != 0 && IsClipboardFormatAvailable(format);
}

// "CanIncludeInClipboardHistory" carries a DWORD: 1 allows, 0 forbids. A
// value that cannot be read is taken as forbidding: the source meant to say
// something about history, and a secret is worse to keep than a link to miss.
bool HistoryForbidden() {
    UINT format = RegisterClipboardFormatW(L"CanIncludeInClipboardHistory");
    if (format == 0 || !IsClipboardFormatAvailable(format)) return false;
    HANDLE handle = GetClipboardData(format);
    if (!handle || GlobalSize(handle) < sizeof(DWORD)) return true;
    const DWORD* value = static_cast<const DWORD*>(GlobalLock(handle));
    if (!value) return true;
    bool forbidden = *value == 0;
    GlobalUnlock(handle);
    return forbidden;
}

}  // namespace

bool ClipboardMarkedPrivate() {
    return FormatPresent(L"ExcludeClipboardContentFromMonitorProcessing") ||
           FormatPresent(L"Clipboard Viewer Ignore") || HistoryForbidden();
}
