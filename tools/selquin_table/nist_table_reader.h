// Reads the NIST XAAMDI element table (tab-separated: Z, energy keV, mu/rho,
// mu_en/rho) and checks the shape the attenuation library H relies on.
#pragma once

#include <string>
#include <vector>

namespace pheltra::tools {

// One table row with its numbers kept as the decimal text of the source, so
// the generated table holds the float nearest to each printed value.
struct NistRow
{
    int z = 0;
    std::string energy;
    std::string mu;
    std::string muen;
};

// The rows in file order. Throws std::runtime_error naming the line when the
// file is missing, a line is malformed, or the table breaks its invariants
// (Z = 1..92 in order, energies from 1 to 20000 keV never decreasing, at most
// two rows per energy, positive coefficients).
std::vector<NistRow> ReadNistTable(const std::string &path);

} // namespace pheltra::tools
