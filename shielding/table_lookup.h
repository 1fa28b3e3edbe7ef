// The G-P coefficients of one table of the standard at any energy inside it:
// each coefficient interpolated linearly in ln E between the tabulated
// energies on the same side of the K edge, never across it.
#pragma once

#include "shielding/ans643_table.h"

#include <optional>

namespace pheltra {

struct TableCoefficients
{
    GpCoefficients coefficients;
    // The energy lies between a tabulated energy and the K edge next to it:
    // the coefficients of that energy are held up to the edge.
    bool heldAtEdge = false;
    // A row flagged as suspect entered the result.
    bool suspect = false;
};

// nullopt below the table's first or above its last energy.
std::optional<TableCoefficients> TableCoefficientsAt(const Ans643Table &table, double energyKeV);

// The table's lowest and highest energies, keV.
double TableLowestKeV(const Ans643Table &table);
double TableHighestKeV(const Ans643Table &table);

} // namespace pheltra
