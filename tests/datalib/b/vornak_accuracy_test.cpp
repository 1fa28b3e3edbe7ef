// How close the rebuilt source-B table comes to independent numbers: the
// NIST (Hubbell-Seltzer) energy-absorption coefficients, and the published
// rows of the original compilation. Prints the figures it checks.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "datalib/b/vornak.h"
#include "datalib/b/vornak_table.h"

namespace pheltra::vornak {
namespace {

constexpr int kEnergyAbsorptionTotal = 16;

struct NistRow
{
    double energy;
    double mu;
    double mu_en;
};

std::map<int, std::vector<NistRow>> ReadNist()
{
    std::map<int, std::vector<NistRow>> out;
    std::ifstream in(PHELTRA_SOURCE_DIR "/data/sources/nist_xaamdi_elements.tsv");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        int z = 0;
        NistRow row{};
        fields >> z >> row.energy >> row.mu >> row.mu_en;
        out[z].push_back(row);
    }
    return out;
}

// Edges of the rebuilt table: every edge pair, and the first row when it sits
// on an edge below 1 keV.
std::vector<double> TableEdges(int z)
{
    int first = 0;
    for (int k = 1; k < z; ++k) {
        first += kRowCounts[k - 1];
    }
    std::vector<double> edges;
    if (kRows[first][0] != 0.8f) {
        edges.push_back(kRows[first][0]);
    }
    for (int r = first + 1; r < first + kRowCounts[z - 1]; ++r) {
        if (kRows[r][0] == kRows[r - 1][0]) {
            edges.push_back(kRows[r][0]);
        }
    }
    return edges;
}

double Quantile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    const double pos = q * static_cast<double>(v.size() - 1);
    const auto i = static_cast<std::size_t>(pos);
    const double frac = pos - static_cast<double>(i);
    return i + 1 < v.size() ? v[i] + frac * (v[i + 1] - v[i]) : v[i];
}

struct Deviations
{
    std::vector<double> high;                      // 10 keV .. 20 MeV, all Z <= 92
    std::vector<double> low;                       // 1 .. 10 keV
    std::map<int, std::vector<double>> by_element; // 10 keV .. 20 MeV
};

// |ours / NIST - 1| of mu_en at every NIST energy more than 5 % from an edge.
Deviations CompareWithNist()
{
    Deviations d;
    for (const auto &[z, rows] : ReadNist()) {
        if (z > 92) {
            continue;
        }
        std::vector<double> edges = TableEdges(z);
        for (std::size_t i = 1; i < rows.size(); ++i) {
            if (rows[i].energy == rows[i - 1].energy) {
                edges.push_back(rows[i].energy);
            }
        }
        for (const NistRow &row : rows) {
            const bool near_edge = std::any_of(edges.begin(), edges.end(),
                                               [&](double b) { return std::abs(row.energy / b - 1.0) <= 0.05; });
            if (near_edge || row.energy < 1.0 || row.energy > 20000.0) {
                continue;
            }
            const double ours = GetMuCoeffB(z, row.energy, kEnergyAbsorptionTotal);
            const double dev = std::abs(ours / row.mu_en - 1.0);
            if (row.energy >= 10.0) {
                d.high.push_back(dev);
                d.by_element[z].push_back(dev);
            } else {
                d.low.push_back(dev);
            }
        }
    }
    return d;
}

TEST(VornakAccuracy, EnergyAbsorptionAgreesWithNist)
{
    const Deviations d = CompareWithNist();
    ASSERT_GT(d.high.size(), 2000u) << "the NIST table was not read";
    const double median = Quantile(d.high, 0.5);
    const double p95 = Quantile(d.high, 0.95);
    const double low_median = Quantile(d.low, 0.5);
    std::printf(
        "mu_en vs NIST, 10 keV-20 MeV, Z 1-92: %zu energies, median %.3f %%, "
        "95th percentile %.3f %%, largest %.3f %%\n",
        d.high.size(), 100 * median, 100 * p95, 100 * *std::max_element(d.high.begin(), d.high.end()));
    std::printf("mu_en vs NIST, 1-10 keV: %zu energies, median %.3f %%, 95th percentile %.3f %%\n", d.low.size(),
                100 * low_median, 100 * Quantile(d.low, 0.95));
    // Twice the figures docs/data-sources.md states: 0.12 % in the median,
    // 0.85 % at the 95th percentile, up to 2 % at the worst point, 0.07 % in
    // the median from 1 to 10 keV.
    EXPECT_LE(median, 0.0024);
    EXPECT_LE(p95, 0.017);
    EXPECT_LE(*std::max_element(d.high.begin(), d.high.end()), 0.04);
    EXPECT_LE(low_median, 0.0015);

    std::printf("median by element (%%):");
    for (const auto &[z, devs] : d.by_element) {
        std::printf("%s %2d:%.2f", (z - 1) % 10 == 0 ? "\n " : "", z, 100 * Quantile(devs, 0.5));
    }
    std::printf("\n");
    for (const int z : {1, 6, 8, 13, 29, 82, 92}) {
        EXPECT_LE(Quantile(d.by_element.at(z), 0.5), 0.01) << "Z = " << z;
    }
}

// Rows printed with the original compilation; the rebuilt values must agree
// to 0.2 % (H, C) and 1 % (the lead K edge).
TEST(VornakAccuracy, PublishedRows)
{
    struct Telling
    {
        const char *what;
        int z;
        double energy;
        int kind;
        bool below_edge;
        double published;
        double tolerance;
    };
    const double pb_k = GetAbsEdgeB(82, 1);
    const Telling rows[] = {
        {"H total, 1 keV", 1, 1.0, 0, false, 7.2169, 0.002},
        {"H p.e., 1 keV", 1, 1.0, 1, false, 6.81901, 0.002},
        {"C total, 1100 keV", 6, 1100.0, 0, false, 0.0605113, 0.002},
        {"C p.e., 1100 keV", 6, 1100.0, 1, false, 1.09772e-06, 0.002},
        {"Pb p.e., below K edge", 82, pb_k, 1, true, 1.53808, 0.01},
        {"Pb p.e., above K edge", 82, pb_k, 1, false, 7.26342, 0.01},
        {"Pb mu_en, above K edge", 82, pb_k, 16, false, 2.13903, 0.01},
    };
    for (const Telling &t : rows) {
        // At the edge energy a lookup gives the above-edge value; one step below
        // it gives the below-edge row (to within a part in 1e13).
        const double ours =
            t.below_edge ? GetMuCoeffB(t.z, std::nextafter(t.energy, 0.0), t.kind) : GetMuCoeffB(t.z, t.energy, t.kind);
        const double dev = ours / t.published - 1.0;
        std::printf("%-24s published %-11.6g rebuilt %-11.6g %+.3f %%\n", t.what, t.published, ours, 100 * dev);
        EXPECT_LE(std::abs(dev), t.tolerance) << t.what;
    }
    // EPDL97's coherent scattering at the lead K edge is known to lie about
    // 25 % above the original's 0.151442; shown, not checked.
    std::printf("%-24s published %-11.6g rebuilt %-11.6g (EPDL97 anomalous scattering)\n", "Pb Rayleigh, K edge",
                0.151442, GetMuCoeffB(82, pb_k, 2));
}

} // namespace
} // namespace pheltra::vornak
