// The interface of libvornak.so: exactly these three functions, C linkage.

#include <cstdint>

#include "datalib/b/vornak_constants.h"
#include "datalib/b/vornak_lookup.h"

#define VORNAK_EXPORT extern "C" __attribute__((visibility("default")))

VORNAK_EXPORT double GetMuCoeffB(std::int32_t Z, double Energy, std::int32_t Kind)
{
    return pheltra::vornak::MuCoefficient(Z, Energy, Kind);
}

VORNAK_EXPORT double GetAbsEdgeB(std::int32_t Z, std::int32_t N)
{
    return pheltra::vornak::AbsorptionEdge(Z, N);
}

VORNAK_EXPORT const char *GetVornakVersion()
{
    return pheltra::vornak::kVersion;
}
