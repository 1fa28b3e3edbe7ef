// Lookups of library H over its precomputed tables. They give, bit for bit,
// what the published per-call algorithm gives (edge search, natural spline
// above the K edge solved afresh, interval scan with log-log interpolation
// below it), but find the interval by binary search and take logarithms and
// spline second derivatives from the build-time tables.
#pragma once

#include <cstdint>

namespace pheltra::selquin {

inline constexpr double kLowestEnergy = 1.0;
inline constexpr double kHighestEnergy = 20000.0;
inline constexpr std::int32_t kKindAttenuation = 0;
inline constexpr std::int32_t kKindEnergyAbsorption = 16;

// Coefficient of kind 0 (mu/rho) or 16 (mu_en/rho) in cm2/g; -1.0 for an
// invalid kind, Z outside 1..92, or an energy outside [1, 20000] keV or NaN.
double MuCoeff(std::int32_t z, double energy, std::int32_t kind) noexcept;

// Energy of the n-th edge from the top; -1.0 when Z is outside 1..92, n
// outside 1..12 or the element has fewer edges.
double AbsEdge(std::int32_t z, std::int32_t n) noexcept;

} // namespace pheltra::selquin
