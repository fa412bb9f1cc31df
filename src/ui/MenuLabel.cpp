#include "ui/MenuLabel.h"

#include "base/FixedText.h"

std::wstring MenuLabel(const std::wstring& name) {
    std::wstring fitted = FitToField(name, kMenuLabelMax), label;
    label.reserve(fitted.size() + 4);
    for (wchar_t c : fitted) {
        if (c == L'&') label += L'&';
        label += c;
    }
    return label;
}
