#pragma once
// Connects the catalogue's change notifications to the grid, the filter bar,
// the menus and the favicon fetcher.
void ConnectCatalogueViews();
