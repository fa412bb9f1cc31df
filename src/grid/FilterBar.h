#pragma once
// Refills the filter bar's lists: the tag filter from the tag vocabulary, the
// reminder filter with its fixed choices.
void FillTagFilterCombo();
void FillReminderFilterCombo();
