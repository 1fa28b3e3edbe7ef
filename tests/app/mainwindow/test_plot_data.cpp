// PlotData: the curves and scales the main window draws from the data sets,
// checked on the graph's own series and scales with the real data libraries.
#include "app/mainwindow/plot_data.h"

#include "absorber/plot_energies.h"
#include "app/mainwindow/main_window_graph.h"
#include "datalib/b/vornak.h"
#include "graph/plot_engine.h"
#include "tests/app/support/test_data_sets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

std::vector<double> XsOf(const TPlotEngine &graph, int slot)
{
    std::vector<double> xs;
    for (const TSeriesPoint &p : graph.Series(slot)->Points)
        xs.push_back(p.X);
    return xs;
}

bool HasPointAt(const TPlotEngine &graph, int slot, double x)
{
    int position = 0;
    return graph.FindPoint(slot, x, position);
}

class PlotDataTest : public ::testing::Test
{
protected:
    PlotDataTest() { ConfigureMainWindowGraph(graph); }
    void Plot() { PlotData(graph, sets, range); }

    TPlotEngine graph;
    DataSets sets;
    TPlotRange range;
};

TEST_F(PlotDataTest, FullRangeGridHasAHundredPointsAndTheTwentyMeVPoint)
{
    sets[0] = WaterDataSet();
    Plot();
    const std::vector<double> xs = XsOf(graph, 1);
    // Hydrogen and oxygen have no edges above 1 keV: grid and 20000 keV only.
    ASSERT_EQ(xs.size(), 101u);
    EXPECT_EQ(xs.front(), 1.0);
    EXPECT_DOUBLE_EQ(xs[1], double(1.1154f));
    EXPECT_TRUE(HasPointAt(graph, 1, 20000.0));
    EXPECT_NEAR(xs.back(), 49617, 1);
    EXPECT_EQ(graph.XScale().Min(), 1.0);
    EXPECT_EQ(graph.XScale().Max(), 50000.0);
    // Water's attenuation runs from about 4000 cm²/g at 1 keV to 0.02 at 50 MeV.
    EXPECT_EQ(graph.YScale().Min(), 0.01);
    EXPECT_EQ(graph.YScale().Max(), 10000.0);
    EXPECT_EQ(graph.YScale().Intersection(), graph.YScale().Min());
}

TEST_F(PlotDataTest, TenMeVRangeEndsNearItsTopWithoutTheTwentyMeVPoint)
{
    range.Max = 10000;
    sets[0] = WaterDataSet();
    Plot();
    const std::vector<double> xs = XsOf(graph, 1);
    ASSERT_EQ(xs.size(), 100u);
    EXPECT_DOUBLE_EQ(xs[1], double(1.0974f));
    EXPECT_NEAR(xs.back(), 9911, 1);
    EXPECT_FALSE(HasPointAt(graph, 1, 20000.0));
}

TEST_F(PlotDataTest, TheTwentyMeVPointIsKeptLeftOfAHighRange)
{
    range.Min = 25000;
    sets[0] = WaterDataSet();
    Plot();
    EXPECT_TRUE(HasPointAt(graph, 1, 20000.0));
    EXPECT_EQ(XsOf(graph, 1).front(), 20000.0);
    EXPECT_EQ(graph.XScale().Min(), 25000.0);
}

TEST_F(PlotDataTest, EveryEdgeIsAJumpBetweenTwoPoints)
{
    sets[0] = ElementsDataSet({82});
    Plot();
    const float k = static_cast<float>(GetAbsEdgeB(82, 1));
    int below = 0, at = 0;
    ASSERT_TRUE(graph.FindPoint(1, k - 0.001f, below));
    ASSERT_TRUE(graph.FindPoint(1, k, at));
    EXPECT_EQ(at, below + 1);
    const std::vector<TSeriesPoint> &points = graph.Series(1)->Points;
    // Lead's K edge multiplies its attenuation about fourfold.
    EXPECT_GT(points[std::size_t(at - 1)].Y, 3.5 * points[std::size_t(below - 1)].Y);
}

TEST_F(PlotDataTest, AnEdgeAtTheBottomOfTheRangeAddsOnlyItself)
{
    const float k = static_cast<float>(GetAbsEdgeB(82, 1));
    range.Min = k;
    sets[0] = ElementsDataSet({82});
    Plot();
    EXPECT_TRUE(HasPointAt(graph, 1, k));
    EXPECT_FALSE(HasPointAt(graph, 1, k - 0.001f));
    EXPECT_EQ(XsOf(graph, 1).front(), double(k));
}

TEST_F(PlotDataTest, AFullCurveKeepsEveryGridPoint)
{
    // Forty heavy elements bring far more edge points than the 600 a curve
    // holds.
    sets[0] = ElementsDataSet({60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73});
    for (const TCmpDataSet &more : {ElementsDataSet({74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84, 85, 86, 87}),
                                    ElementsDataSet({88, 89, 90, 91, 92, 93, 94, 95, 96, 97, 98, 99})}) {
        for (int z = 74; z <= 99; ++z)
            sets[0].ElementWeight[std::size_t(z)] += more.ElementWeight[std::size_t(z)];
    }
    ASSERT_GT(PlotEnergies(sets[0], range.Min, range.Max).size(), 800u);
    Plot();
    ASSERT_EQ(graph.Series(1)->Count(), 600);
    for (const float e : PlotGridEnergies(range.Min, range.Max))
        EXPECT_TRUE(HasPointAt(graph, 1, e)) << e;
    EXPECT_TRUE(HasPointAt(graph, 1, 20000.0));
}

TEST_F(PlotDataTest, NoDataSetInUseLeavesEveryCurveEmpty)
{
    sets[2] = WaterDataSet();
    Plot();
    ASSERT_FALSE(graph.Series(3)->Points.empty());
    sets.Reset();
    Plot();
    for (int slot = 1; slot <= 6; ++slot)
        EXPECT_TRUE(graph.Series(slot)->Points.empty()) << slot;
    EXPECT_DOUBLE_EQ(graph.YScale().Min(), 1E38);
    EXPECT_DOUBLE_EQ(graph.YScale().Max(), 1E39);
}

TEST_F(PlotDataTest, CurvesTakeTheirDataSetsStyleAndLegend)
{
    sets[0] = WaterDataSet();
    sets[0].LineColor = RgbColor(0, 0, 255);
    sets[0].LineWidth = 3;
    sets[0].LinePattern = kDashDot;
    sets[0].Legend = QStringLiteral(" Water");
    sets[4] = WaterDataSet(kDataSourceH);
    sets[4].CoeffType = kCoeffTypeNone;
    Plot();
    const TSeries &curve = *graph.Series(1);
    EXPECT_TRUE(curve.Shown());
    EXPECT_EQ(curve.Colour, QColor(0, 0, 255));
    EXPECT_EQ(curve.LineWidth, 3);
    EXPECT_EQ(curve.PenStyle, TPenStyle::psDashDot);
    EXPECT_TRUE(curve.LineOn);
    EXPECT_EQ(curve.Legend, QStringLiteral(" Water"));
    // In use, but "(none)" yields no value: enabled without points, so it
    // neither draws nor appears in the legend.
    EXPECT_TRUE(graph.Series(5)->Enabled);
    EXPECT_FALSE(graph.Series(5)->Shown());
    EXPECT_FALSE(graph.Series(2)->Enabled);
}

TEST_F(PlotDataTest, SourceHEndsAtTwentyMeV)
{
    sets[0] = WaterDataSet(kDataSourceH);
    Plot();
    const std::vector<double> xs = XsOf(graph, 1);
    EXPECT_EQ(xs.back(), 20000.0);
    EXPECT_TRUE(std::all_of(xs.begin(), xs.end(), [](double x) { return x <= 20000.0; }));
}

TEST_F(PlotDataTest, TheYCaptionIsSetAgainAtEveryPlot)
{
    graph.YAxis().SetCaption(QStringLiteral("changed"));
    Plot();
    EXPECT_EQ(graph.YAxis().Caption(), QStringLiteral("<sym>m</sym>/<sym>r</sym>, cm²/g"));
}

TEST(DecadeScale, WholeDecadesAroundTheValues)
{
    TDecadeScale s = DecadeScale(0.02f, 300.0f);
    EXPECT_DOUBLE_EQ(s.Min, 0.01);
    EXPECT_DOUBLE_EQ(s.Max, 1000.0);
    s = DecadeScale(2.0f, 5.0f);
    EXPECT_DOUBLE_EQ(s.Min, 1.0);
    EXPECT_DOUBLE_EQ(s.Max, 10.0);
    // A power of ten from 1 upwards gets one more decade above.
    s = DecadeScale(1.0f, 10.0f);
    EXPECT_DOUBLE_EQ(s.Min, 1.0);
    EXPECT_DOUBLE_EQ(s.Max, 100.0);
}

TEST(DecadeScale, AtMostTenDecades)
{
    // 1E-7 to 1E+9 before the limit: the bottom moves up to 0.1.
    TDecadeScale s = DecadeScale(1E-6f, 1E8f);
    EXPECT_DOUBLE_EQ(s.Min, 0.1);
    EXPECT_DOUBLE_EQ(s.Max, 1E9);
    // Exactly ten decades stay.
    s = DecadeScale(1E-6f, 300.0f);
    EXPECT_DOUBLE_EQ(s.Min, 1E-7);
    EXPECT_DOUBLE_EQ(s.Max, 1000.0);
}

TEST(DecadeScale, NoValuesAndOddInput)
{
    TDecadeScale s = DecadeScale(kNoValueMin, kNoValueMax);
    EXPECT_DOUBLE_EQ(s.Min, 1E38);
    EXPECT_DOUBLE_EQ(s.Max, 1E39);
    // A smallest value of 0 counts as the smallest float; ten decades below
    // the top remain.
    s = DecadeScale(0.0f, 5.0f);
    EXPECT_DOUBLE_EQ(s.Max, 10.0);
    EXPECT_DOUBLE_EQ(s.Min, 1E-9);
}

} // namespace

// The y caption names the one quantity every plotted curve shares; curves of
// mixed quantities, and a data set that plots nothing, leave it at mu/rho.
TEST_F(PlotDataTest, TheYCaptionNamesTheOneQuantityOfTheCurves)
{
    const QString attenuation = MainWindowYCaption(CoefficientQuantity::kAttenuation);
    const struct
    {
        std::vector<int> types;
        QString caption;
    } rows[] = {
        {{kCoeffTypeAttenuationTotal, 4}, attenuation},
        {{7, 9}, MainWindowYCaption(CoefficientQuantity::kEnergyTransfer)},
        {{kCoeffTypeEnergyAbsorptionTotal}, MainWindowYCaption(CoefficientQuantity::kEnergyAbsorption)},
        {{kCoeffTypeEnergyAbsorptionTotal, kCoeffTypeNone}, MainWindowYCaption(CoefficientQuantity::kEnergyAbsorption)},
        {{kCoeffTypeEnergyAbsorptionTotal, 7}, attenuation},
    };
    for (const auto &row : rows) {
        sets.Reset();
        for (std::size_t i = 0; i < row.types.size(); ++i) {
            sets[static_cast<int>(i)] = WaterDataSet();
            sets[static_cast<int>(i)].CoeffType = static_cast<std::int8_t>(row.types[i]);
        }
        Plot();
        EXPECT_EQ(graph.YAxis().Caption(), row.caption) << row.types.size();
    }
    EXPECT_EQ(MainWindowYCaption(CoefficientQuantity::kEnergyAbsorption),
              QString::fromUtf8("<sym>m</sym><sub>en</sub>/<sym>r</sym>, cm²/g"));
}
