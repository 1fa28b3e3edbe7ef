// Gallomir: atomic data of the elements Z = 1..99, as a flat C interface
// (libgallomir.so.1; link with -lgallomir, pkg-config pheltra).
//
// Every function takes an atomic number. For Z outside 1..99 the numbers are
// -1.0 and the texts empty. Texts are owned by the library, live as long as it
// is loaded and must never be freed by the caller.
#pragma once

#include <stdint.h>

#define GALLOMIR_EXPORT __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

// Standard atomic weight (IUPAC 1995), g/mol; mass number of the longest-lived
// isotope for elements without a standard weight.
GALLOMIR_EXPORT double GetAtomicWeight(int32_t Z);
// Chemical symbol, one or two letters, unique regardless of case.
GALLOMIR_EXPORT const char *GetElementSymbol(int32_t Z);
// English element name (NIST spelling: Aluminum, Cesium, Sulfur).
GALLOMIR_EXPORT const char *GetElementName(int32_t Z);
// Mean excitation energy I, eV.
GALLOMIR_EXPORT double GetExcitationPot(int32_t Z);
// Density of the elemental material, g/cm3 (gases at 20 degC, 101.325 kPa).
GALLOMIR_EXPORT double GetElementDensity(int32_t Z);

#ifdef __cplusplus
}
#endif
