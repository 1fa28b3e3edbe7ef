// The pheltra Python module: the program's materials and coefficients over
// the same absorber code and data libraries, NumPy arrays in and out.
// Bad arguments raise ValueError naming the argument at fault, in the
// material layer's words.
#include "absorber/data_set.h"
#include "absorber/library_location.h"
#include "absorber/material/density.h"
#include "absorber/material/input_error.h"
#include "absorber/material/loaded_library.h"
#include "absorber/material/number_text.h"
#include "absorber/material/source_and_type.h"
#include "absorber/material/user_library.h"
#include "absorber/slab.h"
#include "app/reports/element_data.h"
#include "datalib/shell/treffid.h"
#include "gallomir/gallomir.h"
#include "python/py_material.h"

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>

namespace py = pybind11;

using pheltra::LoadedLibrary;
using pheltra::MaterialPart;
using pheltra::ShortestText;

namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
constexpr int kEdgeCount = 12;

QString Text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

std::string Utf8(const QString &text)
{
    return text.toStdString();
}

py::object NumberOrNone(long double value)
{
    return value > 0.0L ? py::object(py::float_(static_cast<double>(value))) : py::object(py::none());
}

// The bin folder of the installation the module belongs to, found from the
// module's own file (PHELTRA_BIN_FROM_MODULE is set by the build from the
// install folders), so that the module reads the library as the programs do:
// the working folder's CmpMix.dat, else the installed one.
QString InstallationBinFolder()
{
    const QString moduleFile = Text(py::str(py::module_::import("pheltra").attr("__file__")));
    return QDir(QFileInfo(moduleFile).absolutePath()).filePath(QStringLiteral(PHELTRA_BIN_FROM_MODULE));
}

// The library at path (else found as the programs find it), and after it the
// user's own UserMix.dat unless userLibrary is false; a fault in the user's
// library is a warning.
LoadedLibrary ReadLibrary(const py::object &path, bool userLibrary)
{
    const QString fileName =
        path.is_none() ? FindCompoundLibrary(InstalledLibraryFile(InstallationBinFolder())) : Text(py::str(path));
    LoadedLibrary loaded = pheltra::LoadLibrary(fileName);
    if (loaded.status == kLibraryNotFound)
        throw py::value_error(Utf8(loaded.Problem()));
    if (loaded.status < 0)
        throw std::runtime_error(Utf8(loaded.Problem()));
    if (!loaded.Clean() && PyErr_WarnEx(PyExc_UserWarning, Utf8(loaded.Problem()).c_str(), 1) != 0)
        throw py::error_already_set();
    if (userLibrary) {
        const QString problem = pheltra::AddUserLibrary(loaded, pheltra::UserLibraryFile());
        if (!problem.isEmpty() && PyErr_WarnEx(PyExc_UserWarning, Utf8(problem).c_str(), 1) != 0)
            throw py::error_already_set();
    }
    return loaded;
}

py::dict Composition(const TCompound &compound)
{
    py::dict composition;
    for (int i = 0; i < compound.ConstituentCount(); ++i) {
        const py::int_ z(compound.Z[i]);
        const double previous = composition.contains(z) ? composition[z].cast<double>() : 0.0;
        composition[z] = previous + compound.Weight[i];
    }
    return composition;
}

py::list Library(const py::object &path, bool userLibrary)
{
    const LoadedLibrary loaded = ReadLibrary(path, userLibrary);
    py::list entries;
    for (const CompoundLibrary::Entry &entry : loaded.library.Entries()) {
        py::dict item;
        item["name"] = Utf8(entry.name);
        item["formula"] = Utf8(entry.compound.Formula);
        item["second_name"] = Utf8(entry.compound.SecondName);
        item["source"] = Utf8(entry.compound.Source);
        item["density"] = NumberOrNone(entry.compound.Density);
        item["composition"] = Composition(entry.compound);
        entries.append(item);
    }
    return entries;
}

// The parts of a material given as a mixture {name or Material: weight}.
std::vector<MaterialPart> MixtureParts(const py::dict &mixture, const py::object &libraryPath, bool userLibrary)
{
    std::optional<LoadedLibrary> library;
    std::vector<MaterialPart> parts;
    for (const auto &[key, value] : mixture) {
        const double weight = py::cast<double>(value);
        if (py::isinstance<py::str>(key)) {
            if (!library)
                library = ReadLibrary(libraryPath, userLibrary);
            // NAME:WEIGHT, read as the batch tool reads --absorber.
            parts.push_back(pheltra::LibraryPart(
                Text(py::cast<std::string>(key)) + QLatin1Char(':') + ShortestText(weight), *library));
            continue;
        }
        const auto &material = py::cast<const PyMaterial &>(key);
        // Mixing takes each part's own density; a density given to the whole
        // material survives only where it is that of its one record.
        const bool ownDensity = material.Parts().size() == 1 &&
            material.Parts().front().compound.Density == static_cast<float>(material.Set().Density);
        if (material.DensityReplaced() && !ownDensity)
            throw py::value_error(
                "a material whose density was replaced cannot be mixed again; "
                "give the density to the mixture");
        long double total = 0.0L;
        for (const MaterialPart &part : material.Parts())
            total += part.weight;
        for (const MaterialPart &part : material.Parts())
            parts.push_back(pheltra::OwnPart(part.name, part.compound, part.weight / total * weight));
    }
    return parts;
}

PyMaterial MakeMaterial(const py::object &material, const py::object &formula, const py::object &weights,
                        const py::object &density, const py::object &library, bool userLibrary)
{
    const int given = int(!material.is_none()) + int(!formula.is_none()) + int(!weights.is_none());
    if (given != 1)
        throw py::value_error("give one of: a library name, a mixture {name: weight}, formula= or weights=");
    std::optional<long double> wholeDensity;
    if (!density.is_none())
        wholeDensity = pheltra::CheckedDensity(py::cast<double>(density));
    // A formula or weights with a density make a record like a library
    // entry, which keeps its density when mixed further.
    const float recordDensity = wholeDensity ? static_cast<float>(*wholeDensity) : -1.0f;
    std::vector<MaterialPart> parts;
    if (!formula.is_none()) {
        MaterialPart part = pheltra::FormulaPart(Text(py::cast<std::string>(formula)));
        part.compound.Density = recordDensity;
        parts.push_back(part);
    } else if (!weights.is_none()) {
        std::vector<std::pair<int, double>> pairs;
        for (const auto &[z, w] : py::cast<py::dict>(weights))
            pairs.emplace_back(py::cast<int>(z), py::cast<double>(w));
        std::sort(pairs.begin(), pairs.end());
        parts.push_back(
            pheltra::OwnPart(QStringLiteral("weights"), pheltra::WeightsCompound(pairs, recordDensity), 1.0L));
    } else if (py::isinstance<py::str>(material)) {
        parts.push_back(pheltra::LibraryPart(Text(py::cast<std::string>(material)), ReadLibrary(library, userLibrary)));
    } else if (py::isinstance<py::dict>(material)) {
        parts = MixtureParts(py::cast<py::dict>(material), library, userLibrary);
    } else {
        throw py::value_error("a material is a library name or a mixture {name: weight}");
    }
    if (parts.empty())
        throw py::value_error("an empty mixture");
    return PyMaterial(std::move(parts), wholeDensity);
}

double MassCoefficient(const TCmpDataSet &set, double energy)
{
    const long double value = set.CoefficientAt(energy);
    return value > 0.0L ? static_cast<double>(value) : kNoValue;
}

using Energies = py::array_t<double, py::array::forcecast>;

// f(set, density, energy) over an array (or scalar) of energies.
template<typename F>
py::object OverEnergies(const PyMaterial &material, const Energies &energies, const std::string &type,
                        const std::string &source, bool needsDensity, F f)
{
    const TCmpDataSet set = material.For(Text(type), Text(source));
    const double density = needsDensity ? material.RequiredDensity() : 0.0;
    return py::vectorize([&](double energy) { return f(set, density, energy); })(energies);
}

double Linear(const TCmpDataSet &set, double density, double energy)
{
    return LinearCoefficient(MassCoefficient(set, energy), density);
}

// g(linear, other, energy) over two broadcast arrays: a thickness or a
// transmission, and the energies.
template<typename G>
py::object WithEnergies(const PyMaterial &material, const Energies &other, const Energies &energies,
                        const std::string &type, const std::string &source, G g)
{
    const TCmpDataSet set = material.For(Text(type), Text(source));
    const double density = material.RequiredDensity();
    return py::vectorize([&](double value, double energy) { return g(Linear(set, density, energy), value); })(other,
                                                                                                              energies);
}

int ElementZ(const py::object &element)
{
    if (py::isinstance<py::bool_>(element) || !(py::isinstance<py::int_>(element) || py::isinstance<py::str>(element)))
        throw py::value_error("an element is an atomic number 1 to 99 or a symbol");
    const QString input = Text(py::str(element));
    const ElementLookup lookup = FindElement(input);
    if (lookup.outcome != ElementLookup::Outcome::Found)
        throw py::value_error(Utf8(ElementLookupProblem(lookup, input)));
    return lookup.z;
}

py::object PositiveOrNone(double value)
{
    return NumberOrNone(value);
}

py::dict Element(const py::object &element)
{
    const int z = ElementZ(element);
    py::dict data;
    data["name"] = GetElementName(z);
    data["z"] = z;
    data["symbol"] = GetElementSymbol(z);
    data["atomic_weight"] = GetAtomicWeight(z);
    data["density"] = GetElementDensity(z);
    data["excitation_potential"] = GetExcitationPot(z);
    // The view shows the edges of source H whatever the graph's source.
    py::dict edges;
    for (int k = 1; k <= kEdgeFieldCount; ++k)
        edges[py::str(Utf8(kEdgeLabels[static_cast<std::size_t>(k - 1)].chopped(1)))] =
            PositiveOrNone(TCmpDataSet::AbsorptionEdge(z, k, kDataSourceH));
    data["edges"] = edges;
    data["k_yield"] = PositiveOrNone(GetKYield(z));
    data["l_yield"] = PositiveOrNone(GetLYield(z));
    data["ka_kb_ratio"] = PositiveOrNone(GetKaKbRatio(z));
    return data;
}

py::list Edges(const py::object &element, const std::string &source)
{
    const int z = ElementZ(element);
    const int sourceIndex = pheltra::ParseSource(Text(source));
    py::list edges;
    for (int k = 1; k <= kEdgeCount; ++k) {
        const double edge = TCmpDataSet::AbsorptionEdge(z, k, sourceIndex);
        if (edge > 0.0)
            edges.append(edge);
    }
    return edges;
}

std::string Repr(const PyMaterial &material)
{
    QStringList parts;
    for (const MaterialPart &part : material.Parts())
        parts << QStringLiteral("'%1': %2").arg(part.name, ShortestText(static_cast<double>(part.weight)));
    return Utf8(QStringLiteral("pheltra.Material({%1})").arg(parts.join(QStringLiteral(", "))));
}

} // namespace

PYBIND11_MODULE(pheltra, m)
{
    m.doc() = "Photon interaction coefficients of materials, from the data libraries of Pheltra.";
    py::register_exception_translator([](std::exception_ptr error) {
        try {
            if (error)
                std::rethrow_exception(error);
        } catch (const pheltra::InputError &inputError) {
            // The field named as the argument that gives it: "density must
            // lie above 0 ...", "... give one with density= (g/cm3)".
            const QString argument = pheltra::FieldName(inputError.field);
            PyErr_SetString(PyExc_ValueError,
                            Utf8(pheltra::Worded(inputError, argument, argument + QLatin1Char('='))).c_str());
        }
    });

    m.def("library", &Library, py::arg("path") = py::none(), py::arg("user_library") = true,
          "The entries of the compound library (path, else CmpMix.dat in the working folder, else the one "
          "installed with Pheltra), then the user's own materials of UserMix.dat unless user_library=False: "
          "dicts of name, "
          "formula, second_name, source, density (None when not given) and composition {Z: weight}.");
    m.def(
        "types",
        [] {
            std::vector<std::string> names;
            for (const QString &name : CoeffTypeNames(kDataSourceB))
                names.push_back(Utf8(name));
            return names;
        },
        "The fifteen coefficient type names.");
    m.def(
        "sources",
        [] {
            py::dict sources;
            for (int s = 0; s < kDataSourceCount; ++s)
                sources[DataSourceAt(s).letter] = DataSourceAt(s).text;
            return sources;
        },
        "The data sources {letter: text}.");
    m.def("element", &Element, py::arg("element"),
          "The atomic data view's figures of an element (atomic number or symbol); None where it shows --.");
    m.def("edges", &Edges, py::arg("element"), py::arg("source") = "B",
          "Absorption edge energies (keV) of an element in a source, the K edge first.");

    py::class_<PyMaterial> materialClass(m, "Material",
                                         "A library entry, a mixture {name or Material: relative weight}, a "
                                         "formula= or weights={Z: mass fraction}; density= (g/cm3) gives or "
                                         "replaces the density.");
    materialClass
        .def(py::init(&MakeMaterial), py::arg("material") = py::none(), py::kw_only(), py::arg("formula") = py::none(),
             py::arg("weights") = py::none(), py::arg("density") = py::none(), py::arg("library") = py::none(),
             py::arg("user_library") = true)
        .def_property_readonly("composition",
                               [](const PyMaterial &material) {
                                   py::dict composition;
                                   const ElementFractions &w = material.Set().ElementWeight;
                                   for (int z = 1; z <= kElementCount; ++z) {
                                       if (w[static_cast<std::size_t>(z)] > 0.0)
                                           composition[py::int_(z)] = w[static_cast<std::size_t>(z)];
                                   }
                                   return composition;
                               })
        .def_property_readonly("parts",
                               [](const PyMaterial &material) {
                                   py::list parts;
                                   for (const MaterialPart &part : material.Parts())
                                       parts.append(py::make_tuple(Utf8(part.name), static_cast<double>(part.weight)));
                                   return parts;
                               })
        .def_property_readonly("density",
                               [](const PyMaterial &material) { return NumberOrNone(material.Set().Density); })
        .def_property_readonly(
            "electrons_per_gram",
            [](const PyMaterial &material) { return static_cast<double>(material.Set().ElectronsPerGram); })
        .def_property_readonly("electrons_per_cm3",
                               [](const PyMaterial &material) { return NumberOrNone(material.Set().ElectronsPerCm3); })
        .def_property_readonly(
            "effective_z", [](const PyMaterial &material) { return static_cast<double>(material.Set().EffectiveZ); })
        .def(
            "mu",
            [](const PyMaterial &material, const Energies &energies, const std::string &type,
               const std::string &source) {
                return OverEnergies(material, energies, type, source, false,
                                    [](const TCmpDataSet &set, double, double e) { return MassCoefficient(set, e); });
            },
            py::arg("energy"), py::arg("type") = "attenuation-total", py::arg("source") = "B",
            "Mass coefficient (cm2/g) at energies in keV; NaN where the program shows --.")
        .def(
            "mu_linear",
            [](const PyMaterial &material, const Energies &energies, const std::string &type,
               const std::string &source) { return OverEnergies(material, energies, type, source, true, &Linear); },
            py::arg("energy"), py::arg("type") = "attenuation-total", py::arg("source") = "B",
            "Linear coefficient (1/cm).")
        .def(
            "transmission",
            [](const PyMaterial &material, const Energies &thickness, const Energies &energies, const std::string &type,
               const std::string &source) {
                return WithEnergies(material, thickness, energies, type, source, &Transmission);
            },
            py::arg("thickness_cm"), py::arg("energy"), py::arg("type") = "attenuation-total", py::arg("source") = "B",
            "Narrow-beam transmission exp(-mu x) without build-up.")
        .def(
            "thickness_for",
            [](const PyMaterial &material, const Energies &transmission, const Energies &energies,
               const std::string &type, const std::string &source) {
                return WithEnergies(material, transmission, energies, type, source, &ThicknessForTransmission);
            },
            py::arg("transmission"), py::arg("energy"), py::arg("type") = "attenuation-total", py::arg("source") = "B",
            "Thickness -ln(T)/mu (cm) that transmits T (0 < T <= 1), narrow beam.")
        .def("__repr__", &Repr);
    // Quantities of the linear coefficient alone.
    struct LinearQuantity
    {
        const char *name;
        double (*quantity)(double linear);
        const char *doc;
    };
    for (const LinearQuantity &q :
         {LinearQuantity{"mean_free_path", &MeanFreePath, "1/mu (cm), narrow beam."},
          LinearQuantity{"hvl", &HalfValueLayer, "Half-value layer ln2/mu (cm), narrow beam."},
          LinearQuantity{"tvl", &TenthValueLayer, "Tenth-value layer ln10/mu (cm), narrow beam."}}) {
        const auto quantity = q.quantity;
        materialClass.def(
            q.name,
            [quantity](const PyMaterial &self, const Energies &energies, const std::string &type,
                       const std::string &source) {
                return OverEnergies(self, energies, type, source, true,
                                    [quantity](const TCmpDataSet &set, double density, double e) {
                                        return quantity(Linear(set, density, e));
                                    });
            },
            py::arg("energy"), py::arg("type") = "attenuation-total", py::arg("source") = "B", q.doc);
    }
}
