#include "absorber/plot_energies.h"

#include <cmath>

namespace {

constexpr int kGridPoints = 100;
constexpr int kEdgesPerElement = 12;

} // namespace

std::vector<float> PlotGridEnergies(double minEnergy, double maxEnergy)
{
    std::vector<float> energies;
    if (!(minEnergy > 0.0) || !(maxEnergy >= minEnergy))
        return energies;
    // The factor is cut downwards to four decimals, as 32-bit floats, so
    // repeated multiplication never overshoots the top of the range.
    float factor = static_cast<float>(std::exp(std::log(maxEnergy / minEnergy) / (kGridPoints - 1)));
    factor = static_cast<float>(std::trunc(static_cast<double>(factor) * 10000.0) * 0.0001);
    float energy = static_cast<float>(minEnergy);
    for (int j = 1; energy <= maxEnergy && j <= kGridPoints; ++j) {
        energies.push_back(energy);
        energy *= factor;
    }
    return energies;
}

std::vector<TAbsorberEdge> AbsorberEdges(const TCmpDataSet &set, double minEnergy, double maxEnergy)
{
    std::vector<TAbsorberEdge> edges;
    for (std::int32_t z = 1; z <= kElementCount; ++z) {
        if (!(set.ElementWeight[static_cast<std::size_t>(z)] > 0.0))
            continue;
        for (std::int32_t k = 1; k <= kEdgesPerElement; ++k) {
            const auto edge = static_cast<float>(TCmpDataSet::AbsorptionEdge(z, k, set.DataSource));
            // The library's -1.0 for a missing edge is no edge, whatever the
            // range (a batch tool's range may reach below 0).
            if (edge > 0.0f && minEnergy <= edge && edge <= maxEnergy)
                edges.push_back({z, k, edge});
        }
    }
    return edges;
}

std::vector<float> EdgeEnergies(const TCmpDataSet &set, double minEnergy, double maxEnergy)
{
    std::vector<float> energies;
    for (const TAbsorberEdge &edge : AbsorberEdges(set, minEnergy, maxEnergy)) {
        energies.push_back(edge.Energy);
        const float below = edge.Energy - kEdgeStepBelow;
        if (below > 0.0f && minEnergy <= below && below <= maxEnergy)
            energies.push_back(below);
    }
    return energies;
}

std::vector<float> PlotEnergies(const TCmpDataSet &set, double minEnergy, double maxEnergy)
{
    std::vector<float> energies = PlotGridEnergies(minEnergy, maxEnergy);
    if (maxEnergy >= kPlotFixedEnergy)
        energies.push_back(kPlotFixedEnergy);
    const std::vector<float> edges = EdgeEnergies(set, minEnergy, maxEnergy);
    energies.insert(energies.end(), edges.begin(), edges.end());
    return energies;
}
