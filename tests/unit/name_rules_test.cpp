// The checks a typed group or tag name goes through: blanks at the ends
// trimmed, empty and over-long names refused (never cut), names taken letter
// case aside refused, and a rename to the name a group or tag already has.
#include <gtest/gtest.h>

#include <string>

#include "model/AppState.h"
#include "model/GroupNames.h"
#include "model/NameRules.h"
#include "model/TagVocabulary.h"

namespace {

class NameRules : public testing::Test {
   protected:
    void SetUp() override {
        g_app = AppState{};
        DefaultGroupId();
        work_ = CreateGroup(L"Work");
        CreateGroup(L"Caf\u00e9");
        g_app.tagNames = {L"News", L"read later", L"Work"};
    }
    void TearDown() override { g_app = AppState{}; }
    int work_ = 0;
};

enum class Check { NewGroup, GroupRename, NewTag, TagRename };

const char* NameOf(NameVerdict v) {
    switch (v) {
        case NameVerdict::Accepted:
            return "Accepted";
        case NameVerdict::Empty:
            return "Empty";
        case NameVerdict::TooLong:
            return "TooLong";
        case NameVerdict::Unchanged:
            return "Unchanged";
        case NameVerdict::Taken:
            return "Taken";
        case NameVerdict::Missing:
            return "Missing";
    }
    return "?";
}

}  // namespace

TEST_F(NameRules, TypedNamesAreTrimmedAndRefusedWhenEmptyTooLongTakenOrUnchanged) {
    const std::wstring longest(kMaxNameLength, L'x');
    const std::wstring tooLong = longest + L"y";
    const int noGroup = 999;
    struct Case {
        Check check;
        int target;  // group id or tag position for the renames
        std::wstring typed;
        NameVerdict verdict;
        std::wstring name;  // the trimmed name handed back
    };
    const Case cases[] = {
        // Blanks at the ends do not count; inside they stay.
        {Check::NewGroup, 0, L"Projects", NameVerdict::Accepted, L"Projects"},
        {Check::NewGroup, 0, L" \tTwo  words\r\n", NameVerdict::Accepted, L"Two  words"},
        {Check::NewTag, 0, L"  later ", NameVerdict::Accepted, L"later"},
        // Nothing left.
        {Check::NewGroup, 0, L"", NameVerdict::Empty, L""},
        {Check::NewGroup, 0, L" \t\r\n ", NameVerdict::Empty, L""},
        {Check::NewTag, 0, L"   ", NameVerdict::Empty, L""},
        {Check::GroupRename, 0, L"\t", NameVerdict::Empty, L""},
        {Check::TagRename, 0, L" ", NameVerdict::Empty, L""},
        // The prompt's room, counted after trimming; a longer name is refused whole.
        {Check::NewGroup, 0, longest, NameVerdict::Accepted, longest},
        {Check::NewGroup, 0, L"  " + longest + L"  ", NameVerdict::Accepted, longest},
        {Check::NewGroup, 0, tooLong, NameVerdict::TooLong, tooLong},
        {Check::NewTag, 0, tooLong, NameVerdict::TooLong, tooLong},
        {Check::TagRename, 0, tooLong, NameVerdict::TooLong, tooLong},
        // Names compare with A-Z folded, nothing else.
        {Check::NewGroup, 0, L"uncategorized", NameVerdict::Taken, L"uncategorized"},
        {Check::NewGroup, 0, L" WORK ", NameVerdict::Taken, L"WORK"},
        {Check::NewGroup, 0, L"CAF\u00c9", NameVerdict::Accepted, L"CAF\u00c9"},
        {Check::NewTag, 0, L"READ later", NameVerdict::Taken, L"READ later"},
        {Check::NewTag, 0, L"Uncategorized", NameVerdict::Accepted, L"Uncategorized"},  // groups are no tags
        // A group's own name counts as taken, but its exact name is no change.
        {Check::GroupRename, 0, L"Work", NameVerdict::Unchanged, L"Work"},
        {Check::GroupRename, 0, L" Work\t", NameVerdict::Unchanged, L"Work"},
        {Check::GroupRename, 0, L"work", NameVerdict::Taken, L"work"},
        {Check::GroupRename, 0, L"UNCATEGORIZED", NameVerdict::Taken, L"UNCATEGORIZED"},
        {Check::GroupRename, 0, L"Jobs", NameVerdict::Accepted, L"Jobs"},
        {Check::GroupRename, noGroup, L"Jobs", NameVerdict::Missing, L"Jobs"},
        // A tag's own name in any letter case is no rename; another tag's is taken.
        {Check::TagRename, 0, L"NEWS", NameVerdict::Unchanged, L"NEWS"},
        {Check::TagRename, 0, L" News ", NameVerdict::Unchanged, L"News"},
        {Check::TagRename, 0, L"work", NameVerdict::Taken, L"work"},
        {Check::TagRename, 0, L"Headlines", NameVerdict::Accepted, L"Headlines"},
        {Check::TagRename, 3, L"Headlines", NameVerdict::Missing, L"Headlines"},
        {Check::TagRename, -1, L"Headlines", NameVerdict::Missing, L"Headlines"},
    };
    const size_t groupsBefore = g_app.groups.size();
    const auto tagsBefore = g_app.tagNames;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "case " << (&c - cases) << " typed \"" << testing::PrintToString(c.typed) << "\"");
        std::wstring name = L"untouched";
        NameVerdict verdict = NameVerdict::Missing;
        switch (c.check) {
            case Check::NewGroup:
                verdict = CheckNewGroupName(c.typed, name);
                break;
            case Check::GroupRename:
                verdict = CheckGroupRename(c.target == 0 ? work_ : c.target, c.typed, name);
                break;
            case Check::NewTag:
                verdict = CheckNewTagName(c.typed, name);
                break;
            case Check::TagRename:
                verdict = CheckTagRename(c.target, c.typed, name);
                break;
        }
        EXPECT_STREQ(NameOf(verdict), NameOf(c.verdict));
        EXPECT_EQ(name, c.name);
    }
    EXPECT_EQ(g_app.groups.size(), groupsBefore) << "checking changes nothing";
    EXPECT_EQ(g_app.tagNames, tagsBefore);
}

TEST_F(NameRules, TrimmingTakesOnlySpacesTabsAndLineBreaksAtTheEnds) {
    EXPECT_EQ(TrimName(L"\u00a0nbsp\u00a0"), L"\u00a0nbsp\u00a0");
    EXPECT_EQ(TrimName(L"\n a b \r"), L"a b");
    EXPECT_EQ(TrimName(L""), L"");
}
