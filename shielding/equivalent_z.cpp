#include "shielding/equivalent_z.h"

#include "shielding/cross_sections.h"

#include <cmath>
#include <limits>

namespace pheltra {

namespace {

double MeanAtomicNumber(const MassFractions &composition)
{
    double sum = 0.0;
    for (std::size_t z = 1; z < composition.size(); ++z)
        sum += static_cast<double>(z) * composition[z];
    return sum;
}

} // namespace

double IncoherentShare(const MassFractions &composition, double energyKeV)
{
    const CrossSections sections = CrossSectionsOf(composition, energyKeV);
    return sections.incoherent / sections.coherentFree;
}

std::optional<EquivalentZ> EquivalentAtomicNumber(const MassFractions &composition, double energyKeV)
{
    const double share = IncoherentShare(composition, energyKeV);
    if (!(share > 0.0))
        return std::nullopt;
    const std::span<const StandardMaterial *const> elements = StandardElements();
    const double meanZ = MeanAtomicNumber(composition);
    std::optional<EquivalentZ> best;
    double bestDistance = std::numeric_limits<double>::infinity();
    auto consider = [&](const EquivalentZ &candidate) {
        const double distance = std::abs(candidate.zEq - meanZ);
        if (distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    };
    double lowShare = IncoherentShare(elements[0]->composition, energyKeV);
    if (share == lowShare)
        consider({static_cast<double>(elements[0]->z), share, elements[0], elements[0]});
    for (std::size_t i = 1; i < elements.size(); ++i) {
        const StandardMaterial *lower = elements[i - 1];
        const StandardMaterial *upper = elements[i];
        const double highShare = IncoherentShare(upper->composition, energyKeV);
        if (share == highShare) {
            consider({static_cast<double>(upper->z), share, upper, upper});
        } else if ((share - lowShare) * (share - highShare) < 0.0) {
            const double lnLow = std::log(lowShare);
            const double lnHigh = std::log(highShare);
            const double lnShare = std::log(share);
            const double zEq = (lower->z * (lnHigh - lnShare) + upper->z * (lnShare - lnLow)) / (lnHigh - lnLow);
            consider({zEq, share, lower, upper});
        }
        lowShare = highShare;
    }
    return best;
}

} // namespace pheltra
