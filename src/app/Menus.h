#pragma once
// Rebuilds the Groups menu after groups were added or renamed.
void RebuildGroupMenus();
