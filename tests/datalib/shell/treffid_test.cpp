// The shell data library as its callers see it, and its tables against the
// source files they were generated from.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "datalib/shell/treffid.h"

namespace {

constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

// The data lines of a source file under data/sources, split at tabs.
std::vector<std::vector<std::string>> SourceRows(const std::string &name)
{
    std::ifstream in(std::filesystem::path(PHELTRA_SOURCE_DIR) / "data/sources" / name);
    EXPECT_TRUE(in) << name;
    std::vector<std::vector<std::string>> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string f; std::getline(split, f, '\t');) {
            fields.push_back(f);
        }
        rows.push_back(fields);
    }
    return rows;
}

float Nearest(const std::string &text)
{
    return std::strtof(text.c_str(), nullptr);
}

TEST(Treffid, YieldsAndRatioStartWhereTheyHaveValues)
{
    EXPECT_EQ(GetKYield(5), 0.0f);
    EXPECT_EQ(GetKYield(6), 0.001f);
    EXPECT_EQ(GetLYield(23), 0.0f);
    EXPECT_EQ(GetLYield(24), 0.001f);
    EXPECT_EQ(GetKaKbRatio(11), 0.0f);
    EXPECT_EQ(GetKaKbRatio(12), 0.013f);
    EXPECT_EQ(GetKYield(82), 0.983f);
    EXPECT_EQ(GetLYield(99), 0.398f);
    EXPECT_EQ(GetKaKbRatio(99), 0.296f);
    EXPECT_EQ(GetKYield(99), 0.99f);
}

TEST(Treffid, RefusesElementsOutsideOneTo99)
{
    for (std::int32_t z : {0, 100, -1, kIntMin, kIntMax}) {
        EXPECT_EQ(GetKYield(z), -1.0f) << z;
        EXPECT_EQ(GetLYield(z), -1.0f) << z;
        EXPECT_EQ(GetKaKbRatio(z), -1.0f) << z;
        EXPECT_EQ(GetAbsEdge(z, 1), -1.0f) << z;
    }
    for (std::int32_t n : {0, 13, -1, kIntMin, kIntMax}) {
        EXPECT_EQ(GetAbsEdge(82, n), -1.0f) << n;
    }
}

TEST(Treffid, EdgeRows)
{
    const std::vector<std::pair<std::int32_t, std::vector<float>>> rows{
        {1, {0.0136f, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
        {8, {0.5431f, 0.0416f, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
        {10, {0.8702f, 0.0485f, 0.0217f, 0.0216f, -1, -1, -1, -1, -1, -1, -1, -1}},
        {26, {7.112f, 0.8446f, 0.7199f, 0.7068f, 0.0913f, 0.0527f, 0.0527f, -1, -1, -1, -1, -1}},
        {61, {45.184f, 7.428f, 7.013f, 6.459f, -9.99f, 1.4714f, 1.357f, 1.052f, 1.027f, -9.99f, 0.242f, 0.242f}},
        {82, {88.005f, 15.861f, 15.2f, 13.035f, 3.851f, 3.554f, 3.066f, 2.586f, 2.484f, 0.8918f, 0.7619f, 0.6435f}},
        {93, {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
    };
    for (const auto &[z, edges] : rows) {
        for (std::int32_t n = 1; n <= 12; ++n) {
            EXPECT_EQ(GetAbsEdge(z, n), edges[n - 1]) << "Z=" << z << " N=" << n;
        }
    }
    for (std::int32_t z = 93; z <= 99; ++z) {
        for (std::int32_t n = 1; n <= 12; ++n) {
            EXPECT_EQ(GetAbsEdge(z, n), -1.0f) << "Z=" << z << " N=" << n;
        }
    }
}

TEST(Treffid, HoldsTheNearestFloatOfEverySourceValue)
{
    const auto yields = SourceRows("shell_yields.tsv");
    ASSERT_EQ(yields.size(), 99u);
    for (std::int32_t z = 1; z <= 99; ++z) {
        const auto &row = yields[z - 1];
        ASSERT_EQ(row.size(), 4u);
        EXPECT_EQ(std::atoi(row[0].c_str()), z);
        EXPECT_EQ(GetKYield(z), Nearest(row[1])) << "Z=" << z;
        EXPECT_EQ(GetLYield(z), Nearest(row[2])) << "Z=" << z;
        EXPECT_EQ(GetKaKbRatio(z), Nearest(row[3])) << "Z=" << z;
    }
    const auto edges = SourceRows("shell_edges.tsv");
    ASSERT_EQ(edges.size(), 99u);
    int missing = 0;
    for (std::int32_t z = 1; z <= 99; ++z) {
        const auto &row = edges[z - 1];
        ASSERT_EQ(row.size(), 13u);
        for (std::int32_t n = 1; n <= 12; ++n) {
            EXPECT_EQ(GetAbsEdge(z, n), Nearest(row[n])) << "Z=" << z << " N=" << n;
            missing += GetAbsEdge(z, n) == -9.99f;
        }
    }
    EXPECT_EQ(missing, 2); // promethium M1 and N1 only
}

TEST(Treffid, NamesItsVersion)
{
    EXPECT_STREQ(GetTreffidVersion(), "1.00 / 1998-03-01");
}

} // namespace
