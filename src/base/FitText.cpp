#include "base/FitText.h"

#include <windows.h>

std::wstring FitToField(const std::wstring& text, size_t maxChars) {
    if (text.size() <= maxChars) return text;
    static const std::wstring kEllipsis = L"...";
    size_t keep = maxChars > kEllipsis.size() ? maxChars - kEllipsis.size() : 0;
    if (keep > 0 && IS_HIGH_SURROGATE(text[keep - 1])) --keep;
    return text.substr(0, keep) + kEllipsis.substr(0, maxChars - keep);
}
