#pragma once
// The tag vocabulary and the URLs' tag lists, changed together: adding,
// renaming and deleting a tag, and giving URLs a tag list.
//
// A URL's list carries each tag as the vocabulary spells it, because the
// save stores a link only for a name it finds in the vocabulary. An entry
// spelled in another letter case (as an older catalogue may hold) belongs to
// the vocabulary tag it matches: exactly spelled if one is, else the first
// equal letter case aside. It moves and goes with that tag, so a rename or a
// delete never strands it. None of these records undo, refreshes or saves.
#include <string>
#include <string_view>
#include <vector>

#include "model/NameRules.h"

// Position in tagNames of the first tag equal to the name, letter case
// aside; -1 when there is none.
int FindTagName(std::wstring_view name);

// Position in tagNames of the tag a URL's tag entry stands for; -1 for none.
int TagOwnerOf(const std::wstring& entry);

// Empty, TooLong, Taken or Accepted; `name` receives the trimmed text.
NameVerdict CheckNewTagName(std::wstring_view typed, std::wstring& name);
// Missing (no tag at the position), Unchanged (its own name, letter case
// aside: a change of letter case alone is no rename), Empty, TooLong, Taken
// (another tag's name, letter case aside) or Accepted.
NameVerdict CheckTagRename(int position, std::wstring_view typed, std::wstring& name);

// Appends the tag and stamps it; false, changing nothing, unless
// CheckNewTagName accepts the text.
bool AddTagName(std::wstring_view typed);
// Gives the tag its new name in the vocabulary, its stamp and every URL's
// list; false, changing nothing, unless CheckTagRename accepts the text.
bool RenameTagAt(int position, std::wstring_view typed);
// Removes the tag from the vocabulary, its stamp and every URL's list; false
// when there is no tag at the position.
bool DeleteTagAt(int position);

// The URL's tags as the vocabulary spells them, in list order, each once;
// entries the vocabulary does not know stay as they are.
std::vector<std::wstring> VocabularyTagsOf(const std::wstring& url);
// Each URL's tag list becomes a copy of `tags`.
void SetUrlTags(const std::vector<std::wstring>& urls, const std::vector<std::wstring>& tags);
