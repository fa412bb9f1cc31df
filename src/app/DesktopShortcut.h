#pragma once
// Internet shortcut files (".url") on the desktop, one per URL.
#include <windows.h>

#include <optional>
#include <string>

// The file name (without ".url") for a shortcut titled `title`: characters
// the file system forbids become "_", trailing dots and spaces go, a name
// the system reserves for a device ("CON", "LPT1", ...) gets a "_" in front,
// and the name is cut so that `folder`\name.url fits in 259 characters.
// nullopt when the folder leaves no room for a name.
std::optional<std::wstring> ShortcutFileName(const std::wstring& folder, const std::wstring& title);

// The file's bytes: the section line and the URL line. A line break in the
// URL is written percent-encoded, so the URL cannot add lines (and keys) of
// its own to the file.
std::string ShortcutFileContent(const std::wstring& url);

// Writes the shortcut and tells the user the outcome in a message box.
void CreateDesktopShortcut(HWND owner, const std::wstring& url, const std::wstring& title);
// Command 2029: one shortcut per selected row, named after its Title cell.
void CreateDesktopShortcuts(HWND owner);
