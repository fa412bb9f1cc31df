#pragma once
// The in-memory catalogue: groups, URLs and every per-URL attribute, the tag
// vocabulary and the auto rules. One process-wide record, owned by the GUI thread.
#include <map>
#include <set>
#include <string>
#include <vector>

enum class ReminderAction : int { Notify = 0, Open = 1, Both = 2 };
enum class ReminderRepeat : int { None = 0, Daily = 1, Weekly = 2, Monthly = 3 };

struct UrlGroup {
    int id = 0;                      // process-local, never saved
    std::wstring name;               // unique among groups, case-insensitive
    std::vector<std::wstring> urls;  // members in display and saved order
};

struct AutoRule {
    std::wstring pattern;
    std::wstring target;
};

struct AppState {
    std::vector<UrlGroup> groups;
    int nextGroupId = 1;
    std::set<std::wstring> allUrls;
    std::map<std::wstring, std::wstring> titles;
    std::map<std::wstring, std::wstring> createdAt;
    std::map<std::wstring, std::wstring> updatedAt;
    std::map<std::wstring, std::wstring> validationStatus;
    std::map<std::wstring, int> openCounts;
    std::map<std::wstring, std::wstring> lastOpenedAt;
    std::set<std::wstring> pinnedUrls;
    std::map<std::wstring, std::wstring> reminderDates;
    std::map<std::wstring, ReminderAction> reminderActions;
    std::map<std::wstring, ReminderRepeat> reminderRepeats;
    std::map<std::wstring, std::vector<std::wstring>> urlTags;
    std::vector<std::wstring> tagNames;
    std::map<std::wstring, std::wstring> tagUpdatedAt;
    std::map<std::wstring, std::wstring> groupUpdatedAt;
    std::vector<AutoRule> autoTagRules;
    std::vector<AutoRule> autoGroupRules;
};

extern AppState g_app;

inline constexpr wchar_t kDefaultGroupName[] = L"Uncategorized";

// Local time as "YYYY-MM-DD hh:mm:ss".
std::wstring NowTimestamp();

UrlGroup* FindGroupById(int id);
UrlGroup* FindGroupByName(const std::wstring& name);
int CreateGroup(const std::wstring& name);
int DefaultGroupId();
int FindOrCreateGroup(const std::wstring& name);
bool RenameGroup(int id, const std::wstring& newName);
bool AddUrlToGroup(int groupId, const std::wstring& url);
// Files many URLs at once with the same outcome as AddUrlToGroup called for
// each in turn (the grid is refreshed once at the end); returns, per filing,
// whether it was accepted. Costs one sort instead of a search per URL.
struct UrlFiling {
    int groupId;
    const std::wstring* url;
};
// `urlOrder`, when given, lists the filings' indices sorted by URL (equal URLs
// in filing order), saving the sort.
std::vector<bool> AddUrlsToGroups(const std::vector<UrlFiling>& filings,
                                  const std::vector<size_t>* urlOrder = nullptr);
void ClearCatalogue();
