// The 26 materials of ANSI/ANS-6.4.3 (23 elements, water, air and the
// standard's concrete) with their compositions, found by name or recognised
// by composition.
#pragma once

#include "shielding/ans643_table.h"
#include "shielding/shield_material.h"

#include <span>
#include <string_view>

namespace pheltra {

struct StandardMaterial
{
    std::string_view name; // as the standard names it ("Water", "Lead")
    int z;                 // 0 for water, air and concrete
    const Ans643Table *exposure;
    const Ans643Table *energyAbsorption; // nullptr from molybdenum up: the standard gives none
    MassFractions composition;           // water is H2O; air and concrete as the standard prints them

    const Ans643Table *Table(BuildupResponse response) const
    {
        return response == BuildupResponse::kExposure ? exposure : energyAbsorption;
    }
};

// In the order of the standard's table: the elements by Z, then water, air
// and concrete.
std::span<const StandardMaterial> StandardMaterials();
// The elements among them, by Z (beryllium to uranium).
std::span<const StandardMaterial *const> StandardElements();

// The material a user names: the standard's name ("Concrete", "Sulphur"), an
// element's name as the element data spell it ("Sulfur") or its symbol
// ("Pb"), in any case. nullptr when none is meant.
const StandardMaterial *StandardMaterialByName(std::string_view name);

// Two compositions count as one when their mass fractions differ by at most
// this much in sum over all elements (NIST's dry air and the standard's air
// differ by 0.00016).
inline constexpr double kSameCompositionTolerance = 0.002;
// The standard material with this composition, or nullptr.
const StandardMaterial *RecogniseStandardMaterial(const MassFractions &composition);

} // namespace pheltra
