#include "app/mainwindow/main_window_graph.h"

namespace {

TGraphFont Font(const char *face, int characterHeight)
{
    TGraphFont f;
    f.Name = QString::fromLatin1(face);
    f.Height = -characterHeight;
    f.Color = kColorBlack;
    return f;
}

void ConfigureAxis(TAxis &a, const QString &caption, int titleDist, TTextAngle titleAngle, int labelDistance)
{
    a.SetMajTicksEnabled(true);
    a.SetMinTicksEnabled(true);
    a.SetMajorTickLen(12);
    a.SetMinorTickLen(8);
    a.SetMajorTickWid(2);
    a.SetMinorTickWid(1);
    a.SetTickPosition(tpIn);
    a.SetTitleEnabled(true);
    a.SetCaption(caption);
    a.SetTitleDist(titleDist);
    a.SetTitlePos(800);
    a.SetTitleAngle(titleAngle);
    a.SetTickLabelEnabled(true);
    a.SetLabelFormat(QStringLiteral("%-.2e"));
    a.SetLabelDistance(labelDistance);
    a.SetLabelAngle(lr0);
}

void ConfigureScale(TScale &s, TMinLogTicks minor, TMajLogTicks major)
{
    s.SetScaleType(stLog);
    s.SetMin(1);
    s.SetMax(10);
    s.SetLinStep(2);
    s.SetMinRange(10);
    s.SetIntersection(1);
    s.SetMinorTickNumber(1);
    s.SetMinorLogPattern(minor);
    s.SetMajorLogPattern(major);
    s.SetAutoSizing(false);
    s.SetAutoStepping(true);
}

void ConfigureGrid(TGrid &g)
{
    g.SetMajGridEnabled(true);
    g.SetMinGridEnabled(true);
    g.SetMajorGridStyle(TPenStyle::psSolid);
    g.SetMajorGridColor(kColorBlack);
    g.SetMajorGridWidth(1);
    g.SetMinorGridStyle(TPenStyle::psDot);
    g.SetMinorGridColor(kColorBlack);
    g.SetMinorGridWidth(0);
}

} // namespace

QString MainWindowYCaption(CoefficientQuantity quantity)
{
    const QString subscript = quantity == CoefficientQuantity::kEnergyTransfer ? QStringLiteral("<sub>tr</sub>")
        : quantity == CoefficientQuantity::kEnergyAbsorption                   ? QStringLiteral("<sub>en</sub>")
                                                                               : QString();
    // The superscript two is the single character of code 178.
    return QStringLiteral("<sym>m</sym>") + subscript + QStringLiteral("/<sym>r</sym>, cm") + QChar(char16_t(178)) +
        QStringLiteral("/g");
}

void ConfigureMainWindowGraph(TPlotEngine &graph)
{
    graph.SetAutoMetrics(true);
    graph.SetFrame(true);
    graph.SetPlotColor(kColorWhite);
    graph.SetMarginLeft(10);
    graph.SetMarginRight(20);
    graph.SetMarginTop(20);
    graph.SetMarginBottom(10);
    TPBox &box = graph.PlotBox();
    box.SetFixedHorPos(false);
    box.SetFixedVerPos(false);
    box.SetLeft(52);
    box.SetTop(15);
    box.SetRight(662);
    box.SetBottom(445);
    TGTitle &title = graph.GraphTitle();
    title.SetEnabled(false);
    title.SetCaption(QStringLiteral("<sym>m/r</sym> - photon attenuation coefficients"));
    title.SetPosition(500);
    title.SetDistance(12);
    graph.SetFramePen({kColorGray, 3, TPenStyle::psSolid});
    graph.SetAxisPen({kColorGray, 1, TPenStyle::psSolid});
    ConfigureGrid(graph.GridVertical());
    ConfigureGrid(graph.GridHorizontal());
    graph.SetAxisTitleFont(Font("Arial", 20));
    graph.SetTickLabelFont(Font("MS Sans Serif", 20));
    graph.SetGraphTitleFont(Font("Arial", 25));
    graph.SetLegendFont(Font("Arial", 20));
    TLegendBox &legend = graph.LegendBox();
    legend.SetEnabled(true);
    legend.SetPlacement(lbxNorthEast);
    legend.SetDistance(12);
    legend.SetFrameEnabled(true);
    legend.SetFrameColor(kColorBlack);
    legend.SetFrameWidth(2);
    legend.SetBoxColor(kColorWhite);
    legend.SetBoxStyle(TBrushStyle::bsSolid);
    ConfigureAxis(graph.XAxis(), QStringLiteral("photon energy, keV"), 4, lr0, 4);
    ConfigureAxis(graph.YAxis(), MainWindowYCaption(), 6, lr90, 6);
    ConfigureScale(graph.XScale(), kSparsePattern, lt50);
    ConfigureScale(graph.YScale(), st50, 0);
}
