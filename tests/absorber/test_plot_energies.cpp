// The energies the graph evaluates: the cut-down logarithmic grid, 20 MeV
// and the pairs of points at every absorption edge.
#include "absorber/plot_energies.h"
#include "datalib/b/vornak.h"
#include "datalib/h/selquin.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TCmpDataSet PureElement(int z, int source)
{
    TCmpDataSet set;
    set.DataSource = static_cast<std::uint8_t>(source);
    set.ElementWeight[static_cast<std::size_t>(z)] = 1.0;
    return set;
}

TEST(PlotGrid, FullRangeHasAHundredPointsEndingBelowTheTop)
{
    const std::vector<float> grid = PlotGridEnergies(1.0, 50000.0);
    ASSERT_EQ(grid.size(), 100u);
    EXPECT_EQ(grid.front(), 1.0f);
    // The factor exp(ln(50000) / 99) = 1.11549... is cut to 1.1154.
    EXPECT_FLOAT_EQ(grid[1], 1.1154f);
    EXPECT_LE(grid.back(), 50000.0f);
    EXPECT_GT(grid.back(), 49000.0f);
    EXPECT_TRUE(std::is_sorted(grid.begin(), grid.end()));
}

TEST(PlotGrid, ANarrowRangeStillEndsInside)
{
    // exp(ln(2) / 99) = 1.00702... becomes 1.007: the grid stops just short of 200.
    const std::vector<float> grid = PlotGridEnergies(100.0, 200.0);
    ASSERT_EQ(grid.size(), 100u);
    EXPECT_FLOAT_EQ(grid[1], 100.7f);
    EXPECT_LT(grid.back(), 200.0f);
    EXPECT_GT(grid.back(), 199.0f);
}

TEST(PlotGrid, NoGridForARangeWithoutPositiveEnergies)
{
    EXPECT_TRUE(PlotGridEnergies(0.0, 100.0).empty());
    EXPECT_TRUE(PlotGridEnergies(-1.0, 100.0).empty());
    EXPECT_TRUE(PlotGridEnergies(100.0, 10.0).empty());
}

TEST(PlotEdges, LeadHasTheJumpAtEveryEdgeAboveOneKeV)
{
    const TCmpDataSet lead = PureElement(82, kDataSourceB);
    std::vector<float> expected;
    for (int k = 1; k <= 12; ++k) {
        const auto edge = static_cast<float>(GetAbsEdgeB(82, k));
        if (edge >= 1.0f) {
            expected.push_back(edge);
            expected.push_back(edge - 0.001f);
        }
    }
    ASSERT_GE(expected.size(), 18u); // K, three L and five M edges
    EXPECT_EQ(EdgeEnergies(lead, 1.0, 50000.0), expected);
}

TEST(PlotEdges, AnEdgeAtTheBottomOfTheRangeKeepsOnlyItsOwnPoint)
{
    const TCmpDataSet lead = PureElement(82, kDataSourceH);
    const float kEdge = static_cast<float>(GetAbsEdgeH(82, 1));
    EXPECT_EQ(EdgeEnergies(lead, kEdge, 200.0), std::vector<float>{kEdge});
    // Just below the edge the point 1 eV under it would lie in the range, but
    // an edge outside the range brings neither point.
    const std::vector<float> lower = EdgeEnergies(lead, 1.0, kEdge - 0.0005f);
    EXPECT_TRUE(std::none_of(lower.begin(), lower.end(), [](float e) { return e > 80.0f; }));
    EXPECT_FALSE(lower.empty());
}

// A range reaching below 0 takes no missing edge (-1) for an edge.
TEST(PlotEdges, OnlyEdgesAbove0)
{
    for (const int source : {kDataSourceB, kDataSourceH}) {
        const std::vector<float> edges = EdgeEnergies(PureElement(1, source), -5.0, 50000.0);
        EXPECT_TRUE(std::all_of(edges.begin(), edges.end(), [](float e) { return e > 0.0f; })) << source;
    }
}

TEST(PlotEnergies, GridTwentyMeVThenEdges)
{
    const TCmpDataSet lead = PureElement(82, kDataSourceB);
    const std::vector<float> all = PlotEnergies(lead, 1.0, 50000.0);
    const std::vector<float> edges = EdgeEnergies(lead, 1.0, 50000.0);
    ASSERT_EQ(all.size(), 100u + 1u + edges.size());
    EXPECT_EQ(all[100], 20000.0f);
    EXPECT_TRUE(std::equal(edges.begin(), edges.end(), all.begin() + 101));
    // Below 20 MeV the fixed point is left out.
    EXPECT_EQ(PlotEnergies(lead, 1.0, 19999.0).size(), 100u + edges.size());
}

} // namespace
