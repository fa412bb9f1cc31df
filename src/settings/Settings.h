#pragma once
// User preferences: one process-wide record read from the INI file beside the
// executable at start-up and written back in full after every change.
#include <windows.h>

#include <array>
#include <string>

inline constexpr int kColumnCount = 10;
inline constexpr int kCsvColumnCount = 11;  // the ten grid columns and the group name

struct Settings {
    bool showNewUrlNotification = true;
    bool startVisible = true;
    bool alwaysOnTop = true;
    bool darkMode = false;
    bool zebraRows = true;
    bool zebraColumns = false;
    bool colorCoding = true;
    bool checkForUpdates = true;
    bool validateOnCapture = false;
    RECT windowRect{0, 0, 0, 0};
    bool windowRectKnown = false;
    int sortColumn = -1;
    bool sortAscending = true;
    bool columnWidthsValid = false;
    std::array<int, kColumnCount> columnWidths{40, 200, 250, 100, 120, 120, 80, 60, 120, 130};
    std::array<int, kColumnCount> columnOrder{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::array<bool, kColumnCount> columnVisible{true, true, true, true, true, true, true, true, true, true};
    std::wstring tagFilter;
    std::wstring reminderFilter;
    unsigned hotkeyModifiers = 6;  // Control+Shift
    unsigned hotkeyKey = 71;       // G
    std::array<bool, kCsvColumnCount> csvColumns{true, true, true, true, true, true, true, true, true, true, true};
    std::wstring customDatabasePath;
    // The product's web site, behind the About box's link; only an http or
    // https address is shown and opened. Empty: the About box has no link.
    std::wstring productSite;
};

extern Settings g_settings;

// The executable's path with everything from its last "." replaced by ".ini".
std::wstring SettingsFilePath();
void LoadSettings();
void SaveSettings();

// Width of a column by its id; ids outside 0..9 give 80.
int ColumnWidth(int columnId);
