#include "sources/filtration.h"

#include "sources/source_error.h"

#include <charconv>
#include <cmath>

namespace pheltra {
namespace {

struct UnitText
{
    const char *text;
    ThicknessUnit unit;
    double cmPerUnit; // 0 for g/cm2
};
// g/cm2 first: "cm2" must not be read as "cm".
constexpr UnitText kUnits[] = {{"g/cm2", ThicknessUnit::GramPerCm2, 0.0},
                               {"mm", ThicknessUnit::Mm, 0.1},
                               {"um", ThicknessUnit::Um, 1e-4},
                               {"cm", ThicknessUnit::Cm, 1.0}};

const UnitText &UnitOf(ThicknessUnit unit)
{
    for (const UnitText &text : kUnits) {
        if (text.unit == unit)
            return text;
    }
    return kUnits[0];
}

} // namespace

const char *ThicknessUnitName(ThicknessUnit unit)
{
    return UnitOf(unit).text;
}

double CmPerUnit(ThicknessUnit unit)
{
    return UnitOf(unit).cmPerUnit;
}

std::optional<ThicknessParts> SplitThickness(std::string_view text)
{
    for (const UnitText &unit : kUnits) {
        if (!text.ends_with(unit.text))
            continue;
        std::string_view number = text.substr(0, text.size() - std::string_view(unit.text).size());
        while (!number.empty() && number.back() == ' ')
            number.remove_suffix(1);
        return ThicknessParts{number, unit.unit};
    }
    return std::nullopt;
}

Thickness ParseThickness(std::string_view text)
{
    std::string shown(1, '\'');
    shown.append(text).push_back('\'');
    const std::optional<ThicknessParts> parts = SplitThickness(text);
    if (!parts)
        throw SourceError("the thickness " + shown + " needs a unit: cm, mm, um or g/cm2, as in 2.5mm");
    const std::string_view number = parts->number;
    double value = 0.0;
    const auto [stop, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || error != std::errc() || stop != number.data() + number.size() || !std::isfinite(value))
        throw SourceError("the thickness " + shown + " does not start with a number");
    if (value < 0.0)
        throw SourceError("the thickness " + shown + " is negative");
    return {value, parts->unit};
}

double FilterLayer::MassThickness() const
{
    const UnitText &unit = UnitOf(thickness.unit);
    if (unit.cmPerUnit == 0.0)
        return thickness.value;
    if (!material.HasDensity()) {
        throw SourceError(material.Name() +
                          " has no density, so its thickness must be given in g/cm2 or a density "
                          "given");
    }
    return thickness.value * unit.cmPerUnit * material.Density();
}

std::vector<double> FilterTransmission(const Spectrum &spectrum, std::span<const FilterLayer> layers)
{
    if (layers.size() > kMaxFilterLayers)
        throw SourceError("at most " + std::to_string(kMaxFilterLayers) + " filter layers, not " +
                          std::to_string(layers.size()));
    std::vector<double> exponent(spectrum.Size(), 0.0);
    for (const FilterLayer &layer : layers) {
        const double massThickness = layer.MassThickness();
        const std::vector<double> mu = layer.material.Attenuation(spectrum.Energies());
        for (std::size_t i = 0; i < mu.size(); ++i)
            exponent[i] += mu[i] * massThickness;
    }
    std::vector<double> transmission(exponent.size());
    for (std::size_t i = 0; i < exponent.size(); ++i)
        transmission[i] = std::exp(-exponent[i]);
    return transmission;
}

Spectrum Filtered(const Spectrum &spectrum, std::span<const FilterLayer> layers)
{
    std::vector<double> fluence = FilterTransmission(spectrum, layers);
    bool anyPhotons = false;
    for (std::size_t i = 0; i < fluence.size(); ++i) {
        fluence[i] *= spectrum.Fluence()[i];
        anyPhotons = anyPhotons || fluence[i] > 0.0;
    }
    if (!anyPhotons)
        throw SourceError("the filters let no photon through");
    return spectrum.WithFluence(std::move(fluence));
}

} // namespace pheltra
