#include "capture/UrlExtraction.h"

#include <array>

namespace {

constexpr std::array<std::wstring_view, 6> kPrefixes{L"https://", L"http://", L"ftp://",
                                                     L"ftps://",  L"mailto:", L"www."};

bool EndsUrl(wchar_t c) {
    switch (c) {
        case L' ': case L'\t': case L'\n': case L'\r': case L'"': case L'\'': case L'<': case L'>':
            return true;
        default:
            return false;
    }
}

}  // namespace

std::wstring NormaliseUrl(std::wstring url) {
    if (url.size() >= 4 && url.compare(0, 4, L"www.") == 0) url.insert(0, L"https://");
    if (!url.empty() && url.back() == L'/') url.pop_back();
    return url;
}

std::vector<std::wstring> ExtractUrls(std::wstring_view text) {
    std::vector<std::wstring> urls;
    // The next occurrence of each prefix is remembered and searched again only
    // once the scan has passed it, so a long text with many addresses is read
    // a bounded number of times instead of once per address.
    std::array<size_t, kPrefixes.size()> next{};
    for (size_t p = 0; p < kPrefixes.size(); ++p) next[p] = text.find(kPrefixes[p]);
    size_t pos = 0;
    for (;;) {
        size_t start = std::wstring_view::npos;
        for (size_t p = 0; p < kPrefixes.size(); ++p) {
            if (next[p] != std::wstring_view::npos && next[p] < pos) next[p] = text.find(kPrefixes[p], pos);
            if (next[p] < start) start = next[p];
        }
        if (start == std::wstring_view::npos) break;
        size_t end = start;
        while (end < text.size() && !EndsUrl(text[end])) ++end;
        urls.push_back(NormaliseUrl(std::wstring(text.substr(start, end - start))));
        pos = end;
    }
    return urls;
}
