#pragma once
// The geometry of the program's message box, computed from its text and
// flags alone so that it can be checked without a window. Dialog units.
#include <windows.h>

#include <array>
#include <string_view>

struct MessageBoxButton {
    WORD id;  // IDOK, IDYES, IDNO or IDCANCEL
    const wchar_t* label;
};

struct MessageBoxLayout {
    int width = 0;
    int height = 0;      // of the whole box
    int textHeight = 0;  // of the message item
    int longestLine = 0;
    int lineCount = 0;
    int buttonCount = 0;
    std::array<MessageBoxButton, 3> buttons{};
    int buttonTop = 0;
    int ButtonLeft(int index) const;
};

inline constexpr int kMessageButtonWidth = 42;
inline constexpr int kMessageButtonHeight = 14;
inline constexpr int kMessageMargin = 8;

// Yes/No/Cancel for MB_YESNOCANCEL, Yes/No for MB_YESNO, OK for anything
// else; only the low four bits of the flags count.
MessageBoxLayout MeasureMessageBox(std::wstring_view text, UINT flags);

// Which button is the default: the first, unless the flags ask for the
// second (MB_DEFBUTTON2) or third (MB_DEFBUTTON3) and the box has it. A
// question whose Yes could do harm defaults to No that way.
int DefaultButtonIndex(UINT flags, int buttonCount);

// What the box answers to its caption's close button: the most cautious of
// its buttons.
WORD MessageBoxCloseResult(UINT flags);

// Longest line in characters (carriage returns and the second halves of
// surrogate pairs not counted) and the number of lines.
void MeasureMessageText(std::wstring_view text, int& longestLine, int& lineCount);
