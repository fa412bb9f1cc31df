#pragma once
// Answering a modal dialog from inside its own modal loop, as a user would:
// a thread timer watches for the dialog (class #32770, by caption), and once
// it is on screen hands it to the test's answer, which types into it and
// presses its buttons or keys.
#include <windows.h>

#include <functional>
#include <string>

class DialogAnswer {
   public:
    // What EndDialog is given when a dialog is still open a while after it
    // was answered, or never appeared under its caption: the test fails on
    // the value instead of hanging.
    static constexpr INT_PTR kNotClosed = 0x7A7A;

    DialogAnswer(std::wstring caption, std::function<void(HWND dialog)> answer);
    ~DialogAnswer();
    DialogAnswer(const DialogAnswer&) = delete;
    DialogAnswer& operator=(const DialogAnswer&) = delete;

    // The answer ran (the dialog was found and shown).
    bool answered() const { return answered_; }

   private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Watch();

    std::wstring caption_;
    std::function<void(HWND)> answer_;
    UINT_PTR timer_ = 0;
    bool answered_ = false;
    HWND dialog_ = nullptr;
    DWORD answeredAt_ = 0;
    DWORD startedAt_ = 0;
};

// Cancels every dialog of this thread that opens while it lives, counting
// them: for tests of the routes that lead to commands, where what a command
// would ask is not the point, and a dialog nobody answers would hang the test.
class DialogDismisser {
   public:
    DialogDismisser();
    ~DialogDismisser();
    DialogDismisser(const DialogDismisser&) = delete;
    DialogDismisser& operator=(const DialogDismisser&) = delete;
    int dismissed() const { return dismissed_; }

   private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    UINT_PTR timer_ = 0;
    int dismissed_ = 0;
};

// A visible dialog of this thread with the caption; null when there is none.
HWND FindThreadDialog(const std::wstring& caption);

// The user's actions on a dialog.
void ClickButton(HWND dialog, int id);
// A key press on the focused control, through the dialog's own key handling.
void PressKey(HWND dialog, UINT virtualKey);
// The close button in the caption.
void ClickCloseButton(HWND dialog);
// Typing characters into a control (each one a WM_CHAR).
void TypeText(HWND control, const std::wstring& text);
// A left click at a point of the control's client area.
void ClickAt(HWND control, POINT point);
