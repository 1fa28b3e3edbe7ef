/* Treffid (libtreffid.so.1), the shell data library: K and L fluorescence
 * yields, the K-alpha/K-beta value and twelve absorption-edge energies of the
 * elements Z = 1..99. C interface; link with -ltreffid (pkg-config pheltra).
 *
 * Every lookup returns a 32-bit float. Result convention: -1.0 for Z outside
 * 1..99 (or N outside 1..12); 0 where no value is given for the element;
 * only values above 0 are data. Plain table reads: stateless, reentrant,
 * nothing allocated. */
#ifndef PHELTRA_TREFFID_H
#define PHELTRA_TREFFID_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* K-shell fluorescence yield (0..1); 0 when none is given (Z <= 5). */
float GetKYield(int32_t Z);
/* L-shell fluorescence yield (0..1); 0 when none is given (Z <= 23). */
float GetLYield(int32_t Z);
/* The K-alpha/K-beta value; 0 when none is given (Z <= 11). */
float GetKaKbRatio(int32_t Z);
/* Edge N of element Z in keV, N = 1..12 for K, L1, L2, L3, M1..M5, N1..N3,
 * as stored: -1.0 for no such edge (and for every edge of Z = 93..99), -9.99
 * for a value missing from the compilation. */
float GetAbsEdge(int32_t Z, int32_t N);
/* "1.00 / 1998-03-01"; the text belongs to the library: never free it. */
const char *GetTreffidVersion(void);

#ifdef __cplusplus
}
#endif

#endif
