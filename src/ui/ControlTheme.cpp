#include "ui/ControlTheme.h"

#include <uxtheme.h>

namespace {

constexpr wchar_t kGridClass[] = L"VantrelixGrid";

bool IsCheckOrRadio(DWORD style) {
    switch (style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_AUTORADIOBUTTON:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool IsClass(std::wstring_view className, std::wstring_view expected) {
    return CompareStringOrdinal(className.data(), static_cast<int>(className.size()), expected.data(),
                                static_cast<int>(expected.size()), TRUE) == CSTR_EQUAL;
}

std::wstring_view ClassNameOf(HWND window, wchar_t (&buffer)[65]) {
    int length = GetClassNameW(window, buffer, 65);
    return std::wstring_view(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

ControlTheme ControlThemeFor(std::wstring_view className, bool dark) {
    if (!dark) return ControlTheme::Default;
    if (IsClass(className, L"ListBox") || IsClass(className, kGridClass)) return ControlTheme::DarkExplorer;
    return ControlTheme::DarkCfd;
}

ControlTheme DarkDialogChildTheme(std::wstring_view className, DWORD style) {
    if (IsClass(className, L"Button") && IsCheckOrRadio(style)) return ControlTheme::Unstyled;
    return ControlTheme::DarkCfd;
}

void SetControlTheme(HWND control, ControlTheme theme) {
    switch (theme) {
        case ControlTheme::Default:
            SetWindowTheme(control, nullptr, nullptr);
            break;
        case ControlTheme::DarkExplorer:
            SetWindowTheme(control, L"DarkMode_Explorer", nullptr);
            break;
        case ControlTheme::DarkCfd:
            SetWindowTheme(control, L"DarkMode_CFD", nullptr);
            break;
        case ControlTheme::Unstyled:
            // An empty name and an empty list match no style at all.
            SetWindowTheme(control, L"", L"");
            break;
    }
}
