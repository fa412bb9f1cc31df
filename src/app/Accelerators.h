#pragma once
// The keyboard accelerators of the main window: F1 to F8, Ctrl+Z and Ctrl+Y.
#include <windows.h>

#include <array>

inline constexpr size_t kAcceleratorCount = 12;
extern const std::array<ACCEL, kAcceleratorCount> kAccelerators;

// The table built from kAccelerators; null when the system refuses it.
HACCEL CreateMainAccelerators();
// True when `message` was an accelerator and went to the main window as a
// command; false without a table or a main window.
bool TranslateMainAccelerator(HACCEL table, MSG& message);
