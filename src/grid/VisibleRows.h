#pragma once
// Which rows the grid shows, in which order, and the group sections.
#include <string>
#include <vector>

#include "grid/GridState.h"

void RebuildVisibleRows();
std::vector<DisplayLine> BuildDisplayLines();
int DisplayLineOfRow(int rowIndex);
int RowOfUrl(const std::wstring& url);
std::wstring GetSearchText();
bool CompareCellTexts(const std::wstring& a, const std::wstring& b);
