// Filters in a beam: up to six layers, each a material and a thickness,
// narrow beam: each bin's fluence times exp(-sum of mu x). Scattered photons
// are not counted, as a half-value-layer measurement with a small field
// and a distant detector leaves them out.
#pragma once

#include "sources/source_material.h"
#include "sources/spectrum.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace pheltra {

inline constexpr std::size_t kMaxFilterLayers = 6;

enum class ThicknessUnit { Cm, Mm, Um, GramPerCm2 };

struct Thickness
{
    double value = 0.0;
    ThicknessUnit unit = ThicknessUnit::Mm;
};

// "2.5mm", "0.1 cm", "50um", "0.27g/cm2": a number, 0 or more, and its
// unit. Throws SourceError naming the text.
Thickness ParseThickness(std::string_view text);
const char *ThicknessUnitName(ThicknessUnit unit);
// Centimetres per unit; 0 for g/cm2, which only a density turns into cm.
double CmPerUnit(ThicknessUnit unit);

// A thickness text cut at its unit: the number's text before it (blanks
// before the unit dropped, the number not read) and the unit; nothing when
// the text ends in no unit.
struct ThicknessParts
{
    std::string_view number;
    ThicknessUnit unit;
};
std::optional<ThicknessParts> SplitThickness(std::string_view text);

struct FilterLayer
{
    SourceMaterial material;
    Thickness thickness;

    // g/cm2; throws SourceError for a thickness in length units of a
    // material without a density.
    double MassThickness() const;
};

// exp(-sum over the layers of mu/rho x) at each bin of the spectrum.
std::vector<double> FilterTransmission(const Spectrum &spectrum, std::span<const FilterLayer> layers);
// The spectrum behind the layers. Throws SourceError for more than
// kMaxFilterLayers layers or when no photon gets through.
Spectrum Filtered(const Spectrum &spectrum, std::span<const FilterLayer> layers);

} // namespace pheltra
