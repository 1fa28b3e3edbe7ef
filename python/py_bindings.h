// The parts of the compiled module pheltra._core, each bound by its own file,
// and what they share.
#pragma once

#include <pybind11/pybind11.h>

#include <QStringList>

namespace pheltra {

// The kind a coefficient call computes unless told: total attenuation.
inline constexpr char kDefaultKind[] = "mu";

// The short names of the kinds the source offers, in the window's list order.
QStringList KindNames(int source);

void BindLibrary(pybind11::module_ &m);   // library, element, edges, kinds, sources, types
void BindMaterial(pybind11::module_ &m);  // Material
void BindSources(pybind11::module_ &m);   // Nuclide, nuclide, nuclides, Spectrum
void BindShielding(pybind11::module_ &m); // buildup, Shield

} // namespace pheltra
