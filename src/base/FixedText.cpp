#include "base/FixedText.h"

namespace {

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

size_t SafeCutLength(std::wstring_view text, size_t room) {
    if (text.size() <= room) return text.size();
    // The unit after the cut is cut off; when the unit before it opens a
    // pair, the pair would be split, so it goes too.
    size_t length = room;
    if (length > 0 && IsHighSurrogate(text[length - 1])) --length;
    return length;
}

std::wstring ShortenText(std::wstring_view text, size_t room) {
    return std::wstring(text.substr(0, SafeCutLength(text, room)));
}

std::wstring ShortenForDisplay(std::wstring_view text, size_t room, size_t lines) {
    size_t end = text.size();
    if (lines > 0) {
        size_t feeds = 0;
        for (size_t i = 0; i < text.size(); ++i)
            if (text[i] == L'\n' && ++feeds == lines) {
                end = i;
                break;
            }
    }
    if (end == text.size() && text.size() <= room) return std::wstring(text);
    if (room == 0) return std::wstring();
    std::wstring shown = ShortenText(text.substr(0, end), room - 1);
    // A line cut after a carriage return would show it before the ellipsis.
    if (!shown.empty() && shown.back() == L'\r') shown.pop_back();
    shown += kEllipsis;
    return shown;
}

std::wstring FitToField(const std::wstring& text, size_t maxChars) {
    if (text.size() <= maxChars) return text;
    static const std::wstring kDots = L"...";
    const size_t keep = SafeCutLength(text, maxChars > kDots.size() ? maxChars - kDots.size() : 0);
    return text.substr(0, keep) + kDots.substr(0, maxChars - keep);
}
