// pheltra-cli beam: the quality of an X-ray beam (TASMIP or a spectrum file)
// behind its filters, or the filtered spectrum itself.
#include "app/cli/cli_beam_options.h"
#include "app/cli/cli_error.h"
#include "sources/beam_quality.h"
#include "sources/filtration.h"

namespace {

// The quantities are solved to 1e-4 and the coefficients known to a few
// tenths of a percent: five digits say all there is.
QString QualityText(double value)
{
    return QString::number(value, 'g', 5);
}

void PrintSpectrum(const CommandContext &context, const pheltra::Spectrum &spectrum, TableFormat format)
{
    // Full precision, per bin, and a header naming both: read back as it
    // stands, it gives the same beam.
    Write(context.out,
          TableRow({QStringLiteral("energy_keV"), QStringLiteral("fluence_per_bin")}, format) + QLatin1Char('\n'));
    for (std::size_t i = 0; i < spectrum.Size(); ++i) {
        Write(context.out,
              TableRow({ShortestText(spectrum.Energies()[i]), ShortestText(spectrum.Fluence()[i])}, format) +
                  QLatin1Char('\n'));
    }
}

} // namespace

namespace {

const char kBeamHelp[] =
    "Usage: pheltra-cli beam (--kv KV | --spectrum FILE [--energy-unit eV|keV|MeV] [--per-bin])\n"
    "                        [--filter MATERIAL:THICKNESS ...] [--hvl-material NAME]\n"
    "                        [--medium NAME] [--source H|B] [--print-spectrum]\n"
    "                        [--format tsv|csv] [--library FILE]\n"
    "                        [--no-user-library]\n"
    "\n"
    "Prints a header line and a value line: the tube voltage kv, the first\n"
    "half-value layer hvl1_mm, the quarter-value layer qvl_mm, hvl2_mm = QVL - HVL1\n"
    "and h = HVL1/HVL2 (all by air kerma, narrow beam, in mm of --hvl-material,\n"
    "default %1), the mean energy by fluence and by air kerma, the effective\n"
    "energy (whose own HVL is HVL1), the air kerma in uGy per mAs at 1 m (--kv\n"
    "only) and mu_en_ratio, (mu_en/rho) of --medium (default %2) over\n"
    "air, weighted by energy fluence (AAPM TG-61). HVLs are solved to %3.\n"
    "  --kv        the TASMIP model (Boone & Seibert 1997) of a tungsten tube at\n"
    "              %4 to %5 kV, any value, with the calibration tube's inherent\n"
    "              filtration and no added filter\n"
    "  --spectrum  a table of energy and fluence (tab, comma, semicolon or blank\n"
    "              separated; '#' comments; a header whose energy column names\n"
    "              eV, keV or MeV, or --energy-unit), fluence per keV unless\n"
    "              --per-bin or the header says per bin; or an MC-GPU/penEasy\n"
    "              .spc file (eV, bin probability, ended by a negative one)\n"
    "  --filter    up to %6 layers, e.g. Aluminum:2.5mm, Cu:0.1mm, H2O:1g/cm2\n"
    "              (cm, mm, um or g/cm2); a material is a library entry, an\n"
    "              element's symbol or a formula (formulas have no density: g/cm2)\n"
    "  --source    the data source of every coefficient, H (default) or B\n"
    "  --print-spectrum  the filtered spectrum instead: energy_keV and the\n"
    "              fluence in each bin, which --spectrum FILE reads back\n";

} // namespace

QString BeamHelp()
{
    return QString::fromUtf8(kBeamHelp).arg(QLatin1String(pheltra::kAluminiumName), QLatin1String(pheltra::kWaterName),
                                            ShortestText(pheltra::kBeamRelativeTolerance),
                                            ShortestText(pheltra::kTasmipMinKv), ShortestText(pheltra::kTasmipMaxKv),
                                            QString::number(pheltra::kMaxFilterLayers));
}

std::vector<OptionSpec> BeamOptions()
{
    std::vector<OptionSpec> options{kHelpOption,        kLibraryOption, kNoUserLibraryOption, kFormatOption,
                                    kHvlMaterialOption, kMediumOption,  kPrintSpectrumOption};
    const std::vector<OptionSpec> beam = BeamSourceOptions();
    options.insert(options.end(), beam.begin(), beam.end());
    return options;
}

int RunBeam(const CommandContext &context)
{
    const TableFormat format = FormatOption(context);
    ExpectPositionals(context, 0, "");
    const Beam beam = BeamOption(context);
    if (context.line.Has(kPrintSpectrumOption)) {
        PrintSpectrum(context, beam.spectrum, format);
        return FinishedStatus(context, beam.library);
    }
    const auto material = [&](const OptionSpec &option, const char *fallback) {
        return SourceMaterialArgument(context.line.Value(option, QLatin1String(fallback)), beam.library, beam.source,
                                      Dashed(option));
    };
    const pheltra::SourceMaterial hvlMaterial = material(kHvlMaterialOption, pheltra::kAluminiumName);
    const pheltra::SourceMaterial medium = material(kMediumOption, pheltra::kWaterName);
    const pheltra::BeamQuality quality = FromSources([&] {
        const pheltra::SourceMaterial air =
            pheltra::LibraryMaterial(beam.library.library, pheltra::kAirName, beam.source);
        return pheltra::AssessBeam(beam.spectrum, hvlMaterial, air, medium);
    });
    const QStringList header{QStringLiteral("kv"),
                             QStringLiteral("hvl1_mm"),
                             QStringLiteral("qvl_mm"),
                             QStringLiteral("hvl2_mm"),
                             QStringLiteral("h"),
                             QStringLiteral("mean_energy_keV"),
                             QStringLiteral("kerma_mean_energy_keV"),
                             QStringLiteral("effective_energy_keV"),
                             QStringLiteral("air_kerma_uGy_per_mAs_at_1m"),
                             QStringLiteral("mu_en_ratio")};
    const QStringList values{quality.kv > 0.0 ? ShortestText(quality.kv) : QString(),
                             QualityText(quality.hvl1Mm),
                             QualityText(quality.qvlMm),
                             QualityText(quality.hvl2Mm),
                             QualityText(quality.homogeneity),
                             QualityText(quality.meanEnergyKeV),
                             QualityText(quality.kermaMeanEnergyKeV),
                             QualityText(quality.effectiveEnergyKeV),
                             quality.airKermaUGyPerMAsAt1m ? QualityText(*quality.airKermaUGyPerMAsAt1m) : QString(),
                             QualityText(quality.muEnRatio)};
    Write(context.out, TableRow(header, format) + QLatin1Char('\n'));
    Write(context.out, TableRow(values, format) + QLatin1Char('\n'));
    return FinishedStatus(context, beam.library);
}
