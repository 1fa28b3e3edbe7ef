// Where the graph goes on a printed page. Sizes and positions are asked for
// in millimetres from the physical page edge; the result is in printer
// pixels relative to the printable area, where the printer's drawing starts.
#pragma once

#include "graph/layout.h"

#include <optional>

struct TPrinterPage
{
    int PageWidth = 0, PageHeight = 0; // physical page, device pixels
    int OffsetX = 0, OffsetY = 0;      // of the printable area, device pixels
    double PrintableWidthMM = 0, PrintableHeightMM = 0;
};

// A negative position centres the graph in that direction; a negative size
// takes the whole printable width or height. A graph running over the
// printable area is cut at its edge. Empty when no positive area is left.
std::optional<TDrawArea> PrintArea(const TPrinterPage &page, int leftMM, int topMM, int widthMM, int heightMM);
