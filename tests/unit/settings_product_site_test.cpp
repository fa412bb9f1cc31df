// The product site behind the About box's link: a key of its own, empty when
// absent, and cut to the longest address the platform handles.
#include "settings_ini_support.h"

TEST_F(SettingsFileTest, ProductSiteIsReadFromItsKeyAndCutToAnAddressLength) {
    struct Case {
        const char* name;
        std::wstring file;
        std::wstring expected;
    };
    const std::wstring huge(5000, L's');
    const Case cases[] = {
        {"missing key", L"[General]\nDarkMode=1\n", L""},
        {"an address", L"[Links]\nProductSite=https://vantrelix.example.org/\n",
         L"https://vantrelix.example.org/"},
        {"key names ignore case", L"[links]\nproductsite=http://a.example/\n", L"http://a.example/"},
        {"anything is kept as text; the About box decides", L"[Links]\nProductSite=file:///C:/x.exe\n",
         L"file:///C:/x.exe"},
        {"far too long", L"[Links]\nProductSite=" + huge + L"\n", huge.substr(0, 2083)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteIniText(c.file);
        g_settings.productSite = L"left over";
        LoadSettings();
        EXPECT_EQ(g_settings.productSite, c.expected);
    }
}
