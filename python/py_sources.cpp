// pheltra.nuclide and pheltra.Spectrum: the lines of a nuclide and its
// air-kerma-rate constant; X-ray spectra, their filtration and beam quality.
#include "absorber/data_sources.h"
#include "absorber/material/number_text.h"
#include "absorber/material/source_and_type.h"
#include "python/py_args.h"
#include "python/py_bindings.h"
#include "python/py_material.h"
#include "sources/beam_quality.h"
#include "sources/filtration.h"
#include "sources/nuclide.h"
#include "sources/source_error.h"
#include "sources/source_material.h"
#include "sources/spectrum.h"
#include "sources/spectrum_file.h"

#include <pybind11/numpy.h>

namespace pheltra {

namespace {

// f(), its SourceError raised as ValueError naming the argument at fault.
template<typename F>
auto Refusing(const char *argument, F f) -> decltype(f())
{
    try {
        return f();
    } catch (const SourceError &error) {
        Raise(PyExc_ValueError, QLatin1String(argument) + QStringLiteral(": ") + QString::fromStdString(error.what()));
    }
}

py::array_t<double> Array(const std::vector<double> &values)
{
    return py::array_t<double>(static_cast<py::ssize_t>(values.size()), values.data());
}

std::vector<double> Vector(py::handle value, const char *argument)
{
    const Numbers numbers = NumbersArgument(value, argument);
    if (numbers.values.ndim() != 1)
        Raise(
            PyExc_ValueError,
            QStringLiteral("%1 must be a 1-d array, not %2-d").arg(QLatin1String(argument)).arg(numbers.values.ndim()));
    return {numbers.values.data(), numbers.values.data() + numbers.values.size()};
}

int SourceArgument(py::handle source)
{
    return ParseSource(TextArgument(source, "source"));
}

// A material for the sources code: a Material, or a name as the batch tool
// takes one (a library entry, an element's symbol, a formula).
SourceMaterial MaterialArgument(py::handle material, const char *argument, int source)
{
    if (py::isinstance<PyMaterial>(material)) {
        const auto &chosen = py::cast<const PyMaterial &>(material);
        return SourceMaterial(FromPython(py::repr(material)).toStdString(), chosen.Set(), source);
    }
    const QString name = TextArgument(material, argument);
    const LoadedLibrary library = ReadLibrary(py::none());
    return Refusing(argument, [&] { return NamedMaterial(name.toStdString(), library, source); });
}

SourceMaterial Air(int source)
{
    const LoadedLibrary library = ReadLibrary(py::none());
    return Refusing("library", [&] { return LibraryMaterial(library.library, kAirName, source); });
}

KermaWeighting Weighting(const Spectrum &spectrum, int source)
{
    const SourceMaterial air = Air(source);
    return Refusing("spectrum", [&] { return KermaWeighting(spectrum, air); });
}

std::vector<FilterLayer> Layers(py::handle layers, int source)
{
    if (py::isinstance<py::str>(layers) || !py::isinstance<py::iterable>(layers))
        Raise(PyExc_TypeError,
              QStringLiteral("layers must be a list of (material, thickness in cm), not %1")
                  .arg(FromPython(py::type::handle_of(layers).attr("__name__"))));
    std::vector<FilterLayer> found;
    for (py::handle layer : layers) {
        if (!py::isinstance<py::tuple>(layer) || py::len(layer) != 2)
            Raise(PyExc_TypeError, QStringLiteral("layers: each layer is a tuple (material, thickness in cm)"));
        const double thickness = NumberArgument(layer[py::int_(1)], "layers");
        RequireFinite(thickness, "layers");
        if (thickness < 0.0)
            Raise(PyExc_ValueError,
                  QStringLiteral("layers: a thickness must not be negative, not %1").arg(ShortestText(thickness)));
        found.push_back({MaterialArgument(layer[py::int_(0)], "layers", source), {thickness, ThicknessUnit::Cm}});
    }
    return found;
}

const char kSourceParameter[] = R"doc(source : str, default "H"
    The data source of the coefficients, "H" or "B".
)doc";

std::string MaterialMethodDoc(const char *summary, const char *material, const char *returns, const char *example)
{
    return std::string(summary) + "\n\nParameters\n----------\n" + material + kSourceParameter +
        "\nReturns\n-------\n" + returns +
        "\nRaises\n------\nTypeError\n    An argument of the wrong type.\nValueError\n    An unknown material or "
        "source, a material without a density, a\n    spectrum the material's data do not cover.\n"
        "\nExamples\n--------\n" +
        example;
}

const char kHvlMaterial[] = R"doc(material : Material or str, default "Aluminum"
    The absorber: a Material, a library entry, an element's symbol or a
    formula.
)doc";

void BindNuclide(py::module_ &m)
{
    py::class_<Nuclide>(m, "Nuclide", R"doc(A nuclide of the library: its photon lines and half-life (DDEP).

Made by :func:`pheltra.nuclide`.

Examples
--------
>>> cs = pheltra.nuclide("Cs-137")
>>> cs.name, cs.half_life_unit
('Cs-137', 'y')
)doc")
        .def_property_readonly(
            "name", [](const Nuclide &n) { return n.name; },
            "The nuclide's name, as \"Cs-137\".\n\nExamples\n"
            "--------\n>>> pheltra.nuclide(\"co60\").name\n'Co-60'\n")
        .def_property_readonly(
            "half_life", [](const Nuclide &n) { return n.halfLife; },
            "The half-life, in half_life_unit.\n\nExamples\n--------\n>>> "
            "pheltra.nuclide(\"Co-60\").half_life\n5.2711\n")
        .def_property_readonly(
            "half_life_unit", [](const Nuclide &n) { return n.halfLifeUnit; },
            "The unit of half_life: \"s\", \"min\", \"h\", \"d\" or \"y\", as evaluated.\n\nExamples\n--------\n"
            ">>> pheltra.nuclide(\"Tc-99m\").half_life_unit\n'h'\n")
        .def_property_readonly(
            "energies", [](const Nuclide &n) { return Array(n.Energies()); },
            "The energies of the photon lines, keV.\n\nExamples\n--------\n"
            ">>> pheltra.nuclide(\"Co-60\").energies[-2:]\narray([1173.228, 1332.492])\n")
        .def_property_readonly(
            "yields", [](const Nuclide &n) { return Array(n.Yields()); },
            "Photons per decay of each line.\n\nExamples\n--------\n"
            ">>> pheltra.nuclide(\"Tc-99m\").yields.max()\n0.885\n")
        .def_property_readonly(
            "line_kinds",
            [](const Nuclide &n) {
                py::list kinds;
                for (const PhotonLine &line : n.lines)
                    kinds.append(LineKindName(line.kind));
                return kinds;
            },
            "What each line is: \"gamma\", \"xray\" or \"annihilation\".\n\nExamples\n--------\n"
            ">>> sorted(set(pheltra.nuclide(\"Na-22\").line_kinds))\n['annihilation', 'gamma']\n")
        .def(
            "gamma_constant",
            [](const Nuclide &n, py::handle cutoff, py::handle source) {
                const double cut = NumberArgument(cutoff, "cutoff");
                const SourceMaterial air = Air(SourceArgument(source));
                return Refusing("cutoff", [&] { return AirKermaRateConstant(n, air, cut); });
            },
            R"doc(The air-kerma-rate constant of the lines above a cut-off, µGy m²/(GBq h).

The air kerma rate at 1 m from 1 GBq in vacuum: the sum of y E
(mu_en/rho)air / (4 pi) over the lines above the cut-off.

Parameters
----------
cutoff : float, default 20.0
    keV; lines at or below it do not count.
source : str, default "H"
    The data source of the energy absorption of dry air, "H" or "B".

Returns
-------
float
    µGy m²/(GBq h).

Raises
------
TypeError
    cutoff not a number, source not a str.
ValueError
    A negative cut-off, an unknown source.

Examples
--------
>>> round(pheltra.nuclide("Co-60").gamma_constant(), 1)
305.9
)doc",
            py::arg("cutoff") = kDefaultCutoffKeV, py::arg("source") = "H")
        .def("__repr__", [](const Nuclide &n) { return "pheltra.nuclide('" + n.name + "')"; });

    m.def(
        "nuclide",
        [](py::handle name) {
            const QString text = TextArgument(name, "name");
            return Refusing("name", [&] { return FindNuclide(text.toStdString()); });
        },
        R"doc(A nuclide of the library by name.

Parameters
----------
name : str
    As "Cs-137", "cs137" or "Tc-99m" (case, blanks and hyphens do not count).

Returns
-------
Nuclide

Raises
------
TypeError
    name is not a str.
ValueError
    The library holds no such nuclide.

Examples
--------
>>> tc = pheltra.nuclide("tc99m")
>>> tc.energies[tc.yields.argmax()], tc.yields.max()
(140.511, 0.885)
)doc",
        py::arg("name"));
    m.def(
        "nuclides",
        [] {
            py::list names;
            for (const std::string &name : NuclideNames())
                names.append(name);
            return names;
        },
        R"doc(The names of the nuclides in the library.

Returns
-------
list of str

Examples
--------
>>> "I-131" in pheltra.nuclides()
True
)doc");
}

void BindSpectrum(py::module_ &m)
{
    py::class_<Spectrum> spectrum(m, "Spectrum", R"doc(A photon spectrum: energy bins and the photons in each.

Parameters
----------
energy : array_like
    Bin centres, keV, strictly ascending and above 0.
fluence : array_like
    Photons in each bin (units of your own: only the shape counts), finite,
    none negative and not all 0.

Raises
------
TypeError
    energy or fluence not numbers.
ValueError
    Arrays of different lengths, energies not ascending, a negative fluence.

Examples
--------
>>> beam = pheltra.Spectrum([30, 40, 50], [1, 2, 1])
>>> round(beam.mean_energy, 1)
40.0
>>> round(pheltra.Spectrum.tasmip(80).hvl1() * 10, 2)  # mm Al
2.34
)doc");
    spectrum.def(py::init([](py::handle energy, py::handle fluence) {
                     std::vector<double> e = Vector(energy, "energy");
                     std::vector<double> f = Vector(fluence, "fluence");
                     return Refusing("energy", [&] { return Spectrum(std::move(e), std::move(f)); });
                 }),
                 py::arg("energy"), py::arg("fluence"));
    spectrum.def_static(
        "tasmip",
        [](py::handle kv) {
            const double voltage = NumberArgument(kv, "kv");
            return Refusing("kv", [&] { return Spectrum::Tasmip(voltage); });
        },
        R"doc(The TASMIP spectrum of a tungsten-anode tube, unfiltered.

Parameters
----------
kv : float
    Tube voltage, 30 to 140 kV.

Returns
-------
Spectrum
    1-keV bins from 10 keV to the voltage, photons/mm² per mAs at 1 m.

Raises
------
TypeError
    kv is not a number.
ValueError
    A voltage outside 30 to 140 kV.

Examples
--------
>>> tube = pheltra.Spectrum.tasmip(100)
>>> tube.kv, tube.energy[0], tube.energy[-1]
(100.0, 10.0, 100.0)
)doc",
        py::arg("kv"));
    spectrum.def_static(
        "read",
        [](py::handle path, py::handle energyUnit, bool perBin) {
            const QString file = TextArgument(path, "path", true);
            SpectrumReadOptions options;
            options.perBin = perBin;
            if (!energyUnit.is_none()) {
                options.energyUnit = ParseEnergyUnit(TextArgument(energyUnit, "energy_unit").toStdString());
                if (!options.energyUnit)
                    Raise(PyExc_ValueError,
                          QStringLiteral("energy_unit is \"eV\", \"keV\" or \"MeV\", not %1")
                              .arg(FromPython(py::repr(energyUnit))));
            }
            return Refusing("path", [&] { return ReadSpectrumFile(file.toStdString(), options); });
        },
        R"doc(A spectrum read from a file: a table (an energy and a fluence a row) or an MC-GPU/penEasy .spc file.

Parameters
----------
path : str or path
    The file; a name ending in .spc is read as MC-GPU/penEasy.
energy_unit : str, optional
    "eV", "keV" or "MeV" for a table whose header does not name its unit.
per_bin : bool, default False
    A table's fluence is photons in each bin rather than per keV.

Returns
-------
Spectrum

Raises
------
TypeError
    path or energy_unit of the wrong type.
ValueError
    The file cannot be read, or a row holds a fault (the message names it).

Examples
--------
>>> import pathlib, tempfile
>>> file = pathlib.Path(tempfile.mkdtemp()) / "beam.tsv"
>>> _ = file.write_text("energy_keV\tfluence\n30\t1\n40\t2\n50\t1\n")
>>> pheltra.Spectrum.read(file).energy
array([30., 40., 50.])
)doc",
        py::arg("path"), py::arg("energy_unit") = py::none(), py::arg("per_bin") = false);

    spectrum
        .def_property_readonly(
            "energy", [](const Spectrum &s) { return Array(s.Energies()); },
            "Bin centres, keV.\n\nExamples\n--------\n>>> pheltra.Spectrum([20, 30], [1, 1]).energy\narray([20., "
            "30.])\n")
        .def_property_readonly(
            "fluence", [](const Spectrum &s) { return Array(s.Fluence()); },
            "Photons in each bin: photons/mm² per mAs at 1 m for a TASMIP spectrum.\n\nExamples\n--------\n"
            ">>> pheltra.Spectrum([20, 30], [1, 3]).fluence\narray([1., 3.])\n")
        .def_property_readonly(
            "kv",
            [](const Spectrum &s) {
                return s.IsPerMAsAt1m() ? py::object(py::float_(s.TubeVoltage())) : py::object(py::none());
            },
            "The tube voltage of a TASMIP spectrum (kV), else None.\n\nExamples\n--------\n"
            ">>> pheltra.Spectrum.tasmip(60).kv\n60.0\n")
        .def_property_readonly(
            "mean_energy", [](const Spectrum &s) { return Weighting(s, kDataSourceH).MeanEnergy(); },
            "The mean energy by fluence, keV.\n\nExamples\n--------\n"
            ">>> round(pheltra.Spectrum([20, 40], [1, 1]).mean_energy, 1)\n30.0\n")
        .def_property_readonly(
            "air_kerma",
            [](const Spectrum &s) {
                const std::optional<double> kerma = Weighting(s, kDataSourceH).AirKermaPerMAsAt1m();
                return kerma ? py::object(py::float_(*kerma)) : py::object(py::none());
            },
            "Air kerma per mAs at 1 m, µGy, of a TASMIP spectrum (source H); None for\nother spectra, whose "
            "fluence has units of their own.\n\nExamples\n--------\n"
            ">>> round(pheltra.Spectrum.tasmip(80).filtered([(\"Aluminum\", 0.25)]).air_kerma, 1)\n40.2\n")
        .def_property_readonly(
            "air_kerma_per_fluence", [](const Spectrum &s) { return Weighting(s, kDataSourceH).AirKermaPerFluence(); },
            "Air kerma over fluence, µGy per photon/cm² (source H).\n\nExamples\n--------\n"
            ">>> f\"{pheltra.Spectrum([60], [1]).air_kerma_per_fluence:.3e}\"\n'2.923e-07'\n");

    spectrum.def(
        "filtered",
        [](const Spectrum &s, py::handle layers, py::handle source) {
            const std::vector<FilterLayer> filters = Layers(layers, SourceArgument(source));
            return Refusing("layers", [&] { return Filtered(s, filters); });
        },
        R"doc(The spectrum behind filters, narrow beam: each bin times exp(-sum of mu x).

Parameters
----------
layers : list of (Material or str, float)
    Up to six layers, each a material (a Material, a library entry, an
    element's symbol or a formula with a density) and its thickness in cm.
source : str, default "H"
    The data source of the coefficients, "H" or "B".

Returns
-------
Spectrum

Raises
------
TypeError
    layers not a list of (material, thickness).
ValueError
    More than six layers, a negative thickness, an unknown material, a
    material without a density, no photon getting through.

Examples
--------
>>> tube = pheltra.Spectrum.tasmip(80)
>>> hard = tube.filtered([("Aluminum", 0.3), ("Cu", 0.01)])
>>> hard.mean_energy > tube.mean_energy
True
)doc",
        py::arg("layers"), py::arg("source") = "H");

    struct QualityMethod
    {
        const char *name;
        double (*quantity)(const KermaWeighting &, const SourceMaterial &);
        const char *summary;
        const char *returns;
        const char *example;
    };
    for (const QualityMethod &q : {
             QualityMethod{"hvl1",
                           [](const KermaWeighting &w, const SourceMaterial &mat) { return w.HalfValueLayerCm(mat); },
                           "The first half-value layer by air kerma, narrow beam, cm.", "float\n    cm.\n",
                           ">>> round(pheltra.Spectrum.tasmip(80).filtered([(\"Aluminum\", 0.25)]).hvl1() * 10, 2)"
                           "  # mm Al\n3.78\n"},
             QualityMethod{"hvl2",
                           [](const KermaWeighting &w, const SourceMaterial &mat) {
                               return w.ThicknessForTransmission(mat, 0.25) - w.HalfValueLayerCm(mat);
                           },
                           "The second half-value layer (quarter-value layer less the first), cm.", "float\n    cm.\n",
                           ">>> beam = pheltra.Spectrum.tasmip(80).filtered([(\"Aluminum\", 0.25)])\n"
                           ">>> beam.hvl2() > beam.hvl1()\nTrue\n"},
             QualityMethod{"h",
                           [](const KermaWeighting &w, const SourceMaterial &mat) {
                               const double first = w.HalfValueLayerCm(mat);
                               return first / (w.ThicknessForTransmission(mat, 0.25) - first);
                           },
                           "The homogeneity coefficient, first over second half-value layer.",
                           "float\n    Below 1 for a beam that hardens in the material.\n",
                           ">>> round(pheltra.Spectrum.tasmip(80).filtered([(\"Aluminum\", 0.25)]).h(), 2)\n0.74\n"},
             QualityMethod{"effective_energy",
                           [](const KermaWeighting &w, const SourceMaterial &mat) {
                               return w.EffectiveEnergy(mat, w.HalfValueLayerCm(mat));
                           },
                           "The effective energy: that whose narrow-beam half-value layer is the\nbeam's first, keV.",
                           "float\n    keV.\n",
                           ">>> round(pheltra.Spectrum.tasmip(80).filtered([(\"Aluminum\", 0.25)])"
                           ".effective_energy(), 1)\n36.9\n"},
         }) {
        const auto quantity = q.quantity;
        spectrum.def(
            q.name,
            [quantity](const Spectrum &s, py::handle material, py::handle source) {
                const int index = SourceArgument(source);
                const SourceMaterial chosen = MaterialArgument(material, "material", index);
                const KermaWeighting weighting = Weighting(s, index);
                return Refusing("material", [&] { return quantity(weighting, chosen); });
            },
            MaterialMethodDoc(q.summary, kHvlMaterial, q.returns, q.example).c_str(),
            py::arg("material") = kAluminiumName, py::arg("source") = "H");
    }
    spectrum.def(
        "mu_en_ratio",
        [](const Spectrum &s, py::handle medium, py::handle source) {
            const int index = SourceArgument(source);
            const SourceMaterial chosen = MaterialArgument(medium, "medium", index);
            const KermaWeighting weighting = Weighting(s, index);
            return Refusing("medium", [&] { return weighting.MuEnRatio(chosen); });
        },
        MaterialMethodDoc("The ratio (mu_en/rho)medium / (mu_en/rho)air over the beam's energy fluence.",
                          "medium : Material or str, default \"Water, Liquid\"\n    The medium: a Material, a "
                          "library entry, an element's symbol or a\n    formula.\n",
                          "float\n    Converts air kerma to dose in the medium.\n",
                          ">>> round(pheltra.Spectrum.tasmip(80).filtered([(\"Aluminum\", 0.25)]).mu_en_ratio(), 3)\n"
                          "1.024\n")
            .c_str(),
        py::arg("medium") = kWaterName, py::arg("source") = "H");
    spectrum.def("__repr__", [](const Spectrum &s) {
        return ToPython(QStringLiteral("pheltra.Spectrum(%1 bins, %2 to %3 keV)")
                            .arg(s.Size())
                            .arg(ShortestText(s.Energies().front()), ShortestText(s.Energies().back())));
    });
}

} // namespace

void BindSources(py::module_ &m)
{
    BindNuclide(m);
    BindSpectrum(m);
}

} // namespace pheltra
