/* Vornak (libvornak.so.1): photon interaction coefficients of data source B
 * ("Ludrane, Pestova; Med Phys 23(1996)1997") for the elements Z = 1..99
 * from 1 keV to 50 000 keV. C interface; link with -lvornak (pkg-config
 * pheltra).
 *
 * Units: energies in keV, coefficients are mass coefficients in cm2/g.
 * Result convention: -1.0 means an invalid request (a value outside the
 * ranges below, a NaN energy, a kind that is not offered); 0.0 is a valid
 * answer meaning the process contributes nothing there (below the pair or
 * triplet threshold, the Rayleigh slots 10 and 18). Only values above 0 are
 * coefficients.
 *
 * Kind, the coefficient asked for (three groups of offsets total, p.e.,
 * Rayleigh, Compton, pair, triplet):
 *    0 attenuation total           8 energy transfer total     16 energy absorption total
 *    1 attenuation photoelectric   9 energy transfer p.e.      17 energy absorption p.e.
 *    2 attenuation Rayleigh       10 (always 0.0)              18 (always 0.0)
 *    3 attenuation Compton        11 energy transfer Compton   19 energy absorption Compton
 *    4 attenuation pair           12 energy transfer pair      20 energy absorption pair
 *    5 attenuation triplet
 *  6, 7, 13, 14, 15, 21 and every kind outside 0..21 are invalid (-1.0).
 *
 * Between tabulated energies values are interpolated log-log; an absorption
 * edge is a step (at the edge energy itself the value above the edge). The
 * library is stateless and reentrant and allocates nothing. */
#ifndef PHELTRA_VORNAK_H
#define PHELTRA_VORNAK_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Mass coefficient of kind Kind (0..21, above) of element Z (1..99) at
 * Energy keV (1.0..50 000.0), in cm2/g; -1.0 for an invalid request, 0.0
 * where the process contributes nothing. */
double GetMuCoeffB(int32_t Z, double Energy, int32_t Kind);

/* Energy in keV of the N-th absorption edge of element Z counted from the
 * highest (N = 1..12; N = 1 is the K edge for Z >= 11); -1.0 when Z or N is
 * out of range or the element has fewer than N edges above 1 keV. Passed
 * unchanged to GetMuCoeffB it hits the edge exactly. */
double GetAbsEdgeB(int32_t Z, int32_t N);

/* "1.02 / 1998-03-01"; the text belongs to the library: never free it. */
const char *GetVornakVersion(void);

#ifdef __cplusplus
}
#endif

#endif
