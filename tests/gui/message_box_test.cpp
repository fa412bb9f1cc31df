// The program's message box, shown for real and answered as a user would:
// each button, Enter, Escape and the caption's close button, for each kind
// of box; its text, caption and size; and texts far too long for it.
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "ui/MessageBoxLayout.h"
#include "ui/StandardDialogs.h"

namespace {

constexpr int kMessageId = 101;

enum class Action { ClickOk, ClickYes, ClickNo, ClickCancel, Enter, Escape, CloseButton };

void Perform(HWND dialog, Action action) {
    switch (action) {
        case Action::ClickOk:
            ClickButton(dialog, IDOK);
            break;
        case Action::ClickYes:
            ClickButton(dialog, IDYES);
            break;
        case Action::ClickNo:
            ClickButton(dialog, IDNO);
            break;
        case Action::ClickCancel:
            ClickButton(dialog, IDCANCEL);
            break;
        case Action::Enter:
            PressKey(dialog, VK_RETURN);
            break;
        case Action::Escape:
            PressKey(dialog, VK_ESCAPE);
            break;
        case Action::CloseButton:
            ClickCloseButton(dialog);
            break;
    }
}

std::vector<int> ButtonIds(HWND dialog) {
    std::vector<int> ids;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        if (_wcsicmp(className, L"Button") == 0) ids.push_back(GetDlgCtrlID(child));
    }
    return ids;
}

RECT DialogUnits(HWND dialog, int width, int height) {
    RECT r{0, 0, width, height};
    MapDialogRect(dialog, &r);
    return r;
}

using MessageBoxDialog = DialogTest;

}  // namespace

TEST_F(MessageBoxDialog, EachWayOfClosingReturnsItsButtonId) {
    struct Case {
        const char* name;
        UINT flags;
        Action action;
        int expected;
        std::vector<int> buttons;
    };
    const std::vector<int> ok{IDOK}, yesNo{IDYES, IDNO}, yesNoCancel{IDYES, IDNO, IDCANCEL};
    const Case cases[] = {
        {"OK box: OK", MB_OK, Action::ClickOk, IDOK, ok},
        {"OK box: Enter", MB_OK, Action::Enter, IDOK, ok},
        {"OK box: Escape", MB_OK, Action::Escape, IDCANCEL, ok},
        {"OK box: close button", MB_OK, Action::CloseButton, IDOK, ok},
        {"warning OK box: OK", MB_OK | MB_ICONWARNING, Action::ClickOk, IDOK, ok},
        {"error box: close button", MB_ICONERROR, Action::CloseButton, IDOK, ok},
        {"Yes/No: Yes", MB_YESNO, Action::ClickYes, IDYES, yesNo},
        {"Yes/No: No", MB_YESNO, Action::ClickNo, IDNO, yesNo},
        {"Yes/No: Enter takes the first button", MB_YESNO | MB_ICONQUESTION, Action::Enter, IDYES, yesNo},
        {"Yes/No: Escape", MB_YESNO, Action::Escape, IDCANCEL, yesNo},
        {"Yes/No: close button", MB_YESNO, Action::CloseButton, IDNO, yesNo},
        {"Yes/No/Cancel: Yes", MB_YESNOCANCEL, Action::ClickYes, IDYES, yesNoCancel},
        {"Yes/No/Cancel: No", MB_YESNOCANCEL, Action::ClickNo, IDNO, yesNoCancel},
        {"Yes/No/Cancel: Cancel", MB_YESNOCANCEL, Action::ClickCancel, IDCANCEL, yesNoCancel},
        {"Yes/No/Cancel: Escape", MB_YESNOCANCEL | MB_ICONWARNING, Action::Escape, IDCANCEL, yesNoCancel},
        {"Yes/No/Cancel: close button", MB_YESNOCANCEL, Action::CloseButton, IDCANCEL, yesNoCancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> shownButtons;
        DialogAnswer answer(L"Vantrelix Test", [&](HWND dialog) {
            shownButtons = ButtonIds(dialog);
            Perform(dialog, c.action);
        });
        const int result = ShowMessageBox(nullptr, L"Do it?", L"Vantrelix Test", c.flags);
        EXPECT_TRUE(answer.answered());
        EXPECT_EQ(result, c.expected);
        EXPECT_EQ(shownButtons, c.buttons);
    }
}

TEST_F(MessageBoxDialog, ShowsTheTextUnderItsCaptionInABoxOfTheMeasuredSize) {
    struct Case {
        const char* name;
        const wchar_t* text;
        const wchar_t* caption;
        UINT flags;
        std::wstring expectedCaption;
    };
    const Case cases[] = {
        {"one line", L"Saved 3 URLs.", L"Vantrelix Export", MB_OK, L"Vantrelix Export"},
        {"a 60-character line", L"https://example.com/a/rather/long/path/to/some/page.html?q=1", nullptr,
         MB_OK | MB_ICONINFORMATION, L"Vantrelix"},
        {"three lines, Yes/No/Cancel", L"Save changes?\nYes saves.\nNo discards.", L"Vantrelix",
         MB_YESNOCANCEL, L"Vantrelix"},
        {"ampersands stay ampersands", L"https://a.example/?x=1&y=2", L"Vantrelix & Co", MB_YESNO,
         L"Vantrelix & Co"},
        {"no text at all", nullptr, nullptr, MB_OK, L"Vantrelix"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const MessageBoxLayout layout = MeasureMessageBox(c.text ? c.text : L"", c.flags);
        DialogAnswer answer(c.expectedCaption, [&](HWND dialog) {
            EXPECT_EQ(ItemText(dialog, kMessageId), c.text ? c.text : L"");
            RECT client{};
            GetClientRect(dialog, &client);
            const RECT expected = DialogUnits(dialog, layout.width, layout.height);
            EXPECT_EQ(client.right, expected.right);
            EXPECT_EQ(client.bottom, expected.bottom);
            // The first button is the default one and has the focus.
            HWND first = GetDlgItem(dialog, layout.buttons[0].id);
            EXPECT_EQ(GetFocus(), first);
            EXPECT_EQ(GetWindowLongW(first, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
            EXPECT_EQ(LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)), layout.buttons[0].id);
            ClickButton(dialog, layout.buttons[0].id);
        });
        EXPECT_EQ(ShowMessageBox(nullptr, c.text, c.caption, c.flags), layout.buttons[0].id);
        EXPECT_TRUE(answer.answered());
    }
}

TEST_F(MessageBoxDialog, TextsFarTooLongAreCutSafelyAndTheBoxStaysOnScreen) {
    const std::wstring smile = L"\U0001F600";
    struct Case {
        const char* name;
        std::wstring text;
        std::wstring caption;
        std::wstring shownCaption;
    };
    std::wstring manyLines;
    for (int i = 0; i < 10000; ++i) manyLines += L"line " + std::to_wstring(i) + L"\r\n";
    std::wstring pairs;
    while (pairs.size() < 10000) pairs += smile;
    const Case cases[] = {
        {"10,000 characters on one line", std::wstring(10000, L'm'), L"Vantrelix", L"Vantrelix"},
        {"10,000 lines", manyLines, L"Vantrelix", L"Vantrelix"},
        {"surrogate pairs across the cut", L"x" + pairs, L"Vantrelix", L"Vantrelix"},
        {"a caption of 10,000 characters", L"Short text.", std::wstring(10000, L'c'),
         std::wstring(254, L'c') + L"\u2026"},
    };
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DialogAnswer answer(c.shownCaption, [&](HWND dialog) {
            const std::wstring shown = ItemText(dialog, kMessageId);
            EXPECT_LE(shown.size(), 1500u);
            EXPECT_EQ(shown.substr(0, 20), c.text.substr(0, 20));
            if (c.text.size() > 1500) {
                ASSERT_FALSE(shown.empty());
                EXPECT_EQ(shown.back(), L'\u2026');
                EXPECT_FALSE(shown[shown.size() - 2] >= 0xD800 && shown[shown.size() - 2] <= 0xDBFF)
                    << "half a surrogate pair before the ellipsis";
            }
            RECT outer{};
            GetWindowRect(dialog, &outer);
            EXPECT_LE(outer.bottom - outer.top, work.bottom - work.top);
            EXPECT_LE(outer.right - outer.left, work.right - work.left);
            ClickButton(dialog, IDOK);
        });
        EXPECT_EQ(ShowMessageBox(nullptr, c.text.c_str(), c.caption.c_str(), MB_OK), IDOK);
        EXPECT_TRUE(answer.answered());
    }
}

TEST_F(MessageBoxDialog, AnOwnerThatIsNoWindowIsAFailureNotAnAnswer) {
    const int result =
        ShowMessageBox(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234)), L"x", L"Vantrelix", MB_YESNO);
    EXPECT_NE(result, IDOK);
    EXPECT_NE(result, IDYES);
}
