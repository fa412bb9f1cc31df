#include <gtest/gtest.h>

#include "capture/UrlExtraction.h"

namespace {

struct ExtractionCase {
    const wchar_t* name;
    std::wstring text;
    std::vector<std::wstring> expected;
};

const ExtractionCase kCases[] = {
    {L"slash removed, www completed, comma kept",
     L"see https://a.example/ and www.b.example, thanks",
     {L"https://a.example", L"https://www.b.example,"}},
    {L"comma joins two addresses into one", L"http://a.example,http://b.example",
     {L"http://a.example,http://b.example"}},
    {L"prefixes are case-sensitive", L"HTTPS://A.EXAMPLE WWW.B.EXAMPLE Http://c", {}},
    {L"only one trailing slash removed", L"http://a.example//", {L"http://a.example/"}},
    {L"bare https prefix", L"https:// x", {L"https:/"}},
    {L"bare www", L"www. x", {L"https://www."}},
    {L"all six prefixes in order of occurrence",
     L"mailto:me@x.org ftp://f.org ftps://g.org http://h.org www.i.org https://j.org",
     {L"mailto:me@x.org", L"ftp://f.org", L"ftps://g.org", L"http://h.org", L"https://www.i.org",
      L"https://j.org"}},
    {L"every ending character ends an address",
     L"http://a\thttp://b\nhttp://c\rhttp://d\"http://e'http://f<http://g>http://h",
     {L"http://a", L"http://b", L"http://c", L"http://d", L"http://e", L"http://f", L"http://g",
      L"http://h"}},
    {L"parentheses, brackets and semicolons stay", L"(http://a.example/x_(y);[z])",
     {L"http://a.example/x_(y);[z])"}},
    {L"www inside an address is not a second address", L"https://www.a.example/www.b",
     {L"https://www.a.example/www.b"}},
    {L"duplicates are kept for the caller", L"http://a http://a", {L"http://a", L"http://a"}},
    {L"non-ASCII text stays as it is", L"<https://ex\u00e4mple.org/\u00e9t\u00e9/>",
     {L"https://ex\u00e4mple.org/\u00e9t\u00e9"}},
    {L"no prefix at all", L"just words, no address", {}},
    {L"empty text", L"", {}},
    {L"prefix at the very end", L"go to www.", {L"https://www."}},
};

}  // namespace

TEST(UrlExtraction, TableOfTexts) {
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.name);
        EXPECT_EQ(ExtractUrls(c.text), c.expected);
    }
}

TEST(UrlExtraction, EmbeddedNulIsAnOrdinaryCharacter) {
    // The clipboard reader stops at the first NUL; within a view it is just a code unit.
    std::wstring text(L"http://a\0b http://c", 19);
    auto urls = ExtractUrls(text);
    ASSERT_EQ(urls.size(), 2u);
    EXPECT_EQ(urls[0], std::wstring(L"http://a\0b", 10));
    EXPECT_EQ(urls[1], L"http://c");
}

TEST(UrlExtraction, UnpairedSurrogatesDoNotDisturbTheScan) {
    std::wstring text = L"http://a\xD800x http://b\xDC00";
    auto urls = ExtractUrls(text);
    ASSERT_EQ(urls.size(), 2u);
    EXPECT_EQ(urls[0], L"http://a\xD800x");
    EXPECT_EQ(urls[1], L"http://b\xDC00");
}

TEST(UrlExtraction, ManyAddressesInALongTextAreAllFound) {
    // 20,000 addresses with an absent prefix among the six: every one is found
    // in order (the scan must not restart from the top for each).
    std::wstring text;
    for (int i = 0; i < 20000; ++i) text += L"http://h" + std::to_wstring(i) + L".example/ ";
    auto urls = ExtractUrls(text);
    ASSERT_EQ(urls.size(), 20000u);
    EXPECT_EQ(urls.front(), L"http://h0.example");
    EXPECT_EQ(urls.back(), L"http://h19999.example");
}
