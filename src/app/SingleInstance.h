#pragma once
// One running copy per executable file. The database and the settings sit
// beside the executable, so two copies started from the same file would
// overwrite each other's saves; a second start brings the running window
// forward and ends instead. Copies in other folders run side by side.
#include <windows.h>

#include <cstdint>
#include <string>

// Identity of an executable path: a 64-bit FNV-1a hash of the path in lower
// case, so spellings that differ only in letter case are one identity.
uint64_t ExecutablePathIdentity(const std::wstring& path);
// The identity of this process's executable (its full path in long form).
uint64_t ThisExecutableIdentity();

// The name of the mutex that marks a running copy: "Local\Vantrelix-" and
// the identity in 16 hex digits. Mutex names may not hold "\" after the
// namespace and are limited to MAX_PATH characters; a hash is short and
// plain however long the path is.
std::wstring InstanceMutexName(uint64_t identity);

// Registered message a second copy sends to the main windows of the class:
// lParam is the sender's executable identity; a window of the same identity
// comes forward and answers kShowInstanceAnswer.
UINT ShowInstanceMessage();
inline constexpr LRESULT kShowInstanceAnswer = 0x56544958;
// The main window's side: shows it when `identity` is its own.
LRESULT OnShowInstanceRequest(HWND window, LPARAM identity);

// Holds this executable's instance mutex for as long as it lives. Made while
// another copy runs, it asks that copy's main window (class `className`) to
// come forward; should that copy be ending instead, it waits for the mutex
// and takes over.
class InstanceLock {
   public:
    explicit InstanceLock(const wchar_t* className);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // False when another copy of the executable runs on.
    bool IsFirstCopy() const { return first_; }
    // True when the other copy's window answered and came forward.
    bool ReachedRunningCopy() const { return reached_; }

   private:
    HANDLE mutex_ = nullptr;
    bool owned_ = false;
    bool first_ = true;
    bool reached_ = false;
};

// Asks the running copy's main window (class `className`) to come forward;
// true when one answered.
bool AskRunningCopyToShow(const wchar_t* className, uint64_t identity);
