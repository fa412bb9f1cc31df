#include <windows.h>

#include "app/MainWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) { return RunVantrelix(instance); }
