#include "ui/ThemeBrushes.h"

namespace {

HBRUSH g_darkWindowBrush = nullptr;
HBRUSH g_darkControlBrush = nullptr;

HBRUSH Cached(HBRUSH& slot, COLORREF color) {
    if (!slot) slot = CreateSolidBrush(color);
    return slot;
}

void Delete(HBRUSH& slot) {
    if (slot) DeleteObject(slot);
    slot = nullptr;
}

}  // namespace

// Control-colour messages arrive for every repaint of every control; one
// brush per colour for the whole run keeps them from creating GDI objects
// that somebody would have to track and free.
HBRUSH DarkWindowBrush() { return Cached(g_darkWindowBrush, kDarkWindowColor); }
HBRUSH DarkControlBrush() { return Cached(g_darkControlBrush, kDarkControlColor); }

void DeleteThemeBrushes() {
    Delete(g_darkWindowBrush);
    Delete(g_darkControlBrush);
}
