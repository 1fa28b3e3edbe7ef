#include "python/py_material.h"

#include "app/cli/cli_error.h"
#include "app/cli/cli_text.h"

#include <cmath>

PyMaterial::PyMaterial(std::vector<MaterialPart> parts, std::optional<long double> density)
    : parts_(std::move(parts)), densityReplaced_(density.has_value())
{
    FillDataSetFromParts(set_, parts_, kDataSourceB, kCoeffTypeAttenuationTotal, QString());
    if (density)
        OverrideDensity(set_, CheckedDensity(*density, QStringLiteral("--density")));
}

TCmpDataSet PyMaterial::For(const QString &type, const QString &source) const
{
    const int sourceIndex = ParseSource(source);
    const int typeIndex = ParseCoeffType(type);
    CheckTypeOffered(sourceIndex, typeIndex);
    TCmpDataSet set = set_;
    set.DataSource = static_cast<std::uint8_t>(sourceIndex);
    set.CoeffType = static_cast<std::int8_t>(typeIndex);
    return set;
}

double PyMaterial::RequiredDensity() const
{
    RequireDensity(set_);
    return static_cast<double>(set_.Density);
}

TCompound WeightsCompound(const std::vector<std::pair<int, double>> &weights, float density)
{
    if (weights.empty())
        throw CliError{QStringLiteral("weights: no element given")};
    if (weights.size() > static_cast<std::size_t>(TCompound::kSlotCount))
        throw CliError{QStringLiteral("weights: more than %1 elements").arg(TCompound::kSlotCount)};
    TCompound compound;
    compound.Clear();
    compound.Density = density > 0.0f ? density : -1.0f;
    double sum = 0.0;
    std::size_t slot = 0;
    for (const auto &[z, weight] : weights) {
        if (z < 1 || z > TCompound::kMaxAtomicNumber)
            throw CliError{QStringLiteral("weights: atomic number %1 outside 1..99").arg(z)};
        if (!(weight > 0.0) || !std::isfinite(weight))
            throw CliError{QStringLiteral("weights: the weight of Z = %1 must lie above 0, not %2")
                               .arg(z)
                               .arg(ShortestText(weight))};
        compound.Z[slot] = z;
        compound.Weight[slot] = static_cast<float>(weight);
        sum += weight;
        ++slot;
    }
    // Records take weights as they stand (electrons per gram is not
    // normalised), so percentages would give a hundred times the electrons.
    if (std::abs(sum - 1.0) > 0.01)
        throw CliError{QStringLiteral("weights: mass fractions add up to %1, not 1").arg(ShortestText(sum))};
    return compound;
}
