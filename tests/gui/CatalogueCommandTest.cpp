#include "CatalogueCommandTest.h"

#include "DialogTestSupport.h"
#include "model/Undo.h"
#include "storage/Database.h"
#include "unit/storage_test_support.h"

namespace {

constexpr int kPromptEntryId = 102;
constexpr int kMessageTextId = 101;

}  // namespace

DialogSequence::DialogSequence(std::vector<DialogStep> steps) : steps_(std::move(steps)) {
    if (!steps_.empty()) Watch(0);
}

void DialogSequence::Watch(size_t step) {
    watchers_.push_back(std::make_unique<DialogAnswer>(steps_[step].caption, [this, step](HWND dialog) {
        ++answered_;
        if (step + 1 < steps_.size()) Watch(step + 1);
        steps_[step].answer(dialog);
    }));
}

namespace {
UnexpectedDialogs* g_unexpected = nullptr;
}

UnexpectedDialogs::UnexpectedDialogs() {
    g_unexpected = this;
    timer_ = SetTimer(nullptr, 0, 20, OnTimer);
}

UnexpectedDialogs::~UnexpectedDialogs() {
    KillTimer(nullptr, timer_);
    if (g_unexpected == this) g_unexpected = nullptr;
}

void CALLBACK UnexpectedDialogs::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_unexpected) return;
    auto close = [](HWND window, LPARAM) -> BOOL {
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (wcscmp(className, L"#32770") == 0 && IsWindowVisible(window)) {
            g_unexpected->captions_.push_back(CaptionOf(window));
            EndDialog(window, IDCANCEL);
        }
        return TRUE;
    };
    EnumThreadWindows(GetCurrentThreadId(), close, 0);
}

std::function<void(HWND)> Type(const std::wstring& text, std::wstring* shown) {
    return [text, shown](HWND dialog) {
        HWND entry = GetDlgItem(dialog, kPromptEntryId);
        if (shown) *shown = ItemText(dialog, kPromptEntryId);
        SendMessageW(entry, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        TypeText(entry, text);
        ClickButton(dialog, IDOK);
    };
}

std::function<void(HWND)> CancelPrompt(std::wstring* shown) {
    return [shown](HWND dialog) {
        if (shown) *shown = ItemText(dialog, kPromptEntryId);
        ClickButton(dialog, IDCANCEL);
    };
}

std::function<void(HWND)> Press(int button, std::wstring* text) {
    return [button, text](HWND dialog) {
        if (text) *text = ItemText(dialog, kMessageTextId);
        ClickButton(dialog, button);
    };
}

void CatalogueCommandTest::SetUp() {
    MainWindowTest::SetUp();
    undoSlot = UndoSnapshot{};
    redoSlot = UndoSnapshot{};
    StartWindow();
}

void CatalogueCommandTest::TearDown() {
    g_grid.contextGroupId = -1;
    MainWindowTest::TearDown();
}

void CatalogueCommandTest::Command(UINT id) { SendMessageW(g_mainWindow, WM_COMMAND, id, 0); }

int CatalogueCommandTest::File(const std::wstring& group, const std::vector<std::wstring>& urls) {
    const int id = FindOrCreateGroup(group);
    for (const std::wstring& url : urls) AddUrlToGroup(id, url);
    RefreshGridWithColumns();
    SaveCatalogue();
    return id;
}

std::vector<std::string> CatalogueCommandTest::StoredGroups() {
    return RawDb(dbPath_).Column("SELECT name FROM groups ORDER BY sort_order;");
}

std::vector<std::string> CatalogueCommandTest::StoredTags() {
    return RawDb(dbPath_).Column("SELECT name FROM tags ORDER BY name;");
}

std::vector<std::string> CatalogueCommandTest::StoredLinks() {
    return RawDb(dbPath_).Column(
        "SELECT u.url || ' ' || t.name FROM url_tags l JOIN urls u ON u.id = l.url_id JOIN tags t ON t.id = "
        "l.tag_id ORDER BY u.url, t.name;");
}

int CatalogueCommandTest::RowOf(const std::wstring& url) {
    for (size_t row = 0; row < g_grid.visibleRows.size(); ++row)
        if (g_grid.visibleRows[row].url == url) return static_cast<int>(row);
    return -1;
}

std::vector<std::wstring> CatalogueCommandTest::GroupNames() {
    std::vector<std::wstring> names;
    for (const UrlGroup& group : g_app.groups) names.push_back(group.name);
    return names;
}
