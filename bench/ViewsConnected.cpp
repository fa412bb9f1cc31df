// The catalogue's notifications reach the grid, filters and menus in the
// benchmarks as they do in the program, where the main window connects them.
#include "app/ViewWiring.h"

namespace {
const bool connected = (ConnectCatalogueViews(), true);
}
