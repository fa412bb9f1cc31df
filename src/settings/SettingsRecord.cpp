#include "settings/Settings.h"

Settings g_settings;

int ColumnWidth(int columnId) {
    if (columnId < 0 || columnId >= kColumnCount) return 80;
    return g_settings.columnWidths[columnId];
}
