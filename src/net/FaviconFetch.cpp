#include "net/FaviconFetch.h"

// Titles and favicons are not fetched yet: the HTTP client does not exist.
void StartFaviconFetch(const std::wstring&) {}
