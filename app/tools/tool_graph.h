// The graphs of the tool windows: the program's own graph component with the
// look the program gives its graphs (the main window's fonts, grids, frame and
// legend box, handed in by the program), here with a linear x axis and a
// linear or logarithmic y axis, curves of at most 600 points, and a vertical
// marker line.
#pragma once

#include <QColor>
#include <QString>

#include <optional>
#include <vector>

class TPlotEngine;

struct TToolCurve
{
    QString legend; // markup
    QColor colour;
    std::vector<double> x, y;
};

// What gives a graph the program's look.
using TGraphLook = void (*)(TPlotEngine &graph);

// Gives the look, then the axes; the scales follow each PlotToolCurves.
void ConfigureToolGraph(TPlotEngine &graph, TGraphLook look, const QString &xCaption, const QString &yCaption,
                        bool logY);

// Puts the curves into series 1..n (the others cleared), the x scale from
// the smallest to the largest x, the y scale over the values (on a log axis
// whole decades, at most ten of them, and only values above 0), and a
// vertical line at `marker` when it is given and lies inside.
void PlotToolCurves(TPlotEngine &graph, const std::vector<TToolCurve> &curves, std::optional<double> marker);
