#include "shielding/shield.h"

#include "shielding/cross_sections.h"
#include "shielding/gp_formula.h"
#include "shielding/number_text.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace pheltra {

namespace {

// A depth counts as beyond reach only when it lies clearly past 100 mfp, so
// that the solver's upper bracket, 100 mfp to rounding, is still within it.
constexpr double kReachSlack = 1.0 + 1e-12;
// The solver stops when ln T is within this of the target.
constexpr double kSolverLnTolerance = 1e-12;
constexpr int kSolverIterations = 200;

const MassFractions &AirComposition()
{
    static const MassFractions air = StandardMaterialByName("Air")->composition;
    return air;
}

std::string LayerName(std::size_t index, const ShieldLayer &layer)
{
    return "layer " + std::to_string(index + 1) + " (" + layer.material.name + ")";
}

bool BeyondReach(double depthMfp)
{
    return depthMfp > kExtrapolationDeepestMfp * kReachSlack;
}

} // namespace

Shield::Shield(ShieldSetup setup) : setup_(std::move(setup))
{
    fault_ = Prepare();
}

std::string Shield::Prepare()
{
    if (setup_.lines.empty())
        return "the source has no photon lines";
    if (setup_.layers.empty())
        return "the shield has no layers";
    if (setup_.layers.size() > kMaxShieldLayers)
        return "a shield has at most " + std::to_string(kMaxShieldLayers) + " layers, not " +
            std::to_string(setup_.layers.size());
    for (std::size_t i = 0; i < setup_.layers.size(); ++i) {
        const ShieldLayer &layer = setup_.layers[i];
        if (!(layer.material.densityGCm3 > 0.0) || !std::isfinite(layer.material.densityGCm3))
            return LayerName(i, layer) + " has no density";
        if (!(layer.thicknessCm >= 0.0) || !std::isfinite(layer.thicknessCm))
            return LayerName(i, layer) + ": a thickness must not be negative";
    }
    const ShieldLayer &last = setup_.layers.back();
    const BuildupMaterial material = setup_.buildupMaterial != nullptr ? NamedBuildupMaterial(*setup_.buildupMaterial)
                                                                       : BuildupMaterialOf(last.material.massFractions);
    if (!setup_.weights.empty() && setup_.weights.size() != setup_.lines.size())
        return "the weights do not match the lines one to one";
    const bool singleLine = setup_.lines.size() == 1;
    for (const PhotonLine &line : setup_.lines) {
        if (!(line.energyKeV > 0.0) || !(line.yieldPerDecay >= 0.0) || !std::isfinite(line.yieldPerDecay))
            return "a photon line needs an energy above 0 and a yield of at least 0";
        PreparedLine prepared;
        prepared.line = line;
        for (std::size_t i = 0; i < setup_.layers.size(); ++i) {
            const ShieldLayer &layer = setup_.layers[i];
            const CrossSections sections = CrossSectionsOf(layer.material.massFractions, line.energyKeV);
            if (std::isnan(sections.total))
                return "source B gives no coefficients at " + MessageNumber(line.energyKeV) + " keV";
            const double coherentFree = sections.coherentFree * layer.material.densityGCm3;
            const double withCoherent = sections.total * layer.material.densityGCm3;
            if (i + 1 < setup_.layers.size()) {
                prepared.otherDepthMfp += coherentFree * layer.thicknessCm;
                prepared.otherNarrowMfp += withCoherent * layer.thicknessCm;
            } else {
                prepared.lastPerCm = coherentFree;
                prepared.lastNarrowPerCm = withCoherent;
            }
        }
        const MassFractions &medium =
            setup_.response == BuildupResponse::kExposure ? AirComposition() : last.material.massFractions;
        prepared.weight = setup_.weights.empty()
            ? line.yieldPerDecay * line.energyKeV * CrossSectionsOf(medium, line.energyKeV).energyAbsorption
            : setup_.weights[prepared_.size()];
        prepared.coefficients = BuildupCoefficientsFor(material, setup_.response, line.energyKeV);
        if (!prepared.coefficients.ok()) {
            // A line of a source of several below the standard's energies (or
            // below its material's table) counts without build-up; everything
            // else refuses the whole.
            const bool below =
                prepared.coefficients.refused == BuildupRefusal::kEnergy && line.energyKeV < kBuildupHighestKeV;
            if (singleLine || !below)
                return prepared.coefficients.refusal;
            prepared.withoutBuildup = true;
        }
        weightSum_ += prepared.weight;
        prepared_.push_back(std::move(prepared));
    }
    if (!(weightSum_ > 0.0))
        return "the source's lines carry no response";
    return {};
}

double Shield::BroadBeamAt(double lastThicknessCm) const
{
    double sum = 0.0;
    for (const PreparedLine &p : prepared_) {
        const double depth = p.otherDepthMfp + p.lastPerCm * lastThicknessCm;
        if (p.withoutBuildup)
            sum += p.weight * std::exp(-depth);
        else if (!BeyondReach(depth))
            sum += p.weight * GpBuildup(p.coefficients.coefficients, std::min(depth, kExtrapolationDeepestMfp)) *
                std::exp(-depth);
    }
    return sum / weightSum_;
}

ShieldResult Shield::Evaluate() const
{
    return EvaluateWithLastLayer(setup_.layers.empty() ? 0.0 : setup_.layers.back().thicknessCm);
}

ShieldResult Shield::EvaluateWithLastLayer(double thicknessCm) const
{
    ShieldResult result;
    if (!fault_.empty()) {
        result.refusal = fault_;
        return result;
    }
    if (!(thicknessCm >= 0.0) || !std::isfinite(thicknessCm)) {
        result.refusal = "a thickness must not be negative";
        return result;
    }
    const bool singleLine = prepared_.size() == 1;
    double narrow = 0.0;
    double coherentFreeNarrow = 0.0;
    double broad = 0.0;
    double noBuildupBroad = 0.0;
    for (const PreparedLine &p : prepared_) {
        LineResult line;
        line.line = p.line;
        line.weight = p.weight;
        line.depthMfp = p.otherDepthMfp + p.lastPerCm * thicknessCm;
        line.narrowBeam = std::exp(-(p.otherNarrowMfp + p.lastNarrowPerCm * thicknessCm));
        const double attenuation = std::exp(-line.depthMfp);
        if (p.withoutBuildup) {
            line.treatment = LineTreatment::kNoBuildup;
            line.buildup.value = 1.0;
            line.buildup.refusal = p.coefficients.refusal;
            line.broadBeam = attenuation;
            result.noBuildupShareUnshielded += p.weight / weightSum_;
            noBuildupBroad += p.weight * attenuation;
        } else {
            line.buildup = BuildupAt(p.coefficients, line.depthMfp);
            if (line.buildup.refused == BuildupRefusal::kDepth && singleLine) {
                result.refusal = line.buildup.refusal;
                return result;
            }
            if (line.buildup.ok()) {
                line.broadBeam = line.buildup.value * attenuation;
                result.flags |= line.buildup.flags;
            } else {
                line.treatment = LineTreatment::kBeyondReach;
                line.broadBeam = 0.0;
                result.beyondReachShareUnshielded += p.weight / weightSum_;
            }
        }
        narrow += p.weight * line.narrowBeam;
        coherentFreeNarrow += p.weight * attenuation;
        broad += p.weight * line.broadBeam;
        result.lines.push_back(std::move(line));
    }
    result.narrowBeam = narrow / weightSum_;
    result.broadBeam = broad / weightSum_;
    result.buildup = broad / coherentFreeNarrow;
    result.noBuildupShareTransmitted = broad > 0.0 ? noBuildupBroad / broad : 0.0;
    return result;
}

ThicknessSolution Shield::ThicknessFor(double broadBeamTransmission) const
{
    ThicknessSolution solution;
    if (!fault_.empty()) {
        solution.refusal = fault_;
        return solution;
    }
    const double target = broadBeamTransmission;
    if (!(target > 0.0 && target <= 1.0)) {
        solution.refusal = "a target transmission must lie above 0 and at most 1, not " + MessageNumber(target);
        return solution;
    }
    const std::string &lastName = setup_.layers.back().material.name;
    const double atNone = BroadBeamAt(0.0);
    if (target > atNone) {
        solution.refusal = "the layers before the " + lastName + " already bring the transmission down to " +
            MessageNumber(atNone) + ", below the target " + MessageNumber(target);
        return solution;
    }
    // The upper bracket: where the most penetrating line reaches 100 mfp.
    double deepest = 0.0;
    const PreparedLine *farthest = nullptr;
    for (const PreparedLine &p : prepared_) {
        const double reach = (kExtrapolationDeepestMfp - p.otherDepthMfp) / p.lastPerCm;
        if (p.weight > 0.0 && reach > deepest) {
            deepest = reach;
            farthest = &p;
        }
    }
    if (farthest == nullptr) {
        solution.refusal = "the layers before the " + lastName + " are already deeper than 100 mfp";
        return solution;
    }
    const double atDeepest = BroadBeamAt(deepest);
    if (atDeepest > target) {
        solution.refusal = "no thickness of " + lastName + " within 100 mfp gives a transmission of " +
            MessageNumber(target) + ": " + MessageNumber(deepest) + " cm (100 mfp at " +
            MessageNumber(farthest->line.energyKeV) + " keV) still transmits " + MessageNumber(atDeepest);
        return solution;
    }
    // ln T falls almost linearly with the thickness: regula falsi with the
    // Illinois modification keeps the bracket and converges fast.
    const double lnTarget = std::log(target);
    auto excess = [&](double t) { return std::log(BroadBeamAt(t)) - lnTarget; };
    double a = 0.0;
    double fa = std::log(atNone) - lnTarget;
    double b = deepest;
    double fb = std::log(atDeepest) - lnTarget;
    double root = fa == 0.0 ? a : b;
    for (int i = 0; i < kSolverIterations && fa != 0.0 && std::abs(fb) > kSolverLnTolerance; ++i) {
        double c = (a * fb - b * fa) / (fb - fa);
        if (!(c > std::min(a, b) && c < std::max(a, b)))
            c = 0.5 * (a + b);
        const double fc = excess(c);
        if (fc * fb < 0.0) {
            a = b;
            fa = fb;
        } else {
            fa *= 0.5;
        }
        b = c;
        fb = fc;
        root = b;
    }
    solution.thicknessCm = root;
    solution.result = EvaluateWithLastLayer(root);
    return solution;
}

ValueLayers BroadBeamValueLayers(const ShieldSetup &setup)
{
    ValueLayers layers;
    ShieldSetup alone = setup;
    alone.layers.clear();
    if (!setup.layers.empty())
        alone.layers.push_back({setup.layers.back().material, 0.0});
    const Shield shield(std::move(alone));
    constexpr double kTargets[] = {0.5, 0.25, 0.1, 0.01};
    double thickness[std::size(kTargets)] = {};
    for (std::size_t i = 0; i < std::size(kTargets); ++i) {
        const ThicknessSolution solution = shield.ThicknessFor(kTargets[i]);
        if (!solution.ok()) {
            layers.refusal = solution.refusal;
            return layers;
        }
        thickness[i] = solution.thicknessCm;
    }
    layers.firstHvl = thickness[0];
    layers.equilibriumHvl = thickness[1] - thickness[0];
    layers.firstTvl = thickness[2];
    layers.equilibriumTvl = thickness[3] - thickness[2];
    return layers;
}

} // namespace pheltra
