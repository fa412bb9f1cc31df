#pragma once
// Shared by the tests of the group and tag commands: the main window with a
// clean undo history, commands sent as the menus send them, the dialogs they
// open answered one after the other, and what the database file holds.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DialogAnswer.h"
#include "GuiFixture.h"

// One dialog of a conversation: found by its caption, then answered.
struct DialogStep {
    std::wstring caption;
    std::function<void(HWND dialog)> answer;
};

// Answers the dialogs a command opens in turn: each step starts watching
// once the one before it has been answered.
class DialogSequence {
   public:
    explicit DialogSequence(std::vector<DialogStep> steps);
    // How many steps found their dialog.
    size_t answered() const { return answered_; }

   private:
    void Watch(size_t step);
    std::vector<DialogStep> steps_;
    std::vector<std::unique_ptr<DialogAnswer>> watchers_;
    size_t answered_ = 0;
};

// Closes, with Cancel, every dialog of this thread that shows while it
// lives, and keeps their captions: for commands that must ask nothing.
class UnexpectedDialogs {
   public:
    UnexpectedDialogs();
    ~UnexpectedDialogs();
    UnexpectedDialogs(const UnexpectedDialogs&) = delete;
    UnexpectedDialogs& operator=(const UnexpectedDialogs&) = delete;
    const std::vector<std::wstring>& captions() const { return captions_; }

   private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    UINT_PTR timer_ = 0;
    std::vector<std::wstring> captions_;
};

// Answers for the input box: its entry replaced by `text` and OK (or
// Cancel); `shown`, when given, receives what the entry held at first.
std::function<void(HWND)> Type(const std::wstring& text, std::wstring* shown = nullptr);
std::function<void(HWND)> CancelPrompt(std::wstring* shown = nullptr);
// Answers for a message box: the button, after `text` received the message.
std::function<void(HWND)> Press(int button, std::wstring* text = nullptr);

class CatalogueCommandTest : public MainWindowTest {
   protected:
    void SetUp() override;
    void TearDown() override;
    // WM_COMMAND as a menu item sends it.
    void Command(UINT id);
    // Files the URLs into the group (created when missing), shows and saves them.
    int File(const std::wstring& group, const std::vector<std::wstring>& urls);
    // The database file's groups by sort order, tags by name, and links as
    // "url tag" by URL and tag.
    std::vector<std::string> StoredGroups();
    std::vector<std::string> StoredTags();
    std::vector<std::string> StoredLinks();
    std::vector<std::wstring> GroupNames();
    // The visible row showing the URL; -1 when none does.
    int RowOf(const std::wstring& url);
};
