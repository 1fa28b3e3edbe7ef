#include "graph/scale_algorithms.h"

#include "graph/graph_errors.h"

#include <cmath>
#include <optional>

namespace {

// Not 1/ln 10 exactly: the slightly larger factor keeps exact powers of ten
// (1000 gives 3.0000066) on the safe side of the truncation below.
constexpr double kLog10Factor = 0.4342954425036264;

enum class Axis { X, Y };

const char *AxisLetter(Axis axis)
{
    return axis == Axis::X ? "X" : "Y";
}

void SetEmptyDefaults(TScale &s)
{
    if (s.ScaleType() == stLin) {
        s.SetMin(0);
        s.SetIntersection(s.Min());
        s.SetMax(s.MinRange());
        s.SetLinStep(NiceStep(s.Max() - s.Min()));
        s.SetMinorTickNumber(1);
    } else {
        s.SetMin(1);
        s.SetIntersection(s.Min());
        s.SetMax(s.Min() * s.MinRange());
        s.SetMajorLogPattern(lt50);
        s.SetMinorLogPattern(kSparsePattern);
    }
}

bool FollowLinearData(TScale &s, double lo, double hi)
{
    if (s.MinRange() <= 0)
        s.SetMinRange(10);
    const double h = 0.02 * (hi - lo);
    double newMax = hi + h;
    const double newMin = lo - h;
    if (newMax - newMin < s.MinRange())
        newMax = newMin + s.MinRange();
    if (newMax == s.Max() && newMin == s.Min())
        return false;
    s.SetMax(newMax);
    s.SetMin(newMin);
    s.SetIntersection(s.Min());
    s.SetLinStep(NiceStep(s.Max() - s.Min()));
    s.SetMinorTickNumber(1);
    return true;
}

bool FollowLogData(TScale &s, double lo, double hi, Axis axis)
{
    if (s.MinRange() <= 1)
        s.SetMinRange(10);
    if (lo <= 0)
        lo = 1;
    if (hi <= 0)
        hi = lo * s.MinRange();
    const double f = std::pow(hi / lo, 0.02);
    double newMax = hi * f;
    const double newMin = lo / f;
    if (newMax / newMin < s.MinRange())
        newMax = newMin * s.MinRange();
    if (newMax == s.Max() && newMin == s.Min())
        return false;
    s.SetMin(newMin);
    s.SetMax(newMax);
    s.SetIntersection(s.Min());
    // A wide x axis (more than three decades; two on y) shows only decades as
    // majors, with every whole mantissa as a minor tick.
    const double decades = std::log10(s.Max() / s.Min());
    if (decades > (axis == Axis::X ? 3.0 : 2.0)) {
        s.SetMajorLogPattern(0);
        s.SetMinorLogPattern(kDensePattern);
    } else {
        s.SetMajorLogPattern(lt50);
        s.SetMinorLogPattern(kSparsePattern);
    }
    return true;
}

void ValidateFixedScale(TScale &s, Axis axis)
{
    if (s.ScaleType() == stLin) {
        if (s.MinRange() <= 0)
            s.SetMinRange(10);
        if (s.Max() <= s.Min())
            s.SetMax(s.Min() + s.MinRange());
        if (s.LinStep() <= 0)
            s.SetLinStep(0.2 * s.MinRange());
        if (s.Max() - s.Min() < s.LinStep())
            s.SetLinStep(s.Max() - s.Min());
        if (s.MinorTickNumber() > 10)
            s.SetMinorTickNumber(10);
        return;
    }
    if (s.MinRange() <= 0)
        s.SetMinRange(10);
    if (s.Min() <= 0)
        throw ELogScaleError(std::string("Non-positive scale on ") + AxisLetter(axis) + "-axis");
    if (s.Max() / s.Min() < 1)
        s.SetMax(s.Min() * s.MinRange());
    if (s.Intersection() <= 0)
        s.SetIntersection(s.Min());
}

struct Range
{
    double lo, hi;
};

std::optional<Range> DataRange(std::span<const TDataExtents> extents, Axis axis)
{
    std::optional<Range> r;
    for (const TDataExtents &e : extents) {
        const double lo = axis == Axis::X ? e.XMin : e.YMin;
        const double hi = axis == Axis::X ? e.XMax : e.YMax;
        if (!r) {
            r = Range{lo, hi};
            continue;
        }
        if (lo < r->lo)
            r->lo = lo;
        if (hi > r->hi)
            r->hi = hi;
    }
    return r;
}

bool AdjustWithData(TScale &s, std::span<const TDataExtents> extents, Axis axis)
{
    if (!s.AutoSizing()) {
        ValidateFixedScale(s, axis);
        return true;
    }
    const std::optional<Range> r = DataRange(extents, axis);
    if (!r) {
        // Points exist, but no enabled series holds any: nothing to follow,
        // so the axis shows its empty range.
        const TScale before = s;
        SetEmptyDefaults(s);
        return s.Min() != before.Min() || s.Max() != before.Max();
    }
    return s.ScaleType() == stLin ? FollowLinearData(s, r->lo, r->hi) : FollowLogData(s, r->lo, r->hi, axis);
}

} // namespace

double NiceStep(double range)
{
    if (!(range > 0) || !std::isfinite(range))
        return 0;
    double l = std::log(range) * kLog10Factor;
    if (l < 0)
        l = l - 1;
    const int n = int(std::trunc(l));
    // The power of ten is built by repeated multiplication, which decides the
    // last bits of the step exactly as the ticks have always been placed.
    double b = 1;
    for (int i = 0; i < n; ++i)
        b *= 10;
    for (int i = 0; i > n; --i)
        b *= 0.1;
    const double c = range / b;
    if (c > 5)
        return 2 * b;
    if (c > 2)
        return b;
    if (c > 1)
        return 0.5 * b;
    return 0.2 * b;
}

std::uint16_t MinorCountForStep(double step)
{
    if (!(step > 0) || !std::isfinite(step))
        return 1;
    double f = std::log10(step) - std::trunc(std::log10(step));
    if (f < 0)
        f += 1;
    double m = vexplot::RoundHalfEven(std::pow(10.0, f));
    // A power of ten whose logarithm lands a hair below a whole number reads
    // as mantissa 10; it is mantissa 1 of the next decade.
    if (m >= 10)
        m = 1;
    return (m >= 1 && m <= 4) ? 1 : 4;
}

double NextMajorLogFactor(TMajLogTicks pattern, double m)
{
    for (int k = 2; k <= 9; ++k)
        if (m < k && (pattern & (1u << (k - 2))))
            return k;
    return 10;
}

double NextMinorLogFactor(TMinLogTicks pattern, double m)
{
    for (int j = 0; j <= 16; ++j) {
        const double k = 1.5 + 0.5 * j;
        if (m < k && (pattern & (1u << j)))
            return k;
    }
    return 10;
}

void CheckScale(TScale &s)
{
    if (s.ScaleType() == stLin) {
        if (s.MinRange() <= 0)
            s.SetMinRange(10);
        if (s.Max() - s.Min() < s.MinRange())
            s.SetMax(s.Min() + s.MinRange());
        const double d = s.Max() - s.Min();
        if (s.LinStep() > d)
            s.SetLinStep(d);
        if (0.1 * d > s.LinStep())
            s.SetLinStep(NiceStep(d));
        if (s.MinorTickNumber() > 9)
            s.SetMinorTickNumber(9);
        return;
    }
    if (s.MinRange() <= 1)
        s.SetMinRange(10);
    if (s.Min() <= 0)
        s.SetMin(1);
    if (s.Max() / s.Min() < s.MinRange())
        s.SetMax(s.Min() * s.MinRange());
    if (s.Intersection() <= 0)
        s.SetIntersection(s.Min());
}

void ApplyAutoStepping(TScale &x, TScale &y)
{
    for (TScale *s : {&x, &y}) {
        if (!s->AutoStepping() || s->ScaleType() != stLin)
            continue;
        s->SetLinStep(NiceStep(s->Max() - s->Min()));
        s->SetMinorTickNumber(MinorCountForStep(s->LinStep()));
    }
}

bool AdjustScales(TScale &x, TScale &y, std::span<const TDataExtents> extents, bool dataPresent)
{
    if (dataPresent) {
        const bool changedX = AdjustWithData(x, extents, Axis::X);
        const bool changedY = AdjustWithData(y, extents, Axis::Y);
        const bool changed = changedX || changedY;
        if (changed)
            ApplyAutoStepping(x, y);
        return changed;
    }
    for (TScale *s : {&x, &y}) {
        if (s->AutoSizing())
            SetEmptyDefaults(*s);
        else
            CheckScale(*s);
    }
    return true;
}
