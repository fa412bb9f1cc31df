#pragma once
// Shared by the tests of the standard dialogs: settings saved and restored
// around each test, and reading what a dialog answers to a colour message.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "DialogAnswer.h"
#include "settings/Settings.h"

// A main window closed by an earlier test can leave its WM_QUIT in the
// queue, and a modal loop that meets WM_QUIT ends its dialog at once.
void DropPendingQuit();

class DialogTest : public testing::Test {
   protected:
    void SetUp() override {
        saved_ = g_settings;
        g_settings.darkMode = false;
        DropPendingQuit();
    }
    void TearDown() override { g_settings = saved_; }

   private:
    Settings saved_;
};

// What a control-colour message was answered with: the brush's colour and the
// colours the device context was given.
struct ColorAnswer {
    bool brush = false;
    COLORREF brushColor = CLR_INVALID;
    COLORREF text = CLR_INVALID;
    COLORREF background = CLR_INVALID;
    int backgroundMode = 0;
};

// Sends `message` for `control` to the dialog, as the control would when it
// paints, with a device context of known colours.
ColorAnswer AskColor(HWND dialog, UINT message, HWND control);

std::wstring ItemText(HWND dialog, int id);
std::wstring CaptionOf(HWND window);

// The tag chooser's list: its items and which of them are checked.
struct TagListState {
    std::vector<std::wstring> items;
    std::vector<std::wstring> checked;
};
TagListState ReadTagList(HWND list);
// A click in the middle of the list's item with this text, scrolled into view.
void ClickTag(HWND list, const std::wstring& tag);
