// A material of the Python package: the parts it was mixed from (library
// entries, formulas, explicit mass fractions), the data set that holds its
// composition, and the density the caller gave for the whole, if any. Its
// coefficients come from the data set's CoefficientAt, as the program's.
#pragma once

#include "absorber/data_set.h"
#include "absorber/material/loaded_library.h"
#include "absorber/material/material_parts.h"

#include <pybind11/pybind11.h>

#include <optional>
#include <vector>

namespace pheltra {

class PyMaterial
{
public:
    PyMaterial(std::vector<MaterialPart> parts, std::optional<long double> density);

    const std::vector<MaterialPart> &Parts() const { return parts_; }
    const TCmpDataSet &Set() const { return set_; }
    // Whether a density was given for the whole material rather than read
    // from its records.
    bool DensityReplaced() const { return densityReplaced_; }

    // The data set with the source (its letter or text) and the coefficient
    // kind; throws InputError for either, or for a kind the source does not
    // offer.
    TCmpDataSet For(const QString &kind, const QString &source) const;
    // The density in g/cm3; throws InputError when there is none.
    double RequiredDensity() const;

private:
    std::vector<MaterialPart> parts_;
    TCmpDataSet set_;
    bool densityReplaced_ = false;
};

// Material(material, *, formula, weights, density, library, user_library) as
// Python calls it; None stands for an argument not given.
PyMaterial MakeMaterial(pybind11::handle material, pybind11::handle formula, pybind11::handle weights,
                        pybind11::handle density, pybind11::handle library, bool userLibrary = true);

// The compound library at path, or (None) the working folder's CmpMix.dat,
// else the one that came with the package. A faulty line warns
// (UserWarning) and keeps the entries before it. After it the user's own
// materials (UserMix.dat) unless userLibrary is false; a fault there warns.
LoadedLibrary ReadLibrary(pybind11::handle path, bool userLibrary = true);

} // namespace pheltra
