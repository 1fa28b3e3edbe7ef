#include "graph/graph_types.h"

#include <climits>
#include <cmath>

QColor ColorFromRgbValue(std::uint32_t value)
{
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

std::uint32_t RgbValueFromColor(const QColor &color)
{
    return std::uint32_t(color.red()) | (std::uint32_t(color.green()) << 8) | (std::uint32_t(color.blue()) << 16);
}

void TGraphFont::SetSize(int points)
{
    Height = -vexplot::RoundToInt(double(points) * kReferencePixelsPerInch / 72.0);
}

int TGraphFont::Size() const
{
    return -vexplot::RoundToInt(double(Height) * 72.0 / kReferencePixelsPerInch);
}

namespace vexplot {

double RoundHalfEven(double v)
{
    // The default floating-point environment rounds to nearest, ties to even.
    return std::nearbyint(v);
}

int RoundToInt(double v)
{
    const double r = RoundHalfEven(v);
    if (std::isnan(r))
        return 0;
    if (r >= double(INT_MAX))
        return INT_MAX;
    if (r <= double(INT_MIN))
        return INT_MIN;
    return int(r);
}

} // namespace vexplot
