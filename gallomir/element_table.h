// The built-in per-element table behind Gallomir's exports.
#pragma once

#include <array>

namespace gallomir {

inline constexpr int kElementCount = 99;

struct ElementRecord
{
    const char *symbol;
    const char *name;
    double atomicWeight;        // g/mol (relative atomic mass)
    double density;             // g/cm3
    double excitationPotential; // eV
};

// Row Z - 1 holds element Z. Generated from data/sources/elements.tsv.
extern const std::array<ElementRecord, kElementCount> kElementTable;

// The row of element Z, or nullptr when Z lies outside 1..99.
inline const ElementRecord *FindElement(int z)
{
    return z >= 1 && z <= kElementCount ? &kElementTable[static_cast<std::size_t>(z - 1)] : nullptr;
}

} // namespace gallomir
