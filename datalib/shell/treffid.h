// Treffid, the shell data library: K and L fluorescence yields, the
// K-alpha/K-beta value and twelve absorption-edge energies of the elements
// Z = 1..99. Stateless and reentrant; out-of-range arguments yield -1.0.
#pragma once

#include <cstdint>

extern "C" {

// K-shell fluorescence yield; 0 when none is given (Z <= 5).
float GetKYield(std::int32_t Z);
// L-shell fluorescence yield; 0 when none is given (Z <= 23).
float GetLYield(std::int32_t Z);
// The K-alpha/K-beta value; 0 when none is given (Z <= 11).
float GetKaKbRatio(std::int32_t Z);
// Edge N of element Z in keV, N = 1..12 for K, L1..L3, M1..M5, N1..N3, as
// stored: -1.0 for no such edge, -9.99 for a missing value.
float GetAbsEdge(std::int32_t Z, std::int32_t N);
// "1.00 / 1998-03-01"; the text belongs to the library.
const char *GetTreffidVersion();
}
