#include "storage/CatalogueFileState.h"

#include <sqlite3.h>

#include "storage/Database.h"

namespace {

struct CatalogueFileState {
    std::wstring unreadPath;  // the file whose catalogue could not be read
    bool saveFailing = false;  // in a streak of failed saves
    std::wstring statusText;
    StorageNoticeHandler handler = nullptr;
};

CatalogueFileState g_file;

// The handler hears of every change of the status text and of every
// one-time message.
void Update(const std::wstring& statusText, const std::wstring& balloon = std::wstring()) {
    bool changed = statusText != g_file.statusText;
    g_file.statusText = statusText;
    if (g_file.handler && (changed || !balloon.empty())) g_file.handler(StorageNotice{balloon});
}

std::wstring FileName(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// A file that holds something else, or whose pages are damaged, will not
// read any better by waiting; a lock or an I/O hiccup may.
bool FileItselfIsBad(int errorCode) {
    int primary = errorCode & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

}  // namespace

void SetStorageNoticeHandler(StorageNoticeHandler handler) { g_file.handler = handler; }

const std::wstring& StorageStatusText() { return g_file.statusText; }

bool CatalogueFileUnread() { return !g_file.unreadPath.empty() && g_file.unreadPath == DatabasePath(); }

std::wstring DescribeDatabaseError(int errorCode) {
    switch (errorCode & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED: return L"another program is using the file";
        case SQLITE_NOTADB: return L"the file is not a database";
        case SQLITE_CORRUPT: return L"the file is damaged";
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_AUTH: return L"the file cannot be opened";
        case SQLITE_READONLY: return L"the file is read-only";
        case SQLITE_FULL: return L"the disk is full";
        case SQLITE_IOERR: return L"the disk reported an error";
        default: {
            const char* text = sqlite3_errstr(errorCode);
            std::wstring reason;
            for (const char* p = text ? text : "error"; *p; ++p) reason += static_cast<wchar_t>(*p);
            return reason;
        }
    }
}

void NoteLoadOutcome(const std::wstring& path, int errorCode) {
    if (errorCode == SQLITE_OK) {
        bool wasUnread = !g_file.unreadPath.empty();
        g_file.unreadPath.clear();
        g_file.saveFailing = false;
        if (wasUnread || !g_file.statusText.empty()) Update(L"");
        return;
    }
    // Told once per file: the retries that fail the same way stay quiet.
    bool alreadyTold = g_file.unreadPath == path;
    g_file.unreadPath = path;
    std::wstring name = FileName(path), reason = DescribeDatabaseError(errorCode);
    if (FileItselfIsBad(errorCode)) {
        Update(L"Not stored: " + name + L" cannot be read (" + reason + L")",
               alreadyTold ? L"" : L"The catalogue in " + name + L" cannot be read: " + reason +
                                       L". The file is left untouched. New URLs are kept in memory only and "
                                       L"are NOT stored.");
    } else {
        Update(L"Catalogue not read yet (" + reason + L"): new URLs are not stored yet",
               alreadyTold ? L"" : L"The catalogue in " + name + L" could not be read: " + reason +
                                       L". Nothing stored will be changed. New URLs are kept and saved as soon "
                                       L"as it can be read; Vantrelix keeps trying.");
    }
}

void NoteSaveOutcome(const std::wstring& path, int errorCode) {
    if (errorCode == SQLITE_OK) {
        if (g_file.saveFailing) Update(L"");
        g_file.saveFailing = false;
        return;
    }
    std::wstring name = FileName(path), reason = DescribeDatabaseError(errorCode);
    // One message per streak of failures, not one per capture.
    bool firstOfStreak = !g_file.saveFailing;
    g_file.saveFailing = true;
    Update(L"Last save failed (" + reason + L"): changes are kept in memory",
           firstOfStreak ? L"The catalogue could not be saved to " + name + L": " + reason +
                               L". Your URLs are kept in memory and the next change tries again."
                         : L"");
}

void NoteCatalogueRecovered(size_t merged) {
    std::wstring text = L"The catalogue could be read after all and is saved again.";
    if (merged == 1) text += L" 1 URL captured meanwhile was added to it.";
    if (merged > 1) text += L" " + std::to_wstring(merged) + L" URLs captured meanwhile were added to it.";
    Update(L"", text);
}
