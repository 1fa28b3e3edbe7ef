// Placement of the plot box and of the texts around it. Pure integer
// arithmetic over already measured extents (all pixel quantities scaled).
// From the bottom up the x direction holds: margin, x title, title distance,
// x tick labels, label distance, the outer part of the tick marks, plot; from
// the left: margin, y title, title distance, y tick labels, label distance,
// outer tick part, plot.
#pragma once

#include "graph/graph_types.h"

struct TDrawArea
{
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

// The part of a tick mark of length `len` that lies outside the plot.
int OuterTickSpace(TTickPos position, int len);

struct THorizontalLayoutInput
{
    TDrawArea Area;
    int MarginLeft = 0, MarginRight = 0;
    // Y tick marks take room only where the y axis stands at the plot's left.
    bool YTicksOutside = false;
    TTickPos YTickPosition = tpCenter;
    int YMajorTickLen = 0;
    bool YLabels = false;
    int YLabelExtent = 0, YLabelDistance = 0;
    bool YTitle = false;
    int YTitleExtent = 0, YTitleDist = 0;
    bool LegendRight = false;
    int LegendDistance = 0, LegendWidth = 0;
    bool FixedHorPos = false;
    int BoxLeft = 0, BoxRight = 0;
};

struct THorizontalLayout
{
    int PlotLeft = 0, PlotRight = 0;
    int YTitleOffset = 0, YLabelOffset = 0;
    // The plot box edges to write back when not fixed.
    int BoxLeft = 0, BoxRight = 0;
};

THorizontalLayout LayoutHorizontal(const THorizontalLayoutInput &in);

struct TVerticalLayoutInput
{
    TDrawArea Area;
    int MarginTop = 0, MarginBottom = 0;
    bool GraphTitle = false;
    int GraphTitleHeight = 0, GraphTitleDistance = 0;
    bool LegendTop = false, LegendBottom = false;
    int LegendDistance = 0, LegendHeight = 0;
    bool XTitle = false;
    int XTitleExtent = 0, XTitleDist = 0;
    bool XLabels = false;
    int XLabelExtent = 0, XLabelDistance = 0;
    // X tick marks take room only where the x axis stands at the plot's bottom.
    bool XTicksOutside = false;
    TTickPos XTickPosition = tpCenter;
    int XMajorTickLen = 0;
    bool FixedVerPos = false;
    int BoxTop = 0, BoxBottom = 0;
};

struct TVerticalLayout
{
    int PlotTop = 0, PlotBottom = 0;
    // Offsets of the texts from the plot edges they belong to.
    int TitleOffset = 0, XLabelOffset = 0, XTitleOffset = 0, BottomLegendOffset = 0;
    int BoxTop = 0, BoxBottom = 0;
};

TVerticalLayout LayoutVertical(const TVerticalLayoutInput &in);
