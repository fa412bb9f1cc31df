#pragma once
// Helpers for the settings tests: they work on the real settings file beside
// the test executable, written and read as plain text.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "settings/Settings.h"

// Whole file contents as bytes; empty when the file is missing.
std::string ReadIniBytes();
// The file as text: UTF-16LE after a byte-order mark, otherwise the ANSI code page.
std::wstring ReadIniText();
// Writes `text` (lines separated by "\n") as an ANSI file with CRLF line ends,
// the way a user's editor or an older build leaves it.
void WriteIniText(const std::wstring& text);

struct IniLine {
    std::wstring section;  // the section the line belongs to
    std::wstring key;
    std::wstring value;
};
std::vector<std::wstring> IniSections();
std::vector<IniLine> IniKeyLines();
std::vector<std::wstring> IniKeysOf(const std::wstring& section);
// The raw value text of a key, or nullopt-like marker when absent.
bool IniValue(const std::wstring& section, const std::wstring& key, std::wstring* value);
// Every line of one section (its header excluded), exactly as in the file.
std::vector<std::wstring> IniSectionLines(const std::wstring& section);

// Every test starts and ends without a settings file and with defaults.
class SettingsFileTest : public ::testing::Test {
   protected:
    void SetUp() override;
    void TearDown() override;
};

// Field-by-field comparison with the field's name in the failure message.
void ExpectSameSettings(const Settings& expected, const Settings& actual);
// A rectangle well inside the primary monitor.
RECT OnScreenRect();
