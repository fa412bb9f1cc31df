#include "app/UrlCommands.h"

#include "app/Menus.h"
#include "app/UrlOpening.h"
#include "capture/AutoRules.h"
#include "capture/ClipboardCapture.h"
#include "grid/CellEditor.h"
#include "grid/Columns.h"
#include "grid/FilterBar.h"
#include "grid/GridState.h"
#include "grid/GridWindow.h"
#include "grid/GroupOperations.h"
#include "grid/Selection.h"
#include "grid/SelectionEdits.h"
#include "model/AppState.h"
#include "model/Undo.h"
#include "net/Validation.h"
#include "reminders/ReminderDialog.h"
#include "settings/Settings.h"
#include "storage/Database.h"
#include "ui/StandardDialogs.h"
#include "ui/TrayIcon.h"

namespace {

// What Quick Add files for a typed text: "www." gains "https://", one
// trailing slash goes.
std::wstring QuickAddText(std::wstring text) {
    if (text.size() >= 4 && text.compare(0, 4, L"www.") == 0) text.insert(0, L"https://");
    if (!text.empty() && text.back() == L'/') text.pop_back();
    return text;
}

void EditCellOfCurrentRow(int column) {
    const int row = GetFocusRow();
    if (row < 0) return;
    SelectOnlyRow(row);
    RefreshGrid();
    BeginCellEdit(row, column);
}

void EraseReminders(const std::vector<std::wstring>& urls) {
    for (const std::wstring& url : urls) {
        g_app.reminderDates.erase(url);
        g_app.reminderActions.erase(url);
        g_app.reminderRepeats.erase(url);
    }
}

}  // namespace

void QuickAddUrl(HWND window) {
    std::wstring typed;
    if (!ShowInputBox(window, L"Quick Add URL", L"Enter a URL:", typed, L"")) return;
    const std::wstring url = QuickAddText(typed);
    if (url.empty()) return;
    if (!AddUrlToGroup(ApplyAutoGroupRules(url), url)) return;
    if (ApplyAutoTagRules(url)) {
        FillTagFilterCombo();
        RefreshGridWithColumns();
    }
    RebuildGroupMenus();
    SaveCatalogue();
    if (g_settings.validateOnCapture) {
        g_app.validationStatus[url] = ValidateUrl(url);
        RefreshGrid();
    }
    ShowTrayBalloon(L"Vantrelix", L"URL added:\n" + url, nullptr);
}

void EditTitleOfCurrentRow(HWND) { EditCellOfCurrentRow(ColumnId::Title); }
void EditUrlOfCurrentRow(HWND) { EditCellOfCurrentRow(ColumnId::Url); }

void OpenSelectedUrls(HWND window) {
    for (const std::wstring& url : GetSelectedUrls()) {
        if (url.empty() || !OpenCatalogueUrl(window, url)) continue;
        ++g_app.openCounts[url];
        g_app.lastOpenedAt[url] = NowTimestamp();
    }
    SaveCatalogue();
    RefreshGrid();
}

void CopySelectedUrls(HWND window) {
    std::wstring text;
    for (const std::wstring& url : GetSelectedUrls()) {
        if (!text.empty()) text += L"\r\n";
        text += url;
    }
    if (!text.empty()) SetClipboardText(window, text);
}

void DeleteSelectedAndSave() {
    DeleteSelectedUrls();
    SaveCatalogue();
}

void DeleteAllUrls(HWND window) {
    if (ShowMessageBox(window, L"Sure You want to delete all URLs?", L"Vantrelix Confirm Delete All",
                       MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    PushUndo(L"Delete All");
    ClearCatalogue();
    FillTagFilterCombo();
    SaveCatalogue();
}

void TogglePinSelected() {
    const std::vector<std::wstring> urls = GetSelectedUrls();
    if (urls.empty()) return;
    const bool all = AllPinned(urls);
    PushUndo(all ? L"Unpin" : L"Pin");
    SetPinned(urls, !all);
}

void UnpinAll() {
    PushUndo(L"Unpin All");
    g_app.pinnedUrls.clear();
    RefreshGridWithColumns();
    SaveCatalogue();
}

// Every selected URL gets the reminder the dialog showed for the first one.
void SetReminderOnSelected(HWND window) {
    const std::vector<std::wstring> urls = GetSelectedUrls();
    if (urls.empty()) return;
    const std::wstring& first = urls.front();
    auto text = g_app.reminderDates.find(first);
    auto action = g_app.reminderActions.find(first);
    auto repeat = g_app.reminderRepeats.find(first);
    ReminderChoice choice;
    if (!ShowReminderDialog(window, text == g_app.reminderDates.end() ? std::wstring() : text->second,
                            action == g_app.reminderActions.end() ? ReminderAction::Notify : action->second,
                            repeat == g_app.reminderRepeats.end() ? ReminderRepeat::None : repeat->second, choice))
        return;
    PushUndo(choice.clear ? L"Clear Reminder" : L"Set Reminder");
    if (choice.clear) {
        EraseReminders(urls);
    } else {
        const std::wstring due = choice.date + L" " + choice.time;
        for (const std::wstring& url : urls) {
            g_app.reminderDates[url] = due;
            g_app.reminderActions[url] = choice.action;
            if (choice.repeat == ReminderRepeat::None)
                g_app.reminderRepeats.erase(url);
            else
                g_app.reminderRepeats[url] = choice.repeat;
        }
    }
    RefreshGridWithColumns();
    SaveCatalogue();
}

void ClearReminderOnSelected() {
    const std::vector<std::wstring> urls = GetSelectedUrls();
    if (urls.empty()) return;
    PushUndo(L"Clear Reminder");
    EraseReminders(urls);
    RefreshGridWithColumns();
    SaveCatalogue();
}

// The command may come from an accelerator or a stale menu, so the current
// row is checked here rather than trusted.
void MoveToGroup(int groupId) {
    const int row = GetFocusRow();
    if (row < 0) return;
    MoveUrlsToGroup(row, groupId);
    SaveCatalogue();
}
