// The legend box's metrics and position: plain arithmetic over measured
// extents (scaled device units).
#pragma once

#include "graph/graph_parts.h"

#include <QPoint>

#include <vector>

// One legend row: an enabled series that holds points.
struct TLegendEntryMetrics
{
    bool LineOn = false;
    int LineWidth = 0; // scaled
    bool SymbolsOn = false;
    int SymbolSize = 0; // scaled round(1.2 x size)
    bool HasText = false;
    int TextWidth = 0, TextHeight = 0;
};

struct TLegendMetricsInput
{
    // False without data or in a designer: the box holds the placeholder.
    bool ShowEntries = false;
    std::vector<TLegendEntryMetrics> Entries;
    int PlaceholderHeight = 0; // height of "A"
    int PlaceholderWidth = 0;  // width of "Legend Box"
    int SampleLength = 0;      // scaled 43
    TPlacement Placement = lbxNorthEast;
    int PlotWidth = 0; // for the columns above or below the plot
};

struct TLegendGeometry
{
    int Width = 0, Height = 0;
    int RowHeight = 0, CellWidth = 0, TextOffset = 0, Gap = 0, SymbolColumn = 0;
    int Rows = 0, Columns = 0;
};

TLegendGeometry CalcLegendMetrics(const TLegendMetricsInput &in);

// The top-left corner of the box. `plotLeft` is the device x of the x
// scale's Min; `bottomOffset` the layout's offset of a bottom legend.
QPoint LegendPosition(TPlacement placement, const TLegendGeometry &legend, int plotLeft, int plotTop, int plotRight,
                      int plotBottom, int distance, int bottomOffset);
