#pragma once
// Synthetic catalogues for the benchmarks: the same input for the same size on
// every run and every machine.
#include <string>

// Empties g_app and fills it with `urlCount` URLs spread over 50 groups, with
// titles, tags, stamps, pins, open counts and reminders. Zero gives an empty
// catalogue (no groups, no tags).
void FillCatalogue(int urlCount);

// Fills the catalogue and saves it to `dbPath` through the program's own save.
// False when the file does not then hold exactly `urlCount` URLs.
bool WriteCatalogueFile(int urlCount, const std::wstring& dbPath);
