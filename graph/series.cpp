#include "graph/series.h"

#include <algorithm>
#include <cmath>

bool TSeries::FindPoint(double x, int &position) const
{
    position = Count();
    while (position > 0 && x < Points[std::size_t(position - 1)].X)
        --position;
    return position >= 1 && x == Points[std::size_t(position - 1)].X;
}

bool TSeries::AddPoint(double x, double y, double xErr, double yErr)
{
    if (!Enabled || Count() >= kMaxSeriesPoints || !std::isfinite(x) || !std::isfinite(y))
        return false;
    int position = 0;
    if (FindPoint(x, position)) {
        TSeriesPoint &p = Points[std::size_t(position - 1)];
        p.Y = y;
        p.XErr = xErr;
        p.YErr = yErr;
    } else {
        Points.insert(Points.begin() + position, TSeriesPoint{x, y, xErr, yErr});
        if (Count() == 1)
            ExtentsStale = true;
    }
    YMinExt = std::min(YMinExt, y);
    YMaxExt = std::max(YMaxExt, y);
    XMinExt = std::min(XMinExt, x);
    XMaxExt = std::max(XMaxExt, x);
    return true;
}

void TSeries::RecalcExtents()
{
    if (!Points.empty()) {
        const auto [xLo, xHi] =
            std::minmax_element(Points.begin(), Points.end(), [](const auto &a, const auto &b) { return a.X < b.X; });
        const auto [yLo, yHi] =
            std::minmax_element(Points.begin(), Points.end(), [](const auto &a, const auto &b) { return a.Y < b.Y; });
        XMinExt = xLo->X;
        XMaxExt = xHi->X;
        YMinExt = yLo->Y;
        YMaxExt = yHi->Y;
    }
    ExtentsStale = false;
}
