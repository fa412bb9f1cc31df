#pragma once
#include <string>

// Starts a background fetch of the URL's page title and its domain's favicon
// when either is still missing.
void StartFaviconFetch(const std::wstring& url);
