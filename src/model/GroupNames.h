#pragma once
// The checks a typed group name goes through before a group is made or given
// a new name. Group names are unique letter case aside, and a group's own
// name counts: a change of letter case alone is refused as taken.
#include <string>
#include <string_view>

#include "model/NameRules.h"

// Empty, TooLong, Taken or Accepted; `name` receives the trimmed text.
NameVerdict CheckNewGroupName(std::wstring_view typed, std::wstring& name);

// Missing (no such group), Unchanged (exactly its name), Empty, TooLong,
// Taken (any group's name, its own included, letter case aside) or Accepted.
NameVerdict CheckGroupRename(int groupId, std::wstring_view typed, std::wstring& name);
