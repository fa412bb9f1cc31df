#pragma once
// Problems with the database file, told to the user: a balloon once when a
// problem begins (held back until the tray icon exists) and the status bar
// for as long as it lasts.
#include <string>

void InstallStorageNotices();
// Shows a balloon that arrived before the tray icon was added.
void ShowPendingStorageNotice();
// The last one-time message about the database file; empty when none came.
const std::wstring& LastStorageNotice();
