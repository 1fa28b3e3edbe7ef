#include "graph/series_geometry.h"

namespace {

// The value at `a` on the line through (e, d) and (c, b).
double Interpolate(double a, double e, double d, double c, double b)
{
    return d + (a - e) / (c - e) * (b - d);
}

bool Inside(double v, double lo, double hi)
{
    return lo <= v && v <= hi;
}

void StepSegments(const std::vector<TSeriesPoint> &p, double baseline, std::vector<TDataSegment> &out)
{
    const std::size_t n = p.size();
    double left = p[0].X - (p[1].X - p[0].X) * 0.5;
    double previous = baseline;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        out.push_back({left, previous, left, p[i].Y});
        const double mid = p[i].X + (p[i + 1].X - p[i].X) * 0.5;
        out.push_back({left, p[i].Y, mid, p[i].Y});
        left = mid;
        previous = p[i].Y;
    }
    const TSeriesPoint &last = p[n - 1];
    out.push_back({left, previous, left, last.Y});
    const double right = 2 * last.X - left;
    out.push_back({left, last.Y, right, last.Y});
    out.push_back({right, last.Y, right, baseline});
}

} // namespace

std::vector<TDataSegment> SeriesSegments(const TSeries &series, double baseline)
{
    std::vector<TDataSegment> out;
    const std::vector<TSeriesPoint> &p = series.Points;
    switch (series.LineType) {
    case ltSteps:
        if (p.size() >= 2)
            StepSegments(p, baseline, out);
        break;
    case ltImpulses:
        for (const TSeriesPoint &q : p)
            out.push_back({q.X, baseline, q.X, q.Y, true});
        break;
    case ltPolyline:
    case ltThinLine:
    default:
        for (std::size_t i = 1; i < p.size(); ++i)
            out.push_back({p[i - 1].X, p[i - 1].Y, p[i].X, p[i].Y});
        break;
    }
    return out;
}

std::optional<TDataSegment> ClipSegment(TDataSegment s, const TDataRange &r)
{
    // Two passes settle x; the third can only cut y.
    for (int pass = 0; pass < 3; ++pass) {
        const bool x1In = Inside(s.X1, r.XMin, r.XMax), x2In = Inside(s.X2, r.XMin, r.XMax);
        const bool y1In = Inside(s.Y1, r.YMin, r.YMax), y2In = Inside(s.Y2, r.YMin, r.YMax);
        if (x1In && x2In && y1In && y2In)
            return s;
        if ((s.X1 <= r.XMin && s.X2 <= r.XMin) || (s.X1 >= r.XMax && s.X2 >= r.XMax) ||
            (s.Y1 <= r.YMin && s.Y2 <= r.YMin) || (s.Y1 >= r.YMax && s.Y2 >= r.YMax) || s.X2 == r.XMin ||
            s.X1 == r.XMax)
            return std::nullopt;
        if (!x1In || !x2In) {
            if (!x1In) {
                s.Y1 = Interpolate(r.XMin, s.X1, s.Y1, s.X2, s.Y2);
                s.X1 = r.XMin;
            }
            if (!x2In) {
                s.Y2 = Interpolate(r.XMax, s.X1, s.Y1, s.X2, s.Y2);
                s.X2 = r.XMax;
            }
            continue;
        }
        if (!y1In) {
            const double bound = s.Y1 < r.YMin ? r.YMin : r.YMax;
            s.X1 = Interpolate(bound, s.Y1, s.X1, s.Y2, s.X2);
            s.Y1 = bound;
        }
        if (!y2In) {
            const double bound = s.Y2 < r.YMin ? r.YMin : r.YMax;
            s.X2 = Interpolate(bound, s.Y1, s.X1, s.Y2, s.X2);
            s.Y2 = bound;
        }
        return s;
    }
    return std::nullopt;
}

TSymbolShape SymbolShape(int type, int x, int y, int size)
{
    using Kind = TSymbolShape::Kind;
    const int h = size / 2, h2 = h + size % 2;
    TSymbolShape s;
    s.filled = type % 2 == 1;
    s.outlineWidth = size * 220 / 1000;
    switch (type) {
    case 0:
        s.kind = Kind::Lines;
        s.points = {{x - h, y}, {x + h2, y}, {x, y - h}, {x, y + h2}};
        break;
    case 1:
        s.kind = Kind::Lines;
        s.points = {{x - h, y - h}, {x + h2, y + h2}, {x - h, y + h2}, {x + h2, y - h}};
        break;
    case 2:
    case 3:
    case 6:
    case 7:
        s.kind = type < 6 ? Kind::Rectangle : Kind::Ellipse;
        s.points = {{x - h, y - h}, {x + h2, y + h2}};
        break;
    case 4:
    case 5:
        s.kind = Kind::Polygon;
        s.points = {{x, y - h}, {x + h2, y}, {x, y + h2}, {x - h, y}};
        break;
    case 8:
    case 9:
        s.kind = Kind::Polygon;
        s.points = {{x, y - h}, {x + h, y + h}, {x - h, y + h}};
        break;
    case 10:
    case 11:
        s.kind = Kind::Polygon;
        s.points = {{x, y + h}, {x + h, y - h}, {x - h, y - h}};
        break;
    default:
        s.kind = Kind::None;
        break;
    }
    return s;
}
