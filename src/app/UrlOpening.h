#pragma once
// Handing catalogued texts to the browser. A catalogue can hold any text
// (typed in, imported, restored from a backup), and the shell's "open" runs
// a program path or a share as readily as it opens a web page, so only web
// and mail addresses are opened without a question.
#include <windows.h>

#include <string>

// http, https, ftp, ftps or mailto, in any letter case, with no control
// characters.
bool OpensWithoutAsking(const std::wstring& url);

// Opens the URL; any other text only after the user said Yes to a question
// that names it (No is the default). True when the shell took it.
bool OpenCatalogueUrl(HWND owner, const std::wstring& url);
// The same without the question: what would need one is not opened.
bool OpenCatalogueUrlWithoutAsking(HWND owner, const std::wstring& url);
