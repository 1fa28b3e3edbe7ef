// Selquin, attenuation data of source H (NIST, Hubbell & Seltzer): mass
// attenuation and mass energy-absorption coefficients of the elements
// Z = 1..92 from 1 keV to 20 MeV, and their absorption edges above 1 keV.
// Stateless and reentrant; every invalid argument yields -1.0.
#pragma once

#include <cstdint>

extern "C" {

// Kind 0: mu/rho, kind 16: mu_en/rho, in cm2/g, at Energy keV (1..20000).
double GetMuCoeffH(std::int32_t Z, double Energy, std::int32_t Kind);

// Energy in keV of element Z's N-th absorption edge counted from the top
// (N = 1 is the K edge for Z >= 11); -1.0 when there is no such edge.
double GetAbsEdgeH(std::int32_t Z, std::int32_t N);

// "1.06 / 1998-04-16"; the text belongs to the library.
const char *GetSelquinVersion();
}
