#include "app/cli/cli_beam_options.h"

#include "absorber/material/source_and_type.h"
#include "app/cli/cli_error.h"
#include "sources/filtration.h"
#include "sources/spectrum_file.h"

namespace {

pheltra::Spectrum SpectrumOption(const CommandContext &context)
{
    const CommandLine &line = context.line;
    if (line.Has(kKvOption) == line.Has(kSpectrumOption))
        throw CliError{QStringLiteral("give either --kv KV or --spectrum FILE")};
    if (line.Has(kKvOption)) {
        if (line.Has(kEnergyUnitOption) || line.Has(kPerBinOption))
            throw CliError{QStringLiteral("--energy-unit and --per-bin describe a --spectrum file, not --kv")};
        const double kv = ParseDouble(line.Value(kKvOption), Dashed(kKvOption));
        return FromSources([&] { return pheltra::Spectrum::Tasmip(kv); });
    }
    pheltra::SpectrumReadOptions options;
    options.perBin = line.Has(kPerBinOption);
    if (line.Has(kEnergyUnitOption)) {
        options.energyUnit = pheltra::ParseEnergyUnit(line.Value(kEnergyUnitOption).toStdString());
        if (!options.energyUnit)
            throw CliError{
                QStringLiteral("--energy-unit is eV, keV or MeV, not '%1'").arg(line.Value(kEnergyUnitOption))};
    }
    return FromSources([&] { return pheltra::ReadSpectrumFile(line.Value(kSpectrumOption).toStdString(), options); });
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
    return {kKvOption, kSpectrumOption, kEnergyUnitOption, kPerBinOption, kFilterOption, kSourceOption};
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
    const int source = pheltra::ParseSource(context.line.Value(kSourceOption, QStringLiteral("H")));
    pheltra::Spectrum spectrum = SpectrumOption(context);
    const QStringList filters = context.line.Values(kFilterOption);
    if (filters.size() > qsizetype(pheltra::kMaxFilterLayers))
        throw CliError{QStringLiteral("at most %1 --filter layers").arg(pheltra::kMaxFilterLayers)};
    pheltra::LoadedLibrary library = LoadLibraryOption(context);
    std::vector<pheltra::FilterLayer> layers;
    for (const QString &text : filters)
        layers.push_back(FilterArgument(text, library, source));
    spectrum = FromSources([&] { return pheltra::Filtered(spectrum, layers); });
    return {std::move(library), source, std::move(spectrum)};
}
