// The read-out texts: numbers with four significant digits in the user's
// locale, both sides of an edge under the cursor, and the edge's name.
#include "app/mainwindow/graph_readout.h"

#include "absorber/plot_energies.h"
#include "graph/graph_types.h"
#include "tests/app/support/test_data_sets.h"

#include <gtest/gtest.h>

namespace {

const QLocale kC = QLocale::c();
const QLocale kGerman(QLocale::German, QLocale::Germany);

} // namespace

TEST(ReadoutNumber, FourSignificantDigitsInTheUsersLocale)
{
    EXPECT_EQ(ReadoutNumber(88.29, kC), "88.29");
    EXPECT_EQ(ReadoutNumber(88.29, kGerman), "88,29");
    EXPECT_EQ(ReadoutNumber(0.0205949, kC), "0.02059");
    EXPECT_EQ(ReadoutNumber(0.001, kC), "0.001000");
    // Rounding that reaches the next power of ten keeps four digits.
    EXPECT_EQ(ReadoutNumber(9.99951, kC), "10.00");
    EXPECT_EQ(ReadoutNumber(999.96, kC), "1000");
    // No digit grouping, large values rounded to four digits.
    EXPECT_EQ(ReadoutNumber(1234.4, kGerman), "1234");
    EXPECT_EQ(ReadoutNumber(49617.3, kC), "49620");
    EXPECT_EQ(ReadoutNumber(1e9, kC), QString::fromUtf8("1.000×10<sup>9</sup>"));
    EXPECT_EQ(ReadoutNumber(2.3456e-7, kGerman), QString::fromUtf8("2,346×10<sup>-7</sup>"));
    // The program's convention: nothing to show.
    EXPECT_EQ(ReadoutNumber(0, kC), "--");
    EXPECT_EQ(ReadoutNumber(-1, kC), "--");
}

TEST(EdgeName, SymbolAndShellFromTheShellData)
{
    EXPECT_EQ(EdgeName(82, 1, 88.29f), "Pb K");
    EXPECT_EQ(EdgeName(82, 4, 13.04f), "Pb L3");
    EXPECT_EQ(EdgeName(82, 9, 2.489f), "Pb M5");
    EXPECT_EQ(EdgeName(26, 1, 7.112f), "Fe K");
}

TEST(GraphReadout, ValuesAreComputedForEveryPlottedDataSet)
{
    DataSets sets;
    sets[0] = WaterDataSet();
    sets[0].Legend = QStringLiteral(" <b>water</b>");
    sets[2] = ElementsDataSet({82});
    sets[4] = WaterDataSet(kDataSourceH); // in use, but its curve not plotted
    const std::array<bool, DataSets::kCount> plotted{true, false, true, false, false, false};
    const TReadout r = GraphReadout(sets, plotted, 50.0, 49.8, 50.2, kC);
    EXPECT_EQ(r.Energy, "50.00 keV");
    ASSERT_EQ(r.Entries.size(), 2u);
    EXPECT_EQ(r.Entries[0].Slot, 1);
    EXPECT_EQ(r.Entries[0].Legend, " <b>water</b>");
    EXPECT_EQ(r.Entries[0].Value, ReadoutNumber(double(sets[0].CoefficientAt(50.0)), kC) + QString::fromUtf8(" cm²/g"));
    EXPECT_EQ(r.Entries[1].Slot, 3);
    EXPECT_EQ(r.Entries[1].Value, ReadoutNumber(double(sets[2].CoefficientAt(50.0)), kC) + QString::fromUtf8(" cm²/g"));
    EXPECT_EQ(r.Entries[1].Colour, ColorFromRgbValue(sets[2].LineColor));
}

TEST(GraphReadout, BothSidesOfAnEdgeWithinAPixel)
{
    DataSets sets;
    sets[0] = ElementsDataSet({82});
    sets[1] = WaterDataSet();
    const std::array<bool, DataSets::kCount> plotted{true, true, false, false, false, false};
    const double k = TCmpDataSet::AbsorptionEdge(82, 1, kDataSourceB);
    const float edge = float(k);
    // The cursor a little above the K edge, the edge within the pixel.
    const TReadout r = GraphReadout(sets, plotted, k * 1.001, k * 0.999, k * 1.003, kC);
    ASSERT_EQ(r.Entries.size(), 2u);
    const QString below = ReadoutNumber(double(sets[0].CoefficientAt(edge - kEdgeStepBelow)), kC);
    const QString above = ReadoutNumber(double(sets[0].CoefficientAt(edge)), kC);
    EXPECT_NE(below, above);
    EXPECT_EQ(r.Entries[0].Value, below + " / " + above + QString::fromUtf8(" cm²/g (below / above Pb K)"));
    // Water has no edge there: its value at the cursor.
    EXPECT_FALSE(r.Entries[1].Value.contains("below"));
    // One pixel further the edge is no longer under the cursor.
    const TReadout off = GraphReadout(sets, plotted, k * 1.01, k * 1.008, k * 1.012, kC);
    EXPECT_FALSE(off.Entries[0].Value.contains("Pb K"));
}

TEST(GraphReadout, TheNearestOfSeveralEdgesUnderTheCursor)
{
    DataSets sets;
    sets[0] = ElementsDataSet({82});
    const std::array<bool, DataSets::kCount> plotted{true, false, false, false, false, false};
    // L2 (15.25) and L1 (15.85) both within a wide pixel around 15.3 keV.
    const TReadout r = GraphReadout(sets, plotted, 15.3, 14.0, 16.5, kC);
    ASSERT_EQ(r.Entries.size(), 1u);
    EXPECT_TRUE(r.Entries[0].Value.endsWith("Pb L2)")) << r.Entries[0].Value.toStdString();
}
