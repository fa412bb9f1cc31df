#include <windows.h>

#include <climits>
#include <string>

#include "base/ModulePath.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

namespace {

constexpr const wchar_t* kVersionText = L"1.3.5";

int ReadInt(const wchar_t* section, const wchar_t* key, int defaultValue, const std::wstring& path) {
    // The profile functions hand back the signed value through an unsigned
    // return; "-1" comes back as 0xFFFFFFFF and converts back to -1 here.
    return static_cast<int>(GetPrivateProfileIntW(section, key, defaultValue, path.c_str()));
}

// The profile function cuts a longer value to the buffer, so `room`
// characters plus the terminator is all that can ever be copied.
std::wstring ReadText(const wchar_t* section, const wchar_t* key, DWORD room, const std::wstring& path) {
    std::wstring buf(room + 1, L'\0');
    DWORD n = GetPrivateProfileStringW(section, key, L"", buf.data(), room + 1, path.c_str());
    if (n > room) n = room;
    buf.resize(n);
    return buf;
}

void WriteText(const wchar_t* section, const wchar_t* key, const std::wstring& value,
               const std::wstring& path) {
    WritePrivateProfileStringW(section, key, value.c_str(), path.c_str());
}

void WriteInt(const wchar_t* section, const wchar_t* key, int value, const std::wstring& path) {
    WriteText(section, key, std::to_wstring(value), path);
}

void WriteFlag(const wchar_t* section, const wchar_t* key, bool value, const std::wstring& path) {
    WriteText(section, key, value ? L"1" : L"0", path);
}

// A rectangle is stored as origin and size; the arithmetic wraps instead of
// overflowing so that any stored pair of numbers reads back and saves as the
// same pair.
LONG AddWrapping(LONG a, LONG b) {
    return static_cast<LONG>(static_cast<unsigned long>(a) + static_cast<unsigned long>(b));
}
LONG SubtractWrapping(LONG a, LONG b) {
    return static_cast<LONG>(static_cast<unsigned long>(a) - static_cast<unsigned long>(b));
}

void LoadWindowRect(const SettingKey& k, Settings& s, const std::wstring& path) {
    s.windowRectKnown = false;
    if (ReadInt(k.section, L"Valid", 0, path) == 0) return;
    LONG x = ReadInt(k.section, L"X", 0, path);
    LONG y = ReadInt(k.section, L"Y", 0, path);
    LONG w = ReadInt(k.section, L"W", 0, path);
    LONG h = ReadInt(k.section, L"H", 0, path);
    s.windowRect = RECT{x, y, AddWrapping(x, w), AddWrapping(y, h)};
    // A monitor that has since been unplugged would leave the window out of
    // reach; the caller then falls back to the default placement.
    s.windowRectKnown = MonitorFromRect(&s.windowRect, MONITOR_DEFAULTTONULL) != nullptr;
}

void SaveWindowRect(const SettingKey& k, const Settings& s, const std::wstring& path) {
    // An unknown rectangle leaves whatever the file holds, so a placement
    // ignored at start-up is still there should its monitor come back.
    if (!s.windowRectKnown) return;
    const RECT& r = s.windowRect;
    WriteText(k.section, L"Valid", L"1", path);
    WriteInt(k.section, L"X", r.left, path);
    WriteInt(k.section, L"Y", r.top, path);
    WriteInt(k.section, L"W", SubtractWrapping(r.right, r.left), path);
    WriteInt(k.section, L"H", SubtractWrapping(r.bottom, r.top), path);
}

template <class T>
std::wstring JoinColumns(const std::array<T, kColumnCount>& values) {
    std::wstring text;
    for (int i = 0; i < kColumnCount; ++i) {
        if (i) text += L',';
        text += std::to_wstring(static_cast<int>(values[i]));
    }
    return text;
}

void LoadKey(const SettingKey& k, Settings& s, const std::wstring& path) {
    switch (k.kind) {
        case KeyKind::Version:
            break;
        case KeyKind::Flag: {
            int defaultValue = k.defaultValue;
            // The older name only decides the default, so a file holding
            // both keys follows the newer one.
            if (k.legacyKey) {
                int legacy = ReadInt(k.section, k.legacyKey, -1, path);
                if (legacy >= 0) defaultValue = legacy;
            }
            k.flag(s) = ReadInt(k.section, k.key, defaultValue, path) != 0;
            break;
        }
        case KeyKind::Unsigned:
            k.unsignedNumber(s) = GetPrivateProfileIntW(k.section, k.key, k.defaultValue, path.c_str());
            break;
        case KeyKind::Signed: {
            // Widths stored while the grid sized its columns itself are stale.
            if (k.needsColumnWidthsValid && !s.columnWidthsValid) break;
            int value;
            if (k.legacyKey) {
                // A width is never negative when written, so -1 marks "absent"
                // and sends the read on to the older key name.
                value = ReadInt(k.section, k.key, -1, path);
                if (value < 0) value = ReadInt(k.section, k.legacyKey, k.defaultValue, path);
            } else {
                value = ReadInt(k.section, k.key, k.defaultValue, path);
            }
            if (value < k.low || value > k.high) value = k.defaultValue;
            k.number(s) = value;
            break;
        }
        case KeyKind::Text:
            k.text(s) = ReadText(k.section, k.key, k.textRoom, path);
            break;
        case KeyKind::WindowRect:
            LoadWindowRect(k, s, path);
            break;
        case KeyKind::ColumnOrder: {
            std::wstring text = ReadText(k.section, k.key, kColumnListRoom, path);
            if (!text.empty()) ApplyColumnOrderText(text.c_str(), s.columnOrder);
            break;
        }
        case KeyKind::ColumnVisibility: {
            std::wstring text = ReadText(k.section, k.key, kColumnListRoom, path);
            if (!text.empty()) ApplyColumnVisibilityText(text.c_str(), s.columnVisible);
            break;
        }
    }
}

void SaveKey(const SettingKey& k, Settings& s, const std::wstring& path) {
    switch (k.kind) {
        case KeyKind::Version:
            WriteText(k.section, k.key, kVersionText, path);
            break;
        case KeyKind::Flag:
            WriteFlag(k.section, k.key, k.flag(s), path);
            break;
        case KeyKind::Unsigned:
            WriteText(k.section, k.key, std::to_wstring(k.unsignedNumber(s)), path);
            break;
        case KeyKind::Signed:
            WriteInt(k.section, k.key, k.number(s), path);
            break;
        case KeyKind::Text:
            WriteText(k.section, k.key, k.text(s), path);
            break;
        case KeyKind::WindowRect:
            SaveWindowRect(k, s, path);
            break;
        case KeyKind::ColumnOrder:
            WriteText(k.section, k.key, JoinColumns(s.columnOrder), path);
            break;
        case KeyKind::ColumnVisibility:
            WriteText(k.section, k.key, JoinColumns(s.columnVisible), path);
            break;
    }
}

// The profile functions write a new file in the ANSI code page, which loses
// any character outside it (a database under C:\Users\Zoë, a tag in Greek).
// A file that starts with the UTF-16 byte-order mark is kept in UTF-16 by
// every later write, so a missing file is created as just that mark.
void CreateUnicodeFileIfMissing(const std::wstring& path) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;  // exists already, or cannot be written: the profile write decides
    static const unsigned char kUtf16LeMark[] = {0xFF, 0xFE};
    DWORD written = 0;
    WriteFile(file, kUtf16LeMark, sizeof kUtf16LeMark, &written, nullptr);
    CloseHandle(file);
}

}  // namespace

std::wstring SettingsFilePath() { return ModulePathWithExtension(L".ini"); }

void LoadSettings() {
    const std::wstring path = SettingsFilePath();
    for (const SettingKey& k : SettingKeys()) LoadKey(k, g_settings, path);
}

void SaveSettings() {
    const std::wstring path = SettingsFilePath();
    CreateUnicodeFileIfMissing(path);
    for (const SettingKey& k : SettingKeys()) SaveKey(k, g_settings, path);
}
