// A photon spectrum: energy bins, each with the number of photons in it
// (fluence per bin, not per keV). A TASMIP spectrum carries absolute
// fluence, photons/mm2 per mAs at 1 m from the focal spot; a spectrum read
// from a file or given as arrays carries fluence in units of its own, so only
// its shape counts.
#pragma once

#include <vector>

namespace pheltra {

// The tube voltages the TASMIP polynomials were fitted over.
inline constexpr double kTasmipMinKv = 30.0;
inline constexpr double kTasmipMaxKv = 140.0;

class Spectrum
{
public:
    // Bin centres in keV, strictly ascending and above 0, and the photons in
    // each bin: as many, finite, none negative and not all 0. Throws
    // SourceError naming the first fault.
    Spectrum(std::vector<double> energiesKeV, std::vector<double> fluence);

    // The TASMIP spectrum at a tube voltage from 30 to 140 kV (any real
    // value): the 1-keV bins 10 keV up to the voltage, each the bin's cubic
    // in kV, 0 where the cubic is negative. Throws SourceError outside the
    // range, saying why.
    static Spectrum Tasmip(double kv);

    const std::vector<double> &Energies() const { return energies_; }
    const std::vector<double> &Fluence() const { return fluence_; }
    std::size_t Size() const { return energies_.size(); }

    // The tube voltage of a TASMIP spectrum (filtered or not), else 0.
    double TubeVoltage() const { return kv_; }
    // Whether the fluence is absolute, photons/mm2 per mAs at 1 m (TASMIP).
    bool IsPerMAsAt1m() const { return kv_ > 0.0; }

    // The same bins with other fluence (after a filter): the tube voltage
    // stays.
    Spectrum WithFluence(std::vector<double> fluence) const;

private:
    Spectrum() = default;

    std::vector<double> energies_;
    std::vector<double> fluence_;
    double kv_ = 0.0;
};

} // namespace pheltra
