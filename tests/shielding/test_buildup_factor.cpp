// Build-up factors: the G-P fit against the report's own tables and the 1991
// lead values, the lookup at and around K edges, the equivalent-Z method on
// the standard's own elements, and every refusal and flag.
#include "shielding/buildup_factor.h"
#include "shielding/gp_formula.h"
#include "shielding/table_lookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace pheltra {
namespace {

const StandardMaterial &Named(const char *name)
{
    const StandardMaterial *material = StandardMaterialByName(name);
    EXPECT_NE(material, nullptr) << name;
    return *material;
}

MassFractions Element(int z)
{
    MassFractions composition{};
    composition[z] = 1.0;
    return composition;
}

// The stated maximum deviation of the row at energyKeV, %.
double MaxDeviation(const Ans643Table &table, double energyKeV)
{
    for (const Ans643Row &row : Ans643Rows().subspan(table.firstRow, table.rowCount))
        if (row.energyKeV == energyKeV)
            return row.maxDeviationPct;
    ADD_FAILURE() << "no row at " << energyKeV;
    return 0.0;
}

struct ReferenceRow
{
    const char *material;
    BuildupResponse response;
    double energyKeV;
    double expected[5]; // at 1, 5, 10, 20 and 40 mfp
    bool fromFit;       // computed from the 1991 coefficients (to the digits given), not a transport table
};

// ORNL/RSIC-49 Table 3 (exposure) and Table 4 (energy absorption), read from
// the scan; lead: the 1991 coefficients' own values.
const ReferenceRow kReferences[] = {
    {"Water", BuildupResponse::kExposure, 1000.0, {2.08, 10.1, 26.1, 74.0, 218.0}, false},
    {"Water", BuildupResponse::kEnergyAbsorption, 1000.0, {2.08, 10.1, 26.0, 73.5, 214.0}, false},
    {"Iron", BuildupResponse::kExposure, 1000.0, {1.85, 6.74, 15.8, 41.3, 114.0}, false},
    {"Iron", BuildupResponse::kEnergyAbsorption, 1000.0, {2.14, 8.74, 21.1, 56.2, 156.0}, false},
    {"Concrete", BuildupResponse::kExposure, 1000.0, {1.98, 8.33, 20.7, 57.1, 164.0}, false},
    {"Concrete", BuildupResponse::kEnergyAbsorption, 1000.0, {2.11, 9.61, 24.3, 67.9, 197.0}, false},
    {"Lead", BuildupResponse::kExposure, 1000.0, {1.367, 2.444, 3.495, 5.275, 7.812}, true},
};

TEST(BuildupFactor, ReproducesTheReportsTablesWithinTheFitsStatedDeviation)
{
    const double depths[] = {1.0, 5.0, 10.0, 20.0, 40.0};
    for (const ReferenceRow &row : kReferences) {
        const StandardMaterial &material = Named(row.material);
        const double deviation = MaxDeviation(*material.Table(row.response), row.energyKeV) / 100.0;
        for (int i = 0; i < 5; ++i) {
            const BuildupFactor b =
                Buildup(BuildupMaterialOf(material.composition), row.response, row.energyKeV, depths[i]);
            ASSERT_TRUE(b.ok()) << b.refusal;
            EXPECT_EQ(b.basis.table, &material);
            // Three printed digits are good to half a unit of the last one.
            const double printed = 0.5 * std::pow(10.0, std::floor(std::log10(row.expected[i])) - 2.0);
            const double tolerance = row.fromFit ? 0.0005 : deviation * row.expected[i] + printed;
            EXPECT_NEAR(b.value, row.expected[i], tolerance) << row.material << " " << depths[i] << " mfp";
        }
    }
}

TEST(BuildupFactor, IsBAtOneMeanFreePathOnEveryRow)
{
    for (const Ans643Table &table : Ans643Tables())
        for (const Ans643Row &row : Ans643Rows().subspan(table.firstRow, table.rowCount))
            EXPECT_NEAR(GpBuildup(row.coefficients, 1.0), row.coefficients.b, 1e-12 * row.coefficients.b)
                << table.material << " " << row.energyKeV;
}

TEST(BuildupFactor, ExtrapolationMeetsTheFitAt40MfpAndHoldsKWhereItCrossesOne)
{
    const GpCoefficients water = TableCoefficientsAt(*Named("Water").exposure, 1000.0)->coefficients;
    EXPECT_NEAR(GpBuildup(water, 40.0 + 1e-9), GpBuildup(water, 40.0), 1e-6);
    EXPECT_GT(GpBuildup(water, 100.0), GpBuildup(water, 60.0));
    // Concrete, exposure, 10 MeV: K passes through 1 between 35 and 40 mfp.
    const GpCoefficients concrete = TableCoefficientsAt(*Named("Concrete").exposure, 10000.0)->coefficients;
    EXPECT_EQ(GpKExtended(concrete, 70.0), GpK(concrete, 40.0));
}

TEST(BuildupFactor, ElementwiseOverEnergiesAndDepthsIsTheSingleValue)
{
    const BuildupMaterial water = BuildupMaterialOf(Named("Water").composition);
    const std::vector<double> energies{662.0, 662.0, 10.0, 1250.0};
    const std::vector<double> depths{1.0, 20.0, 1.0, 150.0};
    const std::vector<BuildupFactor> factors = Buildups(water, BuildupResponse::kExposure, energies, depths);
    ASSERT_EQ(factors.size(), energies.size());
    for (std::size_t i = 0; i < factors.size(); ++i) {
        const BuildupFactor one = Buildup(water, BuildupResponse::kExposure, energies[i], depths[i]);
        EXPECT_EQ(factors[i].refusal, one.refusal);
        EXPECT_TRUE(factors[i].value == one.value || (std::isnan(one.value) && std::isnan(factors[i].value)));
    }
    EXPECT_TRUE(Buildups(water, BuildupResponse::kExposure, energies, {1.0}).empty());
}

TEST(BuildupLookup, NeverInterpolatesAcrossTheKEdge)
{
    // Lead: 88 keV is the last energy below the edge at 88.005 keV, 89 keV the
    // first above it.
    const Ans643Table &lead = *Named("Lead").exposure;
    struct Case
    {
        double energyKeV;
        double b;
        bool held;
    };
    const Case cases[] = {{88.0, 1.067, false}, {88.004, 1.067, true}, {88.005, 2.368, true},
                          {88.5, 2.368, true},  {89.0, 2.368, false},  {30.0, 1.007, false}};
    for (const Case &c : cases) {
        const std::optional<TableCoefficients> found = TableCoefficientsAt(lead, c.energyKeV);
        ASSERT_TRUE(found) << c.energyKeV;
        EXPECT_EQ(found->coefficients.b, c.b) << c.energyKeV;
        EXPECT_EQ(found->heldAtEdge, c.held) << c.energyKeV;
    }
    // Between two energies: linear in ln E (water exposure, 1 and 1.5 MeV).
    const double between = std::sqrt(1000.0 * 1500.0);
    EXPECT_NEAR(TableCoefficientsAt(*Named("Water").exposure, between)->coefficients.b, (2.103 + 1.939) / 2, 1e-12);
}

TEST(EquivalentZ, GivesEachStandardElementItsOwnTableBack)
{
    const double energies[] = {15.0, 30.0, 60.0, 100.0, 662.0, 1000.0, 5000.0, 15000.0};
    for (const StandardMaterial *element : StandardElements()) {
        for (const double energy : energies) {
            BuildupMaterial byZ;
            byZ.composition = element->composition; // no table: the equivalent-Z method
            const BuildupCoefficients viaZ = BuildupCoefficientsFor(byZ, BuildupResponse::kExposure, energy);
            const BuildupCoefficients own =
                BuildupCoefficientsFor(BuildupMaterialOf(element->composition), BuildupResponse::kExposure, energy);
            ASSERT_EQ(viaZ.ok(), own.ok()) << element->name << " " << energy << " " << viaZ.refusal;
            if (!own.ok())
                continue;
            EXPECT_DOUBLE_EQ(viaZ.basis.zEq, element->z) << element->name << " " << energy;
            EXPECT_DOUBLE_EQ(viaZ.coefficients.b, own.coefficients.b) << element->name << " " << energy;
            EXPECT_DOUBLE_EQ(viaZ.coefficients.d, own.coefficients.d) << element->name << " " << energy;
        }
    }
}

TEST(EquivalentZ, PlacesAMaterialBetweenItsNeighbours)
{
    // Aluminium oxide at 662 keV: between oxygen and aluminium.
    MassFractions alumina{};
    alumina[8] = 0.470749;
    alumina[13] = 0.529251;
    const BuildupFactor b = Buildup(BuildupMaterialOf(alumina), BuildupResponse::kExposure, 662.0, 10.0);
    ASSERT_TRUE(b.ok()) << b.refusal;
    EXPECT_EQ(b.basis.table, nullptr);
    EXPECT_GT(b.basis.zEq, 8.0);
    EXPECT_LT(b.basis.zEq, 13.0);
    EXPECT_EQ(DescribeBasis(b.basis).rfind("Z_eq ", 0), 0u);
}

TEST(StandardMaterials, AreRecognisedByCompositionAndFoundByName)
{
    MassFractions dryAir{}; // NIST's dry air as the shipped library holds it
    dryAir[6] = 0.000124;
    dryAir[7] = 0.755268;
    dryAir[8] = 0.231781;
    dryAir[18] = 0.012827;
    EXPECT_EQ(RecogniseStandardMaterial(dryAir), &Named("Air"));
    MassFractions ordinaryConcrete{}; // NIST's ordinary concrete: not the standard's
    ordinaryConcrete[1] = 0.0221;
    ordinaryConcrete[8] = 0.57493;
    ordinaryConcrete[14] = 0.304627;
    ordinaryConcrete[20] = 0.042951;
    ordinaryConcrete[13] = 0.019953;
    ordinaryConcrete[11] = 0.015208;
    ordinaryConcrete[26] = 0.006435;
    ordinaryConcrete[19] = 0.010045;
    ordinaryConcrete[12] = 0.001266;
    ordinaryConcrete[6] = 0.002484;
    EXPECT_EQ(RecogniseStandardMaterial(ordinaryConcrete), nullptr);
    EXPECT_EQ(StandardMaterialByName("pb"), &Named("Lead"));
    EXPECT_EQ(StandardMaterialByName("Sulfur"), &Named("Sulphur"));
    EXPECT_EQ(StandardMaterialByName("concrete"), &Named("Concrete"));
    EXPECT_EQ(StandardMaterialByName("Silver"), nullptr);
    EXPECT_EQ(StandardMaterials().size(), 26u);
}

struct RefusalCase
{
    const char *what;
    MassFractions composition;
    BuildupResponse response;
    double energyKeV;
    double mfp;
    const char *message;
};

TEST(BuildupFactor, RefusesOutsideTheStandardWithTheReason)
{
    const auto exposure = BuildupResponse::kExposure;
    const auto absorption = BuildupResponse::kEnergyAbsorption;
    const RefusalCase cases[] = {
        {"below 15 keV", Element(26), exposure, 14.9, 1.0, "outside the build-up factors of ANSI/ANS-6.4.3"},
        {"above 15 MeV", Element(26), exposure, 15001.0, 1.0, "outside the build-up factors of ANSI/ANS-6.4.3"},
        {"lead placeholder rows", Element(82), exposure, 20.0, 1.0, "Lead table of ANSI/ANS-6.4.3 covers 30 to"},
        {"lead energy absorption", Element(82), absorption, 1000.0, 1.0, "no energy-absorption build-up for Lead"},
        {"silver energy absorption", Element(47), absorption, 1000.0, 1.0, "no energy-absorption build-up for Z_eq"},
        {"hydrogen", Element(1), exposure, 100.0, 1.0, "no equivalent Z at 100 keV"},
        {"beyond 100 mfp", Element(26), exposure, 1000.0, 100.5, "beyond 100 mfp"},
        {"negative depth", Element(26), exposure, 1000.0, -1.0, "must not be negative"},
    };
    for (const RefusalCase &c : cases) {
        const BuildupFactor b = Buildup(BuildupMaterialOf(c.composition), c.response, c.energyKeV, c.mfp);
        EXPECT_FALSE(b.ok()) << c.what;
        EXPECT_TRUE(std::isnan(b.value)) << c.what;
        EXPECT_NE(b.refusal.find(c.message), std::string::npos) << c.what << ": " << b.refusal;
        EXPECT_EQ(b.refusal.find('\n'), std::string::npos) << c.what;
    }
}

TEST(BuildupFactor, FlagsWhatLiesOutsideTheStandardsFit)
{
    struct Case
    {
        const char *material;
        BuildupResponse response;
        double energyKeV;
        double mfp;
        unsigned flags;
    };
    const Case cases[] = {
        {"Water", BuildupResponse::kExposure, 1000.0, 45.0, kBuildupExtrapolated},
        {"Water", BuildupResponse::kExposure, 1000.0, 40.0, 0u},
        {"Water", BuildupResponse::kExposure, 1000.0, 0.3, kBuildupShallow},
        {"Water", BuildupResponse::kExposure, 1000.0, 0.0, 0u},
        {"Water", BuildupResponse::kEnergyAbsorption, 70.0, 10.0, kBuildupSuspectRow},
        {"Water", BuildupResponse::kExposure, 70.0, 10.0, 0u},
        {"Lanthanum", BuildupResponse::kExposure, 5000.0, 10.0, kBuildupCaution},
        {"Lead", BuildupResponse::kExposure, 88.1, 10.0, kBuildupHeldAtEdge},
    };
    for (const Case &c : cases) {
        const BuildupFactor b =
            Buildup(BuildupMaterialOf(Named(c.material).composition), c.response, c.energyKeV, c.mfp);
        ASSERT_TRUE(b.ok()) << b.refusal;
        EXPECT_EQ(b.flags, c.flags) << c.material << " " << c.energyKeV << " " << c.mfp;
        EXPECT_EQ(BuildupFlagTexts(b.flags).size(), c.flags == 0 ? 0u : 1u);
    }
}

} // namespace
} // namespace pheltra
