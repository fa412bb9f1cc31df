#pragma once
// Rules that file and tag new URLs without the user's help.
#include <string>

// True when the pattern, with A-Z folded, is empty or occurs in the folded URL.
bool AutoRuleMatches(const std::wstring& foldedUrl, const std::wstring& pattern);

// The group a new URL goes to: the first matching auto-group rule's group
// (created when missing), else the default group. Always a valid id.
int ApplyAutoGroupRules(const std::wstring& url);

// Attaches the tags of every matching auto-tag rule; true when the URL's tag
// list grew.
bool ApplyAutoTagRules(const std::wstring& url);
