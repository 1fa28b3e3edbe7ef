// Layered shields: the last-layer rule and a named table, the weighting over
// lines, the thickness solver and every refusal of a setup.
#include "shielding/cross_sections.h"
#include "shielding/shield.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace pheltra {
namespace {

ShieldMaterial Standard(const char *name, double density)
{
    return {name, StandardMaterialByName(name)->composition, density};
}

ShieldLayer Layer(const char *name, double density, double cm)
{
    return {Standard(name, density), cm};
}

PhotonLine Line(double energyKeV, double yield = 1.0)
{
    PhotonLine line;
    line.energyKeV = energyKeV;
    line.yieldPerDecay = yield;
    return line;
}

// Cs-137's gamma line and Co-60's two (yields per decay, DDEP).
const PhotonLine kCs137 = Line(661.657, 0.8499);
const std::vector<PhotonLine> kCo60{Line(1173.228, 0.9985), Line(1332.492, 0.999826)};

TEST(Shield, SingleLineIsBuildupTimesCoherentFreeAttenuation)
{
    const Shield shield({{kCs137}, {Layer("Lead", 11.35, 2.0)}});
    const ShieldResult result = shield.Evaluate();
    ASSERT_TRUE(result.ok()) << result.refusal;
    const CrossSections lead = CrossSectionsOf(StandardMaterialByName("Lead")->composition, kCs137.energyKeV);
    const double depth = lead.coherentFree * 11.35 * 2.0;
    const BuildupFactor b = Buildup(BuildupMaterialOf(StandardMaterialByName("Lead")->composition),
                                    BuildupResponse::kExposure, kCs137.energyKeV, depth);
    EXPECT_DOUBLE_EQ(result.lines[0].depthMfp, depth);
    EXPECT_DOUBLE_EQ(result.narrowBeam, std::exp(-lead.total * 11.35 * 2.0));
    EXPECT_DOUBLE_EQ(result.buildup, b.value);
    EXPECT_DOUBLE_EQ(result.broadBeam, b.value * std::exp(-depth));
}

TEST(Shield, TakesTheLastLayersBuildupUnlessATableIsNamed)
{
    struct Case
    {
        std::vector<ShieldLayer> layers;
        const char *named;
        const char *table;
    };
    const Case cases[] = {
        {{Layer("Iron", 7.874, 5.0), Layer("Water", 1.0, 20.0)}, nullptr, "Water"},
        {{Layer("Water", 1.0, 20.0), Layer("Iron", 7.874, 5.0)}, nullptr, "Iron"},
        {{Layer("Water", 1.0, 20.0), Layer("Iron", 7.874, 5.0)}, "Concrete", "Concrete"},
    };
    double depth = 0.0;
    for (const Case &c : cases) {
        const StandardMaterial *named = c.named ? StandardMaterialByName(c.named) : nullptr;
        const ShieldResult result = Shield({kCo60, c.layers, BuildupResponse::kExposure, named}).Evaluate();
        ASSERT_TRUE(result.ok()) << result.refusal;
        const LineResult &line = result.lines[1];
        EXPECT_EQ(line.buildup.basis.table, StandardMaterialByName(c.table)) << c.table;
        EXPECT_EQ(line.buildup.basis.named, named != nullptr);
        // The depth is the layers' sum whatever their order.
        if (depth == 0.0)
            depth = line.depthMfp;
        EXPECT_NEAR(line.depthMfp, depth, 1e-12 * depth);
        const StandardMaterial &table = *StandardMaterialByName(c.table);
        EXPECT_DOUBLE_EQ(
            line.buildup.value,
            Buildup(NamedBuildupMaterial(table), BuildupResponse::kExposure, line.line.energyKeV, line.depthMfp).value);
    }
}

TEST(Shield, SolvesTheLastLayerForATargetTransmission)
{
    struct Case
    {
        std::vector<PhotonLine> lines;
        std::vector<ShieldLayer> layers;
        double target;
    };
    const Case cases[] = {
        {{kCs137}, {Layer("Lead", 11.35, 0.0)}, 0.5},
        {{kCs137}, {Layer("Lead", 11.35, 0.0)}, 1e-6},
        {kCo60, {Layer("Concrete", 2.3, 0.0)}, 1e-3},
        {kCo60, {Layer("Iron", 7.874, 3.0), Layer("Water", 1.0, 0.0)}, 1e-4},
        {{kCs137}, {Layer("Water", 1.0, 0.0)}, 1.0},
    };
    for (const Case &c : cases) {
        const ThicknessSolution solution = Shield({c.lines, c.layers}).ThicknessFor(c.target);
        ASSERT_TRUE(solution.ok()) << solution.refusal;
        EXPECT_NEAR(solution.result.broadBeam / c.target, 1.0, 1e-9) << c.target;
        EXPECT_DOUBLE_EQ(Shield({c.lines, c.layers}).EvaluateWithLastLayer(solution.thicknessCm).broadBeam,
                         solution.result.broadBeam);
    }
}

TEST(Shield, FirstHalfValueLayerIsThickerThanTheNarrowBeamOne)
{
    const ShieldMaterial concrete = Standard("Concrete", 2.3);
    const ValueLayers layers = BroadBeamValueLayers({{kCs137}, {Layer("Iron", 7.874, 3.0), {concrete, 1.0}}});
    ASSERT_TRUE(layers.ok()) << layers.refusal;
    const double mu = CrossSectionsOf(concrete.massFractions, kCs137.energyKeV).coherentFree * 2.3;
    EXPECT_GT(layers.firstHvl, std::log(2.0) / mu);
    // Build-up grows with depth, so later layers are thicker than narrow-beam ones too.
    EXPECT_GT(layers.equilibriumTvl, std::log(10.0) / mu);
    EXPECT_GT(layers.firstTvl, layers.firstHvl);
}

TEST(Shield, LinesBelowTheStandardsEnergiesCountWithoutBuildup)
{
    // Two lines: one below 15 keV, one at 100 keV.
    const ShieldResult result = Shield({{Line(10.0), Line(100.0)}, {Layer("Water", 1.0, 1.0)}}).Evaluate();
    ASSERT_TRUE(result.ok()) << result.refusal;
    EXPECT_EQ(result.lines[0].treatment, LineTreatment::kNoBuildup);
    EXPECT_EQ(result.lines[0].buildup.value, 1.0);
    EXPECT_GT(result.noBuildupShareUnshielded, 0.0);
    EXPECT_LT(result.noBuildupShareTransmitted, result.noBuildupShareUnshielded);
    // A line beyond 100 mfp among others transmits nothing, and says so.
    const ShieldResult deep = Shield({{Line(30.0), Line(1000.0)}, {Layer("Lead", 11.35, 5.0)}}).Evaluate();
    ASSERT_TRUE(deep.ok()) << deep.refusal;
    EXPECT_EQ(deep.lines[0].treatment, LineTreatment::kBeyondReach);
    EXPECT_GT(deep.beyondReachShareUnshielded, 0.0);
}

TEST(Shield, RefusesWhatItCannotAnswer)
{
    struct Case
    {
        ShieldSetup setup;
        double target; // 0: evaluate only
        const char *message;
    };
    const std::vector<ShieldLayer> seven(7, Layer("Water", 1.0, 1.0));
    const Case cases[] = {
        {{{}, {Layer("Water", 1.0, 1.0)}}, 0.0, "no photon lines"},
        {{{kCs137}, {}}, 0.0, "no layers"},
        {{{kCs137}, seven}, 0.0, "at most 6 layers"},
        {{{kCs137}, {Layer("Water", 0.0, 1.0)}}, 0.0, "layer 1 (Water) has no density"},
        {{{kCs137}, {Layer("Water", 1.0, -1.0)}}, 0.0, "must not be negative"},
        {{{Line(10.0)}, {Layer("Water", 1.0, 1.0)}}, 0.0, "outside the build-up factors"},
        {{{Line(662.0), Line(20000.0)}, {Layer("Water", 1.0, 1.0)}}, 0.0, "outside the build-up factors"},
        {{{kCs137}, {Layer("Lead", 11.35, 100.0)}}, 0.0, "beyond 100 mfp"},
        {{{kCs137}, {Layer("Lead", 11.35, 1.0)}, BuildupResponse::kEnergyAbsorption},
         0.0,
         "no energy-absorption build-up for Lead"},
        {{{kCs137}, {Layer("Water", 1.0, 0.0)}}, 1.5, "must lie above 0 and at most 1"},
        {{{kCs137}, {Layer("Lead", 11.35, 0.0)}}, 1e-60, "no thickness of Lead within 100 mfp"},
        {{{kCs137}, {Layer("Lead", 11.35, 5.0), Layer("Water", 1.0, 0.0)}}, 0.5, "already bring the transmission"},
    };
    for (const Case &c : cases) {
        const Shield shield(c.setup);
        const std::string refusal = c.target == 0.0 ? shield.Evaluate().refusal : shield.ThicknessFor(c.target).refusal;
        EXPECT_NE(refusal.find(c.message), std::string::npos) << c.message << " -> " << refusal;
        EXPECT_EQ(refusal.find('\n'), std::string::npos);
    }
}

} // namespace
} // namespace pheltra
