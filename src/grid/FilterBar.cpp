#include "grid/FilterBar.h"

// The filter bar does not exist yet; there is no list to fill.
void FillTagFilterCombo() {}
void FillReminderFilterCombo() {}
