// The library record: its texts, empty values and electrons per gram.
#include "absorber/compound.h"

#include <QList>

#include <gtest/gtest.h>

namespace {

TCompound Water()
{
    TCompound water;
    water.Clear();
    water.Formula = QStringLiteral("H2O");
    water.Density = 1.0f;
    water.Z[0] = 1;
    water.Weight[0] = 0.111898f;
    water.Z[1] = 8;
    water.Weight[1] = 0.888102f;
    return water;
}

TEST(ShortText, KeepsAtMost255Characters)
{
    const QString formula(300, u'x');
    TCompound compound;
    compound.Formula = formula;
    EXPECT_EQ(compound.Formula.str(), formula.left(255));
    compound.Source = QString(255, u'y');
    EXPECT_EQ(compound.Source.str().size(), 255);
}

TEST(ShortText, CountsCharactersNotCodeUnits)
{
    // U+1D707 (mathematical italic mu) takes two UTF-16 code units.
    const QString mu = QString::fromUcs4(U"\U0001D707");
    QString text;
    for (int i = 0; i < 300; ++i)
        text += mu;
    const ShortText cut(text);
    EXPECT_EQ(cut.str().size(), 2 * 255);
    EXPECT_EQ(cut.str().toUcs4().size(), 255);
    EXPECT_TRUE(cut.str().back().isLowSurrogate());

    const QString accented = QString(254, u'a') + QStringLiteral("éé");
    EXPECT_EQ(ShortText(accented).str(), QString(254, u'a') + QStringLiteral("é"));
}

TEST(Compound, NewRecordHoldsZerosAndClearGivesEmptyValues)
{
    TCompound fresh;
    EXPECT_EQ(fresh.Density, 0.0f);
    EXPECT_EQ(fresh.Z[0], 0);
    EXPECT_EQ(fresh.ConstituentCount(), 0);
    EXPECT_EQ(fresh.ElectronsPerGram(), 0.0L);

    fresh.Clear();
    EXPECT_EQ(fresh.ExtraValue, -1.0f);
    EXPECT_EQ(fresh.Density, -1.0f);
    for (int i = 0; i < TCompound::kSlotCount; ++i) {
        EXPECT_EQ(fresh.Z[i], -1);
        EXPECT_EQ(fresh.Weight[i], -1.0f);
    }
    EXPECT_EQ(fresh.ElectronsPerGram(), 0.0L);
}

TEST(Compound, ClearAfterCopyFromLeavesNoTrace)
{
    TCompound source = Water();
    source.SecondName = QStringLiteral("Water, liquid");
    source.ExtraText1 = QStringLiteral("a");
    source.ExtraText2 = QStringLiteral("b");
    source.Source = QStringLiteral("ICRU 44");
    source.ExtraValue = 3.0f;
    source.Z[13] = 92;
    source.Weight[13] = 0.5f;

    TCompound copy;
    copy.CopyFrom(source);
    EXPECT_EQ(copy, source);
    copy.Clear();
    TCompound empty;
    empty.Clear();
    EXPECT_EQ(copy, empty);
    EXPECT_TRUE(copy.Formula.isEmpty());
    EXPECT_TRUE(copy.Source.isEmpty());
    EXPECT_EQ(source.Z[13], 92); // the source is untouched
}

TEST(ElectronsPerGram, WaterWithIupac1995Weights)
{
    const long double electrons = Water().ElectronsPerGram();
    EXPECT_NEAR(static_cast<double>(electrons), 3.3428e23, 0.0001e23);
}

TEST(ElectronsPerGram, StopsAtTheFirstEmptySlot)
{
    TCompound compound = Water();
    compound.Z[1] = -1;
    compound.Weight[1] = -1.0f;
    compound.Z[2] = 8;
    compound.Weight[2] = 0.888102f;
    const long double hydrogenOnly = 1.0L * 0.111898f / 1.00794L / TCompound::kAtomicMassUnit;
    EXPECT_EQ(compound.ConstituentCount(), 1);
    EXPECT_NEAR(static_cast<double>(compound.ElectronsPerGram() / hydrogenOnly), 1.0, 1e-15);

    compound.Z[1] = 0; // an atomic number of 0 ends the list as well
    compound.Weight[1] = 0.5f;
    EXPECT_EQ(compound.ConstituentCount(), 1);

    compound.Z[1] = 100; // no element: ends the list instead of a negative weight from Gallomir
    EXPECT_EQ(compound.ConstituentCount(), 1);
    EXPECT_GT(compound.ElectronsPerGram(), 0.0L);
}

TEST(ElectronsPerGram, WeightsAreNotNormalised)
{
    TCompound half = Water();
    TCompound twice = Water();
    for (int i = 0; i < 2; ++i) {
        half.Weight[i] /= 2.0f;
        twice.Weight[i] *= 2.0f;
    }
    EXPECT_NEAR(static_cast<double>(twice.ElectronsPerGram() / half.ElectronsPerGram()), 4.0, 1e-12);
}

TEST(ElectronsPerGram, RepeatedElementsAddUp)
{
    TCompound split;
    split.Clear();
    split.Z = {8, 8, 8};
    split.Z[3] = -1;
    split.Weight = {0.25f, 0.25f, 0.5f};
    TCompound whole;
    whole.Clear();
    whole.Z[0] = 8;
    whole.Weight[0] = 1.0f;
    EXPECT_NEAR(static_cast<double>(split.ElectronsPerGram() / whole.ElectronsPerGram()), 1.0, 1e-15);
}

} // namespace
