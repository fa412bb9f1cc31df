#pragma once
// Refills the tag filter's list from the tag vocabulary.
void FillTagFilterCombo();
