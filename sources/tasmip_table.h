// The TASMIP model of tungsten-anode X-ray spectra (Boone & Seibert 1997),
// compiled from data/sources/tasmip_coefficients.tsv by
// tools/gen_tasmip_table.py: for each 1-keV bin a cubic in the tube voltage
// giving the photon fluence per mAs at 1 m, with the inherent filtration of
// the calibration tube and no added filter.
#pragma once

#include <array>
#include <cstddef>

namespace pheltra {

struct TasmipBin
{
    double energyKeV;                   // centre of the bin E - 0.5 .. E + 0.5 keV
    std::array<double, 4> coefficients; // a0..a3: photons/mm2 per mAs at 1 m, per kV^n
};

inline constexpr std::size_t kTasmipBinCount = 131;
extern const std::array<TasmipBin, kTasmipBinCount> kTasmipTable;

} // namespace pheltra
