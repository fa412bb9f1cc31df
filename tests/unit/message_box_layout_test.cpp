// The message box's size and buttons follow from its text and flags; the
// measuring rules are checked here without a window, in dialog units.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ui/MessageBoxLayout.h"

namespace {

struct LayoutCase {
    const char* name;
    std::wstring text;
    UINT flags;
    int width, textHeight, height;
    std::vector<WORD> buttonIds;
    std::vector<int> buttonLefts;
};

std::wstring Repeat(const wchar_t* unit, int times) {
    std::wstring s;
    for (int i = 0; i < times; ++i) s += unit;
    return s;
}

}  // namespace

TEST(MessageBoxLayout, SizesAndButtonsFollowTheTextAndFlags) {
    const LayoutCase cases[] = {
        {"one line of 10 characters", L"0123456789", MB_OK, 132, 18, 66, {IDOK}, {45}},
        {"one line of 60 characters: width capped, one wrap",
         std::wstring(60, L'x'),
         MB_OK,
         190,
         26,
         74,
         {IDOK},
         {74}},
        {"three lines", L"first\nsecond\nthird", MB_OK, 132, 38, 86, {IDOK}, {45}},
        {"Yes/No/Cancel is at least 158 wide",
         L"Save changes?",
         MB_YESNOCANCEL,
         158,
         18,
         66,
         {IDYES, IDNO, IDCANCEL},
         {10, 58, 106}},
        {"Yes/No", L"Delete?", MB_YESNO, 132, 18, 66, {IDYES, IDNO}, {21, 69}},
        {"empty text is one empty line", L"", MB_OK, 132, 18, 66, {IDOK}, {45}},
        {"27 characters reach the minimum width exactly",
         std::wstring(27, L'a'),
         MB_OK,
         132,
         18,
         66,
         {IDOK},
         {45}},
        {"28 characters widen the box", std::wstring(28, L'a'), MB_OK, 136, 18, 66, {IDOK}, {47}},
        {"52 characters still fit one line", std::wstring(52, L'a'), MB_OK, 190, 18, 66, {IDOK}, {74}},
        {"53 characters get room for a wrap", std::wstring(53, L'a'), MB_OK, 190, 26, 74, {IDOK}, {74}},
        {"carriage returns are not counted", L"ab\r\ncd\r\n", MB_OK, 132, 38, 86, {IDOK}, {45}},
        {"longest line decides, not the first",
         L"short\n" + std::wstring(40, L'w'),
         MB_OK,
         184,
         28,
         76,
         {IDOK},
         {71}},
        {"a surrogate pair is one character", Repeat(L"\U0001F600", 30), MB_OK, 144, 18, 66, {IDOK}, {51}},
        {"a warning icon changes nothing", L"0123456789", MB_OK | MB_ICONWARNING, 132, 18, 66, {IDOK}, {45}},
        {"a question icon with Yes/No",
         L"Delete?",
         MB_YESNO | MB_ICONQUESTION,
         132,
         18,
         66,
         {IDYES, IDNO},
         {21, 69}},
        {"OK/Cancel is not offered: OK alone", L"Go on?", MB_OKCANCEL, 132, 18, 66, {IDOK}, {45}},
        {"bits above the low four are ignored",
         L"x",
         MB_YESNOCANCEL | MB_TOPMOST | MB_DEFBUTTON2,
         158,
         18,
         66,
         {IDYES, IDNO, IDCANCEL},
         {10, 58, 106}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        const MessageBoxLayout box = MeasureMessageBox(c.text, c.flags);
        EXPECT_EQ(box.width, c.width);
        EXPECT_EQ(box.textHeight, c.textHeight);
        EXPECT_EQ(box.height, c.height);
        EXPECT_EQ(box.height, box.textHeight + 48);
        EXPECT_EQ(box.buttonTop, box.textHeight + 26);
        ASSERT_EQ(box.buttonCount, static_cast<int>(c.buttonIds.size()));
        for (int i = 0; i < box.buttonCount; ++i) {
            EXPECT_EQ(box.buttons[i].id, c.buttonIds[i]) << "button " << i;
            EXPECT_EQ(box.ButtonLeft(i), c.buttonLefts[i]) << "button " << i;
        }
        // The buttons sit inside the box with room to spare on both sides.
        EXPECT_GE(box.ButtonLeft(0), 0);
        EXPECT_LE(box.ButtonLeft(box.buttonCount - 1) + kMessageButtonWidth, box.width);
    }
}

TEST(MessageBoxLayout, ButtonLabelsMatchTheirIds) {
    const MessageBoxLayout box = MeasureMessageBox(L"x", MB_YESNOCANCEL);
    EXPECT_STREQ(box.buttons[0].label, L"Yes");
    EXPECT_STREQ(box.buttons[1].label, L"No");
    EXPECT_STREQ(box.buttons[2].label, L"Cancel");
    EXPECT_STREQ(MeasureMessageBox(L"x", MB_OK).buttons[0].label, L"OK");
}

TEST(MessageBoxLayout, CloseButtonAnswersWithTheMostCautiousChoice) {
    const std::pair<UINT, WORD> cases[] = {
        {MB_YESNOCANCEL, IDCANCEL},        {MB_YESNO, IDNO}, {MB_OK, IDOK}, {MB_OKCANCEL, IDOK},
        {MB_YESNO | MB_ICONWARNING, IDNO},
    };
    for (const auto& [flags, expected] : cases) EXPECT_EQ(MessageBoxCloseResult(flags), expected) << flags;
}

TEST(MessageBoxLayout, LinesAndLongestLineAreCounted) {
    struct Case {
        std::wstring text;
        int longest, lines;
    };
    const Case cases[] = {
        {L"", 0, 1},           {L"abc", 3, 1},    {L"a\n", 1, 2},          {L"\n\n\n", 0, 4},
        {L"ab\r\nabcd", 4, 2}, {L"\r\r\r", 0, 1}, {L"x\U0001F600y", 3, 1},
    };
    for (const Case& c : cases) {
        int longest = -1, lines = -1;
        MeasureMessageText(c.text, longest, lines);
        EXPECT_EQ(longest, c.longest) << testing::PrintToString(c.text);
        EXPECT_EQ(lines, c.lines) << testing::PrintToString(c.text);
    }
}

TEST(MessageBoxDefaultButton, TheFlagsMayMakeTheSecondOrThirdButtonTheDefault) {
    struct Case {
        UINT flags;
        int buttons;
        int index;
    };
    const Case cases[] = {
        {MB_YESNO, 2, 0},
        {MB_YESNO | MB_DEFBUTTON2, 2, 1},
        {MB_YESNO | MB_DEFBUTTON3, 2, 0},  // no third button: the first stays
        {MB_YESNOCANCEL | MB_DEFBUTTON3, 3, 2},
        {MB_OK | MB_DEFBUTTON2, 1, 0},
        {MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2, 2, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(DefaultButtonIndex(c.flags, c.buttons), c.index) << c.flags;
}
