#pragma once
// Joining a catalogue kept apart (what was captured while the stored one could
// not be read) into the current one.
#include <cstddef>

#include "model/AppState.h"

// Files every URL of `other` that the current catalogue lacks at the end of
// the group of the same name (created when missing), with all its
// attributes; a URL the catalogue already holds keeps the catalogue's
// version. Tags join the vocabulary (in its spelling where the name exists
// in another letter case) and rules the current lists. Returns how many URLs
// were added.
size_t MergeCatalogue(const AppState& other);

// The vocabulary's spelling of a tag name, compared without letter case;
// the name is added to the vocabulary when it is missing.
std::wstring VocabularyTagName(const std::wstring& name);
