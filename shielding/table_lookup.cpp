#include "shielding/table_lookup.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace pheltra {

namespace {

std::span<const Ans643Row> RowsOf(const Ans643Table &table)
{
    return Ans643Rows().subspan(table.firstRow, table.rowCount);
}

GpCoefficients Blend(const GpCoefficients &low, const GpCoefficients &high, double t)
{
    // (1 - t) p + t q gives each row's own values back at t = 0 and t = 1.
    auto mix = [t](double p, double q) { return (1.0 - t) * p + t * q; };
    return {mix(low.b, high.b), mix(low.c, high.c), mix(low.a, high.a), mix(low.xk, high.xk), mix(low.d, high.d)};
}

} // namespace

double TableLowestKeV(const Ans643Table &table)
{
    return RowsOf(table).front().energyKeV;
}

double TableHighestKeV(const Ans643Table &table)
{
    return RowsOf(table).back().energyKeV;
}

std::optional<TableCoefficients> TableCoefficientsAt(const Ans643Table &table, double energyKeV)
{
    const std::span<const Ans643Row> rows = RowsOf(table);
    if (!(energyKeV >= rows.front().energyKeV && energyKeV <= rows.back().energyKeV))
        return std::nullopt;
    // The rows on the energy's side of the edge.
    const bool aboveEdge = table.kEdgeKeV > 0.0 && energyKeV >= table.kEdgeKeV;
    const std::span<const Ans643Row> side =
        aboveEdge ? rows.subspan(table.rowsBelowEdge) : rows.first(table.rowsBelowEdge);
    if (energyKeV < side.front().energyKeV)
        return TableCoefficients{side.front().coefficients, true, side.front().suspect};
    if (energyKeV > side.back().energyKeV)
        return TableCoefficients{side.back().coefficients, true, side.back().suspect};
    // The last row at or below the energy, and the next one.
    const auto high = std::ranges::upper_bound(side, energyKeV, {}, &Ans643Row::energyKeV);
    if (high == side.end())
        return TableCoefficients{side.back().coefficients, false, side.back().suspect};
    const Ans643Row &low = *(high - 1);
    const double t = std::log(energyKeV / low.energyKeV) / std::log(high->energyKeV / low.energyKeV);
    return TableCoefficients{Blend(low.coefficients, high->coefficients, t), false,
                             low.suspect || (t > 0.0 && high->suspect)};
}

} // namespace pheltra
