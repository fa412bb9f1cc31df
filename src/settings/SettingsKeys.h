#pragma once
// Internal to the settings file: the table of INI keys that loading and saving
// both walk, in the order the keys are written.
#include <windows.h>

#include <array>
#include <climits>
#include <span>
#include <string>

#include "settings/Settings.h"

enum class KeyKind {
    Version,           // written as the program's version, never read
    Flag,              // "1"/"0", read as non-zero
    Unsigned,          // "%u"
    Signed,            // "%d"
    Text,              // read into at most textRoom characters
    WindowRect,        // the whole Window section: Valid, X, Y, W, H
    ColumnOrder,       // ten column ids, leftmost first
    ColumnVisibility,  // ten 0/1 flags by column id
};

struct SettingKey {
    const wchar_t* section = nullptr;
    const wchar_t* key = nullptr;
    KeyKind kind = KeyKind::Version;
    int defaultValue = 0;
    bool& (*flag)(Settings&) = nullptr;
    int& (*number)(Settings&) = nullptr;
    unsigned& (*unsignedNumber)(Settings&) = nullptr;
    std::wstring& (*text)(Settings&) = nullptr;
    // An older name of the key, read but never written.
    const wchar_t* legacyKey = nullptr;
    DWORD textRoom = 0;
    // Column widths mean something only once the user has sized the columns.
    bool needsColumnWidthsValid = false;
    // A signed value outside low..high reads as the default.
    int low = INT_MIN;
    int high = INT_MAX;
};

std::span<const SettingKey> SettingKeys();

// Order and Visible values are read into room for this many characters.
inline constexpr DWORD kColumnListRoom = 127;

// Reads up to ten integers the way "%d,%d,...,%d" scans them: whitespace
// before a number is skipped, the commas must follow each number directly,
// and scanning stops at the first mismatch. Returns how many were read; a
// number beyond the int range is clamped to it.
int ScanColumnList(const wchar_t* text, std::array<int, kColumnCount>& values);
// Apply a stored Order or Visible value: ten numbers, or nine from the time
// before the "Reminder" column, which is then appended. Any other count, and
// an Order that is not an arrangement of every column id once, leaves the
// field as it was.
void ApplyColumnOrderText(const wchar_t* text, std::array<int, kColumnCount>& order);
void ApplyColumnVisibilityText(const wchar_t* text, std::array<bool, kColumnCount>& visible);
