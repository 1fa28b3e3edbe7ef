// Arguments as a Python user gives them, and results in the shape they came
// in. A value of the wrong type raises TypeError, a value outside its domain
// ValueError, each naming the Python argument. Numbers may be Python or NumPy
// numbers or 0-d arrays; arrays may be anything NumPy reads as numbers.
// Loops over arrays look for Ctrl+C between chunks, so a long call stops
// within a fraction of a second.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <QString>

#include <algorithm>

namespace pheltra {

namespace py = pybind11;

// Raises type with the whole message, an embedded NUL and all.
[[noreturn]] void Raise(PyObject *type, const QString &message);

QString FromPython(py::handle text);
py::str ToPython(const QString &text);

// A str; a path-like object too where path is set.
QString TextArgument(py::handle value, const char *argument, bool path = false);
// A real number (bool refused).
double NumberArgument(py::handle value, const char *argument);
// Raises ValueError unless value is finite.
void RequireFinite(double value, const char *argument);

// Numbers of any shape as contiguous 64-bit values, and whether they came as
// a single number (the result is then a float, not an array).
struct Numbers
{
    py::array_t<double, py::array::c_style> values;
    bool scalar = false;
};
Numbers NumbersArgument(py::handle value, const char *argument);
// Raises ValueError when one of the values is not finite.
void RequireFinite(const Numbers &numbers, const char *argument);
// a and b broadcast against each other; ValueError naming both when their
// shapes do not fit.
std::pair<Numbers, Numbers> Broadcast(const Numbers &a, const char *aName, const Numbers &b, const char *bName);

// How many values a loop computes between two looks for Ctrl+C.
inline constexpr py::ssize_t kSignalChunk = 16384;
// Raises KeyboardInterrupt (or what a signal handler raised) when one came.
void CheckSignals();

// f(x) for every x: an array of the input's shape, or a float.
template<typename F>
py::object Map(const Numbers &in, F f)
{
    const py::ssize_t count = in.values.size();
    py::array_t<double> out(std::vector<py::ssize_t>(in.values.shape(), in.values.shape() + in.values.ndim()));
    const double *x = in.values.data();
    double *y = out.mutable_data();
    for (py::ssize_t start = 0; start < count; start += kSignalChunk) {
        CheckSignals();
        const py::ssize_t end = std::min(count, start + kSignalChunk);
        for (py::ssize_t i = start; i < end; ++i)
            y[i] = f(x[i]);
    }
    if (in.scalar)
        return py::float_(y[0]);
    return out;
}

// f(a, b) over a and b of the same shape (see Broadcast).
template<typename F>
py::object Map2(const Numbers &a, const Numbers &b, F f)
{
    const double *x = a.values.data();
    return Map(b, [&, i = py::ssize_t{0}](double value) mutable { return f(x[i++], value); });
}

} // namespace pheltra
