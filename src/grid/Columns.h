#pragma once
// The ten columns: titles, cell texts, widths, order and visibility.
#include <array>
#include <string>

#include "grid/GridState.h"

std::wstring GetCellText(const std::wstring& url, int column, int rowIndex);
std::wstring GetRowCellText(int rowIndex, int column);
int GetColumnWidth(int column);
void AutoSizeColumns();
