#pragma once
#include <string>

// Checks over HTTP whether the URL answers; returns the verdict shown in the
// "Valid" column.
std::wstring ValidateUrl(const std::wstring& url);
