#pragma once
// Addresses the program hands to the shell to open in the browser. Only web
// addresses go: anything else given to ShellExecuteW could start a program.
#include <windows.h>

#include <string>
#include <string_view>

// True for an address that starts with "http://" or "https://" (any case),
// names a host, and holds no spaces, control characters or characters the
// shell treats specially.
bool IsWebAddress(std::wstring_view address);
// The host name of a web address (without user, port, path or query); empty
// for anything IsWebAddress refuses.
std::wstring HostOfWebAddress(std::wstring_view address);

// Opens a web address with the shell's "open" verb; anything else is refused
// without reaching the shell. True when the shell accepted it.
bool OpenWebAddress(HWND owner, std::wstring_view address);

// Hands any address to the shell's "open", unchecked: for callers that made
// their own decision (and asked the user) first.
bool ShellOpenAddress(HWND owner, const std::wstring& address);

// The shell call OpenWebAddress makes; a test puts a recorder in its place.
using ShellOpenFunction = bool (*)(HWND owner, const std::wstring& address);
ShellOpenFunction SetShellOpenFunction(ShellOpenFunction function);
