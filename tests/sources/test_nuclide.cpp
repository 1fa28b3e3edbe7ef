// The nuclide library against the raw table it was compiled from, and the
// air-kerma-rate constant against sums written out by hand.
#include "sources/nuclide.h"
#include "sources/source_error.h"
#include "tests/sources/shipped_library.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace pheltra {
namespace {

TEST(Nuclide, EveryLineAsTheRawTableGivesIt)
{
    std::ifstream file(PHELTRA_SOURCE_DIR "/data/sources/photon_lines.tsv");
    ASSERT_TRUE(file);
    std::map<std::string, std::size_t> seen;
    std::string text;
    std::getline(file, text); // the rows start after the comments and the header
    while (text.starts_with('#'))
        std::getline(file, text);
    while (std::getline(file, text)) {
        std::istringstream row(text);
        std::string name, halfLife, unit, energy, yield, kind;
        std::getline(row, name, '\t');
        std::getline(row, halfLife, '\t');
        std::getline(row, unit, '\t');
        std::getline(row, energy, '\t');
        std::getline(row, yield, '\t');
        std::getline(row, kind, '\t');
        const Nuclide nuclide = FindNuclide(name);
        const std::size_t index = seen[name]++;
        ASSERT_LT(index, nuclide.lines.size()) << name;
        const PhotonLine &line = nuclide.lines[index];
        EXPECT_EQ(line.energyKeV, std::stod(energy)) << name << " " << energy;
        EXPECT_EQ(line.yieldPerDecay, std::stod(yield)) << name << " " << energy;
        EXPECT_STREQ(LineKindName(line.kind), kind.c_str()) << name << " " << energy;
        EXPECT_EQ(nuclide.halfLife, std::stod(halfLife)) << name;
        EXPECT_EQ(nuclide.halfLifeUnit, unit) << name;
    }
    EXPECT_EQ(seen.size(), NuclideNames().size());
    for (const auto &[name, count] : seen)
        EXPECT_EQ(FindNuclide(name).lines.size(), count) << name;
}

TEST(Nuclide, KnownLinesAndNames)
{
    struct Row
    {
        const char *name; // as a user may type it
        double energyKeV;
        double yield;
    };
    for (const Row &row : {Row{"Tc-99m", 140.511, 0.885}, Row{"co60", 1173.228, 0.9985},
                           Row{"CO-60", 1332.492, 0.999826}, Row{"cs 137", 661.6553, 0.8501}}) {
        const Nuclide nuclide = FindNuclide(row.name);
        bool found = false;
        for (const PhotonLine &line : nuclide.lines)
            found = found || (line.energyKeV == row.energyKeV && line.yieldPerDecay == row.yield);
        EXPECT_TRUE(found) << row.name << " " << row.energyKeV;
    }
    for (const char *unknown : {"Tc-98", "", "Pd-103", "Co"})
        EXPECT_THROW(FindNuclide(unknown), SourceError) << unknown;
}

// 1.602176634e-16 J/keV x 1e3 g/kg x 1e6 uGy/Gy x 1e9 Bq/GBq x 3600 s/h
// over 4 pi x 1e4 cm2 (the sphere of 1 m), worked out by hand.
constexpr double kHandFactor = 4.589897958133819;

TEST(Nuclide, AirKermaRateConstantIsTheLineSum)
{
    const SourceMaterial air = LibraryMaterial(ShippedLibrary(), kAirName);
    const auto term = [&](double energy, double yield) { return yield * energy * air.EnergyAbsorption(energy); };
    // Co-60: both gamma lines, nothing below the cut-off.
    EXPECT_NEAR(AirKermaRateConstant(FindNuclide("Co-60"), air),
                kHandFactor * (term(1173.228, 0.9985) + term(1332.492, 0.999826)), 1e-12);
    // Cs-137: the Ba K X-rays (31.8-37.3 keV) count above 20 keV, not above 40.
    const double gamma = term(661.6553, 0.8501);
    const double xrays =
        term(31.8174, 0.0199) + term(32.1939, 0.0366) + term(36.4457, 0.01078) + term(37.3317, 0.00272);
    const Nuclide cs137 = FindNuclide("Cs-137");
    EXPECT_NEAR(AirKermaRateConstant(cs137, air), kHandFactor * (gamma + xrays), 1e-12);
    EXPECT_NEAR(AirKermaRateConstant(cs137, air, 40.0), kHandFactor * gamma, 1e-12);
    EXPECT_EQ(AirKermaRateConstant(cs137, air, 1000.0), 0.0);
    EXPECT_THROW(AirKermaRateConstant(cs137, air, -1.0), SourceError);
}

TEST(Nuclide, RateFallsWithTheSquareOfTheDistance)
{
    EXPECT_DOUBLE_EQ(AirKermaRateInVacuum(80.0, 2.0, 2.0), 40.0);
    EXPECT_DOUBLE_EQ(AirKermaRateInVacuum(80.0, 1.0, 0.5), 320.0);
    EXPECT_THROW(AirKermaRateInVacuum(80.0, 1.0, 0.0), SourceError);
    EXPECT_THROW(AirKermaRateInVacuum(80.0, -1.0, 1.0), SourceError);
}

} // namespace
} // namespace pheltra
