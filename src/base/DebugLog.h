#pragma once
// Diagnostics go to the debugger output only; there is no log file.
#include <string>

// Writes "<label> failed (error N): <system text>" when the thread's last
// error code is not 0; does nothing otherwise.
void LogLastError(const wchar_t* label);
void DebugText(const wchar_t* text);
