// The names libselquin.so exports; nothing else is visible.
#include "datalib/h/selquin.h"
#include "datalib/h/selquin_lookup.h"

#define SELQUIN_EXPORT __attribute__((visibility("default")))

extern "C" {

SELQUIN_EXPORT double GetMuCoeffH(std::int32_t Z, double Energy, std::int32_t Kind)
{
    return pheltra::selquin::MuCoeff(Z, Energy, Kind);
}

SELQUIN_EXPORT double GetAbsEdgeH(std::int32_t Z, std::int32_t N)
{
    return pheltra::selquin::AbsEdge(Z, N);
}

SELQUIN_EXPORT const char *GetSelquinVersion()
{
    return "1.06 / 1998-04-16";
}
}
