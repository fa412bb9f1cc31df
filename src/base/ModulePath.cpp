#include "base/ModulePath.h"

#include <windows.h>

std::wstring ReplaceExtensionFromLastDot(const std::wstring& path, const wchar_t* extension) {
    // The last "." of the whole path, even when it sits in a folder name.
    size_t dot = path.rfind(L'.');
    if (dot == std::wstring::npos) return path;
    return path.substr(0, dot) + extension;
}

std::wstring ModulePathWithExtension(const wchar_t* extension) {
    wchar_t buf[MAX_PATH] = L"";
    // A longer path comes back cut to the buffer, as the platform hands it over.
    if (GetModuleFileNameW(nullptr, buf, MAX_PATH) == 0) buf[0] = 0;
    buf[MAX_PATH - 1] = 0;
    return ReplaceExtensionFromLastDot(buf, extension);
}
