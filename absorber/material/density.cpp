#include "absorber/material/density.h"

#include "absorber/material/input_error.h"
#include "absorber/material/number_text.h"

namespace pheltra {

long double CheckedDensity(long double density)
{
    if (!TCompound::IsValidDensity(density)) {
        throw InputError{Field::Density,
                         QStringLiteral("must lie between %1 and %2 %3")
                             .arg(ShortestText(static_cast<double>(kMinDensity)),
                                  ShortestText(static_cast<double>(kMaxDensity)), FieldUnit(Field::Density)),
                         InputError::Wording::AfterField};
    }
    return density;
}

void OverrideDensity(TCmpDataSet &set, long double density)
{
    set.Density = density;
    set.ElectronsPerCm3 = set.ElectronsPerGram * density;
}

void RequireDensity(const TCmpDataSet &set)
{
    if (!(set.Density > 0.0L))
        throw InputError{Field::Density, QStringLiteral("the material has no density"), InputError::Wording::Missing};
}

} // namespace pheltra
