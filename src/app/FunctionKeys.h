#pragma once
// The row of six buttons under the grid that send the F3 to F8 commands.
#include <windows.h>

#include <array>

struct FunctionKeyButton {
    const wchar_t* caption;
    UINT command;
};

inline constexpr size_t kFunctionKeyCount = 6;
extern const std::array<FunctionKeyButton, kFunctionKeyCount> kFunctionKeyButtons;
// The buttons in the order of kFunctionKeyButtons; null where creation failed.
extern std::array<HWND, kFunctionKeyCount> g_functionKeyButtons;

inline constexpr int kFunctionKeyButtonWidth = 100;
inline constexpr int kFunctionKeyRowHeight = 24;

void CreateFunctionKeyButtons(HWND parent, HINSTANCE instance);
void ForgetFunctionKeyButtons();
