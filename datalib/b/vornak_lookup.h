// The two questions data source B answers: a coefficient of an element at an
// energy, and the energy of one of its absorption edges. Both are pure
// functions of their arguments; −1.0 marks an invalid request.
#pragma once

#include <cstdint>

namespace pheltra::vornak {

// Mass coefficient (cm2/g) of the given kind (0..21) of element z (1..99) at
// `energy` keV (1..50 000): the stored value at a tabulated energy (the
// above-edge one at an edge), log-log interpolation between rows, a spline
// rise above the pair and triplet thresholds, 0.0 for the zero column and
// where a process contributes nothing. Computed in extended precision.
double MuCoefficient(std::int32_t z, double energy, std::int32_t kind) noexcept;

// Energy (keV) of the n-th absorption edge of element z counted from the
// highest down (n = 1..12), the stored 32-bit energy widened; −1.0 when the
// element has fewer edges or an argument is out of range.
double AbsorptionEdge(std::int32_t z, std::int32_t n) noexcept;

} // namespace pheltra::vornak
