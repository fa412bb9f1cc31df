// Texts cut to a fixed room: never longer than the room, never ending in
// the first half of a surrogate pair.
#include <gtest/gtest.h>

#include <string>

#include "base/FixedText.h"
#include "ui/MessageBoxLayout.h"

namespace {

const std::wstring kSmile = L"\U0001F600";  // two UTF-16 units

bool EndsInHalfAPair(const std::wstring& s) { return !s.empty() && s.back() >= 0xD800 && s.back() <= 0xDBFF; }

}  // namespace

TEST(FixedText, CutKeepsSurrogatePairsWhole) {
    struct Case {
        const char* name;
        std::wstring text;
        size_t room;
        std::wstring expected;
    };
    const Case cases[] = {
        {"fits", L"abc", 3, L"abc"},
        {"room larger than the text", L"abc", 255, L"abc"},
        {"plain cut", L"abcdef", 4, L"abcd"},
        {"room zero", L"abc", 0, L""},
        {"cut after a whole pair", L"ab" + kSmile + L"c", 4, L"ab" + kSmile},
        {"cut inside a pair drops its first half", L"abc" + kSmile, 4, L"abc"},
        {"a pair alone in a room of one", kSmile, 1, L""},
        {"255 room with a pair across the boundary", std::wstring(254, L'a') + kSmile, 255,
         std::wstring(254, L'a')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::wstring cut = ShortenText(c.text, c.room);
        EXPECT_EQ(cut, c.expected);
        EXPECT_LE(cut.size(), c.room);
        EXPECT_FALSE(EndsInHalfAPair(cut));
        EXPECT_EQ(SafeCutLength(c.text, c.room), c.expected.size());
    }
}

TEST(FixedText, DisplayTextIsCutToRoomAndLinesWithAnEllipsis) {
    struct Case {
        const char* name;
        std::wstring text;
        size_t room, lines;
        std::wstring expected;
    };
    const Case cases[] = {
        {"short text unchanged", L"Saved.", 100, 5, L"Saved."},
        {"too long", L"abcdefgh", 5, 5, L"abcd\u2026"},
        {"too many lines", L"1\n2\n3\n4", 100, 2, L"1\n2\u2026"},
        {"too many lines, Windows line ends", L"1\r\n2\r\n3", 100, 2, L"1\r\n2\u2026"},
        {"exactly the lines allowed", L"1\n2", 100, 2, L"1\n2"},
        {"the ellipsis does not split a pair", L"ab" + kSmile + L"cd", 4, 9, L"ab\u2026"},
        {"caption cut at its first line", L"Title\nsecond", 255, 1, L"Title\u2026"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::wstring shown = ShortenForDisplay(c.text, c.room, c.lines);
        EXPECT_EQ(shown, c.expected);
        EXPECT_LE(shown.size(), c.room);
    }
}

TEST(FixedText, HugeMessageStaysInsideTheBoxLimits) {
    // 10,000 characters on one line, and 10,000 lines: cut to what a message
    // box shows, the measured box stays small enough for the screen and for
    // the template's 16-bit fields.
    const std::wstring oneLine(10000, L'x');
    const std::wstring manyLines = [] {
        std::wstring text;
        for (int i = 0; i < 10000; ++i) text += L"line\n";
        return text;
    }();
    for (const std::wstring* text : {&oneLine, &manyLines}) {
        const std::wstring shown = ShortenForDisplay(*text, 1500, 30);
        EXPECT_LE(shown.size(), 1500u);
        EXPECT_EQ(shown.back(), kEllipsis);
        const MessageBoxLayout box = MeasureMessageBox(shown, MB_OK);
        EXPECT_LE(box.width, 190);
        EXPECT_LE(box.height, 10 * 30 + 16 + 48);
    }
}
