// Random bytes as a spectrum file, read both as a table and as a .spc file,
// with and without a stated unit and per-bin fluence: the reader must neither
// crash nor hang, a refusal is one line, and whatever it accepts is a
// spectrum of rising energies within the data's span and finite,
// non-negative fluence with some photons.
#include "absorber/data_sources.h"
#include "sources/source_error.h"
#include "sources/spectrum_file.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(const pheltra::Spectrum &spectrum)
{
    double previous = 0.0;
    bool photons = false;
    for (std::size_t i = 0; i < spectrum.Size(); ++i) {
        const double energy = spectrum.Energies()[i];
        const double fluence = spectrum.Fluence()[i];
        if (!(energy > previous) || energy < kEnergyRangeMin || energy > kEnergyRangeMax)
            std::abort();
        if (!(fluence >= 0.0) || !std::isfinite(fluence))
            std::abort();
        photons = photons || fluence > 0.0;
        previous = energy;
    }
    if (!photons)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const auto format : {pheltra::SpectrumFileFormat::Table, pheltra::SpectrumFileFormat::Spc}) {
        for (const pheltra::SpectrumReadOptions &options :
             {pheltra::SpectrumReadOptions{}, pheltra::SpectrumReadOptions{pheltra::EnergyUnit::KeV, true}}) {
            try {
                Check(pheltra::ParseSpectrumText(text, format, options));
            } catch (const pheltra::SourceError &error) {
                const std::string_view message = error.what();
                if (message.empty() || message.find('\n') != std::string_view::npos)
                    std::abort();
            }
        }
    }
    return 0;
}
