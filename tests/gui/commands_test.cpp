// Keys, buttons and commands reaching the main window: the accelerator
// table, Delete Selected, Undo and Move to Group.
#include <algorithm>
#include <utility>
#include <vector>

#include "GuiFixture.h"
#include "DialogAnswer.h"
#include "WindowProbe.h"
#include "app/Accelerators.h"
#include "app/FunctionKeys.h"
#include "grid/SearchBox.h"
#include "grid/VisibleRows.h"
#include "model/Undo.h"
#include "storage/Database.h"
#include "unit/storage_test_support.h"

namespace {

const std::wstring kAlpha = L"https://alpha.example/";
const std::wstring kBeta = L"https://beta.example/";
const std::wstring kGamma = L"https://gamma.example/";

// Records the commands the main window receives, then lets it handle them.
WNDPROC g_mainProc = nullptr;
std::vector<std::pair<UINT, UINT>> g_received;  // identifier, notification code

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) g_received.emplace_back(LOWORD(wParam), HIWORD(wParam));
    return CallWindowProcW(g_mainProc, window, message, wParam, lParam);
}

// Modifier keys as the thread's keyboard state reports them, for as long as
// the object lives.
class KeysHeld {
   public:
    explicit KeysHeld(std::vector<BYTE> keys) : keys_(std::move(keys)) { Set(0x80); }
    ~KeysHeld() { Set(0); }

   private:
    void Set(BYTE state) {
        BYTE board[256];
        GetKeyboardState(board);
        for (BYTE key : keys_) board[key] = state;
        SetKeyboardState(board);
    }
    std::vector<BYTE> keys_;
};

MSG KeyMessage(HWND target, UINT message, UINT key) {
    MSG msg{};
    msg.hwnd = target;
    msg.message = message;
    msg.wParam = key;
    msg.lParam = 1 | (MapVirtualKeyW(key, MAPVK_VK_TO_VSC) << 16) | (message == WM_SYSKEYDOWN ? 1 << 29 : 0);
    return msg;
}

class CommandTest : public MainWindowTest {
   protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        undoSlot = redoSlot = UndoSnapshot{};
        g_received.clear();
    }
    void TearDown() override {
        if (accelerators_) DestroyAcceleratorTable(accelerators_);
        MainWindowTest::TearDown();
        undoSlot = redoSlot = UndoSnapshot{};
    }

    // Alpha, beta and gamma in the default group and an empty "Reading"
    // group, stored as an earlier run left them; then the window starts.
    void StartWithCatalogue() {
        g_app = AppState{};
        const int inbox = DefaultGroupId();
        CreateGroup(L"Reading");
        for (const std::wstring& url : {kAlpha, kBeta, kGamma}) AddUrlToGroup(inbox, url);
        SaveCatalogue();
        g_app = AppState{};
        StartWindow();
        accelerators_ = CreateMainAccelerators();
        ASSERT_NE(accelerators_, nullptr);
    }

    static void Select(std::initializer_list<std::wstring> urls, int focusRow) {
        g_grid.selectedUrls = urls;
        g_grid.focusRow = focusRow;
    }

    // Group name of each stored URL, "(none)" for one not stored.
    std::string StoredGroupOf(const std::wstring& url) {
        RawDb db(dbPath_);
        return db.Value("SELECT g.name FROM urls u JOIN groups g ON u.group_id = g.id WHERE u.url = '" +
                        Utf8FromWide(url) + "';");
    }

    bool Press(HWND target, UINT key, UINT message = WM_KEYDOWN) {
        MSG msg = KeyMessage(target, message, key);
        return TranslateMainAccelerator(accelerators_, msg);
    }

    HACCEL accelerators_ = nullptr;
};

}  // namespace

TEST_F(CommandTest, EveryAcceleratorReachesTheMainWindowAsItsCommand) {
    StartWithCatalogue();
    g_mainProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(g_mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc)));
    struct Case {
        const char* name;
        UINT message, key;
        std::vector<BYTE> held;
        UINT command;  // 0: not an accelerator
    };
    const Case cases[] = {
        {"F1", WM_KEYDOWN, VK_F1, {}, 104},
        {"Alt+Help", WM_SYSKEYDOWN, VK_HELP, {VK_MENU}, 104},
        {"Alt+0x3F", WM_SYSKEYDOWN, 0x3F, {VK_MENU}, 104},
        {"F2", WM_KEYDOWN, VK_F2, {}, 2028},
        {"F3", WM_KEYDOWN, VK_F3, {}, 2005},
        {"F4", WM_KEYDOWN, VK_F4, {}, 2022},
        {"F5", WM_KEYDOWN, VK_F5, {}, 2004},
        {"F6", WM_KEYDOWN, VK_F6, {}, 2027},
        {"F7", WM_KEYDOWN, VK_F7, {}, 2006},
        {"Ctrl+Y", WM_KEYDOWN, 'Y', {VK_CONTROL}, 614},
        {"Z alone", WM_KEYDOWN, 'Z', {}, 0},
        {"Ctrl+F3", WM_KEYDOWN, VK_F3, {VK_CONTROL}, 0},
        {"F9", WM_KEYDOWN, VK_F9, {}, 0},
    };
    // The commands run for real; what they would ask (About, a new group or
    // tag) is cancelled.
    DialogDismisser dismisser;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_received.clear();
        KeysHeld held(c.held);
        // Keys typed into the search box are translated too.
        EXPECT_EQ(Press(g_searchEdit, c.key, c.message), c.command != 0);
        if (c.command) {
            ASSERT_EQ(g_received.size(), 1u);
            EXPECT_EQ(g_received[0].first, c.command);
            EXPECT_EQ(g_received[0].second, 1u);  // the accelerator's notification code
        } else {
            EXPECT_TRUE(g_received.empty());
        }
    }
    SetWindowLongPtrW(g_mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_mainProc));
    // The catalogue is as it was: none of these keys changes it by itself.
    EXPECT_EQ(g_app.allUrls.size(), 3u);
}

TEST_F(CommandTest, F8AndTheDeleteButtonDeleteTheSelectionAndSave) {
    StartWithCatalogue();
    Select({kBeta}, RowOfUrl(kBeta));
    ASSERT_TRUE(Press(g_gridWindow, VK_F8));
    EXPECT_EQ(g_app.allUrls.count(kBeta), 0u);
    EXPECT_EQ(StoredGroupOf(kBeta), "(no row)");
    EXPECT_EQ(StoredGroupOf(kAlpha), "Uncategorized");

    Select({kGamma}, RowOfUrl(kGamma));
    SendMessageW(g_functionKeyButtons[5], BM_CLICK, 0, 0);  // "F8 Delete"
    EXPECT_EQ(g_app.allUrls.count(kGamma), 0u);
    EXPECT_EQ(StoredGroupOf(kGamma), "(no row)");
    EXPECT_EQ(g_app.allUrls.size(), 1u);
}

TEST_F(CommandTest, CtrlZUndoesTheCatalogueOrTheTypingInTheFocusedBox) {
    StartWithCatalogue();
    Select({kAlpha}, RowOfUrl(kAlpha));
    ASSERT_TRUE(Press(g_gridWindow, VK_F8));
    ASSERT_EQ(StoredGroupOf(kAlpha), "(no row)");

    // In the search box Ctrl+Z takes back the typing; the deletion stays.
    SetFocus(g_searchEdit);
    SendMessageW(g_searchEdit, WM_CHAR, L'q', 1);
    ASSERT_EQ(WindowText(g_searchEdit), L"q");
    {
        KeysHeld control({VK_CONTROL});
        EXPECT_TRUE(Press(g_searchEdit, 'Z'));
    }
    EXPECT_EQ(WindowText(g_searchEdit), L"");
    EXPECT_EQ(g_app.allUrls.count(kAlpha), 0u);

    // Anywhere else it undoes the deletion, which saves.
    SetFocus(g_gridWindow);
    {
        KeysHeld control({VK_CONTROL});
        EXPECT_TRUE(Press(g_gridWindow, 'Z'));
    }
    EXPECT_EQ(g_app.allUrls.count(kAlpha), 1u);
    EXPECT_EQ(StoredGroupOf(kAlpha), "Uncategorized");
}

TEST_F(CommandTest, MoveToGroupMovesTheCurrentSelectionAndSaves) {
    struct Case {
        const char* name;
        std::vector<std::wstring> selected;
        std::wstring focused;  // empty: no focus row
        std::vector<std::wstring> moved;
    };
    const Case cases[] = {
        {"two selected", {kAlpha, kGamma}, kGamma, {kAlpha, kGamma}},
        {"one selected, focus elsewhere", {kBeta}, kAlpha, {kBeta}},
        {"focus without selection", {}, kAlpha, {}},
        {"nothing", {}, L"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        undoSlot = UndoSnapshot{};
        StartWithCatalogue();
        const int reading = FindGroupByName(L"Reading")->id;
        g_grid.selectedUrls = {c.selected.begin(), c.selected.end()};
        g_grid.focusRow = c.focused.empty() ? -1 : RowOfUrl(c.focused);
        SendMessageW(g_mainWindow, WM_COMMAND, 3000 + reading, 0);
        EXPECT_EQ(FindGroupByName(L"Reading")->urls, c.moved);
        for (const std::wstring& url : {kAlpha, kBeta, kGamma}) {
            const bool moved = std::find(c.moved.begin(), c.moved.end(), url) != c.moved.end();
            EXPECT_EQ(StoredGroupOf(url), moved ? "Reading" : "Uncategorized");
        }
        EXPECT_EQ(CanUndo(), !c.moved.empty());
        CloseWindow();
        DeleteFileW(dbPath_.c_str());
    }
}

TEST_F(CommandTest, NoTranslationWithoutTheMainWindow) {
    StartWithCatalogue();
    CloseWindow();
    MSG msg = KeyMessage(nullptr, WM_KEYDOWN, VK_F8);
    EXPECT_FALSE(TranslateMainAccelerator(accelerators_, msg));
}
