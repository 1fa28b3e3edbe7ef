#include "python/py_args.h"

#include "absorber/material/number_text.h"

#include <cmath>

namespace pheltra {

namespace {

QString TypeName(py::handle value)
{
    return FromPython(py::type::handle_of(value).attr("__name__"));
}

// What an array holds, in words: "text", "booleans", ...
QString KindWords(char kind)
{
    switch (kind) {
    case 'b':
        return QStringLiteral("booleans");
    case 'c':
        return QStringLiteral("complex numbers");
    case 'U':
    case 'S':
        return QStringLiteral("text");
    default:
        return QStringLiteral("objects");
    }
}

bool IsRealKind(char kind)
{
    return kind == 'i' || kind == 'u' || kind == 'f';
}

[[noreturn]] void RaiseNotNumbers(py::handle value, const char *argument, const QString &held, bool scalar)
{
    Raise(PyExc_TypeError,
          QStringLiteral("%1 must be %2, not %3")
              .arg(QLatin1String(argument),
                   scalar ? QStringLiteral("a number") : QStringLiteral("a number or an array of numbers"),
                   held.isEmpty() ? TypeName(value) : held));
}

// value as an array of 64-bit numbers; scalar: the only thing accepted is one
// number.
Numbers ToNumbers(py::handle value, const char *argument, bool scalar)
{
    if (py::isinstance<py::str>(value) || py::isinstance<py::bytes>(value) || py::isinstance<py::bool_>(value) ||
        value.is_none())
        RaiseNotNumbers(value, argument, {}, scalar);
    py::array array = py::array::ensure(value);
    if (!array || (scalar && array.ndim() != 0))
        RaiseNotNumbers(value, argument, {}, scalar);
    const char kind = array.dtype().kind();
    if (!IsRealKind(kind)) {
        // A NumPy scalar or 0-d array is worded by its type, a sequence by
        // what it holds.
        const bool sequence = array.ndim() > 0;
        RaiseNotNumbers(value, argument,
                        sequence ? QStringLiteral("%1 of %2").arg(TypeName(value), KindWords(kind)) : QString(),
                        scalar);
    }
    Numbers numbers;
    numbers.values = py::array_t<double, py::array::c_style>::ensure(array);
    if (!numbers.values)
        throw py::error_already_set();
    numbers.scalar = array.ndim() == 0;
    return numbers;
}

QString NumberText(double value)
{
    return std::isnan(value) ? QStringLiteral("nan") : ShortestText(value);
}

} // namespace

void Raise(PyObject *type, const QString &message)
{
    PyErr_SetObject(type, ToPython(message).ptr());
    throw py::error_already_set();
}

QString FromPython(py::handle text)
{
    Py_ssize_t size = 0;
    const char *utf8 = PyUnicode_AsUTF8AndSize(text.ptr(), &size);
    if (utf8 == nullptr)
        throw py::error_already_set();
    return QString::fromUtf8(utf8, size);
}

py::str ToPython(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return py::reinterpret_steal<py::str>(PyUnicode_FromStringAndSize(utf8.constData(), utf8.size()));
}

QString TextArgument(py::handle value, const char *argument, bool path)
{
    if (py::isinstance<py::str>(value))
        return FromPython(value);
    if (path && py::hasattr(value, "__fspath__")) {
        const py::object text = value.attr("__fspath__")();
        if (py::isinstance<py::str>(text))
            return FromPython(text);
    }
    Raise(PyExc_TypeError,
          QStringLiteral("%1 must be %2, not %3")
              .arg(QLatin1String(argument), path ? QStringLiteral("a str or a path") : QStringLiteral("a str"),
                   TypeName(value)));
}

double NumberArgument(py::handle value, const char *argument)
{
    return ToNumbers(value, argument, true).values.data()[0];
}

void RequireFinite(double value, const char *argument)
{
    if (!std::isfinite(value))
        Raise(PyExc_ValueError,
              QStringLiteral("%1 must be finite, not %2").arg(QLatin1String(argument), NumberText(value)));
}

Numbers NumbersArgument(py::handle value, const char *argument)
{
    return ToNumbers(value, argument, false);
}

void RequireFinite(const Numbers &numbers, const char *argument)
{
    const double *x = numbers.values.data();
    const auto bad = std::find_if(x, x + numbers.values.size(), [](double v) { return !std::isfinite(v); });
    if (bad != x + numbers.values.size())
        RequireFinite(*bad, argument);
}

std::pair<Numbers, Numbers> Broadcast(const Numbers &a, const char *aName, const Numbers &b, const char *bName)
{
    const py::module_ numpy = py::module_::import("numpy");
    py::tuple both;
    try {
        both = numpy.attr("broadcast_arrays")(a.values, b.values);
    } catch (const py::error_already_set &error) {
        if (!error.matches(PyExc_ValueError))
            throw;
        const auto shape = [](const Numbers &n) { return FromPython(py::str(py::tuple(n.values.attr("shape")))); };
        Raise(PyExc_ValueError,
              QStringLiteral("%1 and %2 do not broadcast together: shapes %3 and %4")
                  .arg(QLatin1String(aName), QLatin1String(bName), shape(a), shape(b)));
    }
    const auto contiguous = [&](py::handle array, bool scalar) {
        Numbers n;
        n.values = py::array_t<double, py::array::c_style>::ensure(numpy.attr("ascontiguousarray")(array));
        n.scalar = scalar;
        return n;
    };
    const bool scalar = a.scalar && b.scalar;
    return {contiguous(both[0], scalar), contiguous(both[1], scalar)};
}

void CheckSignals()
{
    if (PyErr_CheckSignals() != 0)
        throw py::error_already_set();
}

} // namespace pheltra
