// The exported interface of libvornak.so (data source B), for its callers.
#pragma once

#include <cstdint>

extern "C" {

// Mass coefficient in cm2/g of kind Kind (0..21) of element Z (1..99) at
// Energy keV (1..50 000); −1.0 for an invalid request, 0.0 where the process
// contributes nothing.
double GetMuCoeffB(std::int32_t Z, double Energy, std::int32_t Kind);

// Energy in keV of the N-th absorption edge of element Z counted from the
// highest (N = 1..12); −1.0 when there is no such edge.
double GetAbsEdgeB(std::int32_t Z, std::int32_t N);

// "1.02 / 1998-03-01"; the text belongs to the library.
const char *GetVornakVersion();
}
