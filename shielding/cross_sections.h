// The coefficients of a composition that the shielding quantities need, from
// data source B (the weight-fraction sum of the element values).
#pragma once

#include "shielding/shield_material.h"

namespace pheltra {

// Mass coefficients in cm2/g at one energy; NaN where source B gives no value
// (outside 1 keV to 50 MeV).
struct CrossSections
{
    double total;            // total attenuation, coherent scattering included
    double coherentFree;     // total minus coherent (Rayleigh) scattering
    double incoherent;       // incoherent (Compton) scattering
    double energyAbsorption; // mu_en/rho
};

CrossSections CrossSectionsOf(const MassFractions &composition, double energyKeV);

} // namespace pheltra
