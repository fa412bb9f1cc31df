#include "settings/SettingsKeys.h"

namespace {

template <auto Member>
auto& FieldOf(Settings& s) {
    return s.*Member;
}
template <size_t I>
int& WidthOf(Settings& s) {
    return s.columnWidths[I];
}
template <size_t I>
bool& CsvColumnOf(Settings& s) {
    return s.csvColumns[I];
}

SettingKey Version(const wchar_t* section, const wchar_t* key) {
    SettingKey k;
    k.section = section;
    k.key = key;
    k.kind = KeyKind::Version;
    return k;
}

SettingKey Flag(const wchar_t* section, const wchar_t* key, bool defaultValue, bool& (*field)(Settings&),
                const wchar_t* legacyKey = nullptr) {
    SettingKey k = Version(section, key);
    k.kind = KeyKind::Flag;
    k.defaultValue = defaultValue ? 1 : 0;
    k.flag = field;
    k.legacyKey = legacyKey;
    return k;
}

SettingKey Unsigned(const wchar_t* section, const wchar_t* key, unsigned defaultValue,
                    unsigned& (*field)(Settings&)) {
    SettingKey k = Version(section, key);
    k.kind = KeyKind::Unsigned;
    k.defaultValue = static_cast<int>(defaultValue);
    k.unsignedNumber = field;
    return k;
}

SettingKey Signed(const wchar_t* section, const wchar_t* key, int defaultValue, int& (*field)(Settings&)) {
    SettingKey k = Version(section, key);
    k.kind = KeyKind::Signed;
    k.defaultValue = defaultValue;
    k.number = field;
    return k;
}

SettingKey Width(const wchar_t* key, int defaultValue, int& (*field)(Settings&),
                 const wchar_t* legacyKey = nullptr) {
    SettingKey k = Signed(L"Columns", key, defaultValue, field);
    k.needsColumnWidthsValid = true;
    k.legacyKey = legacyKey;
    return k;
}

SettingKey Text(const wchar_t* section, const wchar_t* key, DWORD room, std::wstring& (*field)(Settings&)) {
    SettingKey k = Version(section, key);
    k.kind = KeyKind::Text;
    k.textRoom = room;
    k.text = field;
    return k;
}

SettingKey Special(const wchar_t* section, const wchar_t* key, KeyKind kind) {
    SettingKey k = Version(section, key);
    k.kind = kind;
    return k;
}

SettingKey InRange(SettingKey k, int low, int high) {
    k.low = low;
    k.high = high;
    return k;
}

const SettingKey kKeys[] = {
    Version(L"General", L"Version"),
    Flag(L"General", L"ShowNewUrlNotification", true, FieldOf<&Settings::showNewUrlNotification>),
    Flag(L"General", L"StartVisible", true, FieldOf<&Settings::startVisible>),
    Flag(L"General", L"AlwaysOnTop", true, FieldOf<&Settings::alwaysOnTop>),
    Flag(L"General", L"DarkMode", false, FieldOf<&Settings::darkMode>),
    Flag(L"General", L"ZebraRows", true, FieldOf<&Settings::zebraRows>, L"ZebraStriping"),
    Flag(L"General", L"ZebraColumns", false, FieldOf<&Settings::zebraColumns>),
    Flag(L"General", L"ColorCoding", true, FieldOf<&Settings::colorCoding>),
    Flag(L"General", L"CheckForUpdates", true, FieldOf<&Settings::checkForUpdates>),
    Flag(L"General", L"ValidateOnCapture", false, FieldOf<&Settings::validateOnCapture>),
    Unsigned(L"Hotkey", L"Mod", 6, FieldOf<&Settings::hotkeyModifiers>),
    Unsigned(L"Hotkey", L"VK", 71, FieldOf<&Settings::hotkeyKey>),
    Special(L"Window", L"Valid", KeyKind::WindowRect),
    Text(L"Filter", L"Tag", 255, FieldOf<&Settings::tagFilter>),
    Text(L"Filter", L"Reminder", 255, FieldOf<&Settings::reminderFilter>),
    // -1 is "unsorted"; any other id outside the ten columns would index past them.
    InRange(Signed(L"Sort", L"Column", -1, FieldOf<&Settings::sortColumn>), -1, kColumnCount - 1),
    Flag(L"Sort", L"Ascending", true, FieldOf<&Settings::sortAscending>),
    Flag(L"Columns", L"Valid", false, FieldOf<&Settings::columnWidthsValid>),
    Width(L"IdWidth", 40, WidthOf<0>),
    Width(L"TitleWidth", 200, WidthOf<1>),
    Width(L"UrlWidth", 250, WidthOf<2>),
    Width(L"TagsWidth", 100, WidthOf<3>),
    Width(L"CreatedWidth", 120, WidthOf<4>, L"CapturedWidth"),
    Width(L"UpdatedWidth", 120, WidthOf<5>),
    Width(L"ValidWidth", 80, WidthOf<6>),
    Width(L"OpensWidth", 60, WidthOf<7>),
    Width(L"LastOpenedWidth", 120, WidthOf<8>),
    Width(L"ReminderWidth", 130, WidthOf<9>),
    Special(L"Columns", L"Order", KeyKind::ColumnOrder),
    Special(L"Columns", L"Visible", KeyKind::ColumnVisibility),
    Flag(L"CsvExport", L"Col0", true, CsvColumnOf<0>),
    Flag(L"CsvExport", L"Col1", true, CsvColumnOf<1>),
    Flag(L"CsvExport", L"Col2", true, CsvColumnOf<2>),
    Flag(L"CsvExport", L"Col3", true, CsvColumnOf<3>),
    Flag(L"CsvExport", L"Col4", true, CsvColumnOf<4>),
    Flag(L"CsvExport", L"Col5", true, CsvColumnOf<5>),
    Flag(L"CsvExport", L"Col6", true, CsvColumnOf<6>),
    Flag(L"CsvExport", L"Col7", true, CsvColumnOf<7>),
    Flag(L"CsvExport", L"Col8", true, CsvColumnOf<8>),
    Flag(L"CsvExport", L"Col9", true, CsvColumnOf<9>),
    Flag(L"CsvExport", L"Col10", true, CsvColumnOf<10>),
    Text(L"Database", L"CustomPath", MAX_PATH - 1, FieldOf<&Settings::customDatabasePath>),
    Text(L"Links", L"ProductSite", 2083, FieldOf<&Settings::productSite>),
};

}  // namespace

std::span<const SettingKey> SettingKeys() { return kKeys; }
