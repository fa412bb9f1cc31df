#include <gtest/gtest.h>
#include <windows.h>

#include "app/MainWindow.h"
#include "resource.h"

TEST(Resources, StringsIconsAndTheFallbackForAMissingString) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    struct Case {
        UINT id;
        const wchar_t* expected;
    };
    for (const Case& c : {Case{IDS_APP_TITLE, L"Vantrelix"}, Case{IDC_VANTRELIX, L"VANTRELIX"},
                          Case{4242, L"Vantrelix"} /* no such string */}) {
        wchar_t buffer[100] = L"untouched";
        LoadStringResource(instance, c.id, buffer);
        EXPECT_STREQ(buffer, c.expected) << c.id;
    }
    for (int id : {IDI_VANTRELIX, IDI_VANTRELIX_SMALL}) {
        HICON icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, 0));
        EXPECT_NE(icon, nullptr) << id;
        if (icon) DestroyIcon(icon);
    }
    LoadWindowNames(instance);
    EXPECT_STREQ(WindowName(), L"Vantrelix v1.3.5");
    EXPECT_STREQ(WindowClassName(), L"VANTRELIX");
}
