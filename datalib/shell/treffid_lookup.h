// Range-checked reads of the shell data tables.
#pragma once

#include <cstdint>

namespace pheltra::treffid {

float KYield(std::int32_t z) noexcept;
float LYield(std::int32_t z) noexcept;
float KaKbRatio(std::int32_t z) noexcept;
float AbsEdge(std::int32_t z, std::int32_t n) noexcept;

} // namespace pheltra::treffid
