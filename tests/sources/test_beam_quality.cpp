// Filtration and beam quality: a single line, whose answers are known in
// closed form; the solved layers against the transmission they must give;
// TASMIP at 80 kV against the figures worked out independently with NIST's
// tables when the data were prepared; and the IEC 61267 RQR qualities.
#include "sources/beam_quality.h"
#include "sources/bracketed_root.h"
#include "sources/filtration.h"
#include "tests/sources/expect_source_error.h"
#include "tests/sources/shipped_library.h"

#include <cmath>
#include <numbers>

namespace pheltra {
namespace {

class BeamQualityTest : public ::testing::Test
{
protected:
    const SourceMaterial air = LibraryMaterial(ShippedLibrary(), kAirName);
    const SourceMaterial aluminium = LibraryMaterial(ShippedLibrary(), kAluminiumName);
    const SourceMaterial copper = LibraryMaterial(ShippedLibrary(), "Copper");
    const SourceMaterial water = LibraryMaterial(ShippedLibrary(), kWaterName);

    Spectrum Behind(const Spectrum &spectrum, const SourceMaterial &material, double mm) const
    {
        const FilterLayer layers[] = {{material, {mm, ThicknessUnit::Mm}}};
        return Filtered(spectrum, layers);
    }
};

TEST_F(BeamQualityTest, OneLineHasTheLinesOwnValues)
{
    const BeamQuality quality = AssessBeam(Spectrum({60.0}, {5.0}), copper, air, water);
    const double hvlMm = 10.0 * std::numbers::ln2 / (copper.Attenuation(60.0) * copper.Density());
    EXPECT_NEAR(quality.hvl1Mm, hvlMm, 1e-4 * hvlMm);
    EXPECT_NEAR(quality.qvlMm, 2.0 * hvlMm, 2e-4 * hvlMm);
    EXPECT_NEAR(quality.homogeneity, 1.0, 3e-4);
    EXPECT_EQ(quality.meanEnergyKeV, 60.0);
    EXPECT_DOUBLE_EQ(quality.kermaMeanEnergyKeV, 60.0);
    EXPECT_EQ(quality.effectiveEnergyKeV, 60.0);
    EXPECT_DOUBLE_EQ(quality.muEnRatio, water.EnergyAbsorption(60.0) / air.EnergyAbsorption(60.0));
    EXPECT_FALSE(quality.airKermaUGyPerMAsAt1m);
}

TEST_F(BeamQualityTest, SolvedLayersTransmitTheirShareOfTheKerma)
{
    const Spectrum beam = Behind(Spectrum::Tasmip(100.0), aluminium, 2.0);
    const KermaWeighting weighting(beam, air);
    for (const SourceMaterial *material : {&aluminium, &copper}) {
        const BeamQuality quality = weighting.Assess(*material, water);
        for (const auto &[mm, share] : {std::pair{quality.hvl1Mm, 0.5}, std::pair{quality.qvlMm, 0.25}}) {
            const double transmitted = KermaWeighting(Behind(beam, *material, mm), air).AirKermaPerMAsAt1m().value() /
                weighting.AirKermaPerMAsAt1m().value();
            EXPECT_NEAR(transmitted, share, share * kBeamRelativeTolerance) << material->Name() << " " << share;
        }
        // The effective energy's own half-value layer is HVL1.
        const double ownHvlMm =
            10.0 * std::numbers::ln2 / (material->Attenuation(quality.effectiveEnergyKeV) * material->Density());
        EXPECT_NEAR(ownHvlMm, quality.hvl1Mm, 2e-4 * quality.hvl1Mm) << material->Name();
    }
}

// The 80 kV figures of data/sources/tasmip_coefficients.provenance.md, worked
// out with NIST's tables interpolated log-log; source H interpolates its own
// way, and the two agree to 1 %.
TEST_F(BeamQualityTest, TasmipAt80KvAsWorkedOutWithNistTables)
{
    const BeamQuality bare = AssessBeam(Spectrum::Tasmip(80.0), aluminium, air, water);
    EXPECT_NEAR(bare.hvl1Mm, 2.331, 0.01 * 2.331);
    EXPECT_NEAR(bare.homogeneity, 0.633, 0.01 * 0.633);
    EXPECT_NEAR(bare.meanEnergyKeV, 41.8, 0.05);
    EXPECT_NEAR(bare.airKermaUGyPerMAsAt1m.value(), 84.0, 0.01 * 84.0);
    const BeamQuality filtered = AssessBeam(Behind(Spectrum::Tasmip(80.0), aluminium, 1.03), aluminium, air, water);
    EXPECT_NEAR(filtered.hvl1Mm, 3.010, 0.01 * 3.010);
    EXPECT_NEAR(filtered.kermaMeanEnergyKeV, 37.9, 0.01 * 37.9);
    EXPECT_NEAR(filtered.effectiveEnergyKeV, 33.7, 0.01 * 33.7);
    EXPECT_NEAR(filtered.airKermaUGyPerMAsAt1m.value(), 59.0, 0.01 * 59.0);
}

// IEC 61267 RQR 2 to 9: the added aluminium that gives the standard's HVL1,
// and there the homogeneity coefficient against the standard's. The standard
// gives h to two decimals (0.005 of rounding) for real tubes, and TASMIP's
// fit follows the measured spectra to a few percent per bin, which moves h
// by up to 0.01 (RQR 4: 0.730 here and with NIST's own tables, against 0.74):
// 0.015 holds both.
TEST_F(BeamQualityTest, RqrQualitiesReachTheStandardsHomogeneity)
{
    struct Quality
    {
        double kv, hvl1Mm, homogeneity;
    };
    const Quality rqr[] = {{40, 1.42, 0.81}, {50, 1.78, 0.76}, {60, 2.19, 0.74},  {70, 2.58, 0.71},
                           {80, 3.01, 0.69}, {90, 3.48, 0.68}, {100, 3.97, 0.68}, {120, 5.00, 0.68}};
    for (const Quality &quality : rqr) {
        const Spectrum tube = Spectrum::Tasmip(quality.kv);
        const auto assess = [&](double mm) { return AssessBeam(Behind(tube, aluminium, mm), aluminium, air, water); };
        const double addedMm =
            DecreasingRoot([&](double mm) { return quality.hvl1Mm - assess(mm).hvl1Mm; }, 1e-3, 10.0, 1e-5);
        const BeamQuality reached = assess(addedMm);
        EXPECT_NEAR(reached.hvl1Mm, quality.hvl1Mm, 1e-3) << quality.kv;
        EXPECT_NEAR(reached.homogeneity, quality.homogeneity, 0.015)
            << quality.kv << " kV with " << addedMm << " mm Al";
        EXPECT_GT(addedMm, 0.5) << quality.kv; // the standard's tubes carry 2.5 mm total
    }
}

TEST_F(BeamQualityTest, FilterLayers)
{
    const Spectrum line({50.0}, {1.0});
    const double mu = copper.Attenuation(50.0);
    const FilterLayer two[] = {{copper, {0.1, ThicknessUnit::Mm}}, {copper, {100.0, ThicknessUnit::Um}}};
    EXPECT_NEAR(FilterTransmission(line, two)[0], std::exp(-mu * copper.Density() * 0.02), 1e-15);
    const FilterLayer massive[] = {{copper, {0.02 * copper.Density(), ThicknessUnit::GramPerCm2}}};
    EXPECT_NEAR(FilterTransmission(line, massive)[0], FilterTransmission(line, two)[0], 1e-15);

    const std::vector<FilterLayer> seven(kMaxFilterLayers + 1, FilterLayer{copper, {0.0, ThicknessUnit::Cm}});
    ExpectSourceError([&] { Filtered(line, seven); }, "at most 6 filter layers");
    const FilterLayer opaque[] = {{copper, {100.0, ThicknessUnit::Cm}}};
    ExpectSourceError([&] { Filtered(line, opaque); }, "the filters let no photon through");
    TCompound formula;
    formula.Z[0] = 29;
    formula.Weight[0] = 1.0f;
    formula.Z[1] = -1;
    const FilterLayer noDensity[] = {{CompoundMaterial("Cu", formula), {1.0, ThicknessUnit::Mm}}};
    ExpectSourceError([&] { Filtered(line, noDensity); }, "Cu has no density");
}

TEST(Thickness, ReadsItsUnits)
{
    struct Row
    {
        const char *text;
        double value;
        ThicknessUnit unit;
    };
    for (const Row &row : {Row{"2.5mm", 2.5, ThicknessUnit::Mm}, Row{"0.1 cm", 0.1, ThicknessUnit::Cm},
                           Row{"50um", 50.0, ThicknessUnit::Um}, Row{"0.27g/cm2", 0.27, ThicknessUnit::GramPerCm2},
                           Row{"0mm", 0.0, ThicknessUnit::Mm}}) {
        const Thickness thickness = ParseThickness(row.text);
        EXPECT_EQ(thickness.value, row.value) << row.text;
        EXPECT_EQ(thickness.unit, row.unit) << row.text;
    }
    ExpectSourceError([] { ParseThickness("2.5"); }, "needs a unit");
    ExpectSourceError([] { ParseThickness("mm"); }, "does not start with a number");
    ExpectSourceError([] { ParseThickness("-1mm"); }, "is negative");
    ExpectSourceError([] { ParseThickness("1e999mm"); }, "does not start with a number");
}

} // namespace
} // namespace pheltra
