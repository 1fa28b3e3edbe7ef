#include "python/py_material.h"

#include "absorber/material/density.h"
#include "absorber/material/source_and_type.h"

PyMaterial::PyMaterial(std::vector<pheltra::MaterialPart> parts, std::optional<long double> density)
    : parts_(std::move(parts)), densityReplaced_(density.has_value())
{
    pheltra::FillDataSetFromParts(set_, parts_, kDataSourceB, kCoeffTypeAttenuationTotal, QString());
    if (density)
        pheltra::OverrideDensity(set_, pheltra::CheckedDensity(*density));
}

TCmpDataSet PyMaterial::For(const QString &type, const QString &source) const
{
    const int sourceIndex = pheltra::ParseSource(source);
    const int typeIndex = pheltra::ParseCoeffType(type);
    pheltra::CheckTypeOffered(sourceIndex, typeIndex);
    TCmpDataSet set = set_;
    set.DataSource = static_cast<std::uint8_t>(sourceIndex);
    set.CoeffType = static_cast<std::int8_t>(typeIndex);
    return set;
}

double PyMaterial::RequiredDensity() const
{
    pheltra::RequireDensity(set_);
    return static_cast<double>(set_.Density);
}
