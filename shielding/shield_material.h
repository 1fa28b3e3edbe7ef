// A material as the shielding code takes it: plain values, so that the
// window, the batch tool and the Python module can all hand one over.
#pragma once

#include <array>
#include <string>

namespace pheltra {

inline constexpr int kHighestAtomicNumber = 99;
// Mass fractions indexed by the atomic number itself (index 0 is unused),
// summing to 1.
using MassFractions = std::array<double, kHighestAtomicNumber + 1>;

struct ShieldMaterial
{
    std::string name; // as the output names it
    MassFractions massFractions{};
    double densityGCm3 = 0.0;
};

} // namespace pheltra
