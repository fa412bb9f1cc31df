#include "ui/WebLink.h"

#include <shellapi.h>

namespace {

// Beyond this the platform's own URL functions give up.
constexpr size_t kWebAddressMax = 2083;

bool ShellOpen(HWND owner, const std::wstring& address) {
    HINSTANCE result = ShellExecuteW(owner, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

ShellOpenFunction g_shellOpen = ShellOpen;

bool StartsWithIgnoringCase(std::wstring_view text, std::wstring_view start) {
    if (text.size() < start.size()) return false;
    return CompareStringOrdinal(text.data(), static_cast<int>(start.size()), start.data(),
                                static_cast<int>(start.size()), TRUE) == CSTR_EQUAL;
}

// Length of "http://" or "https://" at the start of the address, else 0.
size_t SchemeLength(std::wstring_view address) {
    for (std::wstring_view scheme : {std::wstring_view(L"http://"), std::wstring_view(L"https://")})
        if (StartsWithIgnoringCase(address, scheme)) return scheme.size();
    return 0;
}

bool IsUnsafeCharacter(wchar_t c) {
    if (c <= L' ' || c == 0x7F) return true;
    return std::wstring_view(L"\"<>\\^`{|}").find(c) != std::wstring_view::npos;
}

// The authority (user, host, port) of an address whose scheme is known.
std::wstring_view AuthorityOf(std::wstring_view address, size_t schemeLength) {
    std::wstring_view rest = address.substr(schemeLength);
    return rest.substr(0, rest.find_first_of(L"/?#"));
}

std::wstring_view HostOf(std::wstring_view authority) {
    size_t at = authority.rfind(L'@');
    if (at != std::wstring_view::npos) authority = authority.substr(at + 1);
    if (!authority.empty() && authority.front() == L'[') {
        size_t close = authority.find(L']');
        return close == std::wstring_view::npos ? std::wstring_view() : authority.substr(0, close + 1);
    }
    return authority.substr(0, authority.find(L':'));
}

}  // namespace

bool IsWebAddress(std::wstring_view address) {
    if (address.size() > kWebAddressMax) return false;
    const size_t schemeLength = SchemeLength(address);
    if (schemeLength == 0) return false;
    for (wchar_t c : address)
        if (IsUnsafeCharacter(c)) return false;
    return !HostOf(AuthorityOf(address, schemeLength)).empty();
}

std::wstring HostOfWebAddress(std::wstring_view address) {
    if (!IsWebAddress(address)) return std::wstring();
    return std::wstring(HostOf(AuthorityOf(address, SchemeLength(address))));
}

bool OpenWebAddress(HWND owner, std::wstring_view address) {
    if (!IsWebAddress(address)) return false;
    return g_shellOpen(owner, std::wstring(address));
}

bool ShellOpenAddress(HWND owner, const std::wstring& address) { return g_shellOpen(owner, address); }

ShellOpenFunction SetShellOpenFunction(ShellOpenFunction function) {
    ShellOpenFunction previous = g_shellOpen;
    g_shellOpen = function ? function : ShellOpen;
    return previous;
}
