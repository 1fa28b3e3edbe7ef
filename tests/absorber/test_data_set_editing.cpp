// The edits both front ends make to a data set: absorbers added, replaced
// and deleted, the data source changed under a coefficient type, a data set
// copied onto another curve, and the relative-weight range.
#include "absorber/data_set.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <limits>

namespace {

QStringList Names(const TCmpDataSet &set)
{
    QStringList names;
    for (const ShortText &name : set.AbsorberName)
        names << name.str();
    return names;
}

TCmpDataSet Filled(std::initializer_list<const char *> names)
{
    TCmpDataSet set;
    long double weight = 1.0L;
    for (const char *name : names)
        set.AddAbsorber(QString::fromLatin1(name), weight++);
    return set;
}

} // namespace

TEST(DataSetAbsorbers, AddFillsTheFirstEmptySlotUntilAllSixAreTaken)
{
    TCmpDataSet set;
    EXPECT_EQ(set.FirstEmptySlot(), 0);
    EXPECT_EQ(set.AddAbsorber(QStringLiteral("Water"), 2.5L), 0);
    EXPECT_EQ(set.AddAbsorber(QStringLiteral("Carbon"), 1.0L), 1);
    EXPECT_EQ(set.RelWeight[0], 2.5L);
    EXPECT_EQ(set.FirstEmptySlot(), 2);

    set = Filled({"A", "B", "C", "D", "E", "F"});
    EXPECT_EQ(set.FirstEmptySlot(), -1);
    const TCmpDataSet full = set;
    EXPECT_EQ(set.AddAbsorber(QStringLiteral("G"), 1.0L), -1);
    EXPECT_EQ(set, full);

    // A gap left by hand is filled first.
    set.AbsorberName[2].clear();
    EXPECT_EQ(set.FirstEmptySlot(), 2);
    set.SetAbsorber(2, QStringLiteral("Lead"), 7.0L);
    EXPECT_EQ(Names(set), (QStringList{"A", "B", "Lead", "D", "E", "F"}));
    EXPECT_EQ(set.RelWeight[2], 7.0L);
}

TEST(DataSetAbsorbers, DeleteClosesUpTheSlotsBehind)
{
    TCmpDataSet set = Filled({"A", "B", "C", "D"});
    EXPECT_TRUE(set.DeleteAbsorber(1));
    EXPECT_EQ(Names(set), (QStringList{"A", "C", "D", "", "", ""}));
    EXPECT_EQ(set.RelWeight, (std::array<long double, 6>{1.0L, 3.0L, 4.0L, 0.0L, 0.0L, 0.0L}));

    // The last of six: the slot is emptied, weight and all.
    set = Filled({"A", "B", "C", "D", "E", "F"});
    EXPECT_TRUE(set.DeleteAbsorber(5));
    EXPECT_EQ(Names(set), (QStringList{"A", "B", "C", "D", "E", ""}));
    EXPECT_EQ(set.RelWeight[5], 0.0L);
    EXPECT_TRUE(set.DeleteAbsorber(0));
    EXPECT_EQ(Names(set), (QStringList{"B", "C", "D", "E", "", ""}));
    EXPECT_EQ(set.RelWeight[0], 2.0L);
}

TEST(DataSetAbsorbers, DeletingAnEmptyOrAbsentSlotChangesNothing)
{
    TCmpDataSet set = Filled({"A", "B"});
    const TCmpDataSet before = set;
    EXPECT_FALSE(set.DeleteAbsorber(2));
    EXPECT_FALSE(set.DeleteAbsorber(-1));
    EXPECT_FALSE(set.DeleteAbsorber(TCmpDataSet::kAbsorberSlots));
    EXPECT_EQ(set, before);
}

TEST(DataSetSource, TheTypeStaysWhereTheNewSourceOffersIt)
{
    // H offers "(none)", total attenuation and total energy absorption; B
    // offers all fifteen types.
    for (const int type : {kCoeffTypeNone, kCoeffTypeAttenuationTotal, kCoeffTypeEnergyAbsorptionTotal}) {
        TCmpDataSet set;
        set.CoeffType = static_cast<std::int8_t>(type);
        set.SetDataSource(kDataSourceH);
        EXPECT_EQ(set.DataSource, kDataSourceH);
        EXPECT_EQ(set.CoeffType, type);
        set.SetDataSource(kDataSourceB);
        EXPECT_EQ(set.DataSource, kDataSourceB);
        EXPECT_EQ(set.CoeffType, type);
    }
    // Energy absorption moves from list position 11 of B to position 2 of H.
    EXPECT_EQ(CoeffTypeListPosition(kDataSourceB, CoeffTypeUnderSource(kDataSourceH, kCoeffTypeEnergyAbsorptionTotal)),
              11);
    EXPECT_EQ(CoeffTypeListPosition(kDataSourceH, CoeffTypeUnderSource(kDataSourceH, kCoeffTypeEnergyAbsorptionTotal)),
              2);
}

TEST(DataSetSource, ATypeTheNewSourceLacksBecomesNone)
{
    for (int type = 0; type < kCoeffTypeCount; ++type) {
        TCmpDataSet set;
        set.CoeffType = static_cast<std::int8_t>(type);
        set.SetDataSource(kDataSourceH);
        EXPECT_EQ(set.CoeffType, SourceOffers(kDataSourceH, type) ? type : kCoeffTypeNone) << type;
    }
    // No type is valid under a source that does not exist, nor is a type
    // outside the table valid under any source.
    EXPECT_EQ(CoeffTypeUnderSource(kDataSourceCount, kCoeffTypeAttenuationTotal), kCoeffTypeNone);
    EXPECT_EQ(CoeffTypeUnderSource(kDataSourceB, kCoeffTypeCount), kCoeffTypeNone);
    EXPECT_EQ(CoeffTypeUnderSource(kDataSourceB, -1), kCoeffTypeNone);
}

TEST(DataSetCopy, EverythingButTheLineStyleIsCopied)
{
    TCmpDataSet from = Filled({"Water", "Carbon"});
    from.DataSource = kDataSourceH;
    from.CoeffType = kCoeffTypeEnergyAbsorptionTotal;
    from.ElementWeight[8] = 0.5;
    from.Density = 1.5L;
    from.EffectiveZ = 7.4L;
    from.SetLegend(QStringLiteral("water and carbon"));
    from.LineColor = RgbColor(255, 0, 0);
    from.LineWidth = 3;
    from.LinePattern = kDot;

    TCmpDataSet to = Filled({"Lead"});
    to.LineColor = RgbColor(0, 0, 255);
    to.LineWidth = 5;
    to.LinePattern = kDashDotDot;
    to.CopyWithoutLineStyle(from);

    TCmpDataSet expected = from;
    expected.LineColor = RgbColor(0, 0, 255);
    expected.LineWidth = 5;
    expected.LinePattern = kDashDotDot;
    EXPECT_EQ(to, expected);
    EXPECT_EQ(to.Legend.str(), QStringLiteral(" water and carbon"));
}

TEST(DataSetWeights, AboveZeroAndAtMostTheCeiling)
{
    EXPECT_TRUE(TCmpDataSet::IsValidRelWeight(1e-30L));
    EXPECT_TRUE(TCmpDataSet::IsValidRelWeight(TCmpDataSet::kMaxRelWeight));
    EXPECT_EQ(TCmpDataSet::kMaxRelWeight, 100000000.0L);
    EXPECT_FALSE(TCmpDataSet::IsValidRelWeight(0.0L));
    EXPECT_FALSE(TCmpDataSet::IsValidRelWeight(-1.0L));
    EXPECT_FALSE(TCmpDataSet::IsValidRelWeight(100000000.5L));
    EXPECT_FALSE(TCmpDataSet::IsValidRelWeight(std::numeric_limits<long double>::quiet_NaN()));
}
