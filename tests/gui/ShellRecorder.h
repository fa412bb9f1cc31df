#pragma once
// Stands in for the shell's "open" while it lives: what the program would
// have opened is recorded instead of starting a browser or a program.
#include <string>
#include <vector>

#include "ui/WebLink.h"

class ShellRecorder {
   public:
    ShellRecorder() : previous_(SetShellOpenFunction(Record)) { Opened().clear(); }
    ~ShellRecorder() { SetShellOpenFunction(previous_); }
    ShellRecorder(const ShellRecorder&) = delete;
    ShellRecorder& operator=(const ShellRecorder&) = delete;

    static std::vector<std::wstring>& Opened() {
        static std::vector<std::wstring> opened;
        return opened;
    }

   private:
    static bool Record(HWND, const std::wstring& address) {
        Opened().push_back(address);
        return true;
    }
    ShellOpenFunction previous_;
};
