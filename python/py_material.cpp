#include "python/py_material.h"

#include "absorber/library_location.h"
#include "absorber/material/density.h"
#include "absorber/material/number_text.h"
#include "absorber/material/source_and_type.h"
#include "absorber/material/user_library.h"
#include "python/py_args.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace pheltra {

namespace {

// The compound library that comes with the package, found from the module's
// own file: PHELTRA_LIBRARY_FROM_MODULE, set by the build, is the installed
// share/pheltra/CmpMix.dat relative to the installed module, or the copy a
// wheel carries beside it.
QString PackagedLibraryFile()
{
    const QString moduleFile = FromPython(py::module_::import("pheltra._core").attr("__file__"));
    return QDir::cleanPath(
        QDir(QFileInfo(moduleFile).absolutePath()).filePath(QStringLiteral(PHELTRA_LIBRARY_FROM_MODULE)));
}

// The parts of a material given as a mixture {name or Material: weight}.
std::vector<MaterialPart> MixtureParts(const py::dict &mixture, py::handle libraryPath, bool userLibrary)
{
    std::optional<LoadedLibrary> library;
    std::vector<MaterialPart> parts;
    for (const auto &[key, value] : mixture) {
        const double weight = NumberArgument(value, "material");
        if (py::isinstance<py::str>(key)) {
            if (!library)
                library = ReadLibrary(libraryPath, userLibrary);
            // NAME:WEIGHT, read as the batch tool reads an absorber.
            parts.push_back(LibraryPart(FromPython(key) + QLatin1Char(':') + ShortestText(weight), *library));
            continue;
        }
        if (!py::isinstance<PyMaterial>(key))
            Raise(PyExc_TypeError,
                  QStringLiteral("the parts of a mixture are library names or Materials, not %1")
                      .arg(FromPython(py::type::handle_of(key).attr("__name__"))));
        const auto &material = py::cast<const PyMaterial &>(key);
        // Mixing takes each part's own density; a density given to the whole
        // material survives only where it is that of its one record.
        const bool ownDensity = material.Parts().size() == 1 &&
            material.Parts().front().compound.Density == static_cast<float>(material.Set().Density);
        if (material.DensityReplaced() && !ownDensity)
            Raise(PyExc_ValueError,
                  QStringLiteral("a material whose density was replaced cannot be mixed again; "
                                 "give the density to the mixture"));
        long double total = 0.0L;
        for (const MaterialPart &part : material.Parts())
            total += part.weight;
        for (const MaterialPart &part : material.Parts())
            parts.push_back(OwnPart(part.name, part.compound, part.weight / total * weight));
    }
    return parts;
}

std::vector<std::pair<int, double>> WeightPairs(py::handle weights)
{
    if (!py::isinstance<py::dict>(weights))
        Raise(PyExc_TypeError,
              QStringLiteral("weights must be a dict {Z: mass fraction}, not %1")
                  .arg(FromPython(py::type::handle_of(weights).attr("__name__"))));
    std::vector<std::pair<int, double>> pairs;
    for (const auto &[z, w] : py::reinterpret_borrow<py::dict>(weights)) {
        const double atomicNumber = NumberArgument(z, "weights");
        if (atomicNumber != static_cast<int>(atomicNumber))
            Raise(
                PyExc_TypeError,
                QStringLiteral("weights: an atomic number is a whole number, not %1").arg(ShortestText(atomicNumber)));
        pairs.emplace_back(static_cast<int>(atomicNumber), NumberArgument(w, "weights"));
    }
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

} // namespace

PyMaterial::PyMaterial(std::vector<MaterialPart> parts, std::optional<long double> density)
    : parts_(std::move(parts)), densityReplaced_(density.has_value())
{
    FillDataSetFromParts(set_, parts_, kDataSourceB, kCoeffTypeAttenuationTotal, QString());
    if (density)
        OverrideDensity(set_, CheckedDensity(*density));
}

TCmpDataSet PyMaterial::For(const QString &kind, const QString &source) const
{
    const int sourceIndex = ParseSource(source);
    const int typeIndex = ParseCoeffType(kind);
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

LoadedLibrary ReadLibrary(py::handle path, bool userLibrary)
{
    const QString fileName =
        path.is_none() ? FindCompoundLibrary(PackagedLibraryFile()) : TextArgument(path, "library", true);
    LoadedLibrary loaded = LoadLibrary(fileName);
    if (loaded.status == kLibraryNotFound)
        Raise(PyExc_ValueError, loaded.Problem());
    if (loaded.status < 0)
        Raise(PyExc_OSError, loaded.Problem());
    // A faulty line, or entries without elements and repeated names.
    if (!loaded.Clean() || !loaded.warning.isEmpty())
        py::module_::import("warnings").attr("warn")(ToPython(loaded.Problem()), py::handle(PyExc_UserWarning), 2);
    if (userLibrary) {
        if (const QString problem = AddUserLibrary(loaded, UserLibraryFile()); !problem.isEmpty())
            py::module_::import("warnings").attr("warn")(ToPython(problem), py::handle(PyExc_UserWarning), 2);
    }
    return loaded;
}

PyMaterial MakeMaterial(py::handle material, py::handle formula, py::handle weights, py::handle density,
                        py::handle library, bool userLibrary)
{
    const int given = int(!material.is_none()) + int(!formula.is_none()) + int(!weights.is_none());
    if (given != 1)
        Raise(PyExc_TypeError,
              QStringLiteral("give one of: a library name, a mixture {name: weight}, formula= or "
                             "weights="));
    std::optional<long double> wholeDensity;
    if (!density.is_none())
        wholeDensity = CheckedDensity(NumberArgument(density, "density"));
    // A formula or weights with a density make a record like a library
    // entry, which keeps its density when mixed further.
    const float recordDensity = wholeDensity ? static_cast<float>(*wholeDensity) : -1.0f;
    std::vector<MaterialPart> parts;
    if (!formula.is_none()) {
        MaterialPart part = FormulaPart(TextArgument(formula, "formula"));
        part.compound.Density = recordDensity;
        parts.push_back(part);
    } else if (!weights.is_none()) {
        parts.push_back(OwnPart(QStringLiteral("weights"), WeightsCompound(WeightPairs(weights), recordDensity), 1.0L));
    } else if (py::isinstance<py::str>(material)) {
        parts.push_back(LibraryPart(FromPython(material), ReadLibrary(library, userLibrary)));
    } else if (py::isinstance<py::dict>(material)) {
        parts = MixtureParts(py::reinterpret_borrow<py::dict>(material), library, userLibrary);
    } else {
        Raise(PyExc_TypeError,
              QStringLiteral("material must be a library name (str) or a mixture {name: weight} "
                             "(dict), not %1")
                  .arg(FromPython(py::type::handle_of(material).attr("__name__"))));
    }
    if (parts.empty())
        Raise(PyExc_ValueError, QStringLiteral("material: an empty mixture"));
    return PyMaterial(std::move(parts), wholeDensity);
}

} // namespace pheltra
