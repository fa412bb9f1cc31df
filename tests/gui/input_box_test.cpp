// The one-line prompt, shown for real: typed text, OK with nothing in the
// entry, Cancel, Escape and the close button; and texts longer than the
// 255 characters the answer can hold.
#include <string>

#include "DialogTestSupport.h"
#include "ui/StandardDialogs.h"

namespace {

constexpr int kPromptId = 101;
constexpr int kEntryId = 102;
constexpr wchar_t kCaption[] = L"Vantrelix Rename";

using InputBoxDialog = DialogTest;

bool EndsInHalfAPair(const std::wstring& s) { return !s.empty() && s.back() >= 0xD800 && s.back() <= 0xDBFF; }

}  // namespace

TEST_F(InputBoxDialog, AnswersAreReturnedOnlyForOkWithText) {
    enum class End { Ok, Enter, Cancel, Escape, CloseButton };
    struct Case {
        const char* name;
        const wchar_t* initial;
        bool clearFirst;
        std::wstring typed;
        End end;
        bool expected;
        std::wstring result;  // what the caller's text holds afterwards
    };
    const Case cases[] = {
        {"typed text, OK", nullptr, false, L"reading list", End::Ok, true, L"reading list"},
        {"typed text, Enter", nullptr, false, L"news", End::Enter, true, L"news"},
        {"initial text kept, OK", L"Research", false, L"", End::Ok, true, L"Research"},
        {"initial text typed over, OK", L"Research", true, L"Papers", End::Ok, true, L"Papers"},
        {"empty entry, OK", nullptr, false, L"", End::Ok, false, L"untouched"},
        {"initial text cleared, OK", L"Research", true, L"", End::Ok, false, L"untouched"},
        {"typed text, Cancel", nullptr, false, L"x", End::Cancel, false, L"untouched"},
        {"typed text, Escape", nullptr, false, L"x", End::Escape, false, L"untouched"},
        {"typed text, close button", L"y", false, L"x", End::CloseButton, false, L"untouched"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DialogAnswer answer(kCaption, [&](HWND dialog) {
            HWND entry = GetDlgItem(dialog, kEntryId);
            EXPECT_EQ(ItemText(dialog, kPromptId), L"New name:");
            EXPECT_EQ(ItemText(dialog, kEntryId), c.initial ? c.initial : L"");
            EXPECT_EQ(GetFocus(), entry);
            // The platform selects the whole entry, so typing replaces it.
            if (c.clearFirst)
                SendMessageW(entry, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
            else
                SendMessageW(entry, EM_SETSEL, -1, -1);
            TypeText(entry, c.typed);
            switch (c.end) {
                case End::Ok:
                    ClickButton(dialog, IDOK);
                    break;
                case End::Enter:
                    PressKey(dialog, VK_RETURN);
                    break;
                case End::Cancel:
                    ClickButton(dialog, IDCANCEL);
                    break;
                case End::Escape:
                    PressKey(dialog, VK_ESCAPE);
                    break;
                case End::CloseButton:
                    ClickCloseButton(dialog);
                    break;
            }
        });
        std::wstring result = L"untouched";
        EXPECT_EQ(ShowInputBox(nullptr, kCaption, L"New name:", result, c.initial), c.expected);
        EXPECT_TRUE(answer.answered());
        EXPECT_EQ(result, c.result);
    }
}

TEST_F(InputBoxDialog, AnswerHoldsAtMost255CharactersAndNeverHalfASurrogatePair) {
    const std::wstring smile = L"\U0001F600";
    struct Case {
        const char* name;
        std::wstring initial;
        std::wstring typed;         // typed at the end of the entry
        std::wstring pasted;        // set as the entry's whole text, as a paste does
        std::wstring shownInitial;  // what the entry starts with
        std::wstring result;
    };
    const std::wstring thousand = [] {
        std::wstring s;
        for (int i = 0; i < 1000; ++i) s += static_cast<wchar_t>(L'a' + i % 26);
        return s;
    }();
    const Case cases[] = {
        {"initial text of 1,000 characters", thousand, L"", L"", thousand.substr(0, 255),
         thousand.substr(0, 255)},
        {"initial text with a pair across the 255th character", std::wstring(254, L'p') + smile + L"tail",
         L"", L"", std::wstring(254, L'p'), std::wstring(254, L'p')},
        {"300 characters typed", L"", std::wstring(300, L't'), L"", L"", std::wstring(255, L't')},
        {"1,000 characters pasted past the limit", L"", L"", thousand, L"", thousand.substr(0, 255)},
        {"a pasted pair across the 255th character", L"", L"", std::wstring(254, L'q') + smile, L"",
         std::wstring(254, L'q')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DialogAnswer answer(kCaption, [&](HWND dialog) {
            HWND entry = GetDlgItem(dialog, kEntryId);
            EXPECT_EQ(ItemText(dialog, kEntryId), c.shownInitial);
            SendMessageW(entry, EM_SETSEL, -1, -1);
            TypeText(entry, c.typed);
            if (!c.pasted.empty())
                SendMessageW(entry, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.pasted.c_str()));
            ClickButton(dialog, IDOK);
        });
        std::wstring result;
        EXPECT_TRUE(ShowInputBox(nullptr, kCaption, L"Name:", result, c.initial.c_str()));
        EXPECT_TRUE(answer.answered());
        EXPECT_EQ(result, c.result);
        EXPECT_LE(result.size(), kInputBoxRoom);
        EXPECT_FALSE(EndsInHalfAPair(result));
    }
}

TEST_F(InputBoxDialog, ALongPromptIsCutToItsOneLine) {
    const std::wstring prompt = L"Rename the tag " + std::wstring(1000, L'T') + L" to:";
    std::wstring shown;
    DialogAnswer answer(kCaption, [&](HWND dialog) {
        shown = ItemText(dialog, kPromptId);
        ClickButton(dialog, IDCANCEL);
    });
    std::wstring result;
    EXPECT_FALSE(ShowInputBox(nullptr, kCaption, prompt.c_str(), result, L"x"));
    EXPECT_TRUE(answer.answered());
    EXPECT_LE(shown.size(), 255u);
    EXPECT_EQ(shown.substr(0, 15), L"Rename the tag ");
    EXPECT_EQ(shown.back(), L'\u2026');
}
