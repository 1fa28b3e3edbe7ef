#include "graph/layout.h"

int OuterTickSpace(TTickPos position, int len)
{
    switch (position) {
    case tpOut:
        return len;
    case tpCenter:
        return len / 2;
    case tpIn:
        break;
    }
    return 0;
}

THorizontalLayout LayoutHorizontal(const THorizontalLayoutInput &in)
{
    THorizontalLayout out;
    const int outerLeft = in.Area.Left + in.MarginLeft;
    int plotLeft = outerLeft;
    if (in.YTicksOutside)
        plotLeft += OuterTickSpace(in.YTickPosition, in.YMajorTickLen);
    int labelRight = plotLeft;
    if (in.YLabels) {
        plotLeft += in.YLabelExtent + in.YLabelDistance;
        labelRight = outerLeft + in.YLabelExtent;
    }
    int titleLeft = outerLeft;
    if (in.YTitle) {
        plotLeft += in.YTitleExtent + in.YTitleDist;
        if (in.YLabels)
            labelRight = outerLeft + in.YTitleExtent + in.YTitleDist + in.YLabelExtent;
    }
    out.YTitleOffset = plotLeft - titleLeft;
    out.YLabelOffset = plotLeft - labelRight;
    if (in.FixedHorPos)
        plotLeft = in.Area.Left + in.BoxLeft;
    out.PlotLeft = plotLeft;
    out.BoxLeft = plotLeft - in.Area.Left;

    int plotRight = in.Area.Left + in.Area.Width - in.MarginRight;
    if (in.LegendRight)
        plotRight -= in.LegendDistance + in.LegendWidth;
    if (in.FixedHorPos)
        plotRight = in.Area.Left + in.BoxRight;
    out.PlotRight = plotRight;
    out.BoxRight = plotRight - in.Area.Left;
    return out;
}

TVerticalLayout LayoutVertical(const TVerticalLayoutInput &in)
{
    TVerticalLayout out;
    int plotTop = in.Area.Top + in.MarginTop;
    const int titleTop = plotTop;
    if (in.GraphTitle)
        plotTop += in.GraphTitleHeight + in.GraphTitleDistance;
    if (in.LegendTop)
        plotTop += in.LegendDistance + in.LegendHeight;
    out.TitleOffset = plotTop - titleTop;
    if (in.FixedVerPos)
        plotTop = in.Area.Top + in.BoxTop;
    out.PlotTop = plotTop;
    out.BoxTop = plotTop - in.Area.Top;

    int plotBottom = in.Area.Top + in.Area.Height - in.MarginBottom;
    int legendTop = plotBottom;
    if (in.LegendBottom) {
        legendTop = plotBottom - in.LegendHeight;
        plotBottom -= in.LegendHeight + in.LegendDistance;
    }
    int xTitleTop = plotBottom;
    if (in.XTitle) {
        plotBottom -= in.XTitleExtent;
        xTitleTop = plotBottom;
        plotBottom -= in.XTitleDist;
    }
    int xLabelBottom = plotBottom;
    if (in.XLabels) {
        plotBottom -= in.XLabelExtent;
        xLabelBottom = plotBottom + in.XLabelExtent;
        plotBottom -= in.XLabelDistance;
    }
    if (in.XTicksOutside)
        plotBottom -= OuterTickSpace(in.XTickPosition, in.XMajorTickLen);
    out.XLabelOffset = xLabelBottom - plotBottom;
    out.XTitleOffset = xTitleTop - plotBottom;
    out.BottomLegendOffset = legendTop - plotBottom;
    if (in.FixedVerPos)
        plotBottom = in.Area.Top + in.BoxBottom;
    out.PlotBottom = plotBottom;
    out.BoxBottom = plotBottom - in.Area.Top;
    return out;
}
