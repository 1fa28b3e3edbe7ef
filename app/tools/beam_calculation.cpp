#include "app/tools/beam_calculation.h"

#include "absorber/material/number_text.h"
#include "sources/filtration.h"
#include "sources/source_error.h"

#include <QFileInfo>

namespace pheltra {

namespace {

// Runs a piece of the sources code, its refusal becoming the window's.
template<class Function>
auto FromSources(Function function) -> decltype(function())
{
    try {
        return function();
    } catch (const SourceError &error) {
        throw ToolInputError{QString::fromStdString(error.what())};
    }
}

} // namespace

FilteredBeam BuildBeam(const BeamInputs &inputs, const CompoundLibrary &library)
{
    if (inputs.filters.size() > kMaxFilterLayers)
        throw ToolInputError{QStringLiteral("at most %1 filters").arg(kMaxFilterLayers)};
    if (inputs.fromFile && inputs.spectrumFile.trimmed().isEmpty())
        throw ToolInputError{QStringLiteral("choose a spectrum file")};
    Spectrum spectrum = FromSources([&] {
        return inputs.fromFile ? ReadSpectrumFile(inputs.spectrumFile.toStdString(), inputs.fileOptions)
                               : Spectrum::Tasmip(inputs.kv);
    });
    std::vector<FilterLayer> layers;
    for (const LayerChoice &filter : inputs.filters)
        layers.push_back({ChoiceSourceMaterial(filter.material, library, inputs.dataSource), filter.thickness});
    Spectrum filtered = FromSources([&] { return Filtered(spectrum, layers); });
    return {std::move(spectrum), std::move(filtered)};
}

BeamOutcome ComputeBeam(const BeamInputs &inputs, const CompoundLibrary &library)
{
    BeamOutcome outcome;
    try {
        FilteredBeam beam = BuildBeam(inputs, library);
        const SourceMaterial hvlMaterial = ChoiceSourceMaterial(inputs.hvlMaterial, library, inputs.dataSource);
        const SourceMaterial medium = ChoiceSourceMaterial(inputs.medium, library, inputs.dataSource);
        const SourceMaterial air = ChoiceSourceMaterial({QString::fromLatin1(kAirName)}, library, inputs.dataSource);
        outcome.quality = FromSources([&] { return AssessBeam(beam.filtered, hvlMaterial, air, medium); });
        outcome.beam = std::move(beam);
    } catch (const ToolInputError &error) {
        outcome.refusal = error.message;
    }
    return outcome;
}

QString BeamDescription(const BeamInputs &inputs)
{
    QStringList parts{inputs.fromFile ? QFileInfo(inputs.spectrumFile).fileName()
                                      : QStringLiteral("%1 kV").arg(ShortestText(inputs.kv))};
    for (const LayerChoice &filter : inputs.filters)
        parts << ThicknessText(filter.thickness) + QLatin1Char(' ') + ChoiceText(filter.material);
    return parts.join(QStringLiteral(", "));
}

} // namespace pheltra
