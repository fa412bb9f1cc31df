#include "model/TextUtil.h"

#include <windows.h>

std::string Utf8FromWide(std::wstring_view text) {
    if (text.empty()) return {};
    bool ascii = true;
    for (wchar_t c : text) ascii &= c < 0x80;
    if (ascii) return std::string(text.begin(), text.end());
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)text.size(), nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(n, '\0');
    if (WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)text.size(), out.data(), n, nullptr, nullptr) != n)
        return {};
    return out;
}

std::wstring WideFromUtf8(std::string_view text) {
    if (text.empty()) return {};
    // Most stored text (URLs, stamps) is plain ASCII, which widens code unit
    // for code unit; only other text needs the platform's conversion.
    bool ascii = true;
    for (char c : text) ascii &= (unsigned char)c < 0x80;
    if (ascii) return std::wstring(text.begin(), text.end());
    int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), (int)text.size(), nullptr, 0);
    if (n <= 0) return {};
    std::wstring out(n, L'\0');
    if (MultiByteToWideChar(CP_UTF8, 0, text.data(), (int)text.size(), out.data(), n) != n) return {};
    return out;
}

wchar_t FoldAsciiLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') ? wchar_t(c - L'A' + L'a') : c; }

std::wstring FoldAsciiCase(std::wstring_view text) {
    std::wstring out(text);
    for (auto& c : out) c = FoldAsciiLetter(c);
    return out;
}

bool NamesEqual(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldAsciiLetter(a[i]) != FoldAsciiLetter(b[i])) return false;
    return true;
}
