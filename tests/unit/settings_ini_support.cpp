#include "settings_ini_support.h"

namespace {

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        if (!(end == text.size() && line.empty())) lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

}  // namespace

std::string ReadIniBytes() {
    HANDLE file = CreateFileW(SettingsFilePath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(file, buf, sizeof buf, &got, nullptr) && got > 0) bytes.append(buf, got);
    CloseHandle(file);
    return bytes;
}

std::wstring ReadIniText() {
    std::string bytes = ReadIniBytes();
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::wstring text((bytes.size() - 2) / 2, L'\0');
        memcpy(text.data(), bytes.data() + 2, text.size() * 2);
        return text;
    }
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(n, L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
    return text;
}

void WriteIniText(const std::wstring& text) {
    std::wstring crlf;
    for (wchar_t c : text) {
        if (c == L'\n') crlf += L'\r';
        crlf += c;
    }
    int n = WideCharToMultiByte(CP_ACP, 0, crlf.data(), static_cast<int>(crlf.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string bytes(n, '\0');
    WideCharToMultiByte(CP_ACP, 0, crlf.data(), static_cast<int>(crlf.size()), bytes.data(), n, nullptr,
                        nullptr);
    HANDLE file = CreateFileW(SettingsFilePath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::vector<std::wstring> IniSections() {
    std::vector<std::wstring> sections;
    for (const std::wstring& line : Lines(ReadIniText())) {
        if (line.size() >= 2 && line.front() == L'[' && line.back() == L']')
            sections.push_back(line.substr(1, line.size() - 2));
    }
    return sections;
}

std::vector<IniLine> IniKeyLines() {
    std::vector<IniLine> result;
    std::wstring section;
    for (const std::wstring& line : Lines(ReadIniText())) {
        if (line.size() >= 2 && line.front() == L'[' && line.back() == L']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        size_t eq = line.find(L'=');
        if (eq == std::wstring::npos) continue;
        result.push_back({section, line.substr(0, eq), line.substr(eq + 1)});
    }
    return result;
}

std::vector<std::wstring> IniKeysOf(const std::wstring& section) {
    std::vector<std::wstring> keys;
    for (const IniLine& l : IniKeyLines())
        if (l.section == section) keys.push_back(l.key);
    return keys;
}

bool IniValue(const std::wstring& section, const std::wstring& key, std::wstring* value) {
    for (const IniLine& l : IniKeyLines()) {
        if (l.section == section && l.key == key) {
            *value = l.value;
            return true;
        }
    }
    return false;
}

std::vector<std::wstring> IniSectionLines(const std::wstring& section) {
    std::vector<std::wstring> result;
    bool inside = false;
    for (const std::wstring& line : Lines(ReadIniText())) {
        if (line.size() >= 2 && line.front() == L'[' && line.back() == L']') {
            inside = line == L"[" + section + L"]";
            continue;
        }
        if (inside && !line.empty()) result.push_back(line);
    }
    return result;
}

void SettingsFileTest::SetUp() {
    DeleteFileW(SettingsFilePath().c_str());
    g_settings = Settings{};
}

void SettingsFileTest::TearDown() {
    DeleteFileW(SettingsFilePath().c_str());
    g_settings = Settings{};
}

void ExpectSameSettings(const Settings& e, const Settings& a) {
#define EXPECT_FIELD(f) EXPECT_EQ(e.f, a.f) << #f
    EXPECT_FIELD(showNewUrlNotification);
    EXPECT_FIELD(startVisible);
    EXPECT_FIELD(alwaysOnTop);
    EXPECT_FIELD(darkMode);
    EXPECT_FIELD(zebraRows);
    EXPECT_FIELD(zebraColumns);
    EXPECT_FIELD(colorCoding);
    EXPECT_FIELD(checkForUpdates);
    EXPECT_FIELD(validateOnCapture);
    EXPECT_FIELD(windowRect.left);
    EXPECT_FIELD(windowRect.top);
    EXPECT_FIELD(windowRect.right);
    EXPECT_FIELD(windowRect.bottom);
    EXPECT_FIELD(windowRectKnown);
    EXPECT_FIELD(sortColumn);
    EXPECT_FIELD(sortAscending);
    EXPECT_FIELD(columnWidthsValid);
    EXPECT_FIELD(columnWidths);
    EXPECT_FIELD(columnOrder);
    EXPECT_FIELD(columnVisible);
    EXPECT_FIELD(tagFilter);
    EXPECT_FIELD(reminderFilter);
    EXPECT_FIELD(hotkeyModifiers);
    EXPECT_FIELD(hotkeyKey);
    EXPECT_FIELD(csvColumns);
    EXPECT_FIELD(customDatabasePath);
    EXPECT_FIELD(productSite);
#undef EXPECT_FIELD
}

RECT OnScreenRect() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return RECT{work.left + 30, work.top + 20, work.left + 330, work.top + 220};
}
