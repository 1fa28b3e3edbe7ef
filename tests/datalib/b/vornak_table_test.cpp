// The committed source-B table: its layout, and physics every row must obey.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string>

#include "datalib/b/vornak_table.h"

namespace pheltra::vornak {
namespace {

// Column numbers as in a table row (1-based).
enum Column {
    kE = 1,
    kMu,
    kMuPe,
    kMuRayleigh,
    kMuCompton,
    kMuPair,
    kMuTriplet,
    kTr,
    kTrPe,
    kTrCompton,
    kTrPair,
    kEn,
    kEnPe,
    kEnCompton,
    kEnPair
};

constexpr std::array<float, 92> kSharedEnergies = {
    1,     1.1f,  1.25f, 1.4f,  1.6f,  1.8f,  2,     2.2f,  2.5f,  2.8f,  3.2f,   3.5f,  4,    4.5f, 5,    5.5f,
    6.3f,  7,     8,     9,     10,    11,    12.5f, 14,    16,    18,    20,     22,    25,   28,   32,   35,
    40,    45,    50,    55,    63,    70,    80,    90,    100,   110,   125,    140,   160,  180,  200,  220,
    250,   280,   320,   350,   400,   450,   500,   550,   630,   700,   800,    900,   1022, 1100, 1250, 1400,
    1600,  1800,  2044,  2200,  2500,  2800,  3200,  3500,  4000,  4500,  5000,   5500,  6300, 7000, 8000, 9000,
    10000, 12500, 16000, 20000, 25000, 32000, 40000, 50000, 63000, 80000, 100000, 125000};

std::span<const float[kColumnCount]> Element(int z)
{
    int first = 0;
    for (int k = 1; k < z; ++k) {
        first += kRowCounts[k - 1];
    }
    return {kRows + first, static_cast<std::size_t>(kRowCounts[z - 1])};
}

float At(const float (&row)[kColumnCount], int column)
{
    return row[column - 1];
}

float Sum(const float (&row)[kColumnCount], std::initializer_list<int> columns)
{
    double sum = 0.0;
    for (const int c : columns) {
        sum += At(row, c);
    }
    return static_cast<float>(sum);
}

TEST(VornakTable, RowCountsCoverTheFlatTable)
{
    int total = 0;
    for (int z = 1; z <= kElementCount; ++z) {
        EXPECT_GE(kRowCounts[z - 1], 93) << "Z = " << z;
        total += kRowCounts[z - 1];
    }
    EXPECT_EQ(total, kRowTotal);
}

TEST(VornakTable, EnergiesHoldTheSharedGridEdgePairsAndOwnPoints)
{
    for (int z = 1; z <= kElementCount; ++z) {
        SCOPED_TRACE("Z = " + std::to_string(z));
        const auto rows = Element(z);
        EXPECT_GE(rows.front()[0], 0.8f);
        EXPECT_LT(rows.front()[0], 1.0f);
        EXPECT_EQ(rows[1][0], 1.0f);
        EXPECT_EQ(rows.back()[0], 125000.0f);
        int edges = 0;
        for (std::size_t r = 1; r < rows.size(); ++r) {
            ASSERT_LE(rows[r - 1][0], rows[r][0]);
            if (rows[r - 1][0] == rows[r][0]) {
                ++edges;
                EXPECT_GT(rows[r][0], 1.0f);
                ASSERT_TRUE(r < 2 || rows[r - 2][0] != rows[r][0]) << "three rows at " << rows[r][0];
            }
        }
        for (const float e : kSharedEnergies) {
            EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [e](const auto &row) { return row[0] == e; }), 1)
                << e << " keV";
        }
        // Besides those, the element's own points, up to the spline's capacity.
        EXPECT_GE(static_cast<int>(rows.size()), 1 + 92 + 2 * edges);
        EXPECT_LE(static_cast<int>(rows.size()), kMaxRows);
        EXPECT_EQ(edges == 0, z <= 10);
        EXPECT_LE(edges, 13);
    }
}

TEST(VornakTable, ThresholdsAndPositivity)
{
    for (int z = 1; z <= kElementCount; ++z) {
        SCOPED_TRACE("Z = " + std::to_string(z));
        for (const auto &row : Element(z)) {
            for (int c = kMu; c <= kEnPair; ++c) {
                ASSERT_TRUE(std::isfinite(At(row, c)) && At(row, c) >= 0.0f) << "column " << c;
            }
            const float e = row[0];
            // Zero through the 1022 and 2044 keV rows, positive in every row
            // above the thresholds (1022.0068 and 2044.0136 keV).
            for (const int c : {kMuPair, kTrPair, kEnPair}) {
                EXPECT_EQ(At(row, c) > 0.0f, e > 1022.0068f) << e << " keV, column " << c;
                EXPECT_EQ(At(row, c) == 0.0f, e <= 1022.0f) << e << " keV, column " << c;
            }
            EXPECT_EQ(At(row, kMuTriplet) > 0.0f, e > 2044.0136f) << e << " keV";
            EXPECT_EQ(At(row, kMuTriplet) == 0.0f, e <= 2044.0f) << e << " keV";
            for (const int c : {kMu, kMuPe, kMuRayleigh, kMuCompton, kTr, kTrPe, kTrCompton, kEn, kEnPe, kEnCompton}) {
                EXPECT_GT(At(row, c), 0.0f) << e << " keV, column " << c;
            }
        }
    }
}

TEST(VornakTable, TotalsAreTheSumsOfTheirProcesses)
{
    for (int z = 1; z <= kElementCount; ++z) {
        for (const auto &row : Element(z)) {
            ASSERT_EQ(At(row, kMu), Sum(row, {kMuPe, kMuRayleigh, kMuCompton, kMuPair, kMuTriplet}))
                << "Z = " << z << ", " << row[0] << " keV";
            ASSERT_EQ(At(row, kTr), Sum(row, {kTrPe, kTrCompton, kTrPair})) << "Z = " << z;
            ASSERT_EQ(At(row, kEn), Sum(row, {kEnPe, kEnCompton, kEnPair})) << "Z = " << z;
        }
    }
}

// Energy absorption never exceeds energy transfer, which never exceeds
// attenuation: process by process and in total.
TEST(VornakTable, AbsorptionWithinTransferWithinAttenuation)
{
    struct Process
    {
        int mu, tr, en;
    };
    constexpr Process kProcesses[] = {{kMu, kTr, kEn}, {kMuPe, kTrPe, kEnPe}, {kMuCompton, kTrCompton, kEnCompton}};
    for (int z = 1; z <= kElementCount; ++z) {
        for (const auto &row : Element(z)) {
            SCOPED_TRACE("Z = " + std::to_string(z) + ", " + std::to_string(row[0]) + " keV");
            for (const auto &p : kProcesses) {
                ASSERT_LE(At(row, p.en), At(row, p.tr));
                ASSERT_LE(At(row, p.tr), At(row, p.mu));
            }
            ASSERT_LE(At(row, kEnPair), At(row, kTrPair));
            ASSERT_LE(At(row, kTrPair), Sum(row, {kMuPair, kMuTriplet}));
        }
    }
}

// Crossing an edge upward adds a subshell: the photo effect jumps up, the
// scattering processes do not move.
TEST(VornakTable, EdgesRaiseOnlyThePhotoEffect)
{
    for (int z = 11; z <= kElementCount; ++z) {
        const auto rows = Element(z);
        for (std::size_t r = 1; r < rows.size(); ++r) {
            if (rows[r - 1][0] != rows[r][0]) {
                continue;
            }
            SCOPED_TRACE("Z = " + std::to_string(z) + ", edge at " + std::to_string(rows[r][0]));
            EXPECT_GT(At(rows[r], kMuPe), At(rows[r - 1], kMuPe));
            EXPECT_EQ(At(rows[r], kMuRayleigh), At(rows[r - 1], kMuRayleigh));
            EXPECT_EQ(At(rows[r], kMuCompton), At(rows[r - 1], kMuCompton));
        }
    }
}

} // namespace
} // namespace pheltra::vornak
