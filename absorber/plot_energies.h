// The photon energies at which the graph evaluates a data set over a plot
// range: a logarithmic grid of at most 100 points, 20 MeV when the range
// reaches it, and every absorption edge of the data set's elements together
// with a point 1 eV below it, so each edge shows as a near-vertical jump.
// The energies are 32-bit floats, as the graph holds them.
#pragma once

#include "absorber/data_set.h"

#include <vector>

// The fixed energy the graph always evaluates when the range reaches it.
inline constexpr float kPlotFixedEnergy = 20000.0f;
// How far below an edge the second point of the jump lies, keV.
inline constexpr float kEdgeStepBelow = 0.001f;

// The grid from minEnergy upwards by a constant factor: exp(ln(max/min)/99)
// cut down to four decimals, so the grid ends at or below maxEnergy. An empty
// list when minEnergy is not above 0 or lies above maxEnergy.
std::vector<float> PlotGridEnergies(double minEnergy, double maxEnergy);

// One absorption edge of an element of a data set: edge k (1 = the highest)
// of element Z in the data set's library, keV.
struct TAbsorberEdge
{
    std::int32_t Z = 0;
    std::int32_t K = 0;
    float Energy = 0;
};

// Every edge of the data set's elements (Z = 1..99 with a fraction above 0,
// k = 1..12) that lies in minEnergy..maxEnergy, by Z and then k.
std::vector<TAbsorberEdge> AbsorberEdges(const TCmpDataSet &set, double minEnergy, double maxEnergy);

// For Z = 1..99 with a fraction above 0 and edges k = 1..12 of the data
// set's source: the edge energy e when it lies in the range, then e - 0.001
// when that lies in the range too.
std::vector<float> EdgeEnergies(const TCmpDataSet &set, double minEnergy, double maxEnergy);

// All the energies the graph evaluates for the data set, in the order it
// adds them: the grid, 20000 keV when maxEnergy reaches it, then the edges.
// The list is not sorted and may repeat an energy.
std::vector<float> PlotEnergies(const TCmpDataSet &set, double minEnergy, double maxEnergy);
