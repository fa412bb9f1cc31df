#include "app/FunctionKeys.h"

#include "ui/CommandIds.h"

const std::array<FunctionKeyButton, kFunctionKeyCount> kFunctionKeyButtons{{
    {L"F3 Go To", IDM_OPEN_IN_BROWSER},
    {L"F4 Edit", IDM_EDIT_URL},
    {L"F5 Copy", IDM_COPY},
    {L"F6 Tag", IDM_ADD_TAG},
    {L"F7 Group", IDM_ADD_GROUP},
    {L"F8 Delete", IDM_DELETE_SELECTED},
}};

std::array<HWND, kFunctionKeyCount> g_functionKeyButtons{};

// Each button's control id is its command, so a click arrives as the same
// WM_COMMAND as the menu item and the accelerator.
void CreateFunctionKeyButtons(HWND parent, HINSTANCE instance) {
    for (size_t k = 0; k < kFunctionKeyCount; ++k) {
        const FunctionKeyButton& button = kFunctionKeyButtons[k];
        g_functionKeyButtons[k] = CreateWindowExW(
            0, L"BUTTON", button.caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
            static_cast<int>(k) * kFunctionKeyButtonWidth, 0, kFunctionKeyButtonWidth, kFunctionKeyRowHeight,
            parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(button.command)), instance, nullptr);
    }
}

void ForgetFunctionKeyButtons() { g_functionKeyButtons.fill(nullptr); }
