// The graph's data series: six fixed slots of up to 600 points, each kept
// sorted by X with no two points at the same X.
#pragma once

#include "graph/graph_types.h"

#include <QString>

#include <cstdint>
#include <vector>

constexpr int kSeriesCount = 6;
constexpr int kMaxSeriesPoints = 600;

struct TSeriesPoint
{
    double X = 0, Y = 0;
    // Not positive: no error bar in that direction.
    double XErr = -1, YErr = -1;
};

// Ways to join the points.
enum TLineType : std::uint8_t {
    ltPolyline = 0,
    ltSteps = 1,    // a step centred on every point
    ltImpulses = 2, // a bar from the x axis up to every point
    ltThinLine = 3  // a polyline with the thinnest solid pen
};

struct TSeries
{
    bool Enabled = false;
    bool ExtentsStale = false;
    bool LineOn = false;
    bool SymbolsOn = false;
    bool XErrorsOn = false, YErrorsOn = false;
    double XMinExt = 0, XMaxExt = 10, YMinExt = 0, YMaxExt = 10;
    QColor Colour = kColorBlack;
    QString Legend;
    int LineWidth = 1;
    TPenStyle PenStyle = TPenStyle::psSolid;
    std::uint8_t LineType = ltPolyline;
    std::uint8_t SymbolType = 0; // 0..11, see symbols.h
    std::uint16_t SymbolSize = 5;
    int ErrorBarWidth = 0;
    int ErrorBarCap = 0;
    std::vector<TSeriesPoint> Points;

    std::uint16_t Count() const { return std::uint16_t(Points.size()); }
    // Enabled and holding points: drawn, followed by auto-sized scales and
    // listed in the legend.
    bool Shown() const { return Enabled && !Points.empty(); }

    // The 1-based position of the last point whose X is not above `x`, or 0;
    // true when that point's X equals `x` exactly.
    bool FindPoint(double x, int &position) const;
    // Inserts in X order, or replaces the Y and errors of the point at the
    // same X. Refused when disabled, full, or for an X or Y that is not a
    // finite number (it could neither be sorted nor drawn).
    bool AddPoint(double x, double y, double xErr, double yErr);
    void RecalcExtents();
};
