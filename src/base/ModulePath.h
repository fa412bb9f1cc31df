#pragma once
#include <string>

// The running executable's full path (at most 260 characters) with everything
// from the last "." of the whole path replaced by the extension given (".db",
// ".ini"); a path without any "." is returned unchanged.
std::wstring ModulePathWithExtension(const wchar_t* extension);
// The same rule applied to any path; exposed for tests.
std::wstring ReplaceExtensionFromLastDot(const std::wstring& path, const wchar_t* extension);
