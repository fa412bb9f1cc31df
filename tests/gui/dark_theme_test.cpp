// The dark theme on real windows: what the standard dialogs answer to the
// control-colour messages in either theme, and the main window switched
// between the themes by ApplyDarkMode.
#include <functional>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "GuiFixture.h"
#include "app/FunctionKeys.h"
#include "grid/FilterBar.h"
#include "model/AppState.h"
#include "ui/DarkTheme.h"
#include "ui/StandardDialogs.h"
#include "ui/ThemeBrushes.h"

namespace {

const COLORREF kWindowDark = RGB(0x1E, 0x1E, 0x1E);
const COLORREF kControlDark = RGB(0x2D, 0x2D, 0x2D);
const COLORREF kTextDark = RGB(0xDC, 0xDC, 0xDC);

struct DialogUnderTest {
    const char* name;
    std::wstring caption;
    std::function<void()> show;
    int staticId;  // a label of the dialog; 0 for none
    int editId;    // an edit box; 0 for none
    int listId;    // a list box; 0 for none
};

std::vector<DialogUnderTest> StandardDialogs() {
    return {
        {"message box", L"Vantrelix Colours",
         [] { ShowMessageBox(nullptr, L"Colours?", L"Vantrelix Colours", MB_YESNO); }, 101, 0, 0},
        {"input box", L"Vantrelix Prompt",
         [] {
             std::wstring result;
             ShowInputBox(nullptr, L"Vantrelix Prompt", L"Name:", result, L"x");
         },
         101, 102, 0},
        {"tag chooser", L"Vantrelix Edit Tags",
         [] {
             std::vector<std::wstring> result;
             ShowEditTagsDialog(nullptr, {}, result);
         },
         0, 0, 301},
    };
}

struct DialogColours {
    ColorAnswer dialog, label, edit, button, list;
};

DialogColours ColoursOf(const DialogUnderTest& d) {
    DialogColours colours;
    DialogAnswer answer(d.caption, [&](HWND dialog) {
        colours.dialog = AskColor(dialog, WM_CTLCOLORDLG, dialog);
        if (d.staticId) colours.label = AskColor(dialog, WM_CTLCOLORSTATIC, GetDlgItem(dialog, d.staticId));
        if (d.editId) colours.edit = AskColor(dialog, WM_CTLCOLOREDIT, GetDlgItem(dialog, d.editId));
        HWND button = GetDlgItem(dialog, IDCANCEL) ? GetDlgItem(dialog, IDCANCEL) : GetDlgItem(dialog, IDNO);
        colours.button = AskColor(dialog, WM_CTLCOLORBTN, button);
        if (d.listId) colours.list = AskColor(dialog, WM_CTLCOLORLISTBOX, GetDlgItem(dialog, d.listId));
        PressKey(dialog, VK_ESCAPE);
    });
    d.show();
    EXPECT_TRUE(answer.answered());
    return colours;
}

using DialogColourTest = DialogTest;

}  // namespace

TEST_F(DialogColourTest, DarkSettingAnswersTheDarkPaletteAndLightTheSystemColours) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE), window = GetSysColor(COLOR_WINDOW);
    for (const DialogUnderTest& d : StandardDialogs()) {
        SCOPED_TRACE(d.name);

        g_settings.darkMode = true;
        DialogColours dark = ColoursOf(d);
        EXPECT_EQ(dark.dialog.brushColor, kWindowDark);
        EXPECT_EQ(dark.button.brushColor, kWindowDark);
        if (d.staticId) {
            EXPECT_EQ(dark.label.brushColor, kWindowDark);
            EXPECT_EQ(dark.label.text, kTextDark);
            EXPECT_EQ(dark.label.backgroundMode, TRANSPARENT);
        }
        if (d.editId) {
            EXPECT_EQ(dark.edit.brushColor, kControlDark);
            EXPECT_EQ(dark.edit.text, kTextDark);
            EXPECT_EQ(dark.edit.background, kControlDark);
        }
        if (d.listId) {
            EXPECT_EQ(dark.list.brushColor, kControlDark);
            EXPECT_EQ(dark.list.text, kTextDark);
            EXPECT_EQ(dark.list.background, kControlDark);
        }

        g_settings.darkMode = false;
        DialogColours light = ColoursOf(d);
        EXPECT_EQ(light.dialog.brushColor, face);
        EXPECT_EQ(light.button.brushColor, face);
        if (d.staticId) {
            EXPECT_EQ(light.label.brushColor, face);
            EXPECT_EQ(light.label.text, GetSysColor(COLOR_WINDOWTEXT));
        }
        if (d.editId) {
            EXPECT_EQ(light.edit.brushColor, window);
            EXPECT_EQ(light.edit.text, GetSysColor(COLOR_WINDOWTEXT));
        }
        if (d.listId) {
            EXPECT_EQ(light.list.brushColor, window);
        }
    }
}

namespace {

DWORD ButtonType(HWND button) {
    return static_cast<DWORD>(GetWindowLongPtrW(button, GWL_STYLE)) & BS_TYPEMASK;
}

HBRUSH ClassBackground(HWND window) {
    return reinterpret_cast<HBRUSH>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND));
}

class DarkMainWindowTest : public MainWindowTest {
   protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        DropPendingQuit();
    }
};

}  // namespace

TEST_F(DarkMainWindowTest, SwitchingThemesChangesTheBackgroundAndTheButtonsBothWays) {
    StartWindow();
    const HBRUSH light = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    // Started light: the class background and plain push buttons.
    EXPECT_EQ(ClassBackground(g_mainWindow), light);
    EXPECT_EQ(ThemedMainWindow(), g_mainWindow);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        g_settings.darkMode = true;
        ApplyDarkMode(g_mainWindow);
        EXPECT_EQ(ClassBackground(g_mainWindow), DarkWindowBrush());
        for (HWND button : g_functionKeyButtons) EXPECT_EQ(ButtonType(button), DWORD(BS_OWNERDRAW));
        EXPECT_EQ(ButtonType(g_searchClearButton), DWORD(BS_OWNERDRAW));

        g_settings.darkMode = false;
        ApplyDarkMode(g_mainWindow);
        EXPECT_EQ(ClassBackground(g_mainWindow), light);
        for (HWND button : g_functionKeyButtons) EXPECT_EQ(ButtonType(button), DWORD(BS_PUSHBUTTON));
        // The clear button is drawn by its owner in both themes.
        EXPECT_EQ(ButtonType(g_searchClearButton), DWORD(BS_OWNERDRAW));
    }
}

TEST_F(DarkMainWindowTest, StartingInTheDarkThemeThemesTheWindowAtOnce) {
    g_settings.darkMode = true;
    StartWindow();
    EXPECT_EQ(ClassBackground(g_mainWindow), DarkWindowBrush());
    for (HWND button : g_functionKeyButtons) EXPECT_EQ(ButtonType(button), DWORD(BS_OWNERDRAW));
    // The owner draws them dark: the main window answers their WM_DRAWITEM.
    EXPECT_NE(DarkControlBrush(), nullptr);
}

TEST_F(DarkMainWindowTest, AMessageBoxInTheDarkThemeLeavesTheMainWindowDark) {
    g_settings.darkMode = true;
    StartWindow();
    // Something repainted the window light meanwhile.
    SetClassLongPtrW(g_mainWindow, GCLP_HBRBACKGROUND, COLOR_WINDOW + 1);
    DialogAnswer answer(L"Vantrelix", [](HWND dialog) { ClickButton(dialog, IDOK); });
    EXPECT_EQ(ShowMessageBox(g_mainWindow, L"Done.", nullptr, MB_OK), IDOK);
    EXPECT_TRUE(answer.answered());
    EXPECT_EQ(ClassBackground(g_mainWindow), DarkWindowBrush());
}

TEST_F(DarkMainWindowTest, AMessageBoxInTheLightThemeLeavesTheMainWindowAlone) {
    StartWindow();
    HBRUSH marker = GetSysColorBrush(COLOR_HIGHLIGHT);
    SetClassLongPtrW(g_mainWindow, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(marker));
    DialogAnswer answer(L"Vantrelix", [](HWND dialog) { ClickButton(dialog, IDOK); });
    EXPECT_EQ(ShowMessageBox(g_mainWindow, L"Done.", nullptr, MB_OK), IDOK);
    EXPECT_TRUE(answer.answered());
    EXPECT_EQ(ClassBackground(g_mainWindow), marker);
    SetClassLongPtrW(g_mainWindow, GCLP_HBRBACKGROUND, COLOR_WINDOW + 1);
}
