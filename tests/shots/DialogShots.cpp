// Photographs the standard dialogs in the light and the dark theme: each is
// shown for real, captured from the screen once it has painted, and closed.
// Not a test: its output is looked at by people.
// Usage: vantrelix_dialog_shots OUTPUT_FOLDER
#include <windows.h>

#include <gdiplus.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "ScreenCapture.h"
#include "model/AppState.h"
#include "reminders/ReminderDialog.h"
#include "settings/Settings.h"
#include "ui/StandardDialogs.h"

namespace {

constexpr UINT kPollMs = 50;
constexpr DWORD kPaintWaitMs = 600;
constexpr DWORD kGiveUpMs = 10000;

// The dialog being photographed: found by its caption from a thread timer
// inside its own modal loop, captured once it has had time to paint, then
// closed with Escape's command.
struct Photo {
    std::wstring caption;
    std::wstring path;
    DWORD startedAt = 0;
    HWND dialog = nullptr;
    DWORD foundAt = 0;
};
Photo* g_photo = nullptr;

HWND FindDialog(const std::wstring& caption) {
    HWND found = nullptr;
    auto match = [](HWND window, LPARAM parameter) -> BOOL {
        auto* search = reinterpret_cast<std::pair<const std::wstring*, HWND*>*>(parameter);
        wchar_t className[16] = {}, text[300] = {};
        GetClassNameW(window, className, 16);
        GetWindowTextW(window, text, 300);
        if (wcscmp(className, L"#32770") != 0 || !IsWindowVisible(window) || *search->first != text)
            return TRUE;
        *search->second = window;
        return FALSE;
    };
    std::pair<const std::wstring*, HWND*> search{&caption, &found};
    EnumThreadWindows(GetCurrentThreadId(), match, reinterpret_cast<LPARAM>(&search));
    return found;
}

void CALLBACK OnPhotoTimer(HWND, UINT, UINT_PTR, DWORD) {
    Photo& photo = *g_photo;
    if (!photo.dialog) {
        photo.dialog = FindDialog(photo.caption);
        photo.foundAt = GetTickCount();
        // The first dialog of the run may open behind the desktop's focus.
        if (photo.dialog) SetForegroundWindow(photo.dialog);
        if (!photo.dialog && GetTickCount() - photo.startedAt > kGiveUpMs)
            wprintf(L"FAILED no dialog \"%ls\"\n", photo.caption.c_str());
        return;
    }
    if (GetTickCount() - photo.foundAt < kPaintWaitMs) return;
    if (!IsWindow(photo.dialog)) return;
    RedrawWindow(photo.dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SaveWindowArea(photo.dialog, photo.path);
    SendMessageW(photo.dialog, WM_COMMAND, IDCANCEL, 0);
    photo.dialog = nullptr;
    photo.startedAt = GetTickCount() + kGiveUpMs * 100;  // done: no more searching
}

void Photograph(const std::wstring& caption, const std::wstring& path, const std::function<void()>& show) {
    Photo photo{caption, path, GetTickCount()};
    g_photo = &photo;
    UINT_PTR timer = SetTimer(nullptr, 0, kPollMs, OnPhotoTimer);
    show();
    KillTimer(nullptr, timer);
    g_photo = nullptr;
}

// A process that has shown no window yet may not take the foreground, and
// its first dialog would be photographed with an inactive caption: a window
// shown and closed first gives the process the foreground.
void TakeForeground() {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(window);
    MSG msg;
    for (int i = 0; i < 20; ++i) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    }
    DestroyWindow(window);
}

void FillTags() {
    const wchar_t* names[] = {L"work",     L"home",      L"urgent",   L"later", L"reading",     L"papers",
                              L"ml",       L"docs",      L"customer", L"ops",   L"books",       L"archive",
                              L"wiki",     L"reference", L"video",    L"music", L"recipes",     L"travel",
                              L"finance",  L"health",    L"shopping", L"news",  L"tools",       L"design",
                              L"research", L"support",   L"writing",  L"ideas", L"inspiration", L"misc"};
    g_app.tagNames.assign(std::begin(names), std::end(names));
}

void TakeAll(const std::wstring& out, const wchar_t* theme) {
    auto file = [&](const wchar_t* name) { return out + L"\\" + name + L"-" + theme + L".png"; };

    Photograph(L"Vantrelix", file(L"message-one-line"),
               [] { ShowMessageBox(nullptr, L"Saved 11 URLs.", nullptr, MB_OK | MB_ICONINFORMATION); });
    Photograph(L"Vantrelix Validate", file(L"message-60-characters"), [] {
        ShowMessageBox(nullptr, L"https://docs.example.com/faq/reset-password#step-3 is invalid",
                       L"Vantrelix Validate", MB_OK | MB_ICONWARNING);
    });
    Photograph(L"Vantrelix Import", file(L"message-yes-no-cancel"), [] {
        ShowMessageBox(
            nullptr, L"Replace the whole catalogue with the backup?\nYes replaces, No merges the backup in.",
            L"Vantrelix Import", MB_YESNOCANCEL | MB_ICONQUESTION);
    });
    Photograph(L"Vantrelix Long", file(L"message-10000-characters"), [] {
        std::wstring text;
        while (text.size() < 10000) text += L"A very long message that goes on and on. ";
        ShowMessageBox(nullptr, text.c_str(), L"Vantrelix Long", MB_OK);
    });
    Photograph(L"Vantrelix Rename Group", file(L"input-box"), [] {
        std::wstring result;
        ShowInputBox(nullptr, L"Vantrelix Rename Group", L"New name for the group \"Research\":", result,
                     L"Research & Papers");
    });
    Photograph(L"Vantrelix Edit Tags", file(L"edit-tags-30"), [] {
        std::vector<std::wstring> result;
        ShowEditTagsDialog(nullptr, {L"work", L"urgent", L"papers", L"docs"}, result);
    });
    Photograph(L"Vantrelix About", file(L"about"), [] { ShowAboutDialog(nullptr); });
    Photograph(kReminderDialogCaption, file(L"reminder-new"), [] {
        ReminderChoice choice;
        ShowReminderDialog(nullptr, L"", ReminderAction::Notify, ReminderRepeat::None, choice);
    });
    Photograph(kReminderDialogCaption, file(L"reminder-with-clear"), [] {
        ReminderChoice choice;
        ShowReminderDialog(nullptr, L"2026-12-24 18:30", ReminderAction::Both, ReminderRepeat::Weekly, choice);
    });
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        fwprintf(stderr, L"usage: vantrelix_dialog_shots OUTPUT_FOLDER\n");
        return 2;
    }
    const std::wstring out = argv[1];
    CreateDirectoryW(out.c_str(), nullptr);
    Gdiplus::GdiplusStartupInput gdiplusInput;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &gdiplusInput, nullptr);

    g_settings = Settings{};
    g_settings.productSite = L"https://vantrelix.example.org/";
    FillTags();
    TakeForeground();
    g_settings.darkMode = false;
    TakeAll(out, L"light");
    g_settings.darkMode = true;
    TakeAll(out, L"dark");

    Gdiplus::GdiplusShutdown(token);
    return 0;
}
