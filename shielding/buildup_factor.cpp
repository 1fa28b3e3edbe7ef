#include "shielding/buildup_factor.h"

#include "shielding/gp_formula.h"
#include "shielding/number_text.h"
#include "shielding/table_lookup.h"

#include <cmath>

namespace pheltra {

namespace {

// The highest element with energy-absorption coefficients in the standard.
constexpr int kCopper = 29;
// Lanthanum's and gadolinium's b values above about 3 MeV exceed both their
// neighbours' in every copy of the standard (data/sources/ans643.provenance.md).
constexpr int kLanthanum = 57;
constexpr int kGadolinium = 64;
constexpr double kCautionAboveKeV = 3000.0;

unsigned CautionFlag(const StandardMaterial &material, double energyKeV)
{
    const bool outOfLine = material.z == kLanthanum || material.z == kGadolinium;
    return outOfLine && energyKeV > kCautionAboveKeV ? kBuildupCaution : 0u;
}

std::string OutsideTableText(const StandardMaterial &material, const Ans643Table &table)
{
    return "the " + std::string(material.name) + " table of ANSI/ANS-6.4.3 covers " +
        MessageNumber(TableLowestKeV(table)) + " to " + MessageNumber(TableHighestKeV(table)) + " keV only";
}

std::string NoEnergyAbsorptionText(const std::string &what)
{
    return "no energy-absorption build-up for " + what +
        ": the standard gives energy-absorption coefficients only up to copper (Z = 29), "
        "and no public copy of the heavier elements' exists";
}

// One standard material's coefficients at the energy, or the refusal.
BuildupCoefficients StandardCoefficients(const StandardMaterial &material, BuildupResponse response, double energyKeV)
{
    BuildupCoefficients result;
    const Ans643Table *table = material.Table(response);
    if (table == nullptr) {
        result.refused = BuildupRefusal::kResponse;
        result.refusal =
            NoEnergyAbsorptionText(std::string(material.name) + " (Z = " + std::to_string(material.z) + ")");
        return result;
    }
    const std::optional<TableCoefficients> found = TableCoefficientsAt(*table, energyKeV);
    if (!found) {
        result.refused = BuildupRefusal::kEnergy;
        result.refusal = OutsideTableText(material, *table);
        return result;
    }
    result.coefficients = found->coefficients;
    result.flags = (found->heldAtEdge ? kBuildupHeldAtEdge : 0u) | (found->suspect ? kBuildupSuspectRow : 0u) |
        CautionFlag(material, energyKeV);
    return result;
}

BuildupCoefficients EquivalentZCoefficients(const MassFractions &composition, BuildupResponse response,
                                            double energyKeV)
{
    BuildupCoefficients result;
    const std::optional<EquivalentZ> equivalent = EquivalentAtomicNumber(composition, energyKeV);
    if (!equivalent) {
        result.refused = BuildupRefusal::kEquivalentZ;
        result.refusal = "no equivalent Z at " + MessageNumber(energyKeV) +
            " keV: the material's share of incoherent scattering, R = " +
            MessageNumber(IncoherentShare(composition, energyKeV)) +
            ", lies outside the standard elements' (beryllium to uranium)";
        return result;
    }
    result.basis.zEq = equivalent->zEq;
    result.basis.lower = equivalent->lower;
    result.basis.upper = equivalent->upper;
    if (response == BuildupResponse::kEnergyAbsorption && equivalent->zEq > kCopper) {
        result.refused = BuildupRefusal::kResponse;
        result.refusal = NoEnergyAbsorptionText("Z_eq " + MessageNumber(equivalent->zEq));
        return result;
    }
    const BuildupCoefficients low = StandardCoefficients(*equivalent->lower, response, energyKeV);
    const BuildupCoefficients high = StandardCoefficients(*equivalent->upper, response, energyKeV);
    if (!low.ok() || !high.ok()) {
        const BuildupCoefficients &refused = low.ok() ? high : low;
        result.refused = refused.refused;
        result.refusal = "Z_eq " + MessageNumber(equivalent->zEq) + ": " + refused.refusal;
        return result;
    }
    result.flags = low.flags | high.flags;
    if (equivalent->lower == equivalent->upper) {
        result.coefficients = low.coefficients;
        return result;
    }
    // Each coefficient linear in ln Z between the two elements.
    const double lnLow = std::log(equivalent->lower->z);
    const double w = (std::log(equivalent->zEq) - lnLow) / (std::log(equivalent->upper->z) - lnLow);
    auto mix = [w](double p, double q) { return (1.0 - w) * p + w * q; };
    const GpCoefficients &p = low.coefficients;
    const GpCoefficients &q = high.coefficients;
    result.coefficients = {mix(p.b, q.b), mix(p.c, q.c), mix(p.a, q.a), mix(p.xk, q.xk), mix(p.d, q.d)};
    return result;
}

} // namespace

BuildupMaterial BuildupMaterialOf(const MassFractions &composition)
{
    return {RecogniseStandardMaterial(composition), false, composition};
}

BuildupMaterial NamedBuildupMaterial(const StandardMaterial &material)
{
    return {&material, true, material.composition};
}

std::string DescribeBasis(const BuildupBasis &basis)
{
    if (basis.table != nullptr)
        return std::string(basis.table->name) + (basis.named ? " table (named)" : " table");
    if (basis.lower == nullptr)
        return {};
    if (basis.lower == basis.upper)
        return "Z_eq " + MessageNumber(basis.zEq) + " (" + std::string(basis.lower->name) + ")";
    return "Z_eq " + MessageNumber(basis.zEq) + " between " + std::string(basis.lower->name) + " and " +
        std::string(basis.upper->name);
}

std::vector<std::string> BuildupFlagTexts(unsigned flags)
{
    static const std::pair<BuildupFlag, const char *> kTexts[] = {
        {kBuildupExtrapolated,
         "beyond 40 mfp: the G-P fit extrapolated after Harima et al., not part of ANSI/ANS-6.4.3"},
        {kBuildupShallow, "below 0.5 mfp: the G-P fit taken under the standard's shallowest depth"},
        {kBuildupHeldAtEdge,
         "between a tabulated energy and its K edge: that energy's coefficients held up to the edge"},
        {kBuildupSuspectRow,
         "the water energy-absorption row at 60 keV entered: its d as printed reproduces the "
         "report's own table only to 12-26 % beyond 25 mfp"},
        {kBuildupCaution,
         "lanthanum or gadolinium above 3 MeV entered: their b values stand above both "
         "neighbours' in every copy of the standard; use with caution"},
    };
    std::vector<std::string> texts;
    for (const auto &[flag, text] : kTexts)
        if ((flags & flag) != 0)
            texts.emplace_back(text);
    return texts;
}

BuildupCoefficients BuildupCoefficientsFor(const BuildupMaterial &material, BuildupResponse response, double energyKeV)
{
    BuildupCoefficients result;
    if (!(energyKeV >= kBuildupLowestKeV && energyKeV <= kBuildupHighestKeV)) {
        result.refused = BuildupRefusal::kEnergy;
        result.refusal =
            MessageNumber(energyKeV) + " keV lies outside the build-up factors of ANSI/ANS-6.4.3 (15 keV to 15 MeV)";
    } else if (material.standard == nullptr) {
        return EquivalentZCoefficients(material.composition, response, energyKeV);
    } else {
        result = StandardCoefficients(*material.standard, response, energyKeV);
    }
    result.basis.table = material.standard;
    result.basis.named = material.named;
    return result;
}

BuildupFactor BuildupAt(const BuildupCoefficients &coefficients, double mfp)
{
    BuildupFactor factor;
    factor.basis = coefficients.basis;
    factor.flags = coefficients.flags;
    if (!coefficients.ok()) {
        factor.refused = coefficients.refused;
        factor.refusal = coefficients.refusal;
        return factor;
    }
    if (!(mfp >= 0.0)) {
        factor.refused = BuildupRefusal::kDepth;
        factor.refusal = "a depth of " + MessageNumber(mfp) + " mfp: depths must not be negative";
        return factor;
    }
    if (mfp > kExtrapolationDeepestMfp) {
        factor.refused = BuildupRefusal::kDepth;
        factor.refusal = MessageNumber(mfp) +
            " mfp lies beyond 100 mfp, as deep as the extrapolation of the "
            "standard's fit reaches";
        return factor;
    }
    if (mfp > kFitDeepestMfp)
        factor.flags |= kBuildupExtrapolated;
    else if (mfp > 0.0 && mfp < kFitShallowestMfp)
        factor.flags |= kBuildupShallow;
    factor.value = GpBuildup(coefficients.coefficients, mfp);
    return factor;
}

BuildupFactor Buildup(const BuildupMaterial &material, BuildupResponse response, double energyKeV, double mfp)
{
    return BuildupAt(BuildupCoefficientsFor(material, response, energyKeV), mfp);
}

std::vector<BuildupFactor> Buildups(const BuildupMaterial &material, BuildupResponse response,
                                    const std::vector<double> &energiesKeV, const std::vector<double> &depthsMfp)
{
    std::vector<BuildupFactor> factors;
    if (energiesKeV.size() != depthsMfp.size())
        return factors;
    factors.reserve(energiesKeV.size());
    BuildupCoefficients coefficients;
    for (std::size_t i = 0; i < energiesKeV.size(); ++i) {
        if (i == 0 || !(energiesKeV[i] == energiesKeV[i - 1]))
            coefficients = BuildupCoefficientsFor(material, response, energiesKeV[i]);
        factors.push_back(BuildupAt(coefficients, depthsMfp[i]));
    }
    return factors;
}

} // namespace pheltra
