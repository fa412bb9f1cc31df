#include "app/UrlOpening.h"

#include "base/FixedText.h"
#include "ui/StandardDialogs.h"
#include "ui/WebLink.h"

namespace {

constexpr const wchar_t* kOpenSchemes[] = {L"http://", L"https://", L"ftp://", L"ftps://", L"mailto:"};
constexpr size_t kNamedUrlRoom = 200;

bool StartsWithIgnoringCase(const std::wstring& text, const wchar_t* start) {
    const size_t n = wcslen(start);
    return text.size() >= n && CompareStringOrdinal(text.c_str(), static_cast<int>(n), start, static_cast<int>(n),
                                                    TRUE) == CSTR_EQUAL;
}

}  // namespace

bool OpensWithoutAsking(const std::wstring& url) {
    for (wchar_t c : url)
        if (c < 0x20 || c == 0x7F) return false;
    for (const wchar_t* scheme : kOpenSchemes)
        if (StartsWithIgnoringCase(url, scheme) && url.size() > wcslen(scheme)) return true;
    return false;
}

bool OpenCatalogueUrlWithoutAsking(HWND owner, const std::wstring& url) {
    return OpensWithoutAsking(url) && ShellOpenAddress(owner, url);
}

bool OpenCatalogueUrl(HWND owner, const std::wstring& url) {
    if (url.empty()) return false;
    if (OpensWithoutAsking(url)) return ShellOpenAddress(owner, url);
    const std::wstring question = L"\"" + FitToField(url, kNamedUrlRoom) +
                                  L"\" is not a web address. Opening it could start a program on this "
                                  L"computer.\n\nOpen it anyway?";
    if (ShowMessageBox(owner, question.c_str(), L"Vantrelix Open", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) !=
        IDYES)
        return false;
    return ShellOpenAddress(owner, url);
}
