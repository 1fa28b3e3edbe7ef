// The equivalent atomic number of a material that is not one of the
// standard's: the Z between two of its elements whose share of incoherent
// scattering in the attenuation matches the material's.
//
//   R = mu_incoh / mu, mu without coherent scattering (source B),
//   Z_eq = [Z1 (ln R2 - ln R) + Z2 (ln R - ln R1)] / (ln R2 - ln R1)
//
// with R1, R2 the values of the neighbouring standard elements Z1 < Z2 whose
// R brackets the material's.
#pragma once

#include "shielding/shield_material.h"
#include "shielding/standard_materials.h"

#include <optional>

namespace pheltra {

// R of a composition at an energy; NaN where source B gives no value.
double IncoherentShare(const MassFractions &composition, double energyKeV);

struct EquivalentZ
{
    double zEq;
    double share; // the material's R
    // The standard elements Z_eq lies between; both the same element when the
    // material's R is that element's own.
    const StandardMaterial *lower;
    const StandardMaterial *upper;
};

// nullopt when no two neighbouring standard elements bracket the material's
// R (beyond beryllium or uranium). Near a K edge R is not monotonic in Z and
// several pairs can bracket it; the Z_eq nearest the material's mass-weighted
// mean atomic number is taken.
std::optional<EquivalentZ> EquivalentAtomicNumber(const MassFractions &composition, double energyKeV);

} // namespace pheltra
