#pragma once
// A group or tag name as a menu item's text: an ampersand shows as itself
// instead of marking a mnemonic, and a very long name is shortened so that
// the menu stays usable.
#include <string>

inline constexpr size_t kMenuLabelMax = 64;

std::wstring MenuLabel(const std::wstring& name);
