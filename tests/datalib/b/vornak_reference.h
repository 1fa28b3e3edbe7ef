// The source-B lookup exactly as its algorithm is written down: every
// interval of the element's table is visited and may overwrite the result,
// logarithms are taken on the spot, edges are counted by walking the table
// from the top. Slow and plain, it is the yardstick the library's lookup
// (binary search, logarithms read from tables) must match bit for bit.
#pragma once

#include <cstdint>

namespace pheltra::vornak::reference {

double MuCoeff(std::int32_t z, double energy, std::int32_t kind);
double AbsEdge(std::int32_t z, std::int32_t n);

} // namespace pheltra::vornak::reference
