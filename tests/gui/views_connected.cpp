// The catalogue's notifications reach the grid, filters and menus in these
// tests as they do in the program, where the main window connects them.
#include "app/ViewWiring.h"

namespace {
const bool connected = (ConnectCatalogueViews(), true);
}
