// Nuclides: their photon lines and half-lives from the compiled DDEP table,
// the air-kerma-rate constant of their lines and the air-kerma rate in
// vacuum at a distance from a point source.
//
// The constant over the lines above a cut-off delta,
//   Gamma_delta = sum over lines with E > delta of  y E (mu_en/rho)_air(E) / (4 pi),
// is given in uGy m2 / (GBq h): the air kerma rate at 1 m from 1 GBq, without
// attenuation or scatter in air (in vacuum).
#pragma once

#include "sources/nuclide_table.h"
#include "sources/source_material.h"

#include <string>
#include <string_view>
#include <vector>

namespace pheltra {

// The cut-off that keeps the low-energy X-rays out of the constant unless
// the user asks for them.
inline constexpr double kDefaultCutoffKeV = 20.0;

struct PhotonLine
{
    double energyKeV = 0.0;
    double yieldPerDecay = 0.0;
    LineKind kind = LineKind::Gamma;
    std::string code;
    std::string emitter;
};

struct Nuclide
{
    std::string name;
    double halfLife = 0.0;
    std::string halfLifeUnit; // s, min, h, d or y, as evaluated
    std::vector<PhotonLine> lines;
    std::string remarks;

    std::vector<double> Energies() const; // keV, in the table's order
    std::vector<double> Yields() const;   // photons per decay
};

// "gamma", "xray" or "annihilation".
const char *LineKindName(LineKind kind);

// The names of the nuclides, in the table's order.
std::vector<std::string> NuclideNames();
// The nuclide of a name, ignoring case, blanks and hyphens ("cs137" is
// Cs-137); throws SourceError for a name the table does not hold.
Nuclide FindNuclide(std::string_view name);

// Gamma_delta in uGy m2 / (GBq h) from the energy absorption of air; the
// lines count whose energy lies above cutoffKeV. Throws SourceError for a
// cut-off that is negative or not a number.
double AirKermaRateConstant(const Nuclide &nuclide, const SourceMaterial &air, double cutoffKeV = kDefaultCutoffKeV);
// What one line adds to the constant, uGy m2 / (GBq h).
double LineAirKermaRateConstant(const PhotonLine &line, const SourceMaterial &air);

// The air-kerma rate in uGy/h at distanceM metres from a point source of
// activityGBq, in vacuum: Gamma A / d^2. Throws SourceError for an activity
// that is negative or a distance that is not above 0.
double AirKermaRateInVacuum(double gammaConstant, double activityGBq, double distanceM);

} // namespace pheltra
