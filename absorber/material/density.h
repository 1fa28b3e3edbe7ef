// The density of a whole material (g/cm3): checked where a user gives one,
// put in place of the one its records give, and required where a quantity
// needs it. Refusals throw InputError (Field::Density).
#pragma once

#include "absorber/data_set.h"

namespace pheltra {

// A density given for the whole material lies within these: a density
// below the least would become 0 in a record's 32-bit float, or its
// products infinite.
inline constexpr long double kMinDensity = TCompound::kMinDensity;
inline constexpr long double kMaxDensity = TCompound::kMaxDensity;
// density when it lies between kMinDensity and kMaxDensity; throws
// otherwise, naming both.
long double CheckedDensity(long double density);
// The material's density replaced, as for a pressed powder or a gas at
// another pressure: Density and ElectronsPerCm3 follow it.
void OverrideDensity(TCmpDataSet &set, long double density);
// Throws unless the material has a density (slab quantities need one).
void RequireDensity(const TCmpDataSet &set);

} // namespace pheltra
