#include "net/FaviconFetch.h"

// Titles and favicons are not fetched yet: the HTTP client does not exist.
void StartFaviconFetch(const std::wstring&) {}
std::wstring FetchTitleNow(const std::wstring&) { return {}; }
int FetchFaviconNow(const std::wstring&) { return 0; }
