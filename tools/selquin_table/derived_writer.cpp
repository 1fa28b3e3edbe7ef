#include "tools/selquin_table/derived_writer.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "datalib/common/natural_cubic_spline.h"
#include "datalib/h/selquin_table.h"

namespace pheltra::tools {
namespace {

using selquin::kElementCount;
using selquin::kMaxEdges;
using selquin::kRowCounts;
using selquin::kRows;
using selquin::kRowTotal;

// Exact text of a value, as a hexadecimal literal of its own type.
std::string Hex(long double v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%LaL", v);
    return text;
}

std::string Hex(double v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%a", v);
    return text;
}

// A 64-bit pattern as a hexadecimal literal.
std::string Bits(std::uint64_t v)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%016llx", static_cast<unsigned long long>(v));
    return text;
}

std::string Bits(std::int64_t v)
{
    return "static_cast<std::int64_t>(" + Bits(static_cast<std::uint64_t>(v)) + "u)";
}

std::string Hex(float v)
{
    return Hex(static_cast<double>(v)) + "f";
}

// Real roots in (0, 1) of a b^2 + b b + c.
std::vector<long double> RootsInsideUnit(long double a, long double b, long double c)
{
    std::vector<long double> roots;
    if (a == 0.0L) {
        if (b != 0.0L) {
            roots.push_back(-c / b);
        }
    } else {
        const long double disc = b * b - 4.0L * a * c;
        if (disc >= 0.0L) {
            const long double q = -0.5L * (b + std::copysign(std::sqrt(disc), b));
            roots.push_back(q / a);
            if (q != 0.0L) {
                roots.push_back(c / q);
            }
        }
    }
    std::erase_if(roots, [](long double t) { return !(t > 0.0L && t < 1.0L); });
    return roots;
}

struct Element
{
    selquin::ElementIndex index{};
    std::vector<long double> y2[2]; // second derivatives of the spline's knots
    long double excursion = 0.0L;   // of the spline from the K edge
    long double nextRowExcursion = 0.0L;
};

long double SolveSpline(int from, int last, std::vector<long double> (&y2)[2]);

Element Derive(int z, int first)
{
    Element e;
    auto &index = e.index;
    index.first = first;
    index.last = first + kRowCounts[z - 1] - 1;
    index.kRow = first;
    index.kEdge = -1.0f;
    // Edges from the top, as the lookup's edge search counts them.
    for (int r = index.last; r > first && index.edgeCount < kMaxEdges; --r) {
        if (kRows[r][0] == kRows[r - 1][0]) {
            if (index.edgeCount == 0) {
                index.kRow = r;
                index.kEdge = kRows[r][0];
            }
            index.edges[index.edgeCount++] = kRows[r][0];
        }
    }
    e.excursion = SolveSpline(index.kRow, index.last, e.y2);
    index.splineFromNextRow = e.excursion > kMaxSplineExcursion;
    float splineAbove = index.kEdge;
    if (index.splineFromNextRow) {
        splineAbove = kRows[index.kRow + 1][0];
        e.nextRowExcursion = SolveSpline(index.kRow + 1, index.last, e.y2);
        if (e.nextRowExcursion > kMaxSplineExcursion) {
            throw std::runtime_error("element " + std::to_string(z) +
                                     ": the spline from the row after the K edge still swings outside its brackets");
        }
    }
    index.splineAboveBits = std::bit_cast<std::int64_t>(static_cast<double>(splineAbove));
    return e;
}

// Second derivatives of the natural spline through rows from..last of both
// columns; returns the largest excursion of either spline.
long double SolveSpline(int from, int last, std::vector<long double> (&y2)[2])
{
    const std::size_t m = static_cast<std::size_t>(last - from + 1);
    std::vector<long double> x(m);
    std::vector<long double> y(m);
    std::vector<long double> work(m);
    long double excursion = 0.0L;
    for (int column = 0; column < 2; ++column) {
        for (std::size_t k = 0; k < m; ++k) {
            x[k] = std::log(static_cast<long double>(kRows[from + k][0]));
            y[k] = std::log(static_cast<long double>(kRows[from + k][column + 1]));
        }
        y2[column].assign(m, 0.0L);
        datalib::SplineSecondDerivatives(x, y, y2[column], work);
        excursion = std::max(excursion, SplineExcursion(x, y, y2[column]));
    }
    return excursion;
}

} // namespace

long double SplineExcursion(std::span<const long double> x, std::span<const long double> y,
                            std::span<const long double> y2)
{
    long double worst = 0.0L;
    for (std::size_t k = 0; k + 1 < x.size(); ++k) {
        // On a piece the spline is a cubic in b = (x - x_k) / h; its extremes lie
        // at the knots (inside the bracket) or where ds/db vanishes.
        const long double h = x[k + 1] - x[k];
        const long double a2 = h * h / 2.0L * (y2[k + 1] - y2[k]);
        const long double a1 = h * h * y2[k];
        const long double a0 = (y[k + 1] - y[k]) - h * h / 6.0L * (2.0L * y2[k] + y2[k + 1]);
        const long double lo = std::min(y[k], y[k + 1]);
        const long double hi = std::max(y[k], y[k + 1]);
        for (long double b : RootsInsideUnit(a2, a1, a0)) {
            const long double s =
                datalib::SplinePieceValue(x[k], x[k + 1], y[k], y[k + 1], y2[k], y2[k + 1], x[k] + b * h);
            worst = std::max({worst, lo - s, s - hi});
        }
    }
    return worst;
}

void WriteSelquinDerived(std::ostream &out)
{
    std::vector<Element> elements;
    int first = 0;
    for (int z = 1; z <= kElementCount; ++z) {
        elements.push_back(Derive(z, first));
        first += kRowCounts[z - 1];
    }
    out << "// Generated at build time by selquin_derive (tools/selquin_table) from\n"
           "// datalib/h/selquin_table_data.h. Do not edit.\n"
           "//\n"
           "// Elements whose spline starts at the row after the K edge (largest swing\n"
           "// outside a bracket of stored values, in ln, of the spline from the edge and\n"
           "// of the spline from that row):";
    for (int z = 1; z <= kElementCount; ++z) {
        const Element &e = elements[z - 1];
        if (e.index.splineFromNextRow) {
            out << "\n//   Z = " << z << ": " << static_cast<double>(e.excursion) << ", "
                << static_cast<double>(e.nextRowExcursion);
        }
    }
    out << "\n#include \"datalib/h/selquin_table.h\"\n\nnamespace pheltra::selquin {\n\n"
           "const ElementIndex kElements[kElementCount] = {\n";
    for (const Element &e : elements) {
        const auto &i = e.index;
        out << "    {" << i.first << ", " << i.last << ", " << i.kRow << ", " << i.edgeCount << ", " << Hex(i.kEdge)
            << ", " << Bits(i.splineAboveBits) << ", " << (i.splineFromNextRow ? "true" : "false") << ", {";
        for (int n = 0; n < i.edgeCount; ++n) {
            out << (n ? ", " : "") << Hex(i.edges[n]);
        }
        out << "}},\n";
    }
    out << "};\n\nconst unsigned char kBucketStart[kElementCount][kBucketCount] = {\n";
    for (const Element &e : elements) {
        const auto &i = e.index;
        out << "    {";
        for (int b = 0; b < selquin::kBucketCount; ++b) {
            // The last row at or below the bucket's low end; the rows inside the
            // bucket must fit the lookup's fixed count of steps.
            const double low = selquin::BucketLow(b);
            const double high = selquin::BucketLow(b + 1);
            int start = i.first;
            int inside = 0;
            for (int r = i.first + 1; r <= i.last; ++r) {
                const double energy = kRows[r][0];
                start = energy <= low ? r : start;
                inside += energy > low && energy < high;
            }
            if (inside > selquin::kBucketSteps) {
                throw std::runtime_error("an energy bucket holds more rows than the lookup steps through");
            }
            out << (b % 24 == 0 ? "\n     " : "") << " " << start - i.first << ",";
        }
        out << "},\n";
    }
    out << "};\n\nconst std::uint64_t kPaddedEnergyBits[kElementCount][kPaddedRows] = {\n";
    for (const Element &e : elements) {
        const auto &i = e.index;
        if (i.last - i.first + selquin::kBucketSteps >= selquin::kPaddedRows) {
            throw std::runtime_error("an element has too many rows for the padded energy table");
        }
        out << "    {";
        for (int r = i.first; r <= i.last; ++r) {
            out << ((r - i.first) % 6 == 0 ? "\n     " : "") << " "
                << Bits(std::bit_cast<std::uint64_t>(static_cast<double>(kRows[r][0]))) << ",";
        }
        out << "\n     ";
        for (int r = i.last + 1; r < i.first + selquin::kPaddedRows; ++r) {
            out << " " << Bits(std::bit_cast<std::uint64_t>(std::numeric_limits<double>::infinity())) << ",";
        }
        out << "},\n";
    }
    out << "};\n\n// {ln E, {ln mu/rho, ln mu_en/rho}, {second derivatives}, h^2/6 up to the next row}\n"
           "const RowLogs kRowLogs[kRowTotal] = {\n";
    for (const Element &e : elements) {
        const auto &i = e.index;
        for (int r = i.first; r <= i.last; ++r) {
            const int from = i.kRow + (i.splineFromNextRow ? 1 : 0);
            const auto y2 = [&](int column) {
                return r >= from ? e.y2[column][static_cast<std::size_t>(r - from)] : 0.0L;
            };
            const long double lnE = std::log(static_cast<long double>(kRows[r][0]));
            const long double weight = r < i.last
                ? datalib::SplinePieceCurvatureWeight(lnE, std::log(static_cast<long double>(kRows[r + 1][0])))
                : 0.0L;
            out << "    {" << Hex(lnE) << ", {" << Hex(std::log(static_cast<long double>(kRows[r][1]))) << ", "
                << Hex(std::log(static_cast<long double>(kRows[r][2]))) << "}, {" << Hex(y2(0)) << ", " << Hex(y2(1))
                << "}, " << Hex(weight) << "},\n";
        }
    }
    out << "};\n\n}  // namespace pheltra::selquin\n";
}

} // namespace pheltra::tools
