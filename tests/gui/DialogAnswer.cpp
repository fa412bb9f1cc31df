#include "DialogAnswer.h"

#include <vector>

namespace {

DialogAnswer* g_active = nullptr;
constexpr UINT kWatchPeriodMs = 20;
constexpr DWORD kCloseTimeoutMs = 5000;
constexpr DWORD kFindTimeoutMs = 10000;

struct Search {
    const std::wstring* caption;  // null: any dialog, shown or not
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (wcscmp(className, L"#32770") != 0) return TRUE;
    if (!search->caption) {
        search->found = window;
        return FALSE;
    }
    if (!IsWindowVisible(window)) return TRUE;
    const int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    if (*search->caption != text.data()) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FindThreadDialog(const std::wstring& caption) {
    Search search{&caption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

DialogAnswer::DialogAnswer(std::wstring caption, std::function<void(HWND)> answer)
    : caption_(std::move(caption)), answer_(std::move(answer)), startedAt_(GetTickCount()) {
    g_active = this;
    timer_ = SetTimer(nullptr, 0, kWatchPeriodMs, OnTimer);
}

DialogAnswer::~DialogAnswer() {
    if (timer_) KillTimer(nullptr, timer_);
    if (g_active == this) g_active = nullptr;
}

void CALLBACK DialogAnswer::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_active) g_active->Watch();
}

void DialogAnswer::Watch() {
    if (answered_) {
        if (IsWindow(dialog_) && GetTickCount() - answeredAt_ > kCloseTimeoutMs)
            EndDialog(dialog_, kNotClosed);
        return;
    }
    HWND dialog = FindThreadDialog(caption_);
    if (!dialog) {
        // A dialog that never shows under the expected caption is ended, so
        // the test reports it instead of waiting forever.
        if (GetTickCount() - startedAt_ <= kFindTimeoutMs) return;
        Search any{nullptr, nullptr};
        EnumThreadWindows(GetCurrentThreadId(), MatchDialog, reinterpret_cast<LPARAM>(&any));
        if (any.found) EndDialog(any.found, kNotClosed);
        return;
    }
    dialog_ = dialog;
    answered_ = true;
    answeredAt_ = GetTickCount();
    answer_(dialog);
}

namespace {
DialogDismisser* g_dismisser = nullptr;
}

DialogDismisser::DialogDismisser() {
    g_dismisser = this;
    timer_ = SetTimer(nullptr, 0, kWatchPeriodMs, OnTimer);
}

DialogDismisser::~DialogDismisser() {
    if (timer_) KillTimer(nullptr, timer_);
    if (g_dismisser == this) g_dismisser = nullptr;
}

void CALLBACK DialogDismisser::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_dismisser) return;
    Search any{nullptr, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchDialog, reinterpret_cast<LPARAM>(&any));
    if (!any.found || !IsWindowVisible(any.found)) return;
    ++g_dismisser->dismissed_;
    EndDialog(any.found, IDCANCEL);
}

void ClickButton(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void PressKey(HWND dialog, UINT virtualKey) {
    HWND target = GetFocus();
    if (!target || (target != dialog && !IsChild(dialog, target))) target = dialog;
    PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(target, WM_KEYUP, virtualKey, 0xC0000001);
}

void ClickCloseButton(HWND dialog) { SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

void TypeText(HWND control, const std::wstring& text) {
    for (wchar_t c : text) SendMessageW(control, WM_CHAR, c, 1);
}

void ClickAt(HWND control, POINT point) {
    const LPARAM at = MAKELPARAM(point.x, point.y);
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(control, WM_LBUTTONUP, 0, at);
}
