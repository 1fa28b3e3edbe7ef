// The names libtreffid.so exports; nothing else is visible.
#include "datalib/shell/treffid.h"
#include "datalib/shell/treffid_lookup.h"

#define TREFFID_EXPORT __attribute__((visibility("default")))

extern "C" {

TREFFID_EXPORT float GetKYield(std::int32_t Z)
{
    return pheltra::treffid::KYield(Z);
}
TREFFID_EXPORT float GetLYield(std::int32_t Z)
{
    return pheltra::treffid::LYield(Z);
}
TREFFID_EXPORT float GetKaKbRatio(std::int32_t Z)
{
    return pheltra::treffid::KaKbRatio(Z);
}
TREFFID_EXPORT float GetAbsEdge(std::int32_t Z, std::int32_t N)
{
    return pheltra::treffid::AbsEdge(Z, N);
}
TREFFID_EXPORT const char *GetTreffidVersion()
{
    return "1.00 / 1998-03-01";
}
}
