#include "absorber/slab.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

bool Positive(double value)
{
    return value > 0.0 && std::isfinite(value);
}

} // namespace

double LinearCoefficient(double massCoefficient, double density)
{
    return Positive(massCoefficient) && Positive(density) ? massCoefficient * density : kNoValue;
}

double MeanFreePath(double linear)
{
    return Positive(linear) ? 1.0 / linear : kNoValue;
}

double HalfValueLayer(double linear)
{
    return Positive(linear) ? std::numbers::ln2 / linear : kNoValue;
}

double TenthValueLayer(double linear)
{
    return Positive(linear) ? std::numbers::ln10 / linear : kNoValue;
}

double Transmission(double linear, double thicknessCm)
{
    if (!Positive(linear) || !(thicknessCm >= 0.0))
        return kNoValue;
    return std::exp(-linear * thicknessCm);
}

double ThicknessForTransmission(double linear, double transmission)
{
    if (!Positive(linear) || !(transmission > 0.0 && transmission <= 1.0))
        return kNoValue;
    // -ln(1) is 0, never -0.
    return transmission == 1.0 ? 0.0 : -std::log(transmission) / linear;
}
