#include "graph/tick_labels.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double kLogSlack = 1e-12; // relative, as in the tick walk

// A subdivision of the decade: the mantissas n / divisor for n from
// `divisor` up to 10 x divisor (exclusive) in steps of `stride`, or the
// listed ones.
struct Subdivision
{
    int divisor;
    int stride;
    std::vector<int> only; // when not empty, just these numerators
};

const std::vector<Subdivision> &Subdivisions()
{
    static const std::vector<Subdivision> levels = {
        {1, 1, {1, 2, 5}}, // 1-2-5
        {1, 1, {}},        // 1, 2, ..., 9
        {10, 5, {}},       // 1, 1.5, ..., 9.5
        {10, 1, {}},       // 1.0, 1.1, ..., 9.9
        {100, 5, {}},      // 1.00, 1.05, ..., 9.95
    };
    return levels;
}

// n x 10^e, exact for a whole n and a power of ten that is (division keeps
// 0.01 and below from the drift of products with 0.1).
double Scaled(int n, int e)
{
    return e >= 0 ? n * std::pow(10.0, e) : n / std::pow(10.0, -e);
}

std::vector<double> SubdivisionTicks(const TScale &s, const Subdivision &level)
{
    const double lo = s.Min() * (1 - kLogSlack), hi = s.Max() * (1 + kLogSlack);
    const int first = int(std::floor(std::log10(s.Min())));
    const int last = int(std::ceil(std::log10(s.Max())));
    std::vector<int> numerators = level.only;
    if (numerators.empty())
        for (int n = level.divisor; n < 10 * level.divisor; n += level.stride)
            numerators.push_back(n);
    const int shift = int(std::lround(std::log10(double(level.divisor))));
    std::vector<double> out;
    for (int d = first; d <= last && int(out.size()) < kMaxTicks; ++d)
        for (int n : numerators) {
            const double v = Scaled(n, d - shift);
            if (lo <= v && v <= hi && int(out.size()) < kMaxTicks)
                out.push_back(v);
        }
    return out;
}

// v (above 0) over its power of ten: 1 <= mantissa < 10.
double Mantissa(double v)
{
    return v / std::pow(10.0, std::floor(std::log10(v)));
}

// The device units a label covers along its axis, [from, to).
std::pair<int, int> Covered(const TLabelSpan &span)
{
    const int from = span.Centre - span.Extent / 2;
    return {from, from + span.Extent};
}

// How coarse a tick is: 0 for a decade, 1 for 2 or 5 times a decade, 2 for
// another whole mantissa, 3 for a half (1.5), 4 for anything finer.
int Rank(double v)
{
    if (IsDecade(v))
        return 0;
    const double m = Mantissa(v);
    auto near = [&](double k) { return std::fabs(m - k) < 1e-9 * k; };
    if (near(2) || near(5))
        return 1;
    if (near(std::round(m)))
        return 2;
    return near(std::round(2 * m) / 2) ? 3 : 4;
}
constexpr int kCoarsestLastRank = 4;

} // namespace

bool IsDecade(double v)
{
    if (!(v > 0) || !std::isfinite(v))
        return false;
    const double e = std::round(std::log10(v));
    return std::fabs(v / std::pow(10.0, e) - 1) < 1e-9;
}

bool WholeMantissa(double v)
{
    if (!(v > 0) || !std::isfinite(v))
        return false;
    const double m = Mantissa(v);
    return std::fabs(m - std::round(m)) < 1e-9 * m;
}

TTickLists ReadableTicks(const TScale &scale, TTickLists ticks)
{
    if (scale.ScaleType() != stLog || ticks.Major.size() >= 2 || !(scale.Min() > 0) || !std::isfinite(scale.Max()) ||
        !(scale.Max() > scale.Min()))
        return ticks;
    const std::vector<Subdivision> &levels = Subdivisions();
    for (std::size_t i = 0; i + 1 < levels.size(); ++i) {
        std::vector<double> majors = SubdivisionTicks(scale, levels[i]);
        if (majors.size() >= 3 || i + 2 == levels.size()) {
            ticks.Major = std::move(majors);
            ticks.Minor = SubdivisionTicks(scale, levels[i + 1]);
            break;
        }
    }
    return ticks;
}

bool FullLogLabels(const TScale &scale, const std::vector<double> &majors)
{
    return scale.ScaleType() == stLog && std::none_of(majors.begin(), majors.end(), IsDecade);
}

QString TrimMantissaZeros(const QString &formatted)
{
    const qsizetype e = formatted.indexOf(QLatin1Char('E'));
    if (e < 0)
        return formatted;
    QString mantissa = formatted.left(e);
    const QString rest = formatted.mid(e);
    // Only a mantissa with a separator has fraction digits to drop.
    if (std::none_of(mantissa.begin(), mantissa.end(), [](QChar c) { return !c.isDigit() && c != QLatin1Char('-'); }))
        return formatted;
    while (mantissa.endsWith(QLatin1Char('0')))
        mantissa.chop(1);
    if (!mantissa.isEmpty() && !mantissa.back().isDigit())
        mantissa.chop(1);
    return mantissa + rest;
}

std::vector<bool> FitLabels(const std::vector<double> &values, const std::vector<TLabelSpan> &spans, int gap)
{
    const std::size_t n = std::min(values.size(), spans.size());
    std::vector<bool> shown(values.size(), false);
    std::vector<std::pair<int, int>> placed; // [from, to] of the shown labels
    auto fits = [&](const TLabelSpan &s) {
        const std::pair<int, int> c = Covered(s);
        return std::none_of(placed.begin(), placed.end(),
                            [&](const auto &p) { return c.first < p.second + gap && p.first < c.second + gap; });
    };
    for (int rank = 0; rank <= kCoarsestLastRank; ++rank)
        for (std::size_t i = 0; i < n; ++i) {
            if (shown[i] || Rank(values[i]) != rank || !fits(spans[i]))
                continue;
            shown[i] = true;
            placed.push_back(Covered(spans[i]));
        }
    return shown;
}
