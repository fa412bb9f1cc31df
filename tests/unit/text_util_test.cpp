#include <gtest/gtest.h>

#include "model/TextUtil.h"

TEST(TextUtil, Utf8RoundTripKeepsNonAsciiText) {
    std::wstring text = L"https://example.org/\u00e9t\u00e9/\U0001F600";
    EXPECT_EQ(WideFromUtf8(Utf8FromWide(text)), text);
    EXPECT_EQ(Utf8FromWide(L"\u00e9"), "\xc3\xa9");
    EXPECT_EQ(Utf8FromWide(L""), "");
    EXPECT_EQ(WideFromUtf8(""), L"");
}

TEST(TextUtil, NamesFoldOnlyAsciiLetters) {
    EXPECT_TRUE(NamesEqual(L"Work", L"wORK"));
    EXPECT_FALSE(NamesEqual(L"\u00c9t\u00e9", L"\u00e9t\u00e9"));  // É is not folded
    EXPECT_FALSE(NamesEqual(L"Work", L"Works"));
    EXPECT_EQ(FoldAsciiCase(L"HTTPS://EXAMPLE.ORG/\u00c4"), L"https://example.org/\u00c4");
}
