// Geometry of the series drawing in plain numbers: the segments a line type
// makes of the points, the clipping of a segment to the scale ranges, and
// the outline of a point symbol.
#pragma once

#include "graph/series.h"

#include <QPoint>

#include <optional>
#include <vector>

// A segment in data units, always with X1 <= X2.
struct TDataSegment
{
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    // The dash pattern starts afresh with this segment.
    bool RestartPattern = false;
    friend bool operator==(const TDataSegment &, const TDataSegment &) = default;
};

// The segments of a series' line: a polyline (types 0 and 3), steps centred
// on the points from and back to the baseline (type 1), or impulses from the
// baseline to every point (type 2). `baseline` is the y axis' Intersection.
std::vector<TDataSegment> SeriesSegments(const TSeries &series, double baseline);

struct TDataRange
{
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0;
};

// The part of a segment inside the range, or none. Cut points are
// interpolated linearly in data units, also on logarithmic axes.
std::optional<TDataSegment> ClipSegment(TDataSegment segment, const TDataRange &range);

// A point symbol at device position (x, y) of scaled size `size`:
//   0 plus, 1 cross, 2/3 square, 4/5 diamond, 6/7 circle, 8/9 triangle up,
//   10/11 triangle down; odd types are filled, even ones open.
struct TSymbolShape
{
    enum class Kind { None, Lines, Rectangle, Ellipse, Polygon };
    Kind kind = Kind::None;
    bool filled = false;
    int outlineWidth = 0; // of open shapes
    // Lines: pairs of end points; Rectangle, Ellipse: the two corners of the
    // box (right and bottom outside); Polygon: its vertices.
    std::vector<QPoint> points;
};

TSymbolShape SymbolShape(int type, int x, int y, int size);
