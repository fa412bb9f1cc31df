#include "app/MainWindow.h"

int RunVantrelix(HINSTANCE) { return 0; }
