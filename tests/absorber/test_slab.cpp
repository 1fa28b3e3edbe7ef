// Narrow-beam slab quantities: the relations between them, and NaN (shown as
// "--") for every input that has no meaning.
#include "absorber/slab.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Slab, RelationsBetweenTheQuantities)
{
    const double mu = LinearCoefficient(4.98, 11.35);
    EXPECT_DOUBLE_EQ(mu, 4.98 * 11.35);
    EXPECT_DOUBLE_EQ(MeanFreePath(mu) * mu, 1.0);
    EXPECT_NEAR(Transmission(mu, HalfValueLayer(mu)), 0.5, 1e-15);
    EXPECT_NEAR(Transmission(mu, TenthValueLayer(mu)), 0.1, 1e-15);
    EXPECT_NEAR(ThicknessForTransmission(mu, 0.25), 2 * HalfValueLayer(mu), 1e-15);
    EXPECT_EQ(Transmission(mu, 0.0), 1.0);
    EXPECT_EQ(Transmission(mu, kInf), 0.0);
    EXPECT_FALSE(std::signbit(ThicknessForTransmission(mu, 1.0)));
    EXPECT_EQ(ThicknessForTransmission(mu, 1.0), 0.0);
}

TEST(Slab, NoValueWhereThereIsNone)
{
    const double nan = std::nan("");
    for (const double bad : {0.0, -1.0, nan, kInf}) {
        EXPECT_TRUE(std::isnan(LinearCoefficient(bad, 1.0))) << bad;
        EXPECT_TRUE(std::isnan(LinearCoefficient(1.0, bad))) << bad;
        EXPECT_TRUE(std::isnan(MeanFreePath(bad))) << bad;
        EXPECT_TRUE(std::isnan(HalfValueLayer(bad))) << bad;
        EXPECT_TRUE(std::isnan(TenthValueLayer(bad))) << bad;
        EXPECT_TRUE(std::isnan(Transmission(bad, 1.0))) << bad;
        EXPECT_TRUE(std::isnan(ThicknessForTransmission(bad, 0.5))) << bad;
    }
    for (const double thickness : {-0.1, nan})
        EXPECT_TRUE(std::isnan(Transmission(1.0, thickness))) << thickness;
    for (const double t : {0.0, -0.5, 1.0000001, nan, kInf})
        EXPECT_TRUE(std::isnan(ThicknessForTransmission(1.0, t))) << t;
}

} // namespace
