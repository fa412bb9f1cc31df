#include <gtest/gtest.h>

#include "capture/AutoRules.h"
#include "model/AppState.h"

namespace {

class AutoRulesTest : public testing::Test {
protected:
    void SetUp() override { g_app = AppState{}; }
    void TearDown() override { g_app = AppState{}; }
};

}  // namespace

TEST_F(AutoRulesTest, GroupRuleMatchesAnyLetterCaseAndFirstMatchWins) {
    g_app.autoGroupRules = {{L"GitHub", L"Code"}, {L"github.com", L"Other"}};
    int id = ApplyAutoGroupRules(L"https://GITHUB.com/x");
    ASSERT_NE(FindGroupById(id), nullptr);
    EXPECT_EQ(FindGroupById(id)->name, L"Code");
    EXPECT_EQ(FindGroupByName(L"Other"), nullptr);
}

TEST_F(AutoRulesTest, GroupRuleCreatesMissingGroupAtTheEnd) {
    DefaultGroupId();
    g_app.autoGroupRules = {{L"news", L"News"}};
    int id = ApplyAutoGroupRules(L"https://news.example");
    ASSERT_EQ(g_app.groups.size(), 2u);
    EXPECT_EQ(g_app.groups.back().id, id);
    EXPECT_EQ(g_app.groups.back().name, L"News");
    EXPECT_EQ(ApplyAutoGroupRules(L"https://news.example/2"), id);  // found, not created again
    EXPECT_EQ(g_app.groups.size(), 2u);
}

TEST_F(AutoRulesTest, NoMatchGoesToTheDefaultGroup) {
    g_app.autoGroupRules = {{L"a-very-long-pattern-longer-than-the-url", L"X"}, {L"\u00c9", L"Accent"}};
    int id = ApplyAutoGroupRules(L"http://\u00e9");  // É does not fold to é
    EXPECT_EQ(FindGroupById(id)->name, L"Uncategorized");
    EXPECT_EQ(FindGroupByName(L"X"), nullptr);
}

TEST_F(AutoRulesTest, TagRulesAllApplyWithoutDuplicates) {
    g_app.tagNames = {L"work"};
    g_app.autoTagRules = {{L"example", L"Work"}, {L".org", L"Org"}, {L"EXAMPLE", L"WORK"}};
    EXPECT_TRUE(ApplyAutoTagRules(L"https://example.org"));
    // "Work" matched the existing "work": no new name, and the URL carries the
    // vocabulary's spelling, the one a tags row exists for.
    EXPECT_EQ(g_app.tagNames, (std::vector<std::wstring>{L"work", L"Org"}));
    EXPECT_EQ(g_app.urlTags[L"https://example.org"], (std::vector<std::wstring>{L"work", L"Org"}));
    EXPECT_TRUE(g_app.tagUpdatedAt.count(L"Org"));
    EXPECT_FALSE(g_app.tagUpdatedAt.count(L"work"));
    EXPECT_FALSE(ApplyAutoTagRules(L"https://example.org"));  // already carries both
}

TEST_F(AutoRulesTest, TagRulesLeaveAnEmptyEntryWhenNothingMatches) {
    EXPECT_FALSE(ApplyAutoTagRules(L"https://a"));
    EXPECT_FALSE(g_app.urlTags.count(L"https://a"));  // no rules: nothing touched
    g_app.autoTagRules = {{L"zzz", L"Z"}};
    EXPECT_FALSE(ApplyAutoTagRules(L"https://a"));
    ASSERT_TRUE(g_app.urlTags.count(L"https://a"));
    EXPECT_TRUE(g_app.urlTags[L"https://a"].empty());
}
