#include "model/GroupNames.h"

#include "model/AppState.h"

NameVerdict CheckNewGroupName(std::wstring_view typed, std::wstring& name) {
    const NameVerdict verdict = CheckTypedName(typed, name);
    if (verdict != NameVerdict::Accepted) return verdict;
    return FindGroupByName(name) ? NameVerdict::Taken : NameVerdict::Accepted;
}

NameVerdict CheckGroupRename(int groupId, std::wstring_view typed, std::wstring& name) {
    const UrlGroup* group = FindGroupById(groupId);
    const NameVerdict verdict = CheckTypedName(typed, name);
    if (!group) return NameVerdict::Missing;
    if (name == group->name) return NameVerdict::Unchanged;
    if (verdict != NameVerdict::Accepted) return verdict;
    return FindGroupByName(name) ? NameVerdict::Taken : NameVerdict::Accepted;
}
