#include "base/DebugLog.h"

#include <windows.h>

#include <cwchar>

void LogLastError(const wchar_t* label) {
    DWORD code = GetLastError();
    if (code == 0) return;
    wchar_t text[512] = L"";
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                   (DWORD)(sizeof text / sizeof text[0]) - 1, nullptr);
    wchar_t line[768];
    swprintf(line, 768, L"%ls failed (error %u): %ls\n", label ? label : L"", (unsigned)code, text);
    OutputDebugStringW(line);
}

void DebugText(const wchar_t* text) { OutputDebugStringW(text); }
