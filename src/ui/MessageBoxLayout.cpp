#include "ui/MessageBoxLayout.h"

#include <algorithm>

namespace {

constexpr int kMinWidth = 132;
constexpr int kMaxWidth = 190;
constexpr int kButtonPitch = 48;  // a button and the gap to the next
constexpr int kCharWidth = 4;
constexpr int kLineHeight = 10;
// Up to this many characters a line fits the widest box on one line; a
// longer one wraps and gets room for one more line.
constexpr int kCharsPerLine = 52;

constexpr std::array<MessageBoxButton, 3> kYesNoCancel{
    {{IDYES, L"Yes"}, {IDNO, L"No"}, {IDCANCEL, L"Cancel"}}};
constexpr std::array<MessageBoxButton, 3> kYesNo{{{IDYES, L"Yes"}, {IDNO, L"No"}, {0, nullptr}}};
constexpr std::array<MessageBoxButton, 3> kOk{{{IDOK, L"OK"}, {0, nullptr}, {0, nullptr}}};

bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

void MeasureMessageText(std::wstring_view text, int& longestLine, int& lineCount) {
    longestLine = 0;
    lineCount = 1;
    int line = 0;
    for (wchar_t c : text) {
        if (c == L'\n') {
            ++lineCount;
            line = 0;
        } else if (c != L'\r' && !IsLowSurrogate(c)) {
            longestLine = std::max(longestLine, ++line);
        }
    }
}

MessageBoxLayout MeasureMessageBox(std::wstring_view text, UINT flags) {
    MessageBoxLayout box;
    switch (flags & MB_TYPEMASK) {
        case MB_YESNOCANCEL:
            box.buttons = kYesNoCancel;
            box.buttonCount = 3;
            break;
        case MB_YESNO:
            box.buttons = kYesNo;
            box.buttonCount = 2;
            break;
        default:
            box.buttons = kOk;
            box.buttonCount = 1;
            break;
    }
    MeasureMessageText(text, box.longestLine, box.lineCount);
    // The text is shortened before it gets here, so these products stay small.
    box.width = std::max({kMinWidth, kCharWidth * box.longestLine + 24, kButtonPitch * box.buttonCount + 14});
    box.width = std::min(box.width, kMaxWidth);
    const int wrapRoom = box.longestLine > kCharsPerLine ? 16 : 8;
    box.textHeight = std::max(16, kLineHeight * box.lineCount + wrapRoom);
    box.height = box.textHeight + 48;
    box.buttonTop = box.textHeight + 26;
    return box;
}

int MessageBoxLayout::ButtonLeft(int index) const {
    return (width - kButtonPitch * buttonCount + 6) / 2 + kButtonPitch * index;
}

WORD MessageBoxCloseResult(UINT flags) {
    switch (flags & MB_TYPEMASK) {
        case MB_YESNOCANCEL:
            return IDCANCEL;
        case MB_YESNO:
            return IDNO;
        default:
            return IDOK;
    }
}

int DefaultButtonIndex(UINT flags, int buttonCount) {
    const UINT wanted = flags & MB_DEFMASK;
    if (wanted == MB_DEFBUTTON2 && buttonCount >= 2) return 1;
    if (wanted == MB_DEFBUTTON3 && buttonCount >= 3) return 2;
    return 0;
}
