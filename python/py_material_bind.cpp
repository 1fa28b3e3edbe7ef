// pheltra.Material: construction, composition figures and the narrow-beam
// quantities over arrays of energies.
#include "absorber/material/number_text.h"
#include "absorber/material/source_and_type.h"
#include "absorber/slab.h"
#include "python/py_args.h"
#include "python/py_bindings.h"
#include "python/py_material.h"

#include <cmath>
#include <limits>
#include <string>

namespace pheltra {

namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

const char kCoefficientParameters[] = R"doc(kind : str, default "mu"
    The coefficient: a short name of :func:`pheltra.kinds` ("mu", "mu_en",
    "mu_en_pe", ...) or its name in the window's list ("energy
    absorption-total").
source : str, default "B"
    The data source, "B" or "H" (see :func:`pheltra.sources`).
type : str, optional
    The name ``kind`` had before; give one of the two.
)doc";

const char kCoefficientRaises[] = R"doc(
Raises
------
TypeError
    An argument of the wrong type: energy not numbers, kind or source not a
    str, kind and type both given.
ValueError
    An energy that is not finite, an unknown kind or source, a kind the
    source does not offer)doc";

std::string Doc(const char *summary, const char *parameters, const char *returns, const char *raises,
                const char *example)
{
    return std::string(summary) + "\n\nParameters\n----------\n" + parameters + kCoefficientParameters +
        "\nReturns\n-------\n" + returns + kCoefficientRaises + raises + ".\n\nExamples\n--------\n" + example;
}

py::object NumberOrNone(long double value)
{
    return value > 0.0L ? py::object(py::float_(static_cast<double>(value))) : py::object(py::none());
}

double MassCoefficient(const TCmpDataSet &set, double energy)
{
    const long double value = set.CoefficientAt(energy);
    return value > 0.0L ? static_cast<double>(value) : kNoValue;
}

double Linear(const TCmpDataSet &set, double density, double energy)
{
    return LinearCoefficient(MassCoefficient(set, energy), density);
}

// kind, or type where only that was given.
QString KindArgument(py::handle kind, py::handle type)
{
    if (type.is_none())
        return TextArgument(kind, "kind");
    if (!py::isinstance<py::str>(kind) || FromPython(kind) != QLatin1String(kDefaultKind))
        Raise(PyExc_TypeError, QStringLiteral("give kind= or type=, not both"));
    return TextArgument(type, "type");
}

TCmpDataSet DataSet(const PyMaterial &material, py::handle kind, py::handle source, py::handle type)
{
    return material.For(KindArgument(kind, type), TextArgument(source, "source"));
}

Numbers Energies(py::handle energy)
{
    Numbers energies = NumbersArgument(energy, "energy");
    RequireFinite(energies, "energy");
    return energies;
}

// f(set, density, energy) over the energies.
template<typename F>
py::object OverEnergies(const PyMaterial &material, py::handle energy, py::handle kind, py::handle source,
                        py::handle type, bool needsDensity, F f)
{
    const Numbers energies = Energies(energy);
    const TCmpDataSet set = DataSet(material, kind, source, type);
    const double density = needsDensity ? material.RequiredDensity() : 0.0;
    return Map(energies, [&](double e) { return f(set, density, e); });
}

// g(linear coefficient, value) over a value (a thickness or a transmission)
// and the energies, broadcast together. check refuses a value.
template<typename G>
py::object WithEnergies(const PyMaterial &material, py::handle value, const char *valueName,
                        void (*check)(const Numbers &), py::handle energy, py::handle kind, py::handle source,
                        py::handle type, G g)
{
    const Numbers values = NumbersArgument(value, valueName);
    check(values);
    const auto [v, e] = Broadcast(values, valueName, Energies(energy), "energy");
    const TCmpDataSet set = DataSet(material, kind, source, type);
    const double density = material.RequiredDensity();
    return Map2(v, e, [&](double x, double energyValue) { return g(Linear(set, density, energyValue), x); });
}

void CheckThickness(const Numbers &thickness)
{
    RequireFinite(thickness, "thickness");
    const double *x = thickness.values.data();
    for (py::ssize_t i = 0; i < thickness.values.size(); ++i) {
        if (x[i] < 0.0)
            Raise(PyExc_ValueError, QStringLiteral("thickness must not be negative, not %1").arg(ShortestText(x[i])));
    }
}

void CheckTransmission(const Numbers &transmission)
{
    const double *x = transmission.values.data();
    for (py::ssize_t i = 0; i < transmission.values.size(); ++i) {
        if (!(x[i] > 0.0 && x[i] <= 1.0))
            Raise(PyExc_ValueError,
                  QStringLiteral("transmission must lie above 0 and at most 1, not %1")
                      .arg(std::isnan(x[i]) ? QStringLiteral("nan") : ShortestText(x[i])));
    }
}

py::dict Composition(const PyMaterial &material)
{
    py::dict composition;
    const ElementFractions &w = material.Set().ElementWeight;
    for (int z = 1; z <= kElementCount; ++z) {
        if (w[static_cast<std::size_t>(z)] > 0.0)
            composition[py::int_(z)] = w[static_cast<std::size_t>(z)];
    }
    return composition;
}

py::list Parts(const PyMaterial &material)
{
    py::list parts;
    for (const MaterialPart &part : material.Parts())
        parts.append(py::make_tuple(ToPython(part.name), static_cast<double>(part.weight)));
    return parts;
}

py::str Repr(const PyMaterial &material)
{
    QStringList parts;
    for (const MaterialPart &part : material.Parts())
        parts << QStringLiteral("%1: %2").arg(FromPython(py::repr(ToPython(part.name))),
                                              ShortestText(static_cast<double>(part.weight)));
    return ToPython(QStringLiteral("pheltra.Material({%1})").arg(parts.join(QStringLiteral(", "))));
}

// Material.table: the energies and one column per kind.
py::dict Table(const PyMaterial &material, py::handle energy, py::handle kinds, py::handle source)
{
    const QString sourceText = TextArgument(source, "source");
    QStringList names;
    if (kinds.is_none()) {
        names = KindNames(ParseSource(sourceText));
    } else {
        if (py::isinstance<py::str>(kinds) || !py::isinstance<py::iterable>(kinds))
            Raise(PyExc_TypeError,
                  QStringLiteral("kinds must be a list of str, not %1")
                      .arg(FromPython(py::type::handle_of(kinds).attr("__name__"))));
        for (py::handle kind : kinds)
            names << TextArgument(kind, "kinds");
    }
    const Numbers energies = Energies(energy);
    py::dict table;
    table["energy"] = py::array_t<double>(energies.values);
    for (const QString &name : names) {
        const TCmpDataSet set = material.For(name, sourceText);
        table[ToPython(name)] = Map(energies, [&](double e) { return MassCoefficient(set, e); });
    }
    return table;
}

} // namespace

void BindMaterial(py::module_ &m)
{
    py::class_<PyMaterial> material(m, "Material",
                                    R"doc(A material: a library entry, a mixture, a formula or mass fractions.

Give exactly one of ``material``, ``formula`` and ``weights``.

Parameters
----------
material : str or dict, optional
    The name of a compound library entry (any case), or a mixture
    ``{name or Material: relative weight}`` of up to six parts, mixed by
    weight as the data setup dialog mixes entries.
formula : str, optional
    A chemical formula such as "H2O" or "Ca10(PO4)6(OH)2".
weights : dict, optional
    Mass fractions ``{Z: fraction}`` adding up to 1 (within 1 %), Z from 1
    to 99.
density : float, optional
    g/cm³, above 0 and at most 1000: gives a formula or mass fractions their
    density, or replaces that of the library entries (a pressed powder, a gas
    at another pressure).
library : str or path, optional
    The compound library file to read names from; by default CmpMix.dat in
    the working folder, else the one that came with the package.
user_library : bool, default True
    Find names also among the user's own materials (UserMix.dat in Pheltra's
    application-data folder).

Raises
------
TypeError
    None or more than one of material, formula and weights, or an argument
    of the wrong type.
ValueError
    An unknown library entry, a faulty formula, weights that do not add up
    to 1, a weight or density out of range, more than six parts, a missing
    library file.

Examples
--------
>>> water = pheltra.Material("Water, Liquid")
>>> water.density
1.0
>>> bone = pheltra.Material(formula="Ca10(PO4)6(OH)2", density=3.16)
>>> sorted(bone.composition)
[1, 8, 15, 20]
>>> apron = pheltra.Material({"Lead": 1, "Rubber, Natural": 1})
>>> apron.parts
[('Lead', 1.0), ('Rubber, Natural', 1.0)]
)doc");
    material.def(py::init(&MakeMaterial), py::arg("material") = py::none(), py::kw_only(),
                 py::arg("formula") = py::none(), py::arg("weights") = py::none(), py::arg("density") = py::none(),
                 py::arg("library") = py::none(), py::arg("user_library") = true);

    material
        .def_property_readonly("composition", &Composition, R"doc(Mass fractions of the elements, ``{Z: fraction}``.

Examples
--------
>>> {z: round(w, 4) for z, w in pheltra.Material(formula="H2O").composition.items()}
{1: 0.1119, 8: 0.8881}
)doc")
        .def_property_readonly("parts", &Parts, R"doc(The parts mixed, ``[(name, relative weight), ...]``.

Examples
--------
>>> pheltra.Material({"Lead": 1, "Water, Liquid": 3}).parts
[('Lead', 1.0), ('Water, Liquid', 3.0)]
)doc")
        .def_property_readonly(
            "density", [](const PyMaterial &self) { return NumberOrNone(self.Set().Density); },
            R"doc(Density in g/cm³, or None when the material has none.

Examples
--------
>>> round(pheltra.Material("Lead").density, 3)
11.35
>>> pheltra.Material(formula="H2O").density is None
True
)doc")
        .def_property_readonly(
            "electrons_per_gram",
            [](const PyMaterial &self) { return static_cast<double>(self.Set().ElectronsPerGram); },
            R"doc(Electrons per gram.

Examples
--------
>>> f"{pheltra.Material('Water, Liquid').electrons_per_gram:.4e}"
'3.3428e+23'
)doc")
        .def_property_readonly(
            "electrons_per_cm3", [](const PyMaterial &self) { return NumberOrNone(self.Set().ElectronsPerCm3); },
            R"doc(Electrons per cm³, or None when the material has no density.

Examples
--------
>>> f"{pheltra.Material('Water, Liquid').electrons_per_cm3:.4e}"
'3.3428e+23'
)doc")
        .def_property_readonly(
            "effective_z", [](const PyMaterial &self) { return static_cast<double>(self.Set().EffectiveZ); },
            R"doc(Effective atomic number, as the window's composition view gives it.

Examples
--------
>>> round(pheltra.Material("Water, Liquid").effective_z, 2)
7.51
)doc")
        .def("__repr__", &Repr);

    const std::string muDoc = Doc("Mass coefficient mu/rho of the material, cm²/g.",
                                  "energy : float or array_like\n    Photon energy, keV.\n",
                                  "float or numpy.ndarray\n    cm²/g, shaped as energy; NaN where the program shows "
                                  "\"--\" (outside\n    the source's energy range, a process that gives nothing).\n",
                                  "", R"doc(>>> lead = pheltra.Material("Lead")
>>> round(lead.mu(60.0), 4)
4.9794
>>> lead.mu([60, 100], kind="mu_en").round(4)
array([4.1485, 1.981 ])
)doc");
    material.def(
        "mu",
        [](const PyMaterial &self, py::handle energy, py::handle kind, py::handle source, py::handle type) {
            return OverEnergies(self, energy, kind, source, type, false,
                                [](const TCmpDataSet &set, double, double e) { return MassCoefficient(set, e); });
        },
        muDoc.c_str(), py::arg("energy"), py::arg("kind") = kDefaultKind, py::arg("source") = "B", py::kw_only(),
        py::arg("type") = py::none());

    const std::string linearDoc =
        Doc("Linear coefficient mu of the material, 1/cm: mu/rho times the density.",
            "energy : float or array_like\n    Photon energy, keV.\n",
            "float or numpy.ndarray\n    1/cm, shaped as energy; NaN where mu/rho is NaN.\n",
            ", a material without a density", R"doc(>>> round(pheltra.Material("Lead").mu_linear(60.0), 2)
56.52
)doc");
    material.def(
        "mu_linear",
        [](const PyMaterial &self, py::handle energy, py::handle kind, py::handle source, py::handle type) {
            return OverEnergies(self, energy, kind, source, type, true, &Linear);
        },
        linearDoc.c_str(), py::arg("energy"), py::arg("kind") = kDefaultKind, py::arg("source") = "B", py::kw_only(),
        py::arg("type") = py::none());

    // Quantities of the linear coefficient alone.
    struct LinearQuantity
    {
        const char *name;
        double (*quantity)(double linear);
        const char *summary;
        const char *example;
    };
    for (const LinearQuantity &q : {
             LinearQuantity{"mean_free_path", &MeanFreePath, "Mean free path 1/mu of a narrow beam, cm.",
                            ">>> round(pheltra.Material(\"Water, Liquid\").mean_free_path(60.0), 3)\n4.858\n"},
             LinearQuantity{"hvl", &HalfValueLayer, "Half-value layer ln 2/mu of a narrow beam, cm.",
                            ">>> round(pheltra.Material(\"Aluminum\").hvl(30.0) * 10, 3)  # mm\n2.27\n"},
             LinearQuantity{"tvl", &TenthValueLayer, "Tenth-value layer ln 10/mu of a narrow beam, cm.",
                            ">>> round(pheltra.Material(\"Lead\").tvl(662.0), 3)\n1.852\n"},
         }) {
        const std::string doc = Doc(q.summary, "energy : float or array_like\n    Photon energy, keV.\n",
                                    "float or numpy.ndarray\n    cm, shaped as energy; NaN where mu/rho is NaN.\n",
                                    ", a material without a density", q.example);
        const auto quantity = q.quantity;
        material.def(
            q.name,
            [quantity](const PyMaterial &self, py::handle energy, py::handle kind, py::handle source, py::handle type) {
                return OverEnergies(self, energy, kind, source, type, true,
                                    [quantity](const TCmpDataSet &set, double density, double e) {
                                        return quantity(Linear(set, density, e));
                                    });
            },
            doc.c_str(), py::arg("energy"), py::arg("kind") = kDefaultKind, py::arg("source") = "B", py::kw_only(),
            py::arg("type") = py::none());
    }

    const std::string transmissionDoc =
        Doc("Narrow-beam transmission exp(-mu x) of a slab, without build-up.",
            "thickness : float or array_like\n    Slab thickness, cm, not negative.\nenergy : float or array_like\n"
            "    Photon energy, keV; broadcast against thickness.\n",
            "float or numpy.ndarray\n    The fraction transmitted, shaped as thickness and energy broadcast;\n"
            "    NaN where mu/rho is NaN.\n",
            ", a negative or infinite thickness, a material without a density,\n    thickness and energy that do not "
            "broadcast together",
            R"doc(>>> lead = pheltra.Material("Lead")
>>> lead.transmission([0.025, 0.035, 0.05], 60.0).round(4)
array([0.2434, 0.1383, 0.0593])
)doc");
    material.def(
        "transmission",
        [](const PyMaterial &self, py::handle thickness, py::handle energy, py::handle kind, py::handle source,
           py::handle type) {
            return WithEnergies(self, thickness, "thickness", &CheckThickness, energy, kind, source, type,
                                &Transmission);
        },
        transmissionDoc.c_str(), py::arg("thickness"), py::arg("energy"), py::arg("kind") = kDefaultKind,
        py::arg("source") = "B", py::kw_only(), py::arg("type") = py::none());

    const std::string thicknessDoc = Doc(
        "Slab thickness -ln(T)/mu that transmits the fraction T of a narrow beam, cm.",
        "transmission : float or array_like\n    The fraction transmitted, above 0 and at most 1.\nenergy : float or "
        "array_like\n    Photon energy, keV; broadcast against transmission.\n",
        "float or numpy.ndarray\n    cm, shaped as transmission and energy broadcast; NaN where mu/rho\n    is NaN.\n",
        ", a transmission outside (0, 1], a material without a density,\n    transmission and energy that do not "
        "broadcast together",
        R"doc(>>> round(pheltra.Material("Lead").thickness_for(0.05, 60.0) * 10, 3)  # mm
0.53
)doc");
    material.def(
        "thickness_for",
        [](const PyMaterial &self, py::handle transmission, py::handle energy, py::handle kind, py::handle source,
           py::handle type) {
            return WithEnergies(self, transmission, "transmission", &CheckTransmission, energy, kind, source, type,
                                &ThicknessForTransmission);
        },
        thicknessDoc.c_str(), py::arg("transmission"), py::arg("energy"), py::arg("kind") = kDefaultKind,
        py::arg("source") = "B", py::kw_only(), py::arg("type") = py::none());

    material.def("table", &Table, R"doc(Mass coefficients of several kinds at the energies, as a dict of arrays.

``pandas.DataFrame(material.table(energies))`` makes a table of it.

Parameters
----------
energy : float or array_like
    Photon energy, keV.
kinds : list of str, optional
    The coefficients, each named as ``kind`` of :meth:`Material.mu`; by
    default every kind the source offers.
source : str, default "B"
    The data source, "B" or "H".

Returns
-------
dict of numpy.ndarray
    ``"energy"`` (keV) and one array of mass coefficients (cm²/g) per kind,
    under the name it was asked by; NaN where the program shows "--".

Raises
------
TypeError
    energy not numbers, kinds not a list of str, source not a str.
ValueError
    An energy that is not finite, an unknown kind or source, a kind the
    source does not offer.

Examples
--------
>>> table = pheltra.Material("Water, Liquid").table([10, 100], kinds=["mu", "mu_en"], source="H")
>>> list(table)
['energy', 'mu', 'mu_en']
>>> table["mu_en"].round(4)
array([4.9434, 0.0255])
)doc",
                 py::arg("energy"), py::arg("kinds") = py::none(), py::arg("source") = "B");
}

} // namespace pheltra
