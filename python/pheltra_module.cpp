// The compiled module pheltra._core: the program's materials and coefficients
// over the same absorber code and data libraries, NumPy arrays in and out.
// The material layer's refusals become ValueError naming the Python argument
// at fault, in the batch tool's words otherwise.
#include "absorber/material/input_error.h"
#include "pheltra_version.h"
#include "python/py_args.h"
#include "python/py_bindings.h"

namespace {

// The Python argument that gives a field.
QString ArgumentName(pheltra::Field field)
{
    switch (field) {
    case pheltra::Field::Absorber:
    case pheltra::Field::Weight:
        return QStringLiteral("material");
    case pheltra::Field::Type:
        return QStringLiteral("kind");
    default:
        return pheltra::FieldName(field);
    }
}

// "density must lie above 0 ...", "formula: 'H2Xx': unknown element ...",
// "... give one with density= (g/cm3)".
QString PythonWords(const pheltra::InputError &error)
{
    const QString argument = ArgumentName(error.field);
    if (error.wording == pheltra::InputError::Wording::Alone)
        return argument + QStringLiteral(": ") + error.message;
    return pheltra::Worded(error, argument, argument + QLatin1Char('='));
}

} // namespace

PYBIND11_MODULE(_core, m)
{
    m.doc() = "Photon interaction coefficients of materials, from the data libraries of Pheltra.";
    m.attr("__version__") = kPheltraVersion;
    pybind11::register_exception_translator([](std::exception_ptr error) {
        try {
            if (error)
                std::rethrow_exception(error);
        } catch (const pheltra::InputError &inputError) {
            PyErr_SetObject(PyExc_ValueError, pheltra::ToPython(PythonWords(inputError)).ptr());
        }
    });
    pheltra::BindLibrary(m);
    pheltra::BindMaterial(m);
    pheltra::BindSources(m);
    pheltra::BindShielding(m);
}
