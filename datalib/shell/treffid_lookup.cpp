#include "datalib/shell/treffid_lookup.h"

#include "datalib/shell/treffid_tables.h"

namespace pheltra::treffid {
namespace {

constexpr float kInvalid = -1.0f;

bool ValidElement(std::int32_t z) noexcept
{
    return z >= 1 && z <= kElementCount;
}

float PerElement(const float (&table)[kElementCount], std::int32_t z) noexcept
{
    return ValidElement(z) ? table[z - 1] : kInvalid;
}

} // namespace

float KYield(std::int32_t z) noexcept
{
    return PerElement(kKYield, z);
}
float LYield(std::int32_t z) noexcept
{
    return PerElement(kLYield, z);
}
float KaKbRatio(std::int32_t z) noexcept
{
    return PerElement(kKaKbRatio, z);
}

float AbsEdge(std::int32_t z, std::int32_t n) noexcept
{
    return ValidElement(z) && n >= 1 && n <= kEdgeCount ? kEdges[z - 1][n - 1] : kInvalid;
}

} // namespace pheltra::treffid
