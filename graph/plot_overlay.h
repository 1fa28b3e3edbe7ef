// What the graph shows over its picture on the screen while the user reads
// it: a read-out box of coloured lines beside the pointer, a crosshair for
// keyboard use and the rectangle of a zoom drag. Never part of a printed or
// saved graph: only the control's screen painting draws it.
#pragma once

#include "graph/canvas.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

// One line of the read-out: a line sample and the label markup in the
// curve's colour, then the text (markup) in the same colour.
struct TReadoutBoxLine
{
    QColor Colour;
    QString Label;
    QString Text;
};

struct TPlotOverlay
{
    // The point read: the read-out box keeps its column clear.
    std::optional<QPoint> Pointer;
    // Drawn as a vertical and a horizontal line through the plot box.
    bool Crosshair = false;
    // A zoom drag in progress.
    std::optional<QRect> ZoomRect;
    // The read-out: a heading (markup, black) and the lines; no box when
    // both are empty.
    QString Heading;
    std::vector<TReadoutBoxLine> Lines;
};

// Where a box of `size` goes beside `pointer`: `gap` to its right, or to its
// left when it does not fit there, clear of the columns within `gap` of the
// pointer (so the curves under the pointer stay visible), vertically centred
// on the pointer and kept inside `plot` as far as it fits. A box too wide
// for either side (a read-out on an edge names both sides and the edge)
// goes `gap` below the pointer, or above it where there is no room below,
// centred on the pointer's column and kept inside `plot`, or inside
// `bounds` (the whole graph) when wider than the plot box: it never runs
// out of the graph while the graph is as wide as the box.
QRect ReadoutBoxPlace(QPoint pointer, QSize size, const QRect &plot, int gap, const QRect &bounds);

// Draws the overlay on `canvas` over a graph whose plot box is `plot` and
// whose whole area is `bounds`, texts in `font` (its colour replaced by each
// line's).
void DrawPlotOverlay(TGraphCanvas &canvas, const TPlotOverlay &overlay, const QRect &plot, const QRect &bounds,
                     const TGraphFont &font);
