// Library H's committed table against its source: every stored float is the
// one nearest to the source's text (that regenerating it gives the same bytes
// is the test selquin_table_regenerates).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "datalib/h/selquin_table_data.h"

namespace pheltra::selquin {
namespace {

const std::filesystem::path kSource = std::filesystem::path(PHELTRA_SOURCE_DIR);

TEST(SelquinTable, HoldsTheNearestFloatOfEverySourceValue)
{
    std::ifstream in(kSource / "data/sources/nist_xaamdi_elements.tsv");
    ASSERT_TRUE(in);
    std::vector<int> counts(kElementCount);
    int row = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        int z = 0;
        std::string e;
        std::string mu;
        std::string muen;
        fields >> z >> e >> mu >> muen;
        ASSERT_LT(row, kRowTotal);
        EXPECT_EQ(kRows[row][0], std::strtof(e.c_str(), nullptr)) << line;
        EXPECT_EQ(kRows[row][1], std::strtof(mu.c_str(), nullptr)) << line;
        EXPECT_EQ(kRows[row][2], std::strtof(muen.c_str(), nullptr)) << line;
        ++counts[z - 1];
        ++row;
    }
    EXPECT_EQ(row, kRowTotal);
    // Every row of the source, platinum's M5 edge pair (2.1216 keV) included.
    EXPECT_EQ(kRowTotal, 4479);
    for (int z = 1; z <= kElementCount; ++z) {
        EXPECT_EQ(kRowCounts[z - 1], counts[z - 1]) << "Z=" << z;
    }
    // Sizes the lookup relies on: 36 rows without edges, at most 66.
    EXPECT_EQ(kRowCounts[0], 36);
    EXPECT_EQ(kRowCounts[91], 66);
}

} // namespace
} // namespace pheltra::selquin
