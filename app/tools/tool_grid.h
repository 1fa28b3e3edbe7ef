// The read-only grids of the tool windows, drawn as the data setup dialog
// draws its own: headers and row labels centred and names left in "Arial",
// numbers right in "Courier New", the selected row on white.
#pragma once

#include <QStringList>

#include <initializer_list>

class StringGrid;

// numberColumns are right-aligned; widthTexts[i] (when not empty) sets the
// width of column i.
void ConfigureToolGrid(StringGrid &grid, std::initializer_list<int> numberColumns, const QStringList &widthTexts);
