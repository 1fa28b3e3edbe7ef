// The compound library Pheltra ships (data/CmpMix.dat) as the program reads
// it, and NIST's materials in it evaluated with data source H against NIST's
// own compound tables.
#include "absorber/compound_file.h"
#include "absorber/data_set.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString kShippedFile = QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat");

class ShippedLibrary : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        library_ = new CompoundLibrary;
        status_ = LoadCompoundLibrary(kShippedFile, *library_);
    }
    static void TearDownTestSuite()
    {
        delete library_;
        library_ = nullptr;
    }
    static TCompound Entry(const char *name)
    {
        const int index = library_->IndexOf(QString::fromLatin1(name));
        EXPECT_GE(index, 0) << name;
        return library_->Compound(index < 0 ? 0 : index);
    }
    // The coefficient of one library entry alone, from source H.
    static double SourceH(const char *name, int coeffType, double energy)
    {
        EXPECT_GE(library_->IndexOf(QString::fromLatin1(name)), 0) << name;
        TCmpDataSet set;
        set.DataSource = kDataSourceH;
        set.CoeffType = static_cast<std::int8_t>(coeffType);
        set.AbsorberName[0] = name;
        set.RelWeight[0] = 1.0L;
        set.UpdateComposition(*library_);
        return static_cast<double>(set.CoefficientAt(energy));
    }

    static inline CompoundLibrary *library_ = nullptr;
    static inline LibraryStatus status_ = kLibraryNotFound;
};

TEST_F(ShippedLibrary, LoadsAllEntriesWithoutFault)
{
    EXPECT_EQ(status_, kLibraryLoaded);
    // 99 elements, NIST's 48 materials of Table 2 and the 158 further NIST
    // materials of xraylib's list.
    EXPECT_EQ(library_->Count(), 305);
}

TEST_F(ShippedLibrary, EveryEntryIsAUsableMaterial)
{
    for (const auto &[name, compound] : library_->Entries()) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_GT(compound.Density, 0.0f);
        ASSERT_GE(compound.ConstituentCount(), 1);
        double sum = 0.0;
        for (int i = 0; i < compound.ConstituentCount(); ++i)
            sum += compound.Weight[i];
        EXPECT_NEAR(sum, 1.0, 1e-3);
        EXPECT_FALSE(compound.Source.isEmpty());
        EXPECT_GT(compound.ElectronsPerGram(), 0.0L);
    }
}

TEST_F(ShippedLibrary, SortedIgnoringCase)
{
    for (int i = 1; i < library_->Count(); ++i)
        EXPECT_LE(library_->CompareNames(library_->Name(i - 1), library_->Name(i)), 0) << i;
}

TEST_F(ShippedLibrary, NistWater)
{
    const TCompound &water = Entry("water, liquid");
    EXPECT_EQ(water.Formula.str(), QStringLiteral("H2O"));
    EXPECT_EQ(water.Density, 1.0f);
    EXPECT_EQ(water.Source.str(), QStringLiteral("NIST SRD 126 Table 2 (Hubbell & Seltzer)"));
    EXPECT_EQ(water.Z[0], 1);
    EXPECT_EQ(water.Weight[0], 0.111898f);
    EXPECT_EQ(water.Z[1], 8);
    EXPECT_EQ(water.Weight[1], 0.888102f);
    EXPECT_EQ(water.ConstituentCount(), 2);
    EXPECT_NEAR(static_cast<double>(water.ElectronsPerGram()), 3.3428e23, 0.0001e23);
}

TEST_F(ShippedLibrary, FormulasOfCompoundsOnly)
{
    EXPECT_EQ(Entry("Lithium Fluoride").Formula.str(), QStringLiteral("LiF"));
    EXPECT_EQ(Entry("Lithium Tetraborate").Formula.str(), QStringLiteral("Li2B4O7"));
    EXPECT_EQ(Entry("Polyethylene").Formula.str(), QStringLiteral("(C2H4)n"));
    EXPECT_EQ(Entry("Lead").Formula.str(), QStringLiteral("Pb"));
    // The hydrate dot, the file's one character beyond ASCII, survives the
    // load as itself.
    EXPECT_EQ(Entry("Gypsum, Plaster of Paris").Formula.str(), QStringLiteral("CaSO4\u00b72H2O"));
    EXPECT_TRUE(Entry("Tissue, Soft (ICRU-44)").Formula.isEmpty());
    EXPECT_TRUE(Entry("Concrete, Ordinary").Formula.isEmpty());
}

TEST_F(ShippedLibrary, NamesAsSpelt)
{
    for (const char *name : {"1,2-Dichlorobenzene", "Polymethyl Methacrylate (Lucite, Perspex)",
                             "Polymethyl Methacrylate", "Magnesium Tetraborate"})
        EXPECT_GE(library_->IndexOf(QString::fromLatin1(name)), 0) << name;
    for (const char *misspelt : {"1,2-Ddihlorobenzene", "Polymethyl Methacralate (Lucite, Perspex)", "Lithium Fluride",
                                 "Magnesium Tetroborate"})
        EXPECT_EQ(library_->IndexOf(QString::fromLatin1(misspelt)), -1) << misspelt;
}

struct Table4Value
{
    const char *name;
    double energy; // keV
    double mu;     // mu/rho, cm2/g
    double muen;   // mu_en/rho, cm2/g
};

// NIST SRD 126, Table 4. The mixture rule over the element tables of source H
// with NIST's Table 2 composition reproduces them.
constexpr Table4Value kTable4[] = {
    {"Tissue, Soft (ICRU-44)", 10.0, 5.379, 4.987},
    {"Tissue, Soft (ICRU-44)", 100.0, 0.1693, 0.02545},
    {"Bone, Cortical (ICRU-44)", 30.0, 1.331, 1.070},
    {"Water, Liquid", 10.0, 5.329, 4.944},
};

TEST_F(ShippedLibrary, SourceHMatchesNistCompoundTables)
{
    for (const Table4Value &value : kTable4) {
        SCOPED_TRACE(testing::Message() << value.name << " at " << value.energy << " keV");
        const double mu = SourceH(value.name, kCoeffTypeAttenuationTotal, value.energy);
        const double muen = SourceH(value.name, kCoeffTypeEnergyAbsorptionTotal, value.energy);
        EXPECT_LE(std::fabs(mu / value.mu - 1.0), 0.001) << "mu/rho " << mu;
        EXPECT_LE(std::fabs(muen / value.muen - 1.0), 0.005) << "mu_en/rho " << muen;
    }
}

// The ICRP compositions stay beside NIST's ICRU-44 ones, so a user can choose
// either: soft tissue differs by several per cent at 10 keV, purely from the
// composition.
TEST_F(ShippedLibrary, IcrpTissuesRemainBesideIcru44)
{
    const double icru = SourceH("Tissue, Soft (ICRU-44)", kCoeffTypeAttenuationTotal, 10.0);
    const double icrp = SourceH("Tissue, Soft (ICRP)", kCoeffTypeAttenuationTotal, 10.0);
    EXPECT_GT(std::fabs(icrp / icru - 1.0), 0.05);
    const double bone = SourceH("Bone, Cortical (ICRU-44)", kCoeffTypeAttenuationTotal, 30.0);
    const double icrpBone = SourceH("Bone, Cortical (ICRP)", kCoeffTypeAttenuationTotal, 30.0);
    EXPECT_GT(std::fabs(icrpBone / bone - 1.0), 0.02);
}

} // namespace
