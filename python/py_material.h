// A material of the Python module: the parts it was mixed from (library
// entries, formulas, explicit weight fractions), the data set that holds its
// composition, and the density the caller gave for the whole, if any. Its
// coefficients come from the data set's CoefficientAt, as the program's.
#pragma once

#include "absorber/data_set.h"
#include "absorber/material/material_parts.h"

#include <optional>
#include <vector>

class PyMaterial
{
public:
    PyMaterial(std::vector<pheltra::MaterialPart> parts, std::optional<long double> density);

    const std::vector<pheltra::MaterialPart> &Parts() const { return parts_; }
    const TCmpDataSet &Set() const { return set_; }
    // Whether a density was given for the whole material rather than read
    // from its records.
    bool DensityReplaced() const { return densityReplaced_; }

    // The data set with the named source ("B", "H" or its text) and type;
    // throws pheltra::InputError for either, or for a type the source does
    // not offer.
    TCmpDataSet For(const QString &type, const QString &source) const;
    // The density in g/cm3; throws pheltra::InputError when there is none.
    double RequiredDensity() const;

private:
    std::vector<pheltra::MaterialPart> parts_;
    TCmpDataSet set_;
    bool densityReplaced_ = false;
};
