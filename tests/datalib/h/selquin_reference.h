// Library H's lookups as published, step by step and with nothing kept
// between calls: the edge search walks the table from the top, the natural
// spline above the K edge is solved afresh from the table's logarithms, and
// below it every interval is scanned. The one change is the mend for
// elements whose spline oscillates: their spline starts at the row after the
// K edge's, with log-log from the edge to that row. The library must agree
// with this bit for bit.
#pragma once

#include <cstdint>
#include <set>

namespace pheltra::selquin::reference {

double GetMuCoeffH(std::int32_t z, double energy, std::int32_t kind);
double GetAbsEdgeH(std::int32_t z, std::int32_t n);

// Largest swing (in ln) of the natural spline through either column's rows
// from the K edge up (leaving out the first rowsSkipped rows above the
// edge), outside the range of the two stored values around any point; found
// by dense sampling, independently of the generator's analysis.
long double SplineSwing(std::int32_t z, int rowsSkipped = 0);

// Elements whose swing exceeds 5 % in ln (0.05).
const std::set<std::int32_t> &OscillatingElements();

} // namespace pheltra::selquin::reference
