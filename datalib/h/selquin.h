/* Selquin (libselquin.so.1): attenuation data of source H ("Zentrilo,
 * Kavomer; NISTIR 5632, 1995", the NIST tables of Hubbell and Seltzer): mass
 * attenuation and mass energy-absorption coefficients of the elements
 * Z = 1..92 from 1 keV to 20 000 keV and their absorption edges above 1 keV.
 * C interface; link with -lselquin (pkg-config pheltra).
 *
 * Units: energies in keV, coefficients are mass coefficients in cm2/g.
 * Kind uses the numbering of Vornak (vornak.h), of which this source offers
 * two: 0 attenuation total (mu/rho) and 16 energy absorption total
 * (mu_en/rho). Result convention: -1.0 means an invalid request (any other
 * kind, Z outside 1..92, an energy outside 1..20 000 keV or NaN); a valid
 * request always gives a value above 0.
 *
 * Below the K edge values are interpolated log-log, above it along a natural
 * cubic spline in log-log through the tabulated points. Stateless and
 * reentrant; allocates nothing. */
#ifndef PHELTRA_SELQUIN_H
#define PHELTRA_SELQUIN_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Kind 0: mu/rho, kind 16: mu_en/rho, in cm2/g, of element Z (1..92) at
 * Energy keV (1.0..20 000.0); -1.0 for an invalid request. */
double GetMuCoeffH(int32_t Z, double Energy, int32_t Kind);

/* Energy in keV of element Z's N-th absorption edge counted from the top
 * (N = 1..12; N = 1 is the K edge for Z >= 11); -1.0 when Z or N is out of
 * range or the element has fewer than N edges above 1 keV. */
double GetAbsEdgeH(int32_t Z, int32_t N);

/* "1.06 / 1998-04-16"; the text belongs to the library: never free it. */
const char *GetSelquinVersion(void);

#ifdef __cplusplus
}
#endif

#endif
