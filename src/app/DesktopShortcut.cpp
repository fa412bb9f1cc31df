#include "app/DesktopShortcut.h"

#include <shlobj.h>

#include <cwctype>

#include "base/FixedText.h"
#include "grid/Columns.h"
#include "grid/Selection.h"
#include "model/TextUtil.h"
#include "ui/StandardDialogs.h"

namespace {

constexpr size_t kNameMax = 200;
constexpr size_t kPathMax = 259;
constexpr wchar_t kForbidden[] = L"\\/:*?\"<>|";

bool IsReservedDeviceName(const std::wstring& name) {
    // The part before the first dot counts: "con.txt" is the device too.
    std::wstring stem = FoldAsciiCase(name.substr(0, name.find(L'.')));
    while (!stem.empty() && stem.back() == L' ') stem.pop_back();
    static const wchar_t* const kDevices[] = {L"con", L"prn", L"aux", L"nul"};
    for (const wchar_t* device : kDevices)
        if (stem == device) return true;
    if (stem.size() == 4 && (stem.rfind(L"com", 0) == 0 || stem.rfind(L"lpt", 0) == 0) && stem[3] >= L'1' &&
        stem[3] <= L'9')
        return true;
    return false;
}

void DropTrailingDotsAndSpaces(std::wstring& name) {
    while (!name.empty() && (name.back() == L'.' || name.back() == L' ')) name.pop_back();
}

void CutTo(std::wstring& name, size_t room) { name.resize(SafeCutLength(name, room)); }

}  // namespace

std::optional<std::wstring> ShortcutFileName(const std::wstring& folder, const std::wstring& title) {
    std::wstring name = title.empty() ? L"Shortcut" : title;
    for (wchar_t& c : name)
        if (c < 0x20 || std::wcschr(kForbidden, c)) c = L'_';
    DropTrailingDotsAndSpaces(name);
    if (name.empty()) name = L"Shortcut";
    if (IsReservedDeviceName(name)) name.insert(0, 1, L'_');
    CutTo(name, kNameMax);
    // folder + "\" + name + ".url" within the path room.
    const size_t fixed = folder.size() + 1 + 4;
    if (fixed >= kPathMax) return std::nullopt;
    CutTo(name, kPathMax - fixed);
    DropTrailingDotsAndSpaces(name);  // a cut can leave one at the end again
    if (name.empty()) return std::nullopt;
    return name;
}

std::string ShortcutFileContent(const std::wstring& url) {
    std::string line;
    for (char c : Utf8FromWide(url)) {
        if (c == '\r')
            line += "%0D";
        else if (c == '\n')
            line += "%0A";
        else
            line += c;
    }
    return "[InternetShortcut]\r\nURL=" + line + "\r\n";
}

void CreateDesktopShortcut(HWND owner, const std::wstring& url, const std::wstring& title) {
    wchar_t desktop[MAX_PATH] = L"";
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop))) {
        ShowMessageBox(owner, L"Could not locate the Desktop folder.", L"Vantrelix", MB_ICONWARNING);
        return;
    }
    std::optional<std::wstring> name = ShortcutFileName(desktop, title);
    HANDLE file = INVALID_HANDLE_VALUE;
    if (name) {
        const std::wstring path = std::wstring(desktop) + L"\\" + *name + L".url";
        file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    if (file == INVALID_HANDLE_VALUE) {
        ShowMessageBox(owner, L"Failed to create shortcut file on Desktop.", L"Vantrelix", MB_ICONWARNING);
        return;
    }
    const std::string content = ShortcutFileContent(url);
    DWORD written = 0;
    const bool complete = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                          written == content.size();
    CloseHandle(file);
    // A shortcut that could not be written whole is no shortcut.
    if (!complete) {
        DeleteFileW((std::wstring(desktop) + L"\\" + *name + L".url").c_str());
        ShowMessageBox(owner, L"Failed to create shortcut file on Desktop.", L"Vantrelix", MB_ICONWARNING);
        return;
    }
    const std::wstring message = L"Shortcut \"" + FitToField(*name, 80) + L".url\" created on Desktop.";
    ShowMessageBox(owner, message.c_str(), L"Vantrelix", MB_ICONINFORMATION);
}

void CreateDesktopShortcuts(HWND owner) {
    for (int row : GetSelectedRows()) {
        const std::wstring url = GetRowCellText(row, 2), title = GetRowCellText(row, 1);
        if (!url.empty()) CreateDesktopShortcut(owner, url, title);
    }
}
