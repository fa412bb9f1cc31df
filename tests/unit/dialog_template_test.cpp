// The in-memory dialog template is read back field by field, the way the
// platform reads it: header, then each item on a DWORD boundary.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ui/DialogTemplate.h"

namespace {

struct ParsedItem {
    size_t offset = 0;  // bytes from the start of the template
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    WORD id = 0;
    WORD classOrdinal = 0;
    std::wstring text;
    WORD extraBytes = 0;
};

struct ParsedTemplate {
    DWORD style = 0, exStyle = 0;
    WORD count = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    WORD menu = 0xBEEF, windowClass = 0xBEEF;
    std::wstring caption;
    std::vector<ParsedItem> items;
    size_t bytesRead = 0;
};

class WordReader {
   public:
    WordReader(const DialogTemplate& t)
        : base_(reinterpret_cast<const BYTE*>(t.Get())), size_(t.ByteSize()) {}
    WORD Word() {
        WORD w = 0;
        if (offset_ + 2 <= size_)
            memcpy(&w, base_ + offset_, 2);
        else
            overrun_ = true;
        offset_ += 2;
        return w;
    }
    DWORD Dword() {
        DWORD low = Word();
        return low | (DWORD(Word()) << 16);
    }
    short Short() { return static_cast<short>(Word()); }
    std::wstring Text() {
        std::wstring s;
        for (WORD w = Word(); w != 0 && !overrun_; w = Word()) s += static_cast<wchar_t>(w);
        return s;
    }
    void AlignToDword() { offset_ = (offset_ + 3) & ~size_t(3); }
    size_t offset() const { return offset_; }
    bool overrun() const { return overrun_; }

   private:
    const BYTE* base_;
    size_t size_;
    size_t offset_ = 0;
    bool overrun_ = false;
};

ParsedTemplate Parse(const DialogTemplate& t) {
    WordReader r(t);
    ParsedTemplate p;
    p.style = r.Dword();
    p.exStyle = r.Dword();
    p.count = r.Word();
    p.x = r.Short();
    p.y = r.Short();
    p.cx = r.Short();
    p.cy = r.Short();
    p.menu = r.Word();
    p.windowClass = r.Word();
    p.caption = r.Text();
    for (WORD i = 0; i < p.count; ++i) {
        r.AlignToDword();
        ParsedItem item;
        item.offset = r.offset();
        item.style = r.Dword();
        item.exStyle = r.Dword();
        item.x = r.Short();
        item.y = r.Short();
        item.cx = r.Short();
        item.cy = r.Short();
        item.id = r.Word();
        EXPECT_EQ(r.Word(), 0xFFFF) << "item " << i << " names its class by ordinal";
        item.classOrdinal = r.Word();
        item.text = r.Text();
        item.extraBytes = r.Word();
        p.items.push_back(item);
    }
    EXPECT_FALSE(r.overrun()) << "the fields run past the end of the template";
    p.bytesRead = r.offset();
    return p;
}

}  // namespace

TEST(DialogTemplate, HeaderHasNoMenuStandardClassAndTheCaption) {
    DialogTemplate t(kStandardDialogStyle, L"Vantrelix", {0, 0, 190, 70});
    ParsedTemplate p = Parse(t);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(t.Get()) % 4, 0u);
    EXPECT_EQ(p.style, kStandardDialogStyle);
    EXPECT_EQ(p.style & DS_SETFONT, 0u) << "no font entry: the default dialog font applies";
    EXPECT_EQ(p.exStyle, 0u);
    EXPECT_EQ(p.count, 0);
    EXPECT_EQ(p.cx, 190);
    EXPECT_EQ(p.cy, 70);
    EXPECT_EQ(p.menu, 0);
    EXPECT_EQ(p.windowClass, 0);
    EXPECT_EQ(p.caption, L"Vantrelix");
    EXPECT_EQ(p.bytesRead, t.ByteSize());
}

TEST(DialogTemplate, ItemsStartOnDwordBoundariesWithTheirFieldsIntact) {
    // Captions and texts of odd and even lengths move the following item by
    // one WORD either way, so every padding case is met.
    struct Case {
        const wchar_t* caption;
        std::vector<std::wstring> texts;
    };
    const Case cases[] = {
        {L"", {L"", L"a", L"ab"}},
        {L"x", {L"OK", L"Yes", L"", L"Cancel"}},
        {L"Vantrelix Edit Tags", {L"abc", L"abcd", L"\U0001F600 smile"}},
    };
    const DialogItemClass classes[] = {DialogItemClass::Static, DialogItemClass::Button,
                                       DialogItemClass::Edit, DialogItemClass::ListBox};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "caption of " << wcslen(c.caption) << " characters");
        DialogTemplate t(kStandardDialogStyle, c.caption, {0, 0, 170, 96});
        for (size_t i = 0; i < c.texts.size(); ++i)
            t.AddItem(classes[i % 4], static_cast<WORD>(100 + i),
                      {int(i), int(2 * i), int(40 + i), int(14 + i)}, WS_VISIBLE | WS_TABSTOP, c.texts[i]);
        ParsedTemplate p = Parse(t);
        EXPECT_EQ(t.ItemCount(), c.texts.size());
        ASSERT_EQ(p.count, c.texts.size());
        EXPECT_EQ(p.caption, c.caption);
        for (size_t i = 0; i < p.items.size(); ++i) {
            const ParsedItem& item = p.items[i];
            SCOPED_TRACE(testing::Message() << "item " << i);
            EXPECT_EQ(item.offset % 4, 0u);
            EXPECT_EQ(item.style, DWORD(WS_CHILD | WS_VISIBLE | WS_TABSTOP));
            EXPECT_EQ(item.exStyle, 0u);
            EXPECT_EQ(item.x, short(i));
            EXPECT_EQ(item.y, short(2 * i));
            EXPECT_EQ(item.cx, short(40 + i));
            EXPECT_EQ(item.cy, short(14 + i));
            EXPECT_EQ(item.id, 100 + i);
            EXPECT_EQ(item.classOrdinal, static_cast<WORD>(classes[i % 4]));
            EXPECT_EQ(item.text, c.texts[i]);
            EXPECT_EQ(item.extraBytes, 0);
        }
        EXPECT_EQ(p.bytesRead, t.ByteSize());
    }
}

TEST(DialogTemplate, PredefinedClassesHaveThePlatformOrdinals) {
    EXPECT_EQ(static_cast<WORD>(DialogItemClass::Button), 0x0080);
    EXPECT_EQ(static_cast<WORD>(DialogItemClass::Edit), 0x0081);
    EXPECT_EQ(static_cast<WORD>(DialogItemClass::Static), 0x0082);
    EXPECT_EQ(static_cast<WORD>(DialogItemClass::ListBox), 0x0083);
}

TEST(DialogTemplate, TextWithANulInsideEndsThereInsteadOfCorruptingTheNextItem) {
    DialogTemplate t(kStandardDialogStyle, std::wstring(L"Cap\0tion", 8), {0, 0, 100, 50});
    t.AddItem(DialogItemClass::Static, 101, {1, 2, 3, 4}, WS_VISIBLE, std::wstring(L"ab\0cd", 5));
    t.AddItem(DialogItemClass::Button, IDOK, {5, 6, 7, 8}, WS_VISIBLE, L"OK");
    ParsedTemplate p = Parse(t);
    EXPECT_EQ(p.caption, L"Cap");
    ASSERT_EQ(p.items.size(), 2u);
    EXPECT_EQ(p.items[0].text, L"ab");
    EXPECT_EQ(p.items[1].id, IDOK);
    EXPECT_EQ(p.items[1].text, L"OK");
    EXPECT_EQ(p.bytesRead, t.ByteSize());
}

TEST(DialogTemplate, CoordinatesBeyondTheSixteenBitFieldsAreHeldAtTheLimit) {
    DialogTemplate t(kStandardDialogStyle, L"", {0, 0, 100000, -100000});
    t.AddItem(DialogItemClass::Static, 101, {-40000, 40000, 70000, 12}, WS_VISIBLE);
    ParsedTemplate p = Parse(t);
    EXPECT_EQ(p.cx, SHRT_MAX);
    EXPECT_EQ(p.cy, SHRT_MIN);
    ASSERT_EQ(p.items.size(), 1u);
    EXPECT_EQ(p.items[0].x, SHRT_MIN);
    EXPECT_EQ(p.items[0].y, SHRT_MAX);
    EXPECT_EQ(p.items[0].cx, SHRT_MAX);
    EXPECT_EQ(p.items[0].cy, 12);
}
