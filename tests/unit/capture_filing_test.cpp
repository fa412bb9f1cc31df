#include <gtest/gtest.h>

#include "app/Tray.h"
#include "capture/ClipboardCapture.h"
#include "model/AppState.h"

namespace {

class CaptureFilingTest : public testing::Test {
protected:
    void SetUp() override { g_app = AppState{}; }
    void TearDown() override { g_app = AppState{}; }
};

}  // namespace

TEST_F(CaptureFilingTest, FilesNewAddressesOnceInTextOrder) {
    DefaultGroupId();
    AddUrlToGroup(1, L"https://known.example");
    auto filed = FileUrlsFromText(L"https://known.example/ www.new.example http://x https://known.example www.new.example/");
    EXPECT_EQ(filed, (std::vector<std::wstring>{L"https://www.new.example", L"http://x"}));
    EXPECT_EQ(g_app.groups[0].urls.back(), L"http://x");
    EXPECT_EQ(g_app.createdAt.count(L"http://x"), 1u);
}

TEST_F(CaptureFilingTest, GroupRuleRunsEvenForDuplicates) {
    DefaultGroupId();
    AddUrlToGroup(1, L"https://news.example");
    g_app.autoGroupRules = {{L"news", L"News"}};
    EXPECT_TRUE(FileUrlsFromText(L"https://news.example").empty());
    ASSERT_NE(FindGroupByName(L"News"), nullptr);  // created although nothing was filed
    EXPECT_TRUE(FindGroupByName(L"News")->urls.empty());
}

TEST_F(CaptureFilingTest, FilesIntoRuleGroupAndCreatesDefaultOnDemand) {
    g_app.autoGroupRules = {{L"github", L"Code"}};
    auto filed = FileUrlsFromText(L"https://github.com/a https://other.example");
    ASSERT_EQ(filed.size(), 2u);
    EXPECT_EQ(FindGroupByName(L"Code")->urls, std::vector<std::wstring>{L"https://github.com/a"});
    EXPECT_EQ(FindGroupByName(L"Uncategorized")->urls, std::vector<std::wstring>{L"https://other.example"});
}

TEST(TrayText, LongBalloonTextIsShortenedToItsField) {
    std::wstring url = L"https://example.org/" + std::wstring(400, L'a');
    std::wstring text = FitToField(CaptureBalloonText(url), kBalloonTextMax);
    EXPECT_EQ(text.size(), kBalloonTextMax);
    EXPECT_EQ(text.substr(0, 18), L"New URL captured:\n");
    EXPECT_EQ(text.substr(text.size() - 3), L"...");
    EXPECT_EQ(FitToField(L"short", kBalloonTextMax), L"short");
    // A surrogate pair straddling the cut is dropped whole, never split.
    std::wstring emoji = std::wstring(59, L'x') + L"\U0001F600" + L"tail";
    std::wstring fitted = FitToField(emoji, kBalloonTitleMax);
    EXPECT_LE(fitted.size(), kBalloonTitleMax);
    EXPECT_EQ(fitted.find(L'\xD83D'), std::wstring::npos);
}
