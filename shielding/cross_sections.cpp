#include "shielding/cross_sections.h"

#include "datalib/b/vornak.h"

#include <limits>

namespace pheltra {

namespace {

// Kinds of source B's interface.
constexpr int kTotal = 0;
constexpr int kRayleigh = 2;
constexpr int kCompton = 3;
constexpr int kEnergyAbsorption = 16;

} // namespace

CrossSections CrossSectionsOf(const MassFractions &composition, double energyKeV)
{
    CrossSections sum{0.0, 0.0, 0.0, 0.0};
    for (int z = 1; z <= kHighestAtomicNumber; ++z) {
        const double weight = composition[z];
        if (weight <= 0.0)
            continue;
        const double total = GetMuCoeffB(z, energyKeV, kTotal);
        const double rayleigh = GetMuCoeffB(z, energyKeV, kRayleigh);
        const double compton = GetMuCoeffB(z, energyKeV, kCompton);
        const double absorption = GetMuCoeffB(z, energyKeV, kEnergyAbsorption);
        if (total < 0.0 || rayleigh < 0.0 || compton < 0.0 || absorption < 0.0) {
            const double none = std::numeric_limits<double>::quiet_NaN();
            return {none, none, none, none};
        }
        sum.total += weight * total;
        sum.coherentFree += weight * (total - rayleigh);
        sum.incoherent += weight * compton;
        sum.energyAbsorption += weight * absorption;
    }
    return sum;
}

} // namespace pheltra
