#include "sources/spectrum.h"

#include "sources/source_error.h"
#include "sources/tasmip_table.h"

#include <cmath>
#include <sstream>
#include <utility>

namespace pheltra {
namespace {

void CheckBins(const std::vector<double> &energies, const std::vector<double> &fluence)
{
    if (energies.size() != fluence.size()) {
        throw SourceError("a spectrum needs as many fluence values as energies, not " + std::to_string(fluence.size()) +
                          " for " + std::to_string(energies.size()));
    }
    if (energies.empty())
        throw SourceError("a spectrum needs at least one bin");
    bool anyPhotons = false;
    for (std::size_t i = 0; i < energies.size(); ++i) {
        std::ostringstream where;
        where << "bin " << i + 1 << ": ";
        if (!(energies[i] > 0.0) || !std::isfinite(energies[i]))
            throw SourceError(where.str() + "the energy must be a number of keV above 0");
        if (i > 0 && !(energies[i] > energies[i - 1]))
            throw SourceError(where.str() + "the energies must rise from bin to bin");
        if (!(fluence[i] >= 0.0) || !std::isfinite(fluence[i]))
            throw SourceError(where.str() + "the fluence must be a number, 0 or more");
        anyPhotons = anyPhotons || fluence[i] > 0.0;
    }
    if (!anyPhotons)
        throw SourceError("the spectrum has no photons: every fluence is 0");
}

} // namespace

Spectrum::Spectrum(std::vector<double> energiesKeV, std::vector<double> fluence)
    : energies_(std::move(energiesKeV)), fluence_(std::move(fluence))
{
    CheckBins(energies_, fluence_);
}

Spectrum Spectrum::Tasmip(double kv)
{
    if (!(kv >= kTasmipMinKv && kv <= kTasmipMaxKv)) {
        std::ostringstream message;
        message << "the TASMIP model covers tube voltages from " << kTasmipMinKv << " to " << kTasmipMaxKv
                << " kV, the range its polynomials were fitted over; " << kv << " kV lies outside";
        throw SourceError(message.str());
    }
    Spectrum spectrum;
    spectrum.kv_ = kv;
    for (const TasmipBin &bin : kTasmipTable) {
        // A bin above the voltage holds no photons, whatever its cubic says.
        if (bin.energyKeV > kv)
            break;
        const auto &a = bin.coefficients;
        const double value = a[0] + kv * (a[1] + kv * (a[2] + kv * a[3]));
        spectrum.energies_.push_back(bin.energyKeV);
        spectrum.fluence_.push_back(value > 0.0 ? value : 0.0);
    }
    return spectrum;
}

Spectrum Spectrum::WithFluence(std::vector<double> fluence) const
{
    Spectrum spectrum(energies_, std::move(fluence));
    spectrum.kv_ = kv_;
    return spectrum;
}

} // namespace pheltra
