#pragma once
// Finding web addresses in copied text.
#include <string>
#include <string_view>
#include <vector>

// Longest clipboard text accepted, in UTF-16 code units; a text that reaches
// kClipboardTextBound is ignored whole.
inline constexpr size_t kClipboardTextBound = 0x100000;

// Every address in the text, in order of occurrence and already normalised
// ("www." gets "https://", one trailing "/" removed). Duplicates are kept: the
// caller decides what is new.
std::vector<std::wstring> ExtractUrls(std::wstring_view text);

// "https://" in front of a "www." address, then one final "/" removed.
std::wstring NormaliseUrl(std::wstring url);
