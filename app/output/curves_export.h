// "Export Curves...": the points of every curve as the graph plots them, as
// CSV — one row per point with the data set's number, legend and
// coefficient type, the energy in keV and the coefficient in cm²/g, both in
// full precision. The edge points (at each edge and 0.001 keV below it) are
// there as they are on the graph.
#pragma once

#include "absorber/data_set_list.h"

#include <QByteArray>

class TPlotEngine;

QByteArray CurvesCsv(const TPlotEngine &graph, const DataSets &sets);
