#include "graph/scale_map.h"

#include <cmath>

int ClampCoord(long long v)
{
    if (v < -32768)
        return -32768;
    if (v > 32767)
        return 32767;
    return int(v);
}

int RoundToCoord(double v)
{
    if (std::isnan(v))
        return -32768;
    const double r = vexplot::RoundHalfEven(v);
    if (r <= -32768)
        return -32768;
    if (r >= 32767)
        return 32767;
    return int(r);
}

double AxisFactor(TScaleType type, double min, double max, int pixelSpan)
{
    const double range = type == stLog ? std::log(max) - std::log(min) : max - min;
    return double(pixelSpan) / range;
}

std::optional<int> TAxisMapping::Map(double v) const
{
    double d;
    if (Type == stLog) {
        if (v <= 0)
            return std::nullopt;
        d = Reversed ? std::log(From) - std::log(v) : std::log(v) - std::log(From);
    } else {
        d = Reversed ? From - v : v - From;
    }
    return RoundToCoord(d * Factor + Origin);
}

double TAxisMapping::Unmap(double pixel) const
{
    const double d = (pixel - Origin) / Factor * (Reversed ? -1 : 1);
    return Type == stLog ? std::exp(std::log(From) + d) : From + d;
}

TAxisMapping XAxisMapping(const TScale &x, double xFactor, int plotLeft)
{
    return {x.ScaleType(), x.Min(), xFactor, plotLeft, false};
}

TAxisMapping YAxisMapping(const TScale &y, double yFactor, int plotTop)
{
    return {y.ScaleType(), y.Max(), yFactor, plotTop, true};
}
