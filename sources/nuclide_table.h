// The photon lines of the nuclides Pheltra knows, compiled from the DDEP
// evaluations in data/sources/photon_lines.tsv by tools/gen_nuclide_table.py:
// every gamma, X-ray and annihilation line of at least 10 keV and 1e-4
// photons per decay, with the half-life as evaluated.
#pragma once

#include <array>
#include <cstddef>
#include <span>

namespace pheltra {

enum class LineKind { Gamma, XRay, Annihilation };

struct LineRecord
{
    double energyKeV;
    // Photons per decay of the parent (not per 100 decays); an annihilation
    // line counts both 511 keV photons.
    double yieldPerDecay;
    LineKind kind;
    const char *code;    // DDEP's line type: g, g511, XKa1, XL, ...
    const char *emitter; // the nucleus or atom that emits, e.g. Ba-137
};

struct NuclideRecord
{
    const char *name; // "Tc-99m", "Co-60"
    double halfLife;
    const char *halfLifeUnit; // s, min, h, d or y
    std::span<const LineRecord> lines;
    // What the lines include or leave out ("Ra-223 decay alone (no
    // progeny)"); empty when nothing needs saying.
    const char *remarks;
};

inline constexpr std::size_t kNuclideCount = 27;
extern const std::array<NuclideRecord, kNuclideCount> kNuclideTable;

} // namespace pheltra
