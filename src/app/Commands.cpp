#include "app/Commands.h"

#include <array>

#include "app/DesktopShortcut.h"
#include "app/GroupTagCommands.h"
#include "app/Tray.h"
#include "app/UrlCommands.h"
#include "grid/Columns.h"
#include "grid/FilterBar.h"
#include "model/Undo.h"
#include "ui/CommandIds.h"
#include "ui/DynamicCommands.h"
#include "ui/StandardDialogs.h"

namespace {

using CommandHandler = void (*)(HWND window);

struct FixedCommand {
    UINT id;
    CommandHandler handler;  // null: accepted, carried out by a later feature
};

void Exit(HWND window) { DestroyWindow(window); }
void RunUndo(HWND) { UndoCommand(); }
void RunRedo(HWND) { Redo(); }
void RunDeleteSelected(HWND) { DeleteSelectedAndSave(); }
void RunTogglePin(HWND) { TogglePinSelected(); }
void RunUnpinAll(HWND) { UnpinAll(); }
void RunClearReminder(HWND) { ClearReminderOnSelected(); }
void RunShowAllColumns(HWND) { ShowAllColumns(); }
void RunResetColumnWidths(HWND) { ResetColumnWidths(); }
void RunResetColumnOrder(HWND) { ResetColumnOrder(); }
template <int Column>
void RunToggleColumn(HWND) {
    ToggleColumnVisible(Column);
}

// Every fixed identifier the menus, buttons, accelerators and the tray send.
// The ones without a handler are taken and ignored until their commands
// arrive, so that a button or an accelerator for them is harmless meanwhile.
constexpr FixedCommand kFixedCommands[] = {
    {IDM_ABOUT, ShowAboutDialog},
    {IDM_EXIT, Exit},
    {IDM_OPTIONS, nullptr},
    {IDM_EXPORT_JSON, nullptr},
    {IDM_IMPORT_JSON, nullptr},
    {IDM_EXPORT_CSV, nullptr},
    {IDM_OPEN_DATABASE, nullptr},
    {IDM_SAVE_DATABASE_AS, nullptr},
    {IDM_IMPORT_CHROMIUM, nullptr},
    {IDM_IMPORT_FIREFOX, nullptr},
    {IDM_EXPORT_SELECTED_HTML, nullptr},
    {IDM_EXPORT_GROUP_HTML, nullptr},
    {IDM_UNDO, RunUndo},
    {IDM_REDO, RunRedo},
    {IDM_SET_REMINDER, SetReminderOnSelected},
    {IDM_CLEAR_REMINDER, RunClearReminder},
    {IDM_DELETE_ALL, DeleteAllUrls},
    {IDM_DELETE_SELECTED, RunDeleteSelected},
    {IDM_COPY, CopySelectedUrls},
    {IDM_OPEN_IN_BROWSER, OpenSelectedUrls},
    {IDM_ADD_GROUP, AddGroupCommand},
    {IDM_RENAME_GROUP, RenameTargetGroup},
    {IDM_DELETE_GROUP, DeleteTargetGroup},
    {IDM_EDIT_URL, EditUrlOfCurrentRow},
    {IDM_MOVE_GROUP_UP, MoveTargetGroupUp},
    {IDM_MOVE_GROUP_DOWN, MoveTargetGroupDown},
    {IDM_EDIT_TAGS, EditTagsOfSelection},
    {IDM_FILTER_BY_TAGS, FilterByTags},
    {IDM_ADD_TAG, AddTagCommand},
    {IDM_EDIT_TITLE, EditTitleOfCurrentRow},
    {IDM_DESKTOP_SHORTCUT, CreateDesktopShortcuts},
    {IDM_VALIDATE_URL, nullptr},
    {IDM_VALIDATE_ALL, nullptr},
    {IDM_DELETE_INVALID, nullptr},
    {IDM_VALIDATE_GROUP, nullptr},
    {IDM_AUTO_TAG_RULES, nullptr},
    {IDM_AUTO_GROUP_RULES, nullptr},
    {IDM_GENERATE_QR, nullptr},
    {IDM_IMPORT_QR_IMAGE, nullptr},
    {IDM_TOGGLE_PIN, RunTogglePin},
    {IDM_UNPIN_ALL, RunUnpinAll},
    {IDM_COLUMN_FIRST + 0, RunToggleColumn<0>},
    {IDM_COLUMN_FIRST + 1, RunToggleColumn<1>},
    {IDM_COLUMN_FIRST + 2, RunToggleColumn<2>},
    {IDM_COLUMN_FIRST + 3, RunToggleColumn<3>},
    {IDM_COLUMN_FIRST + 4, RunToggleColumn<4>},
    {IDM_COLUMN_FIRST + 5, RunToggleColumn<5>},
    {IDM_COLUMN_FIRST + 6, RunToggleColumn<6>},
    {IDM_COLUMN_FIRST + 7, RunToggleColumn<7>},
    {IDM_COLUMN_FIRST + 8, RunToggleColumn<8>},
    {IDM_COLUMN_FIRST + 9, RunToggleColumn<9>},
    {IDM_SHOW_ALL_COLUMNS, RunShowAllColumns},
    {IDM_RESET_COLUMN_WIDTHS, RunResetColumnWidths},
    {IDM_RESET_COLUMN_ORDER, RunResetColumnOrder},
    {IDM_TRAY_RESTORE, ShowFromTray},
    {IDM_TRAY_ABOUT, ShowAboutDialog},
    {IDM_HIDE_TO_TRAY, HideToTray},
    {IDM_TRAY_OPTIONS, nullptr},
    {IDM_CHECK_UPDATES, nullptr},
    {IDM_QUICK_ADD, QuickAddUrl},
};

CommandKind KindOf(DynamicCommand kind) {
    switch (kind) {
        case DynamicCommand::MoveToGroup: return CommandKind::MoveToGroup;
        case DynamicCommand::RenameGroup: return CommandKind::RenameGroup;
        case DynamicCommand::DeleteGroup: return CommandKind::DeleteGroup;
        case DynamicCommand::RenameTag: return CommandKind::RenameTag;
        case DynamicCommand::DeleteTag: return CommandKind::DeleteTag;
    }
    return CommandKind::Unknown;
}

const FixedCommand* FindFixedCommand(UINT id) {
    for (const FixedCommand& command : kFixedCommands)
        if (command.id == id) return &command;
    return nullptr;
}

// The filter bar's controls send notifications that are not commands; only
// the ones the filter bar acts on are taken, the clear button's of any kind.
bool IsFilterBarNotification(UINT id, UINT code) {
    switch (id) {
        case IDC_SEARCH_EDIT: return code == EN_CHANGE;
        case IDC_SEARCH_CLEAR: return true;
        case IDC_TAG_FILTER:
        case IDC_REMINDER_FILTER: return code == CBN_SELCHANGE;
        default: return false;
    }
}

bool IsFilterBarControl(UINT id) {
    return id == IDC_SEARCH_EDIT || id == IDC_SEARCH_CLEAR || id == IDC_TAG_FILTER || id == IDC_REMINDER_FILTER;
}

void RunFilterBarNotification(UINT id) {
    switch (id) {
        case IDC_SEARCH_EDIT: OnSearchTextChanged(); break;
        case IDC_SEARCH_CLEAR: OnSearchClearClicked(); break;
        case IDC_TAG_FILTER: OnFilterSelectionChanged(g_tagFilterCombo); break;
        case IDC_REMINDER_FILTER: OnFilterSelectionChanged(g_reminderFilterCombo); break;
        default: break;
    }
}

}  // namespace

DecodedCommand DecodeCommand(UINT id, UINT notifyCode) {
    if (IsFilterBarControl(id))
        return IsFilterBarNotification(id, notifyCode) ? DecodedCommand{CommandKind::FilterBar, static_cast<int>(id)}
                                                       : DecodedCommand{};
    if (FindFixedCommand(id)) return {CommandKind::Fixed, static_cast<int>(id)};
    if (std::optional<DynamicTarget> dynamic = DecodeDynamicCommand(id)) return {KindOf(dynamic->kind), dynamic->target};
    return {};
}

bool RunCommand(HWND window, UINT id, UINT notifyCode) {
    const DecodedCommand command = DecodeCommand(id, notifyCode);
    switch (command.kind) {
        case CommandKind::Unknown: return false;
        case CommandKind::FilterBar: RunFilterBarNotification(id); return true;
        case CommandKind::Fixed:
            if (CommandHandler handler = FindFixedCommand(id)->handler) handler(window);
            return true;
        case CommandKind::MoveToGroup: MoveToGroup(command.argument); return true;
        case CommandKind::RenameGroup: RenameGroupCommand(window, command.argument); return true;
        case CommandKind::DeleteGroup: DeleteGroupCommand(window, command.argument); return true;
        case CommandKind::RenameTag: RenameTagCommand(window, command.argument); return true;
        case CommandKind::DeleteTag: DeleteTagCommand(window, command.argument); return true;
    }
    return false;
}
