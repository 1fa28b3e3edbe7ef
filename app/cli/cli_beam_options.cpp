#include "app/cli/cli_beam_options.h"

#include "absorber/material/source_and_type.h"
#include "app/cli/cli_error.h"
#include "sources/filtration.h"
#include "sources/spectrum_file.h"

namespace {

const QString kKv = NameOf(kKvOption);
const QString kSpectrum = NameOf(kSpectrumOption);
const QString kEnergyUnit = NameOf(kEnergyUnitOption);
const QString kPerBin = NameOf(kPerBinOption);
const QString kFilter = NameOf(kFilterOption);
const QString kSource = NameOf(kDataSourceOption);

pheltra::Spectrum SpectrumOption(const CommandContext &context)
{
    const CommandLine &line = context.line;
    if (line.Has(kKv) == line.Has(kSpectrum))
        throw CliError{QStringLiteral("give either --kv KV or --spectrum FILE")};
    if (line.Has(kKv)) {
        if (line.Has(kEnergyUnit) || line.Has(kPerBin))
            throw CliError{QStringLiteral("--energy-unit and --per-bin describe a --spectrum file, not --kv")};
        const double kv = ParseDouble(line.Value(kKv), QStringLiteral("--kv"));
        return FromSources([&] { return pheltra::Spectrum::Tasmip(kv); });
    }
    pheltra::SpectrumReadOptions options;
    options.perBin = line.Has(kPerBin);
    if (line.Has(kEnergyUnit)) {
        options.energyUnit = pheltra::ParseEnergyUnit(line.Value(kEnergyUnit).toStdString());
        if (!options.energyUnit)
            throw CliError{QStringLiteral("--energy-unit is eV, keV or MeV, not '%1'").arg(line.Value(kEnergyUnit))};
    }
    return FromSources([&] { return pheltra::ReadSpectrumFile(line.Value(kSpectrum).toStdString(), options); });
}

pheltra::FilterLayer FilterArgument(const QString &text, const pheltra::LoadedLibrary &library, int source)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        throw CliError{QStringLiteral("--filter is MATERIAL:THICKNESS, as in Aluminum:2.5mm, not '%1'").arg(text)};
    const QString option = QStringLiteral("--filter");
    pheltra::SourceMaterial material = SourceMaterialArgument(text.left(colon).trimmed(), library, source, option);
    const pheltra::Thickness thickness =
        FromSources([&] { return pheltra::ParseThickness(text.mid(colon + 1).trimmed().toStdString()); });
    return {std::move(material), thickness};
}

} // namespace

std::vector<OptionSpec> BeamSourceOptions()
{
    return {kKvOption, kSpectrumOption, kEnergyUnitOption, kPerBinOption, kFilterOption, kDataSourceOption};
}

pheltra::SourceMaterial SourceMaterialArgument(const QString &text, const pheltra::LoadedLibrary &library, int source,
                                               const QString &option)
{
    try {
        return pheltra::NamedMaterial(text.toStdString(), library, source);
    } catch (const pheltra::SourceError &error) {
        throw CliError{option + QLatin1Char(' ') + QString::fromStdString(error.what())};
    }
}

Beam BeamOption(const CommandContext &context)
{
    const int source = pheltra::ParseSource(context.line.Value(kSource, QStringLiteral("H")));
    pheltra::Spectrum spectrum = SpectrumOption(context);
    const QStringList filters = context.line.Values(kFilter);
    if (filters.size() > qsizetype(pheltra::kMaxFilterLayers))
        throw CliError{QStringLiteral("at most %1 --filter layers").arg(pheltra::kMaxFilterLayers)};
    pheltra::LoadedLibrary library = LoadLibraryOption(context);
    std::vector<pheltra::FilterLayer> layers;
    for (const QString &text : filters)
        layers.push_back(FilterArgument(text, library, source));
    spectrum = FromSources([&] { return pheltra::Filtered(spectrum, layers); });
    return {std::move(library), source, std::move(spectrum)};
}
