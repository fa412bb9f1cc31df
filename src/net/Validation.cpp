#include "net/Validation.h"

// No HTTP client yet: no verdict.
std::wstring ValidateUrl(const std::wstring&) { return {}; }
