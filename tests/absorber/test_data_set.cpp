// The data sets: their tables, the composition of a mixture and the
// evaluation of its coefficients through the two data libraries.
#include "absorber/compound_file.h"
#include "absorber/data_set_list.h"
#include "datalib/b/vornak.h"
#include "datalib/h/selquin.h"
#include "gallomir/gallomir.h"

#include "tests/support/compound_records.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

// A small library: water as the textbook gives it, carbon, a material
// without density and one whose weights add up to only 0.5.
CompoundLibrary SmallLibrary()
{
    CompoundLibrary library;
    library.Append(QStringLiteral("Water"), MakeCompound(1.0f, {{1, 0.111898f}, {8, 0.888102f}}));
    library.Append(QStringLiteral("Carbon"), MakeCompound(2.0f, {{6, 1.0f}}));
    library.Append(QStringLiteral("Unknown density"), MakeCompound(-1.0f, {{6, 1.0f}}));
    library.Append(QStringLiteral("Half water"), MakeCompound(1.0f, {{1, 0.055949f}, {8, 0.444051f}}));
    library.Sort();
    return library;
}

TCmpDataSet Mixture(std::initializer_list<std::pair<const char *, long double>> absorbers,
                    const CompoundLibrary &library)
{
    TCmpDataSet set;
    std::size_t slot = 0;
    for (const auto &[name, weight] : absorbers) {
        set.AbsorberName[slot] = name;
        set.RelWeight[slot] = weight;
        ++slot;
    }
    set.UpdateComposition(library);
    return set;
}

double Sum(const ElementFractions &fractions)
{
    double sum = 0.0;
    for (const double value : fractions)
        sum += value;
    return sum;
}

// ---------------------------------------------------------------------------
// The tables every dialog and report takes its texts from.

TEST(CoefficientTypes, NamesInListOrder)
{
    const char *const names[] = {"(none)",
                                 "attenuation-total",
                                 "attenuation-p.e.",
                                 "attenuation-Rayleigh",
                                 "attenuation-Compton",
                                 "attenuation-pair",
                                 "attenuation-triplet",
                                 "energy transfer-total",
                                 "energy transfer-p.e.",
                                 "energy transfer-Compton",
                                 "energy transfer-pair",
                                 "energy absorption-total",
                                 "energy absorption-p.e.",
                                 "energy absorption-Compton",
                                 "energy absorption-pair"};
    ASSERT_EQ(std::size(names), static_cast<std::size_t>(kCoeffTypeCount));
    for (int type = 0; type < kCoeffTypeCount; ++type)
        EXPECT_EQ(CoeffTypeName(type), QString::fromLatin1(names[type])) << type;
    EXPECT_TRUE(CoeffTypeName(-1).isEmpty());
    EXPECT_TRUE(CoeffTypeName(kCoeffTypeCount).isEmpty());
}

TEST(CoefficientTypes, LibraryKindFollowsTheGroupsOfTheLibrary)
{
    // The libraries' kind slots come in groups the type list skips parts of:
    // t - 1 for 1..6, t + 1 for 7, 8, t + 2 for 9, 10, t + 5 for 11, 12 and
    // t + 6 for 13, 14.
    EXPECT_EQ(LibraryKind(0), kNoLibraryKind);
    for (int t = 1; t <= 14; ++t) {
        const int expected = t <= 6 ? t - 1 : t <= 8 ? t + 1 : t <= 10 ? t + 2 : t <= 12 ? t + 5 : t + 6;
        EXPECT_EQ(LibraryKind(t), expected) << t;
    }
    EXPECT_EQ(LibraryKind(15), kNoLibraryKind);
    EXPECT_EQ(LibraryKind(-3), kNoLibraryKind);
}

TEST(CoefficientTypes, FoundByNameIgnoringCase)
{
    EXPECT_EQ(FindCoeffType(u"energy absorption-total"), 11);
    EXPECT_EQ(FindCoeffType(u"ATTENUATION-Compton"), 4);
    EXPECT_EQ(FindCoeffType(u"(none)"), 0);
    EXPECT_EQ(FindCoeffType(u"attenuation"), -1);
    EXPECT_EQ(FindCoeffType(u""), -1);
}

// The short names scripts type, each beside the window's text of its type:
// either finds the type, in any case; "(none)" has no short name.
TEST(CoefficientTypes, ShortNamesBesideTheWindowsTexts)
{
    const std::array<std::pair<const char *, const char *>, kCoeffTypeCount - 1> rows{{
        {"mu", "attenuation-total"},
        {"mu_pe", "attenuation-p.e."},
        {"mu_coh", "attenuation-Rayleigh"},
        {"mu_incoh", "attenuation-Compton"},
        {"mu_pair", "attenuation-pair"},
        {"mu_trip", "attenuation-triplet"},
        {"mu_tr", "energy transfer-total"},
        {"mu_tr_pe", "energy transfer-p.e."},
        {"mu_tr_incoh", "energy transfer-Compton"},
        {"mu_tr_pair", "energy transfer-pair"},
        {"mu_en", "energy absorption-total"},
        {"mu_en_pe", "energy absorption-p.e."},
        {"mu_en_incoh", "energy absorption-Compton"},
        {"mu_en_pair", "energy absorption-pair"},
    }};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int type = static_cast<int>(i) + 1;
        const auto [shortName, text] = rows[i];
        EXPECT_EQ(CoeffTypeShortName(type), QLatin1String(shortName));
        EXPECT_EQ(CoeffTypeName(type), QLatin1String(text));
        EXPECT_EQ(FindCoeffType(QString::fromLatin1(shortName).toUpper()), type) << shortName;
    }
    EXPECT_TRUE(CoeffTypeShortName(kCoeffTypeNone).isEmpty());
    EXPECT_TRUE(CoeffTypeShortName(kCoeffTypeCount).isEmpty());
}

TEST(DataSourceList, TextsAndLibrariesInIndexOrder)
{
    EXPECT_EQ(DataSourceTexts(),
              QStringList({QStringLiteral("Zentrilo, Kavomer; NISTIR 5632, 1995"),
                           QStringLiteral("Ludrane, Pestova; Med Phys 23(1996)1997")}));
    EXPECT_EQ(DataSourceAt(kDataSourceH).coefficient, &GetMuCoeffH);
    EXPECT_EQ(DataSourceAt(kDataSourceH).absorptionEdge, &GetAbsEdgeH);
    EXPECT_EQ(DataSourceAt(kDataSourceB).coefficient, &GetMuCoeffB);
    EXPECT_EQ(DataSourceAt(kDataSourceB).absorptionEdge, &GetAbsEdgeB);
    EXPECT_EQ(FindDataSource(u"h"), kDataSourceH);
    EXPECT_EQ(FindDataSource(u"B"), kDataSourceB);
    EXPECT_EQ(FindDataSource(u"ludrane, pestova; med phys 23(1996)1997"), kDataSourceB);
    EXPECT_EQ(FindDataSource(u"X"), -1);
}

TEST(DataSourceList, TypesOfferedAndTheirListPositions)
{
    EXPECT_EQ(CoeffTypeNames(kDataSourceH),
              QStringList({QStringLiteral("(none)"), QStringLiteral("attenuation-total"),
                           QStringLiteral("energy absorption-total")}));
    EXPECT_EQ(CoeffTypeNames(kDataSourceB).size(), kCoeffTypeCount);
    EXPECT_EQ(CoeffTypeNames(kDataSourceB).last(), QStringLiteral("energy absorption-pair"));
    EXPECT_TRUE(CoeffTypeNames(2).isEmpty());

    EXPECT_EQ(CoeffTypeListPosition(kDataSourceH, 11), 2);
    EXPECT_EQ(CoeffTypeAtListPosition(kDataSourceH, 2), 11);
    EXPECT_EQ(CoeffTypeListPosition(kDataSourceH, 3), -1);
    EXPECT_EQ(CoeffTypeAtListPosition(kDataSourceH, 3), -1);
    for (int type = 0; type < kCoeffTypeCount; ++type) {
        EXPECT_EQ(CoeffTypeListPosition(kDataSourceB, type), type);
        EXPECT_EQ(CoeffTypeAtListPosition(kDataSourceB, type), type);
        EXPECT_EQ(SourceOffers(kDataSourceH, type), type == 0 || type == 1 || type == 11) << type;
    }
    EXPECT_EQ(CoeffTypeAtListPosition(kDataSourceB, -1), -1);
    EXPECT_FALSE(SourceOffers(-1, 1));
}

// ---------------------------------------------------------------------------
// The record and the program's six of them.

TEST(DataSet, ClearGivesTheValuesOfANewDataSet)
{
    TCmpDataSet set;
    EXPECT_EQ(set.DataSource, 1);
    EXPECT_EQ(set.CoeffType, 1);
    EXPECT_EQ(set.Legend.str(), QStringLiteral(" "));
    EXPECT_EQ(set.ElectronsPerGram, -1.0L);
    EXPECT_EQ(set.Density, -1.0L);
    EXPECT_EQ(set.ElectronsPerCm3, -1.0L);
    EXPECT_EQ(set.EffectiveZ, -1.0L);
    EXPECT_EQ(set.LineWidth, 1);
    EXPECT_EQ(set.LinePattern, 0);
    EXPECT_FALSE(set.InUse());

    const CompoundLibrary library = SmallLibrary();
    TCmpDataSet used = Mixture({{"Water", 1.0L}}, library);
    used.DataSource = 0;
    used.CoeffType = 11;
    used.LineColor = RgbColor(1, 2, 3);
    used.LineWidth = 4;
    used.LinePattern = kDashDot;
    used.Legend = " water";
    used.Clear();
    EXPECT_EQ(used, TCmpDataSet());
}

TEST(DataSet, CopyFromTakesTheDerivedValuesAlong)
{
    const CompoundLibrary library = SmallLibrary();
    const TCmpDataSet water = Mixture({{"Water", 2.0L}}, library);
    TCmpDataSet copy;
    copy.CopyFrom(water);
    EXPECT_EQ(copy, water);
    EXPECT_EQ(copy.ElementWeight[8], water.ElementWeight[8]);
    EXPECT_EQ(copy.EffectiveZ, water.EffectiveZ);
}

TEST(DataSet, AbsorberCountStopsAtTheFirstEmptySlot)
{
    TCmpDataSet set;
    EXPECT_EQ(set.AbsorberCount(), 0);
    set.AbsorberName[0] = "Water";
    set.AbsorberName[1] = "Carbon";
    set.AbsorberName[3] = "Carbon";
    EXPECT_EQ(set.AbsorberCount(), 2);
    for (auto &name : set.AbsorberName)
        name = "Water";
    EXPECT_EQ(set.AbsorberCount(), TCmpDataSet::kAbsorberSlots);
}

TEST(DataSetList, SixKeyedDataSetsInTheirDefaultColours)
{
    DataSets sets;
    ASSERT_EQ(DataSets::Count(), 6);
    const LineColorValue colours[] = {0x000000, 0xFF0000, 0x008000, 0x808000, 0x800080, 0x0000FF};
    for (int i = 0; i < DataSets::kCount; ++i) {
        EXPECT_EQ(DataSets::Key(i), QString::number(i + 1) + QLatin1Char(':'));
        EXPECT_EQ(sets[i].LineColor, colours[i]) << i;
        TCmpDataSet cleared;
        cleared.LineColor = colours[i];
        EXPECT_EQ(sets[i], cleared);
    }
    EXPECT_EQ(RedOf(sets[5].LineColor), 255);
    EXPECT_EQ(BlueOf(sets[1].LineColor), 255);
    EXPECT_EQ(GreenOf(sets[3].LineColor), 128);
    EXPECT_EQ(BlueOf(sets[3].LineColor), 128);
    EXPECT_FALSE(sets.AnyInUse());
}

TEST(DataSetList, ResetClearsEveryDataSetAndRestoresTheColours)
{
    const CompoundLibrary library = SmallLibrary();
    DataSets sets;
    for (TCmpDataSet &set : sets) {
        set = Mixture({{"Water", 1.0L}}, library);
        set.LineColor = RgbColor(10, 20, 30);
        set.Legend = " changed";
    }
    EXPECT_TRUE(sets.AnyInUse());
    sets.Reset();
    EXPECT_EQ(sets, DataSets());
    EXPECT_FALSE(sets.AnyInUse());
}

TEST(DataSet, StoredLegendAlwaysBeginsWithABlank)
{
    EXPECT_EQ(StoredLegend(QString()), QStringLiteral(" "));
    EXPECT_EQ(StoredLegend(QStringLiteral("Water")), QStringLiteral(" Water"));
    EXPECT_EQ(StoredLegend(QStringLiteral("  two")), QStringLiteral("  two"));
    const QString longText(300, QLatin1Char('x'));
    const QString stored = StoredLegend(longText);
    EXPECT_EQ(stored.size(), 255);
    EXPECT_EQ(stored, QLatin1Char(' ') + longText.left(254));
}

// ---------------------------------------------------------------------------
// Composition of a mixture.

TEST(Composition, WaterAlone)
{
    const TCmpDataSet water = Mixture({{"Water", 1.0L}}, SmallLibrary());
    EXPECT_NEAR(water.ElementWeight[1], 0.111898, 1e-8); // weights are 32-bit floats
    EXPECT_NEAR(water.ElementWeight[8], 0.888102, 1e-8);
    EXPECT_DOUBLE_EQ(Sum(water.ElementWeight), 1.0);
    EXPECT_NEAR(static_cast<double>(water.ElectronsPerGram), 3.3428e23, 0.0001e23);
    EXPECT_NEAR(static_cast<double>(water.Density), 1.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(water.ElectronsPerCm3), 3.3428e23, 0.0001e23);
    EXPECT_NEAR(static_cast<double>(water.EffectiveZ), 7.506, 0.001);
}

TEST(Composition, TheSameEntryTwiceIsTheSameMaterial)
{
    const CompoundLibrary library = SmallLibrary();
    const TCmpDataSet once = Mixture({{"Water", 1.0L}}, library);
    const TCmpDataSet twice = Mixture({{"water", 1.0L}, {"WATER", 3.0L}}, library);
    for (int z = 1; z <= kElementCount; ++z)
        EXPECT_NEAR(twice.ElementWeight[z], once.ElementWeight[z], 1e-15) << z;
    EXPECT_NEAR(static_cast<double>(twice.ElectronsPerGram / once.ElectronsPerGram), 1.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(twice.Density), static_cast<double>(once.Density), 1e-15);
    EXPECT_NEAR(static_cast<double>(twice.EffectiveZ), static_cast<double>(once.EffectiveZ), 1e-12);
}

TEST(Composition, DensityIsTheWeightedHarmonicMean)
{
    // One part water (1 g/cm3) and one part carbon (2 g/cm3): 2 / (1 + 0.5).
    const TCmpDataSet mixed = Mixture({{"Water", 1.0L}, {"Carbon", 1.0L}}, SmallLibrary());
    EXPECT_NEAR(static_cast<double>(mixed.Density), 4.0 / 3.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(mixed.ElectronsPerCm3 / mixed.ElectronsPerGram), 4.0 / 3.0, 1e-12);
    EXPECT_NEAR(mixed.ElementWeight[6], 0.5, 1e-8);
    EXPECT_NEAR(mixed.ElementWeight[8], 0.888102 / 2.0, 1e-7);
}

TEST(Composition, AnEntryWithoutDensityLeavesTheMixtureWithout)
{
    const TCmpDataSet mixed = Mixture({{"Water", 1.0L}, {"Unknown density", 1.0L}}, SmallLibrary());
    EXPECT_EQ(mixed.Density, -1.0L);
    EXPECT_EQ(mixed.ElectronsPerCm3, -1.0L);
    EXPECT_GT(mixed.ElectronsPerGram, 3.0e23L);
    EXPECT_NEAR(mixed.ElementWeight[6], 0.5, 1e-8);
    EXPECT_DOUBLE_EQ(Sum(mixed.ElementWeight), 1.0);
}

TEST(Composition, FractionsAreNormalisedButElectronsAreNot)
{
    const CompoundLibrary library = SmallLibrary();
    const TCmpDataSet whole = Mixture({{"Water", 1.0L}}, library);
    const TCmpDataSet half = Mixture({{"Half water", 1.0L}}, library);
    EXPECT_NEAR(half.ElementWeight[1], whole.ElementWeight[1], 1e-7);
    EXPECT_NEAR(half.ElementWeight[8], whole.ElementWeight[8], 1e-7);
    EXPECT_NEAR(static_cast<double>(half.ElectronsPerGram / whole.ElectronsPerGram), 0.5, 1e-6);
}

TEST(Composition, NoAbsorberLeavesNothingToCompute)
{
    const TCmpDataSet empty = Mixture({}, SmallLibrary());
    EXPECT_EQ(Sum(empty.ElementWeight), 0.0);
    EXPECT_EQ(empty.ElectronsPerGram, 0.0L);
    EXPECT_EQ(empty.Density, -1.0L);
    EXPECT_EQ(empty.ElectronsPerCm3, -1.0L);
    EXPECT_EQ(empty.EffectiveZ, 0.0L);
}

TEST(Composition, ANameNotInTheLibraryIsSkipped)
{
    const CompoundLibrary library = SmallLibrary();
    const TCmpDataSet water = Mixture({{"Water", 1.0L}}, library);
    const TCmpDataSet withUnknown = Mixture({{"Water", 1.0L}, {"Unobtainium", 5.0L}}, library);
    EXPECT_EQ(withUnknown.ElementWeight, water.ElementWeight);
    EXPECT_EQ(withUnknown.ElectronsPerGram, water.ElectronsPerGram);
    EXPECT_EQ(withUnknown.Density, water.Density);
}

TEST(Composition, RecomputingForgetsTheEarlierComposition)
{
    const CompoundLibrary library = SmallLibrary();
    TCmpDataSet set = Mixture({{"Water", 1.0L}, {"Carbon", 1.0L}}, library);
    set.AbsorberName[1].clear();
    set.RelWeight[1] = 0.0L;
    set.UpdateComposition(library);
    EXPECT_EQ(set.ElementWeight[6], 0.0);
    EXPECT_EQ(set, Mixture({{"Water", 1.0L}}, library));
}

TEST(Composition, AtomicNumbersAbove99NeverReachTheFractions)
{
    // The loader refuses such a line; a record filled by code ends its list
    // at the first atomic number it cannot place.
    CompoundLibrary library;
    library.Append(QStringLiteral("Odd"), MakeCompound(1.0f, {{6, 0.5f}, {120, 0.25f}, {8, 0.25f}}));
    const TCmpDataSet odd = Mixture({{"Odd", 1.0L}}, library);
    EXPECT_EQ(odd.ElementWeight[6], 1.0);
    EXPECT_EQ(odd.ElementWeight[8], 0.0);
    EXPECT_EQ(odd.ElementWeight[0], 0.0);
}

TEST(EffectiveAtomicNumber, OfNothingCarbonAndAHeavyMixture)
{
    ElementFractions fractions{};
    EXPECT_EQ(EffectiveZ(fractions), 0.0L);
    fractions[6] = 1.0;
    EXPECT_NEAR(static_cast<double>(EffectiveZ(fractions)), 6.0, 1e-15);
    // Half lead, half carbon by weight, from the electron fractions by hand.
    fractions[6] = 0.5;
    fractions[82] = 0.5;
    const double nC = 6 * 0.5 / GetAtomicWeight(6);
    const double nPb = 82 * 0.5 / GetAtomicWeight(82);
    const double expected = std::pow((nC * std::pow(6.0, 3.5) + nPb * std::pow(82.0, 3.5)) / (nC + nPb), 1 / 3.5);
    EXPECT_NEAR(static_cast<double>(EffectiveZ(fractions)), expected, 1e-12);
}

// ---------------------------------------------------------------------------
// Coefficients and edges.

TEST(Coefficients, NoValueForNoneAndForTypesTheSourceLacks)
{
    TCmpDataSet water = Mixture({{"Water", 1.0L}}, SmallLibrary());
    water.CoeffType = kCoeffTypeNone;
    EXPECT_EQ(water.CoefficientAt(100.0L), 0.0L);
    // Source H has no Rayleigh column. Asking it at an energy it would refuse
    // shows that the library is not asked at all.
    water.DataSource = kDataSourceH;
    water.CoeffType = 3;
    EXPECT_EQ(water.CoefficientAt(100.0L), 0.0L);
    EXPECT_EQ(water.CoefficientAt(1.0e6L), 0.0L);
}

TEST(Coefficients, InvalidSourceOrTypeIsAnInvalidRequest)
{
    TCmpDataSet water = Mixture({{"Water", 1.0L}}, SmallLibrary());
    water.DataSource = 2;
    EXPECT_EQ(water.CoefficientAt(100.0L), -1.0L);
    water.DataSource = kDataSourceB;
    water.CoeffType = 15;
    EXPECT_EQ(water.CoefficientAt(100.0L), -1.0L);
    water.CoeffType = -1;
    EXPECT_EQ(water.CoefficientAt(100.0L), -1.0L);
}

TEST(Coefficients, ADataSetWithoutAbsorberHasNoValue)
{
    TCmpDataSet empty;
    for (int source = 0; source < kDataSourceCount; ++source) {
        empty.DataSource = static_cast<std::uint8_t>(source);
        for (const int type : {0, 1, 11}) {
            empty.CoeffType = static_cast<std::int8_t>(type);
            EXPECT_EQ(empty.CoefficientAt(100.0L), 0.0L) << source << ' ' << type;
        }
    }
}

TEST(Coefficients, PairProductionBelowItsThresholdGivesNoValue)
{
    TCmpDataSet water = Mixture({{"Water", 1.0L}}, SmallLibrary());
    water.CoeffType = 5; // attenuation-pair
    EXPECT_EQ(water.CoefficientAt(500.0L), 0.0L);
    EXPECT_GT(water.CoefficientAt(5000.0L), 0.0L);
}

TEST(Coefficients, EnergyOutsideTheTablesIsInvalid)
{
    TCmpDataSet water = Mixture({{"Water", 1.0L}}, SmallLibrary());
    for (const int source : {kDataSourceH, kDataSourceB}) {
        water.DataSource = static_cast<std::uint8_t>(source);
        EXPECT_EQ(water.CoefficientAt(0.5L), -1.0L);
        EXPECT_EQ(water.CoefficientAt(1.0e6L), -1.0L);
        EXPECT_GT(water.CoefficientAt(1.0L), 0.0L);
    }
    // Source H ends at 20 MeV, source B goes on to 50 MeV.
    water.DataSource = kDataSourceH;
    EXPECT_EQ(water.CoefficientAt(30000.0L), -1.0L);
    water.DataSource = kDataSourceB;
    EXPECT_GT(water.CoefficientAt(30000.0L), 0.0L);
}

TEST(Coefficients, OneRefusedElementMakesTheWholeValueInvalid)
{
    // Library H ends at uranium: plutonium in a mixture makes every value of
    // source H invalid, wherever the element stands in the list.
    CompoundLibrary library;
    library.Append(QStringLiteral("PuO2"), MakeCompound(11.46f, {{94, 0.881945f}, {8, 0.118055f}}));
    TCmpDataSet oxide = Mixture({{"PuO2", 1.0L}}, library);
    oxide.DataSource = kDataSourceH;
    EXPECT_EQ(oxide.CoefficientAt(100.0L), -1.0L);
    oxide.DataSource = kDataSourceB;
    EXPECT_GT(oxide.CoefficientAt(100.0L), 0.0L);
}

TEST(Edges, ComeFromTheLibraryOfTheSource)
{
    for (const int z : {1, 8, 29, 82, 92}) {
        for (int k = 0; k <= 13; ++k) {
            EXPECT_EQ(TCmpDataSet::AbsorptionEdge(z, k, kDataSourceB), GetAbsEdgeB(z, k));
            EXPECT_EQ(TCmpDataSet::AbsorptionEdge(z, k, kDataSourceH), GetAbsEdgeH(z, k));
        }
    }
    EXPECT_NEAR(TCmpDataSet::AbsorptionEdge(82, 1, kDataSourceH), 88.0045, 1e-3);
    EXPECT_EQ(TCmpDataSet::AbsorptionEdge(82, 1, 2), -1.0);
    EXPECT_EQ(TCmpDataSet::AbsorptionEdge(82, 1, -1), -1.0);
}

// Two real entries of the shipped library mixed, checked against the sum of
// the libraries' own values weighted by the fractions worked out here from
// the entries' weights.
class ShippedMixture : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        library_ = new CompoundLibrary;
        ASSERT_EQ(LoadCompoundLibrary(QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat"), *library_),
                  kLibraryLoaded);
    }
    static void TearDownTestSuite()
    {
        delete library_;
        library_ = nullptr;
    }

    // Mass of each element in 1 part of the first and 3 parts of the second.
    static ElementFractions ExpectedFractions(const TCompound &first, const TCompound &second)
    {
        ElementFractions mass{};
        double total = 0.0;
        for (const auto &[compound, parts] : {std::pair{&first, 1.0}, std::pair{&second, 3.0}}) {
            for (int i = 0; i < compound->ConstituentCount(); ++i) {
                mass[compound->Z[i]] += compound->Weight[i] * parts;
                total += compound->Weight[i] * parts;
            }
        }
        for (double &value : mass)
            value /= total;
        return mass;
    }

    static inline CompoundLibrary *library_ = nullptr;
};

TEST_F(ShippedMixture, BoneAndLeadOxideMatchTheLibrariesWeightedSum)
{
    const char *const first = "Bone, Cortical (ICRP)";
    const char *const second = "Lead Oxide";
    TCmpDataSet set = Mixture({{first, 1.0L}, {second, 3.0L}}, *library_);
    const ElementFractions fractions =
        ExpectedFractions(library_->Compound(library_->IndexOf(QString::fromLatin1(first))),
                          library_->Compound(library_->IndexOf(QString::fromLatin1(second))));
    for (int z = 1; z <= kElementCount; ++z)
        ASSERT_NEAR(set.ElementWeight[z], fractions[z], 1e-12) << z;

    struct Case
    {
        int source;
        int type;
        double (*library)(std::int32_t, double, std::int32_t);
    };
    const Case cases[] = {{kDataSourceB, 1, &GetMuCoeffB},
                          {kDataSourceB, 4, &GetMuCoeffB},
                          {kDataSourceB, 13, &GetMuCoeffB},
                          {kDataSourceH, 1, &GetMuCoeffH},
                          {kDataSourceH, 11, &GetMuCoeffH}};
    // Either side of the lead K edge, of the calcium K edge, and on the grid.
    const double energies[] = {1.0, 4.0, 4.0381, 10.0, 88.0, 88.1, 150.0, 1000.0, 15000.0};
    for (const Case &c : cases) {
        set.DataSource = static_cast<std::uint8_t>(c.source);
        set.CoeffType = static_cast<std::int8_t>(c.type);
        for (const double energy : energies) {
            long double expected = 0.0L;
            for (int z = 1; z <= kElementCount; ++z) {
                if (fractions[z] > 0.0)
                    expected += c.library(z, energy, LibraryKind(c.type)) * static_cast<long double>(fractions[z]);
            }
            ASSERT_GT(expected, 0.0L);
            EXPECT_NEAR(static_cast<double>(set.CoefficientAt(energy) / expected), 1.0, 1e-12)
                << "source " << c.source << " type " << c.type << " at " << energy << " keV";
        }
    }
}

} // namespace
