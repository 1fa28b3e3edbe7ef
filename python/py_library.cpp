// The module's functions over the compound library, the elements and the
// names of kinds and sources.
#include "absorber/data_set.h"
#include "absorber/data_sources.h"
#include "absorber/material/source_and_type.h"
#include "app/reports/element_data.h"
#include "datalib/shell/treffid.h"
#include "gallomir/gallomir.h"
#include "python/py_args.h"
#include "python/py_bindings.h"
#include "python/py_material.h"

#include <pybind11/numpy.h>

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

namespace pheltra {

namespace {

constexpr int kEdgeCount = 12;

py::object PositiveOrNone(double value)
{
    return value > 0.0 ? py::object(py::float_(value)) : py::object(py::none());
}

// An entry's mass fractions as a read-only {Z: fraction} mapping. An entry
// of the same composition as the one before it shares that one's mapping, so
// that a library of millions of like entries (the densest file the loader
// takes) costs one object per run of them, not one per entry.
class CompositionColumn
{
public:
    py::object For(const TCompound &compound)
    {
        std::vector<std::pair<int, double>> pairs;
        for (int i = 0; i < compound.ConstituentCount(); ++i) {
            const auto sameZ = [&](const auto &pair) { return pair.first == compound.Z[i]; };
            if (const auto found = std::find_if(pairs.begin(), pairs.end(), sameZ); found != pairs.end())
                found->second += compound.Weight[i];
            else
                pairs.emplace_back(compound.Z[i], compound.Weight[i]);
        }
        if (previous_ && pairs == previousPairs_)
            return previous_;
        py::dict composition;
        for (const auto &[z, weight] : pairs)
            composition[py::int_(z)] = weight;
        previous_ = mappingProxy_(composition);
        previousPairs_ = std::move(pairs);
        return previous_;
    }

private:
    py::object mappingProxy_ = py::module_::import("types").attr("MappingProxyType");
    py::object previous_;
    std::vector<std::pair<int, double>> previousPairs_;
};

py::dict Library(py::handle path, bool userLibrary)
{
    const LoadedLibrary loaded = ReadLibrary(path, userLibrary);
    const py::module_ numpy = py::module_::import("numpy");
    const auto count = static_cast<py::ssize_t>(loaded.library.Count());
    // Object columns filled in place: no list of the whole library is held
    // beside them.
    const auto objectColumn = [&] { return numpy.attr("empty")(count, py::str("O")); };
    py::object names = objectColumn(), formulas = objectColumn(), secondNames = objectColumn(),
               sources = objectColumn(), compositions = objectColumn();
    py::array_t<double> densities(count);
    double *density = densities.mutable_data();
    CompositionColumn compositionOf;
    py::ssize_t row = 0;
    for (const CompoundLibrary::Entry entry : loaded.library.Entries()) {
        const py::int_ at(row++);
        names[at] = ToPython(entry.name);
        formulas[at] = ToPython(entry.compound.Formula);
        secondNames[at] = ToPython(entry.compound.SecondName);
        sources[at] = ToPython(entry.compound.Source);
        compositions[at] = compositionOf.For(entry.compound);
        *density++ = entry.compound.Density > 0.0f ? static_cast<double>(entry.compound.Density)
                                                   : std::numeric_limits<double>::quiet_NaN();
    }
    py::dict library;
    library["name"] = names;
    library["formula"] = formulas;
    library["second_name"] = secondNames;
    library["source"] = sources;
    library["density"] = densities;
    library["composition"] = compositions;
    return library;
}

int ElementZ(py::handle element)
{
    if (py::isinstance<py::bool_>(element) ||
        !(py::isinstance<py::str>(element) || py::isinstance<py::int_>(element) || py::hasattr(element, "__index__")))
        Raise(PyExc_TypeError,
              QStringLiteral("element must be an atomic number or a symbol, not %1")
                  .arg(FromPython(py::type::handle_of(element).attr("__name__"))));
    QString input;
    if (py::isinstance<py::str>(element)) {
        input = FromPython(element);
    } else {
        const auto index = py::reinterpret_steal<py::object>(PyNumber_Index(element.ptr()));
        if (!index)
            throw py::error_already_set();
        input = FromPython(py::str(index));
    }
    const ElementLookup lookup = FindElement(input);
    if (lookup.outcome != ElementLookup::Outcome::Found)
        Raise(PyExc_ValueError, QStringLiteral("element: ") + ElementLookupProblem(lookup, input));
    return lookup.z;
}

py::dict Element(py::handle element)
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
        edges[ToPython(kEdgeLabels[static_cast<std::size_t>(k - 1)].chopped(1))] =
            PositiveOrNone(TCmpDataSet::AbsorptionEdge(z, k, kDataSourceH));
    data["edges"] = edges;
    data["k_yield"] = PositiveOrNone(GetKYield(z));
    data["l_yield"] = PositiveOrNone(GetLYield(z));
    data["ka_kb_ratio"] = PositiveOrNone(GetKaKbRatio(z));
    return data;
}

py::list Edges(py::handle element, py::handle source)
{
    const int z = ElementZ(element);
    const int sourceIndex = ParseSource(TextArgument(source, "source"));
    py::list edges;
    for (int k = 1; k <= kEdgeCount; ++k) {
        const double edge = TCmpDataSet::AbsorptionEdge(z, k, sourceIndex);
        if (edge > 0.0)
            edges.append(edge);
    }
    return edges;
}

} // namespace

QStringList KindNames(int source)
{
    QStringList names;
    for (const std::int8_t type : DataSourceAt(source).offeredTypes) {
        if (type != kCoeffTypeNone)
            names << CoeffTypeShortName(type);
    }
    return names;
}

void BindLibrary(py::module_ &m)
{
    m.def("library", &Library, R"doc(The entries of the compound library as a dict of arrays.

``pandas.DataFrame(pheltra.library())`` makes a table of it.

Parameters
----------
path : str or path, optional
    The library file; by default CmpMix.dat in the working folder, else the
    one that came with the package.
user_library : bool, default True
    Add the user's own materials, made in the window and kept in UserMix.dat
    in Pheltra's application-data folder, after the library's entries.

Returns
-------
dict of numpy.ndarray
    One entry per column, in the library's order (sorted by name):
    ``name``, ``formula``, ``second_name``, ``source`` (str), ``density``
    (g/cm³, NaN where the entry gives none) and ``composition`` (a
    read-only mapping ``{Z: mass fraction}`` per entry).

Raises
------
TypeError
    path is not a str or a path.
ValueError
    The file does not exist.
OSError
    The file cannot be read.

Warns
-----
UserWarning
    A faulty line: the entries before it are kept. A faulty line in the user's
    materials keeps the ones before it; a name the library holds already is
    left out.

Examples
--------
>>> entries = pheltra.library()
>>> i = list(entries["name"]).index("Water, Liquid")
>>> entries["density"][i], entries["composition"][i][8] > 0.88
(1.0, True)
)doc",
          py::arg("path") = py::none(), py::kw_only(), py::arg("user_library") = true);
    m.def("element", &Element, R"doc(The atomic data of an element, as the window's atomic data view shows it.

Parameters
----------
element : int or str
    Atomic number 1 to 99, or a symbol ("Pb", any case).

Returns
-------
dict
    ``name``, ``z``, ``symbol``, ``atomic_weight`` (g/mol), ``density``
    (g/cm³), ``excitation_potential`` (eV), ``edges`` (keV, ``{"K": ...,
    "L1": ..., ...}`` of source H), ``k_yield``, ``l_yield`` and
    ``ka_kb_ratio``; None where the view shows "--".

Raises
------
TypeError
    element is neither an int nor a str.
ValueError
    No element matches.

Examples
--------
>>> lead = pheltra.element("Pb")
>>> lead["z"], round(lead["edges"]["K"], 4)
(82, 88.0045)
)doc",
          py::arg("element"));
    m.def("edges", &Edges, R"doc(Absorption edge energies of an element in a data source, keV, the K edge first.

Parameters
----------
element : int or str
    Atomic number 1 to 99, or a symbol.
source : str, default "B"
    The data source, "B" or "H".

Returns
-------
list of float
    keV, highest first.

Raises
------
TypeError
    element or source of the wrong type.
ValueError
    No element matches, or an unknown source.

Examples
--------
>>> [round(edge, 4) for edge in pheltra.edges(29)]
[8.9432, 1.0861]
)doc",
          py::arg("element"), py::arg("source") = "B");
    m.def(
        "kinds",
        [](py::handle source) {
            const int index = ParseSource(TextArgument(source, "source"));
            py::list names;
            for (const QString &name : KindNames(index))
                names.append(ToPython(name));
            return names;
        },
        R"doc(The coefficient kinds a data source offers, as ``kind=`` takes them.

Parameters
----------
source : str, default "B"
    The data source, "B" or "H".

Returns
-------
list of str
    In the order of the window's list.

Raises
------
TypeError
    source is not a str.
ValueError
    An unknown source.

Examples
--------
>>> pheltra.kinds("H")
['mu', 'mu_en']
)doc",
        py::arg("source") = "B");
    m.def(
        "types",
        [] {
            py::list names;
            for (const QString &name : CoeffTypeNames(kDataSourceB))
                names.append(ToPython(name));
            return names;
        },
        R"doc(The coefficient types by their names in the window's list.

Returns
-------
list of str
    The fourteen types, "attenuation-total" to "energy absorption-pair",
    after "(none)".

Examples
--------
>>> pheltra.types()[1]
'attenuation-total'
)doc");
    m.def(
        "sources",
        [] {
            py::dict sources;
            for (int s = 0; s < kDataSourceCount; ++s)
                sources[DataSourceAt(s).letter] = DataSourceAt(s).text;
            return sources;
        },
        R"doc(The data sources.

Returns
-------
dict of str
    ``{letter: the source's text in the window's list}``.

Examples
--------
>>> list(pheltra.sources())
['H', 'B']
)doc");
}

} // namespace pheltra
