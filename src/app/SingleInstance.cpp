#include "app/SingleInstance.h"

#include <cwchar>
#include <vector>

#include "base/DebugLog.h"
#include "app/Tray.h"

namespace {

// How long a second copy keeps trying to reach the first: long enough for a
// first copy that is still loading a large catalogue, or still saving on its
// way out.
constexpr DWORD kReachFirstCopyMs = 10000;
constexpr DWORD kRetryPauseMs = 200;
constexpr UINT kAnswerTimeoutMs = 2000;

std::wstring ThisExecutablePath() {
    std::vector<wchar_t> buf(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buf.data(), (DWORD)buf.size());
        if (n == 0) return L"";
        if (n < buf.size()) return std::wstring(buf.data(), n);
        buf.resize(buf.size() * 2);  // cut to the buffer: ask again with more room
    }
}

// The same file reached through an 8.3 short name is spelled differently;
// the long form is the one spelling every start agrees on.
std::wstring LongForm(const std::wstring& path) {
    DWORD n = GetLongPathNameW(path.c_str(), nullptr, 0);
    if (n == 0) return path;
    std::wstring longPath(n, L'\0');
    n = GetLongPathNameW(path.c_str(), longPath.data(), n);
    if (n == 0 || n >= longPath.size()) return path;
    longPath.resize(n);
    return longPath;
}

}  // namespace

uint64_t ExecutablePathIdentity(const std::wstring& path) {
    std::wstring lower = path;
    if (!lower.empty()) CharLowerBuffW(lower.data(), (DWORD)lower.size());
    uint64_t hash = 14695981039346656037ull;
    for (wchar_t unit : lower) {
        hash ^= static_cast<uint16_t>(unit);
        hash *= 1099511628211ull;
    }
    return hash;
}

uint64_t ThisExecutableIdentity() {
    static const uint64_t identity = ExecutablePathIdentity(LongForm(ThisExecutablePath()));
    return identity;
}

std::wstring InstanceMutexName(uint64_t identity) {
    wchar_t name[40];
    swprintf(name, 40, L"Local\\Vantrelix-%016llx", static_cast<unsigned long long>(identity));
    return name;
}

UINT ShowInstanceMessage() {
    static const UINT message = RegisterWindowMessageW(L"Vantrelix-ShowInstance");
    return message;
}

LRESULT OnShowInstanceRequest(HWND window, LPARAM identity) {
    if (static_cast<uint64_t>(identity) != ThisExecutableIdentity()) return 0;
    ShowFromTray(window);
    return kShowInstanceAnswer;
}

// Every main window of the class is asked; only the one started from the
// same executable answers. A window cannot tell another process's module
// path, but each copy knows its own, so the question carries the identity.
bool AskRunningCopyToShow(const wchar_t* className, uint64_t identity) {
    UINT message = ShowInstanceMessage();
    if (!message) return false;
    for (HWND window = FindWindowExW(nullptr, nullptr, className, nullptr); window;
         window = FindWindowExW(nullptr, window, className, nullptr)) {
        // The user started this copy, so it may hand the foreground on to
        // the window that is to come forward.
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid && pid != GetCurrentProcessId()) AllowSetForegroundWindow(pid);
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutW(window, message, 0, static_cast<LPARAM>(identity),
                                SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerTimeoutMs, &answer) &&
            static_cast<LRESULT>(answer) == kShowInstanceAnswer)
            return true;
    }
    return false;
}

InstanceLock::InstanceLock(const wchar_t* className) {
    const uint64_t identity = ThisExecutableIdentity();
    SetLastError(0);
    mutex_ = CreateMutexW(nullptr, TRUE, InstanceMutexName(identity).c_str());
    DWORD error = GetLastError();
    if (mutex_ && error != ERROR_ALREADY_EXISTS) {
        owned_ = true;
        return;
    }
    if (!mutex_ && error != ERROR_ACCESS_DENIED) {
        // Without the mutex there is no telling; better to run than to refuse.
        LogLastError(L"CreateMutexW (single instance)");
        return;
    }
    // Another copy holds the mutex (or one running under another account,
    // whose mutex we may not even open).
    first_ = false;
    const ULONGLONG deadline = GetTickCount64() + kReachFirstCopyMs;
    do {
        if (AskRunningCopyToShow(className, identity)) {
            reached_ = true;
            return;
        }
        if (!mutex_) {
            Sleep(kRetryPauseMs);
            continue;
        }
        DWORD wait = WaitForSingleObject(mutex_, kRetryPauseMs);
        if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) {
            // The other copy has ended: this one is the running copy now.
            owned_ = true;
            first_ = true;
            return;
        }
    } while (GetTickCount64() < deadline);
    DebugText(L"Another copy of Vantrelix runs from this file but did not answer; this copy ends.\n");
}

InstanceLock::~InstanceLock() {
    if (owned_) ReleaseMutex(mutex_);
    if (mutex_) CloseHandle(mutex_);
}
