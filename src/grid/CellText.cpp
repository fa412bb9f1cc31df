#include <string>

#include "grid/Columns.h"
#include "model/AppState.h"

namespace {

template <class Map>
const typename Map::mapped_type* Lookup(const Map& map, const std::wstring& url) {
    auto it = map.find(url);
    return it == map.end() ? nullptr : &it->second;
}

std::wstring TextOf(const std::map<std::wstring, std::wstring>& map, const std::wstring& url) {
    const std::wstring* text = Lookup(map, url);
    return text ? *text : std::wstring();
}

std::wstring TagsText(const std::wstring& url) {
    std::wstring text;
    if (const auto* tags = Lookup(g_app.urlTags, url)) {
        for (size_t i = 0; i < tags->size(); ++i) {
            if (i) text += L", ";
            text += (*tags)[i];
        }
    }
    return text;
}

std::wstring ReminderText(const std::wstring& url) {
    const std::wstring* due = Lookup(g_app.reminderDates, url);
    if (!due || due->empty()) return {};
    std::wstring text = *due;
    const ReminderAction* action = Lookup(g_app.reminderActions, url);
    if (action && *action == ReminderAction::Open)
        text += L" [Open]";
    else if (action && *action == ReminderAction::Both)
        text += L" [Both]";
    else
        text += L" [Notify]";
    if (const ReminderRepeat* repeat = Lookup(g_app.reminderRepeats, url)) {
        switch (*repeat) {
            case ReminderRepeat::Daily:
                text += L" \U0001F501Daily";
                break;
            case ReminderRepeat::Weekly:
                text += L" \U0001F501Weekly";
                break;
            case ReminderRepeat::Monthly:
                text += L" \U0001F501Monthly";
                break;
            default:
                break;
        }
    }
    return text;
}

}  // namespace

std::wstring GetCellText(const std::wstring& url, int column, int rowIndex) {
    switch (column) {
        case ColumnId::Id:
            return rowIndex < 0 ? L"0" : std::to_wstring(rowIndex + 1);
        case ColumnId::Title: {
            const std::wstring* title = Lookup(g_app.titles, url);
            return title && !title->empty() ? *title : url;
        }
        case ColumnId::Url:
            return url;
        case ColumnId::Tags:
            return TagsText(url);
        case ColumnId::Created:
            return TextOf(g_app.createdAt, url);
        case ColumnId::Updated:
            return TextOf(g_app.updatedAt, url);
        case ColumnId::Valid:
            return TextOf(g_app.validationStatus, url);
        case ColumnId::Opens: {
            const int* count = Lookup(g_app.openCounts, url);
            return std::to_wstring(count ? *count : 0);
        }
        case ColumnId::LastOpened:
            return TextOf(g_app.lastOpenedAt, url);
        case ColumnId::Reminder:
            return ReminderText(url);
        default:
            return {};
    }
}

std::wstring GetRowCellText(int rowIndex, int column) {
    if (rowIndex < 0 || static_cast<size_t>(rowIndex) >= g_grid.visibleRows.size()) return {};
    return GetCellText(g_grid.visibleRows[rowIndex].url, column, rowIndex);
}
