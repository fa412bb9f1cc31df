#include "ui/DialogTemplate.h"

#include <algorithm>
#include <climits>

// The template is read in place by the platform, which wants the header and
// every item on a DWORD boundary. Offsets inside are padded below; the start
// of the buffer is the allocator's, which is aligned for any scalar type.
static_assert(__STDCPP_DEFAULT_NEW_ALIGNMENT__ >= alignof(DWORD));

namespace {

// Offset of the item count in the header: style and extended style first.
constexpr size_t kCountWord = 4;

}  // namespace

DialogTemplate::DialogTemplate(DWORD style, std::wstring_view caption, DialogRect rect) {
    AppendDword(style);
    AppendDword(0);  // extended style
    AppendWord(0);   // item count, raised by AddItem
    AppendShort(rect.x);
    AppendShort(rect.y);
    AppendShort(rect.width);
    AppendShort(rect.height);
    AppendWord(0);  // no menu
    AppendWord(0);  // the standard dialog class
    AppendText(caption);
}

void DialogTemplate::AddItem(DialogItemClass itemClass, WORD id, DialogRect rect, DWORD style,
                             std::wstring_view text) {
    AlignToDword();
    AppendDword(WS_CHILD | style);
    AppendDword(0);  // extended style
    AppendShort(rect.x);
    AppendShort(rect.y);
    AppendShort(rect.width);
    AppendShort(rect.height);
    AppendWord(id);
    AppendWord(0xFFFF);  // a predefined class by ordinal follows
    AppendWord(static_cast<WORD>(itemClass));
    AppendText(text);
    AppendWord(0);  // no creation data
    words_[kCountWord] = ++count_;
}

void DialogTemplate::AppendDword(DWORD value) {
    AppendWord(LOWORD(value));
    AppendWord(HIWORD(value));
}

// Coordinates are signed 16-bit fields: a larger number would wrap into a
// negative size, so it is held at the field's limit instead.
void DialogTemplate::AppendShort(int value) {
    AppendWord(static_cast<WORD>(static_cast<SHORT>(std::clamp(value, SHRT_MIN, SHRT_MAX))));
}

// A text field ends at its terminator, so a NUL inside the text would end it
// early and leave the rest to be read as the next fields: only the part
// before the first NUL is written.
void DialogTemplate::AppendText(std::wstring_view text) {
    text = text.substr(0, text.find(L'\0'));
    for (wchar_t c : text) AppendWord(static_cast<WORD>(c));
    AppendWord(0);
}

void DialogTemplate::AlignToDword() {
    if (words_.size() % 2 != 0) AppendWord(0);
}
