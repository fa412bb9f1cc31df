#include "app/GroupTagCommands.h"

#include <string>
#include <vector>

#include "app/Menus.h"
#include "grid/FilterBar.h"
#include "grid/GridState.h"
#include "grid/GroupOperations.h"
#include "grid/Selection.h"
#include "model/AppState.h"
#include "model/GroupNames.h"
#include "model/TagVocabulary.h"
#include "model/Undo.h"
#include "storage/Database.h"
#include "base/FixedText.h"
#include "ui/StandardDialogs.h"

namespace {

// The standard message box holds this much text.
constexpr size_t kQuestionRoom = 255;

void Warn(HWND window, const std::wstring& text, const wchar_t* caption) {
    ShowMessageBox(window, text.c_str(), caption, MB_ICONWARNING);
}

std::wstring TooLongText(const wchar_t* what) {
    return std::wstring(what) + L" name can have at most " + std::to_wstring(kMaxNameLength) +
           L" characters.";
}

// A question naming a group or tag: a long name is shortened, with an
// ellipsis, so the whole question fits the message box.
std::wstring QuestionAbout(const wchar_t* before, const std::wstring& name, const wchar_t* after) {
    const std::wstring frame = std::wstring(before) + after;
    const size_t room = frame.size() < kQuestionRoom ? kQuestionRoom - frame.size() : 0;
    return before + ShortenForDisplay(name, room, 1) + after;
}

// A name longer than the prompt is shown cut; confirming it as shown is no
// new name, or the rename would cut the name the user never touched.
bool IsNameAsPrompted(const std::wstring& answer, const std::wstring& name) {
    return name.size() > kInputBoxRoom && answer == ShortenText(name, kInputBoxRoom);
}

bool IsTagPosition(int position) {
    return position >= 0 && position < static_cast<int>(g_app.tagNames.size());
}

// A typed tag name's verdict, told to the user when it is refused; true
// when the name may be used.
bool AcceptTagName(HWND window, NameVerdict verdict, const wchar_t* caption) {
    switch (verdict) {
        case NameVerdict::Accepted: return true;
        case NameVerdict::Empty: Warn(window, L"Tag name cannot be empty.", caption); return false;
        case NameVerdict::TooLong: Warn(window, TooLongText(L"A tag"), caption); return false;
        case NameVerdict::Taken: Warn(window, L"A tag with that name already exists.", L"Vantrelix"); return false;
        default: return false;
    }
}

}  // namespace

int TargetGroupId() {
    if (g_grid.contextGroupId >= 0) return g_grid.contextGroupId;
    const int row = GetFocusRow();
    if (row < 0 || row >= static_cast<int>(g_grid.visibleRows.size())) return -1;
    return g_grid.visibleRows[row].groupId;
}

// The undo step comes before the name is tried, so a name that is taken
// still leaves "Add Group" to undo.
void AddGroupCommand(HWND window) {
    std::wstring typed;
    if (!ShowInputBox(window, L"Vantrelix Add Group", L"Group name:", typed, L"")) return;
    std::wstring name;
    const NameVerdict verdict = CheckNewGroupName(typed, name);
    if (verdict == NameVerdict::TooLong) return Warn(window, TooLongText(L"A group"), L"Vantrelix Add Group");
    PushUndo(L"Add Group");
    if (verdict != NameVerdict::Accepted || CreateGroup(name) < 0)
        return Warn(window, L"Vantrelix Group already exists or name is empty.", L"Error");
    SaveCatalogue();
    RebuildGroupMenus();
}

// The checks and messages are those of renaming a group in the grid: a name
// taken by any group, its own in another letter case included, is refused
// after the undo step was recorded.
void RenameGroupCommand(HWND window, int groupId) {
    const UrlGroup* group = FindGroupById(groupId);
    if (!group) return;
    const std::wstring current = group->name;
    std::wstring typed;
    if (!ShowInputBox(window, L"Vantrelix Rename Group", L"New group name:", typed, current.c_str())) return;
    if (IsNameAsPrompted(typed, current)) return;
    std::wstring name;
    switch (CheckGroupRename(groupId, typed, name)) {
        case NameVerdict::Missing:
        case NameVerdict::Unchanged:
            return;
        case NameVerdict::Empty:
            return Warn(window, L"Group name cannot be empty.", L"Vantrelix Rename Group");
        case NameVerdict::TooLong:
            return Warn(window, TooLongText(L"A group"), L"Vantrelix Rename Group");
        case NameVerdict::Taken:
        case NameVerdict::Accepted:
            break;
    }
    PushUndo(L"Rename Group");
    if (!RenameGroup(groupId, name)) return Warn(window, L"Name already in use!", L"Vantrelix Error");
    SaveCatalogue();
    RebuildGroupMenus();
    RefreshGrid();
}

void DeleteGroupCommand(HWND window, int groupId) {
    const UrlGroup* group = FindGroupById(groupId);
    if (!group) return;
    const std::wstring question = QuestionAbout(L"Delete group \"", group->name, L"\" and all its URLs?");
    if (ShowMessageBox(window, question.c_str(), L"Vantrelix Confirm Delete Group",
                       MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (!FindGroupById(groupId)) return;
    PushUndo(L"Delete Group");
    DeleteGroup(groupId);
    SaveCatalogue();
    RebuildGroupMenus();
}

// A group already at that end keeps the recorded step: the step is taken
// before the move is tried.
void MoveGroupCommand(int groupId, bool up) {
    PushUndo(up ? L"Move Group Up" : L"Move Group Down");
    if (!(up ? MoveGroupUp(groupId) : MoveGroupDown(groupId))) return;
    RefreshGridWithColumns();
    SaveCatalogue();
}

void RenameTargetGroup(HWND window) {
    if (const int id = TargetGroupId(); id >= 0) RenameGroupCommand(window, id);
}
void DeleteTargetGroup(HWND window) {
    if (const int id = TargetGroupId(); id >= 0) DeleteGroupCommand(window, id);
}
void MoveTargetGroupUp(HWND) {
    if (const int id = TargetGroupId(); id >= 0) MoveGroupCommand(id, true);
}
void MoveTargetGroupDown(HWND) {
    if (const int id = TargetGroupId(); id >= 0) MoveGroupCommand(id, false);
}

// The chooser shows the first URL's tags as the vocabulary spells them, so
// an entry in another letter case is offered checked instead of dropped.
// The URLs are taken before the dialog: a capture while it is open may
// rebuild the rows.
void EditTagsOfSelection(HWND window) {
    const std::vector<int> rows = GetSelectedRows();
    if (rows.empty() || rows.front() < 0) return;
    const std::vector<std::wstring> urls = GetSelectedUrls();
    std::vector<std::wstring> chosen;
    if (!ShowEditTagsDialog(window, VocabularyTagsOf(urls.front()), chosen)) return;
    PushUndo(L"Edit Tags");
    SetUrlTags(urls, chosen);
    FillTagFilterCombo();
    RefreshGridWithColumns();
    SaveCatalogue();
}

void FilterByTags(HWND) {
    if (!g_tagFilterCombo) return;
    SetFocus(g_tagFilterCombo);
    SendMessageW(g_tagFilterCombo, CB_SHOWDROPDOWN, TRUE, 0);
}

void AddTagCommand(HWND window) {
    std::wstring typed;
    if (!ShowInputBox(window, L"Vantrelix Add Tag", L"Tag name:", typed, L"")) return;
    std::wstring name;
    if (!AcceptTagName(window, CheckNewTagName(typed, name), L"Vantrelix Add Tag")) return;
    PushUndo(L"Add Tag");
    AddTagName(name);
    FillTagFilterCombo();
    SaveCatalogue();
}

// The position is the one the Tags menu showed; the tag is looked at again
// after the prompt, which a capture may outlast.
void RenameTagCommand(HWND window, int position) {
    if (!IsTagPosition(position)) return;
    const std::wstring old = g_app.tagNames[position];
    std::wstring typed;
    if (!ShowInputBox(window, L"Vantrelix Rename Tag", L"New tag name:", typed, old.c_str())) return;
    if (IsNameAsPrompted(typed, old) || !IsTagPosition(position) || g_app.tagNames[position] != old) return;
    std::wstring name;
    if (!AcceptTagName(window, CheckTagRename(position, typed, name), L"Vantrelix Rename Tag")) return;
    PushUndo(L"Rename Tag");
    RenameTagAt(position, name);
    FillTagFilterCombo();
    RefreshGridWithColumns();
    SaveCatalogue();
}

void DeleteTagCommand(HWND window, int position) {
    if (!IsTagPosition(position)) return;
    const std::wstring name = g_app.tagNames[position];
    const std::wstring question =
        QuestionAbout(L"Delete tag \"", name, L"\"?\nIt will be removed from all URLs.");
    if (ShowMessageBox(window, question.c_str(), L"Vantrelix Confirm Delete Tag",
                       MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (!IsTagPosition(position) || g_app.tagNames[position] != name) return;
    PushUndo(L"Delete Tag");
    DeleteTagAt(position);
    FillTagFilterCombo();
    RefreshGridWithColumns();
    SaveCatalogue();
}
