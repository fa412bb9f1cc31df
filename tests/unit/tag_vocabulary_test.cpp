// Adding, renaming and deleting tags across the catalogue: the vocabulary,
// the stamps and every URL's tag list change together, an entry spelled in
// another letter case moves with its tag, and what is saved keeps the links.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "model/AppState.h"
#include "model/TagVocabulary.h"
#include "storage_test_support.h"

namespace {

using Tags = std::vector<std::wstring>;
using TagLists = std::map<std::wstring, Tags>;

class TagVocabulary : public StorageTest {
   protected:
    // A stored catalogue may hold two spellings of one name: the loader takes
    // the rows as they are. "d" also carries a spelling no tag has exactly,
    // and "gone" is no longer filed but keeps its list in memory.
    void FillTags() {
        const int group = DefaultGroupId();
        for (const wchar_t* url : {L"a", L"b", L"c", L"d"}) AddUrlToGroup(group, url);
        g_app.tagNames = {L"Work", L"News", L"work"};
        g_app.tagUpdatedAt = {{L"Work", L"2020-01-01 00:00:00"}, {L"work", L"2021-01-01 00:00:00"}};
        g_app.urlTags = {{L"a", {L"News", L"Work"}},
                         {L"b", {L"WORK", L"News"}},
                         {L"c", {L"work"}},
                         {L"d", {L"Work", L"WORK", L"jobs"}},
                         {L"gone", {L"Work"}}};
    }
};

}  // namespace

TEST_F(TagVocabulary, AddingAppendsTheTrimmedNameWithAStampAndRefusesWhatTheChecksRefuse) {
    g_app.tagNames = {L"News"};
    EXPECT_TRUE(AddTagName(L"  Later  "));
    EXPECT_EQ(g_app.tagNames, (Tags{L"News", L"Later"}));
    ASSERT_TRUE(g_app.tagUpdatedAt.count(L"Later"));
    EXPECT_EQ(g_app.tagUpdatedAt[L"Later"].size(), 19u);
    for (const std::wstring& refused :
         {std::wstring(L"news"), std::wstring(L" "), std::wstring(kMaxNameLength + 1, L'n')})
        EXPECT_FALSE(AddTagName(refused)) << testing::PrintToString(refused);
    EXPECT_EQ(g_app.tagNames, (Tags{L"News", L"Later"}));
    EXPECT_EQ(g_app.tagUpdatedAt.size(), 1u);
}

TEST_F(TagVocabulary, ARenameReachesEveryListAndTheEntriesSpelledInAnotherCase) {
    FillTags();
    ASSERT_TRUE(RenameTagAt(0, L" Jobs "));
    EXPECT_EQ(g_app.tagNames, (Tags{L"Jobs", L"News", L"work"}));
    EXPECT_FALSE(g_app.tagUpdatedAt.count(L"Work"));
    EXPECT_EQ(g_app.tagUpdatedAt[L"Jobs"].size(), 19u);
    EXPECT_EQ(g_app.tagUpdatedAt[L"work"], L"2021-01-01 00:00:00") << "the other spelling keeps its stamp";
    const TagLists expected = {
        {L"a", {L"News", L"Jobs"}},  // in its place in the list
        {L"b", {L"Jobs", L"News"}},  // "WORK" stood for "Work"
        {L"c", {L"work"}},           // "work" is a tag of its own
        {L"d", {L"Jobs"}},           // once, "jobs" included
        {L"gone", {L"Jobs"}},
    };
    EXPECT_EQ(g_app.urlTags, expected);
}

TEST_F(TagVocabulary, RenamingTheSecondSpellingTakesOnlyItsExactEntries) {
    FillTags();
    ASSERT_TRUE(RenameTagAt(2, L"Tasks"));
    EXPECT_EQ(g_app.urlTags[L"c"], Tags{L"Tasks"});
    EXPECT_EQ(g_app.urlTags[L"b"], (Tags{L"WORK", L"News"}));
    EXPECT_EQ(g_app.tagUpdatedAt[L"Work"], L"2020-01-01 00:00:00");
    EXPECT_FALSE(g_app.tagUpdatedAt.count(L"work"));
}

TEST_F(TagVocabulary, ARefusedRenameChangesNothing) {
    FillTags();
    const AppState before = g_app;
    for (const wchar_t* typed : {L"NEWS", L"WORK", L"  ", L""}) EXPECT_FALSE(RenameTagAt(0, typed)) << typed;
    EXPECT_FALSE(RenameTagAt(3, L"Fine"));
    EXPECT_FALSE(RenameTagAt(-1, L"Fine"));
    EXPECT_EQ(g_app.tagNames, before.tagNames);
    EXPECT_EQ(g_app.urlTags, before.urlTags);
    EXPECT_EQ(g_app.tagUpdatedAt, before.tagUpdatedAt);
}

TEST_F(TagVocabulary, DeletingRemovesTheTagFromTheVocabularyItsStampAndEveryList) {
    FillTags();
    ASSERT_TRUE(DeleteTagAt(0));
    EXPECT_EQ(g_app.tagNames, (Tags{L"News", L"work"}));
    EXPECT_FALSE(g_app.tagUpdatedAt.count(L"Work"));
    const TagLists expected = {
        {L"a", {L"News"}}, {L"b", {L"News"}}, {L"c", {L"work"}}, {L"d", {L"jobs"}}, {L"gone", {}},
    };
    EXPECT_EQ(g_app.urlTags, expected);
    EXPECT_FALSE(DeleteTagAt(2));
    EXPECT_EQ(g_app.tagNames.size(), 2u);
}

TEST_F(TagVocabulary, TheChooserSeesEachTagAsTheVocabularySpellsIt) {
    FillTags();
    EXPECT_EQ(VocabularyTagsOf(L"b"), (Tags{L"Work", L"News"}));
    EXPECT_EQ(VocabularyTagsOf(L"c"), Tags{L"work"});
    EXPECT_EQ(VocabularyTagsOf(L"d"), (Tags{L"Work", L"jobs"}));
    EXPECT_TRUE(VocabularyTagsOf(L"untagged").empty());
    SetUrlTags({L"a", L"new"}, {L"News"});
    EXPECT_EQ(g_app.urlTags[L"a"], Tags{L"News"});
    EXPECT_EQ(g_app.urlTags[L"new"], Tags{L"News"});
}

// The save stores a link only for a name the vocabulary spells exactly, so
// an entry left in another spelling by the rename would be lost here.
TEST_F(TagVocabulary, LinksOfARenamedTagSurviveASaveAndALoad) {
    FillTags();
    ASSERT_TRUE(RenameTagAt(0, L"Jobs"));
    SaveCatalogue();
    const AppState loaded = LoadIntoFreshCatalogue();
    EXPECT_EQ(loaded.tagNames, (Tags{L"Jobs", L"News", L"work"}));
    EXPECT_EQ(loaded.urlTags.at(L"a"), (Tags{L"News", L"Jobs"}));
    EXPECT_EQ(loaded.urlTags.at(L"b"), (Tags{L"Jobs", L"News"}));
    EXPECT_EQ(loaded.urlTags.at(L"c"), Tags{L"work"});
    EXPECT_EQ(loaded.urlTags.at(L"d"), Tags{L"Jobs"});
}
