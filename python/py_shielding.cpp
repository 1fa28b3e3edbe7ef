// pheltra.buildup and pheltra.Shield: the build-up factors of ANSI/ANS-6.4.3
// and a point source behind layers in broad beam.
#include "absorber/material/number_text.h"
#include "python/py_args.h"
#include "python/py_bindings.h"
#include "python/py_material.h"
#include "shielding/buildup_factor.h"
#include "shielding/buildup_response.h"
#include "shielding/shield.h"
#include "shielding/standard_materials.h"
#include "sources/nuclide.h"
#include "sources/source_error.h"

#include <pybind11/numpy.h>

#include <algorithm>

namespace pheltra {

namespace {

BuildupResponse ResponseArgument(py::handle response)
{
    const QString text = TextArgument(response, "response");
    const std::optional<BuildupResponse> found = ResponseByName(text.toStdString());
    if (!found)
        Raise(PyExc_ValueError,
              QStringLiteral("response is \"exposure\" or \"energy-absorption\", not %1")
                  .arg(FromPython(py::repr(response))));
    return *found;
}

// A Material as it is, a str as Material(str) takes it.
PyMaterial MaterialOf(py::handle material, const char *argument)
{
    if (py::isinstance<PyMaterial>(material))
        return py::cast<const PyMaterial &>(material);
    if (!py::isinstance<py::str>(material))
        Raise(PyExc_TypeError,
              QStringLiteral("%1 must be a Material or a str, not %2")
                  .arg(QLatin1String(argument), FromPython(py::type::handle_of(material).attr("__name__"))));
    return MakeMaterial(material, py::none(), py::none(), py::none(), py::none());
}

const StandardMaterial *StandardArgument(py::handle name)
{
    if (name.is_none())
        return nullptr;
    const QString text = TextArgument(name, "buildup_material");
    const StandardMaterial *found = StandardMaterialByName(text.toStdString());
    if (found == nullptr) {
        QStringList names;
        for (const StandardMaterial &standard : StandardMaterials())
            names << QString::fromUtf8(standard.name.data(), qsizetype(standard.name.size()));
        Raise(PyExc_ValueError,
              QStringLiteral("buildup_material '%1' is none of the standard's materials: %2")
                  .arg(text, names.join(QStringLiteral(", "))));
    }
    return found;
}

// The standard's table a name means ("Water", "Concrete", "Pb"), else the
// composition of the material the name or Material gives.
BuildupMaterial BuildupMaterialArgument(py::handle material)
{
    if (py::isinstance<py::str>(material)) {
        if (const StandardMaterial *standard = StandardMaterialByName(FromPython(material).toStdString()))
            return NamedBuildupMaterial(*standard);
    }
    return BuildupMaterialOf(MaterialOf(material, "material").Set().ElementWeight);
}

py::object BuildupValues(py::handle material, py::handle energy, py::handle mfp, py::handle response)
{
    const BuildupMaterial chosen = BuildupMaterialArgument(material);
    const BuildupResponse kind = ResponseArgument(response);
    Numbers energies = NumbersArgument(energy, "energy");
    RequireFinite(energies, "energy");
    Numbers depths = NumbersArgument(mfp, "mfp");
    RequireFinite(depths, "mfp");
    const auto [e, x] = Broadcast(energies, "energy", depths, "mfp");
    // A chunk at a time, so that Ctrl+C is seen between chunks.
    const py::ssize_t count = e.values.size();
    py::array_t<double> out(std::vector<py::ssize_t>(e.values.shape(), e.values.shape() + e.values.ndim()));
    double *values = out.mutable_data();
    for (py::ssize_t start = 0; start < count; start += kSignalChunk) {
        CheckSignals();
        const py::ssize_t end = std::min(count, start + kSignalChunk);
        const std::vector<BuildupFactor> factors =
            Buildups(chosen, kind, {e.values.data() + start, e.values.data() + end},
                     {x.values.data() + start, x.values.data() + end});
        for (const BuildupFactor &factor : factors)
            *values++ = factor.value;
    }
    if (e.scalar)
        return py::float_(out.data()[0]);
    return out;
}

ShieldLayer LayerArgument(py::handle layer)
{
    if (!py::isinstance<py::tuple>(layer) || py::len(layer) != 2)
        Raise(PyExc_TypeError, QStringLiteral("layers: each layer is a tuple (material, thickness in cm)"));
    const PyMaterial material = MaterialOf(layer[py::int_(0)], "layers");
    const double thickness = NumberArgument(layer[py::int_(1)], "layers");
    RequireFinite(thickness, "layers");
    if (thickness < 0.0)
        Raise(PyExc_ValueError,
              QStringLiteral("layers: a thickness must not be negative, not %1").arg(ShortestText(thickness)));
    QStringList names;
    for (const MaterialPart &part : material.Parts())
        names << part.name;
    return {{names.join(QStringLiteral(" + ")).toStdString(), material.Set().ElementWeight, material.RequiredDensity()},
            thickness};
}

std::vector<PhotonLine> SourceLines(py::handle energy, py::handle nuclide)
{
    if (energy.is_none() == nuclide.is_none())
        Raise(PyExc_TypeError, QStringLiteral("give the source as energy= or nuclide= (one of them)"));
    if (!energy.is_none()) {
        PhotonLine line;
        line.energyKeV = NumberArgument(energy, "energy");
        RequireFinite(line.energyKeV, "energy");
        line.yieldPerDecay = 1.0;
        return {line};
    }
    if (py::isinstance<Nuclide>(nuclide))
        return py::cast<const Nuclide &>(nuclide).lines;
    const QString name = TextArgument(nuclide, "nuclide");
    try {
        return FindNuclide(name.toStdString()).lines;
    } catch (const SourceError &error) {
        Raise(PyExc_ValueError, QStringLiteral("nuclide: ") + QString::fromStdString(error.what()));
    }
}

// A shield, its setup checked and its quantities worked out once.
struct PyShield
{
    Shield shield;
    ShieldResult result;
};

PyShield MakeShield(py::handle layers, py::handle energy, py::handle nuclide, py::handle response,
                    py::handle buildupMaterial)
{
    if (py::isinstance<py::str>(layers) || !py::isinstance<py::iterable>(layers))
        Raise(PyExc_TypeError,
              QStringLiteral("layers must be a list of (material, thickness in cm), not %1")
                  .arg(FromPython(py::type::handle_of(layers).attr("__name__"))));
    ShieldSetup setup;
    for (py::handle layer : layers)
        setup.layers.push_back(LayerArgument(layer));
    setup.lines = SourceLines(energy, nuclide);
    setup.response = ResponseArgument(response);
    setup.buildupMaterial = StandardArgument(buildupMaterial);
    Shield shield(std::move(setup));
    if (!shield.Fault().empty())
        Raise(PyExc_ValueError, QStringLiteral("layers: ") + QString::fromStdString(shield.Fault()));
    ShieldResult result = shield.Evaluate();
    if (!result.ok())
        Raise(PyExc_ValueError, QString::fromStdString(result.refusal));
    return {std::move(shield), std::move(result)};
}

py::dict Lines(const ShieldResult &result)
{
    const auto column = [&](double (*of)(const LineResult &)) {
        py::array_t<double> values(static_cast<py::ssize_t>(result.lines.size()));
        double *out = values.mutable_data();
        for (const LineResult &line : result.lines)
            *out++ = of(line);
        return values;
    };
    py::dict lines;
    lines["energy"] = column([](const LineResult &l) { return l.line.energyKeV; });
    lines["yield"] = column([](const LineResult &l) { return l.line.yieldPerDecay; });
    lines["weight"] = column([](const LineResult &l) { return l.weight; });
    lines["depth_mfp"] = column([](const LineResult &l) { return l.depthMfp; });
    lines["narrow_beam"] = column([](const LineResult &l) { return l.narrowBeam; });
    lines["buildup"] = column([](const LineResult &l) { return l.buildup.value; });
    lines["broad_beam"] = column([](const LineResult &l) { return l.broadBeam; });
    return lines;
}

} // namespace

void BindShielding(py::module_ &m)
{
    m.def("buildup", &BuildupValues, R"doc(Build-up factors B(E, x) of ANSI/ANS-6.4.3 (the G-P fit).

For a point isotropic source in an infinite medium of the material. A
material whose composition is one of the standard's 26 (23 elements, water,
the standard's air and concrete) uses its table, any other the
equivalent-atomic-number method.

Parameters
----------
material : Material or str
    The medium: a Material, a name of the standard ("Water", "Concrete",
    "Pb"), or a library entry or formula as Material takes it.
energy : float or array_like
    Photon energy, keV.
mfp : float or array_like
    Depth in mean free paths without coherent scattering; broadcast against
    energy.
response : str, default "exposure"
    "exposure" (air kerma) or "energy-absorption" (kerma in the medium; the
    standard gives it up to copper).

Returns
-------
float or numpy.ndarray
    B, shaped as energy and mfp broadcast; NaN where the batch tool shows
    "--": outside 15 keV to 15 MeV, beyond 100 mfp or below 0, where the
    standard has no table.

Raises
------
TypeError
    An argument of the wrong type.
ValueError
    An energy or depth that is not finite, an unknown response or
    material, energy and mfp that do not broadcast together.

Examples
--------
>>> pheltra.buildup("Water", 1000.0, [1, 5, 10]).round(2)
array([ 2.1 , 10.04, 26.44])
)doc",
          py::arg("material"), py::arg("energy"), py::arg("mfp"), py::arg("response") = "exposure");

    py::class_<PyShield>(m, "Shield", R"doc(A point isotropic source behind up to six layers, in broad beam.

The quantities are weighted over the source's lines by the response. No
standard method exists for build-up in layered shields: the build-up is that
of one material at the total depth (the sum of the layers' mean free paths
without coherent scattering), the last layer's unless buildup_material
names a table of the standard.

Parameters
----------
layers : list of (Material or str, float)
    From the source outwards: each a material with a density (a Material,
    a library entry) and its thickness in cm.
energy : float, optional
    One line of this energy, keV.
nuclide : str or Nuclide, optional
    The lines of a nuclide; give energy or nuclide.
response : str, default "exposure"
    "exposure" (air kerma) or "energy-absorption" (kerma in the last
    layer's medium).
buildup_material : str, optional
    One of the standard's 26 materials whose build-up is taken for the
    whole shield.

Raises
------
TypeError
    Arguments of the wrong type, neither or both of energy and nuclide.
ValueError
    More than six layers, a material without a density, a negative
    thickness, a single line outside 15 keV to 15 MeV, a depth beyond 100
    mfp, an unknown nuclide or standard material.

Examples
--------
>>> shield = pheltra.Shield([("Lead", 2.0)], nuclide="Cs-137")
>>> round(shield.broad_beam, 4), round(shield.buildup, 3)
(0.1473, 1.574)
>>> round(shield.thickness_for(0.01), 2)  # cm of lead
4.5
)doc")
        .def(py::init(&MakeShield), py::arg("layers"), py::kw_only(), py::arg("energy") = py::none(),
             py::arg("nuclide") = py::none(), py::arg("response") = "exposure",
             py::arg("buildup_material") = py::none())
        .def_property_readonly(
            "narrow_beam", [](const PyShield &s) { return s.result.narrowBeam; },
            "Narrow-beam transmission exp(-sum mu t), coherent scattering included.\n\nExamples\n--------\n"
            ">>> round(pheltra.Shield([(\"Lead\", 1.0)], energy=662).narrow_beam, 4)\n0.2884\n")
        .def_property_readonly(
            "buildup", [](const PyShield &s) { return s.result.buildup; },
            "The build-up factor: broad beam over narrow beam without coherent scattering.\n\nExamples\n--------\n"
            ">>> round(pheltra.Shield([(\"Lead\", 1.0)], energy=662).buildup, 3)\n1.331\n")
        .def_property_readonly(
            "broad_beam", [](const PyShield &s) { return s.result.broadBeam; },
            "Broad-beam transmission B exp(-x).\n\nExamples\n--------\n"
            ">>> round(pheltra.Shield([(\"Lead\", 1.0)], energy=662).broad_beam, 4)\n0.4108\n")
        .def_property_readonly(
            "lines", [](const PyShield &s) { return Lines(s.result); },
            "Each line of the source as a dict of arrays: energy (keV), yield, weight\n(its unshielded response), "
            "depth_mfp, narrow_beam, buildup, broad_beam.\n\nExamples\n--------\n"
            ">>> list(pheltra.Shield([(\"Lead\", 1.0)], nuclide=\"Co-60\").lines[\"energy\"][-2:])\n"
            "[1173.228, 1332.492]\n")
        .def(
            "value_layers",
            [](const PyShield &s) {
                const ValueLayers layers = BroadBeamValueLayers(s.shield.Setup());
                if (!layers.ok())
                    Raise(PyExc_ValueError, QString::fromStdString(layers.refusal));
                py::dict found;
                found["first_hvl"] = layers.firstHvl;
                found["equilibrium_hvl"] = layers.equilibriumHvl;
                found["first_tvl"] = layers.firstTvl;
                found["equilibrium_tvl"] = layers.equilibriumTvl;
                return found;
            },
            R"doc(The broad-beam half- and tenth-value layers of the last layer's material alone, cm.

Returns
-------
dict of float
    first_hvl and equilibrium_hvl (1 to 1/2, then 1/2 to 1/4), first_tvl
    and equilibrium_tvl (1 to 1/10, then 1/10 to 1/100), cm.

Raises
------
ValueError
    No thickness within 100 mfp reaches the transmission.

Examples
--------
>>> layers = pheltra.Shield([("Lead", 1.0)], nuclide="Cs-137").value_layers()
>>> round(layers["first_tvl"], 2)
2.37
)doc")
        .def(
            "thickness_for",
            [](const PyShield &s, py::handle transmission) {
                const double target = NumberArgument(transmission, "transmission");
                if (!(target > 0.0 && target <= 1.0))
                    Raise(PyExc_ValueError,
                          QStringLiteral("transmission must lie above 0 and at most 1, not %1")
                              .arg(ShortestText(target)));
                const ThicknessSolution solution = s.shield.ThicknessFor(target);
                if (!solution.ok())
                    Raise(PyExc_ValueError,
                          QStringLiteral("transmission: ") + QString::fromStdString(solution.refusal));
                return solution.thicknessCm;
            },
            R"doc(The last layer's thickness that gives a broad-beam transmission, cm.

Parameters
----------
transmission : float
    The broad-beam transmission, above 0 and at most 1.

Returns
-------
float
    cm of the last layer; the others as given.

Raises
------
TypeError
    transmission is not a number.
ValueError
    A transmission outside (0, 1], or one no thickness within 100 mfp
    reaches.

Examples
--------
>>> round(pheltra.Shield([("Lead", 1.0)], energy=662).thickness_for(0.1), 2)
2.39
)doc",
            py::arg("transmission"));
}

} // namespace pheltra
