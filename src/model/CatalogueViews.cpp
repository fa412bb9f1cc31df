#include "model/CatalogueViews.h"

CatalogueViews g_catalogueViews;

namespace {

void Call(void (*entry)()) {
    if (entry) entry();
}

}  // namespace

void NotifyRowsChanged() { Call(g_catalogueViews.rowsChanged); }
void NotifyRowsAndColumnsChanged() { Call(g_catalogueViews.rowsAndColumnsChanged); }
void NotifyColumnsChanged() { Call(g_catalogueViews.columnsChanged); }
void NotifyCatalogueCleared() { Call(g_catalogueViews.catalogueCleared); }
void NotifyTagsChanged() { Call(g_catalogueViews.tagsChanged); }
void NotifyRemindersChanged() { Call(g_catalogueViews.remindersChanged); }
void NotifyGroupsChanged() { Call(g_catalogueViews.groupsChanged); }

void NotifyUrlFiled(const std::wstring& url) {
    if (g_catalogueViews.urlFiled) g_catalogueViews.urlFiled(url);
}
