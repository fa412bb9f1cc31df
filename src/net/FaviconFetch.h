#pragma once
#include <string>

// Starts a background fetch of the URL's page title and its domain's favicon
// when either is still missing.
void StartFaviconFetch(const std::wstring& url);

// The blocking forms, for the in-place URL editor, which waits for both
// before it saves: the URL's title (fetched and stored when it has none) and
// its domain's favicon index (0, the default icon, when there is none).
std::wstring FetchTitleNow(const std::wstring& url);
int FetchFaviconNow(const std::wstring& url);
