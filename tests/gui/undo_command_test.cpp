// Command 613 with the keyboard focus in a text box undoes the typing there;
// anywhere else it undoes the last catalogue change.
#include "GuiFixture.h"
#include "model/Undo.h"

namespace {

class UndoCommandTest : public testing::Test {
   protected:
    void SetUp() override {
        folder_ = MakeTempFolder();
        g_settings.customDatabasePath = folder_ + L"\\undo.db";
        g_app = AppState{};
        g_grid = GridState{};
        undoSlot = redoSlot = UndoSnapshot{};
        const int inbox = DefaultGroupId();
        AddUrlToGroup(inbox, L"https://kept.example/");
    }
    void TearDown() override {
        for (HWND window : windows_) DestroyWindow(window);
        g_app = AppState{};
        undoSlot = redoSlot = UndoSnapshot{};
        g_settings.customDatabasePath.clear();
    }

    // A catalogue change with its undo step.
    static void ForgetTheUrl() {
        PushUndo(L"Delete");
        g_app.allUrls.clear();
    }

    HWND Make(const wchar_t* className) {
        HWND window = CreateWindowExW(0, className, L"", WS_POPUP, 0, 0, 200, 30, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        if (window) windows_.push_back(window);
        return window;
    }

    // An edit box whose last change was typing " typed" after "start".
    HWND EditWithTyping() {
        HWND edit = Make(L"EDIT");
        SetWindowTextW(edit, L"start");
        SendMessageW(edit, EM_SETSEL, 5, 5);
        SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L" typed"));
        return edit;
    }

    static std::wstring Text(HWND window) {
        wchar_t text[64] = {};
        GetWindowTextW(window, text, 64);
        return text;
    }

    bool CatalogueRestored() const { return g_app.allUrls.count(L"https://kept.example/") == 1; }

    std::wstring folder_;
    std::vector<HWND> windows_;
};

LRESULT CALLBACK PlainProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcW(h, m, w, l); }

}  // namespace

TEST_F(UndoCommandTest, FocusedEditBoxGetsTheUndo) {
    HWND edit = EditWithTyping();
    ASSERT_NE(edit, nullptr);
    ASSERT_EQ(Text(edit), L"start typed");
    ForgetTheUrl();
    UndoCommand(edit);
    EXPECT_EQ(Text(edit), L"start");
    EXPECT_FALSE(CatalogueRestored());
    EXPECT_TRUE(CanUndo());
}

TEST_F(UndoCommandTest, OtherwiseTheCatalogueIsRestored) {
    // A class whose name only begins with "Edit" is not a text box.
    WNDCLASSW wc{};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"EditorPane";
    RegisterClassW(&wc);
    struct Case {
        const char* name;
        const wchar_t* className;  // null: no window has the focus
    };
    const Case cases[] = {{"no focus", nullptr}, {"a button", L"BUTTON"}, {"Edit prefix", L"EditorPane"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND focus = c.className ? Make(c.className) : nullptr;
        ASSERT_TRUE(!c.className || focus);
        ForgetTheUrl();
        UndoCommand(focus);
        EXPECT_TRUE(CatalogueRestored());
        EXPECT_FALSE(CanUndo());
    }
}
