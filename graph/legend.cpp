#include "graph/legend.h"

#include <algorithm>

TLegendGeometry CalcLegendMetrics(const TLegendMetricsInput &in)
{
    TLegendGeometry g;
    int n = 0, sample = 0, textWidth = 0;
    bool hasSample = false;
    if (in.ShowEntries) {
        for (const TLegendEntryMetrics &e : in.Entries) {
            ++n;
            if (e.LineOn) {
                g.RowHeight = std::max(g.RowHeight, e.LineWidth);
                sample = std::max(sample, in.SampleLength);
                hasSample = true;
            }
            if (e.SymbolsOn) {
                g.RowHeight = std::max(g.RowHeight, e.SymbolSize);
                sample = std::max(sample, e.SymbolSize);
                g.SymbolColumn = std::max(g.SymbolColumn, e.SymbolSize);
                hasSample = true;
            }
            if (e.HasText) {
                g.RowHeight = std::max(g.RowHeight, e.TextHeight);
                textWidth = std::max(textWidth, e.TextWidth);
            }
        }
    } else {
        g.RowHeight = in.PlaceholderHeight;
        n = 1;
        textWidth = in.PlaceholderWidth;
    }
    g.Gap = g.RowHeight * 330 / 1000;
    g.TextOffset = hasSample ? g.Gap + sample : sample;
    g.CellWidth = g.TextOffset + textWidth + g.Gap;
    if (in.Placement == lbxTop || in.Placement == lbxBottom) {
        // As many cells side by side as fit over the plot; never fewer than
        // one, however narrow the plot or the cells.
        g.Columns = g.CellWidth > 0 ? (in.PlotWidth - g.Gap) / g.CellWidth : n;
        g.Columns = std::max(1, std::min(g.Columns, n));
        g.Rows = n / g.Columns + (n % g.Columns ? 1 : 0);
    } else {
        g.Rows = n;
        g.Columns = 1;
    }
    g.Width = g.CellWidth * g.Columns + g.Gap;
    g.Height = 2 * g.Gap + g.RowHeight * g.Rows;
    return g;
}

QPoint LegendPosition(TPlacement placement, const TLegendGeometry &legend, int plotLeft, int plotTop, int plotRight,
                      int plotBottom, int distance, int bottomOffset)
{
    const int centred = plotLeft + (plotRight - plotLeft - legend.Width) / 2;
    const int east = plotRight - distance - legend.Width;
    const int west = plotLeft + distance;
    const int north = plotTop + distance;
    const int south = plotBottom - distance - legend.Height;
    switch (placement) {
    case lbxTop:
        return {centred, plotTop - distance - legend.Height};
    case lbxRight:
        return {plotRight + distance, plotTop + (plotBottom - plotTop - legend.Height) / 2};
    case lbxBottom:
        return {centred, plotBottom + bottomOffset};
    case lbxNorthEast:
        return {east, north};
    case lbxNorthWest:
        return {west, north};
    case lbxSouthEast:
        return {east, south};
    case lbxSouthWest:
        break;
    }
    return {west, south};
}
