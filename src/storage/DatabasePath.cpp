#include "base/ModulePath.h"
#include "settings/Settings.h"
#include "storage/Database.h"

std::wstring DatabasePath() {
    if (!g_settings.customDatabasePath.empty()) return g_settings.customDatabasePath;
    return ModulePathWithExtension(L".db");
}
