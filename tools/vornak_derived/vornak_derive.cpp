// Writes the tables the source-B lookup derives from its coefficient table:
// where each element's rows start and end, each element's search buckets and
// row energies, its edges, and the logarithms of all energies and values.
// Fails (and the build writes nothing) when the table does not have the shape
// the lookup relies on: a row below 1 keV, then rows in order of energy up
// past 50 000 keV, at most kMaxRows of them, two rows at one energy only as
// an edge pair, no more rows in one search bucket than the lookup counts, and
// every column 0 up to some row and positive from there on.
//
// The logarithms are taken here with the very logl the lookup would call, so
// a lookup that reads them gets the bits it would have computed. Numbers are
// written as hexadecimal literals, which the compiler reads back exactly.
//
//   vornak_derive > vornak_derived.cpp   (the build runs it through
//   tools/generated_file.py, which leaves an unchanged file untouched)

#include <bit>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "datalib/b/vornak_table.h"

namespace {

using namespace pheltra::vornak;

struct Shape
{
    std::vector<int> first;                 // first row of each element, then the total
    std::vector<std::vector<double>> edges; // each element's edges, lowest first
};

// The table's shape, or an error text.
std::string ReadShape(Shape &shape)
{
    shape.first.assign(kElementCount + 1, 0);
    for (int z = 1; z <= kElementCount; ++z) {
        if (kRowCounts[z - 1] < 2 || kRowCounts[z - 1] > kMaxRows) {
            return "element " + std::to_string(z) + " has " + std::to_string(kRowCounts[z - 1]) + " rows";
        }
        shape.first[z] = shape.first[z - 1] + kRowCounts[z - 1];
    }
    if (shape.first[kElementCount] != kRowTotal) {
        return "the row counts do not add up to the row total";
    }
    shape.edges.resize(kElementCount);
    for (int z = 1; z <= kElementCount; ++z) {
        const int first = shape.first[z - 1];
        const int end = shape.first[z];
        if (!(kRows[first][0] < 1.0f) || !(kRows[first + 1][0] >= 1.0f) || !(kRows[end - 1][0] > 50000.0f)) {
            return "element " + std::to_string(z) + " does not span 1 to 50 000 keV";
        }
        for (int r = first + 1; r < end; ++r) {
            if (!(kRows[r][0] >= kRows[r - 1][0])) {
                return "element " + std::to_string(z) + ": energies decrease at " + std::to_string(kRows[r][0]) +
                    " keV";
            }
            if (kRows[r][0] == kRows[r - 1][0]) {
                if (r + 1 < end && kRows[r + 1][0] == kRows[r][0]) {
                    return "element " + std::to_string(z) + ": three rows at " + std::to_string(kRows[r][0]) + " keV";
                }
                shape.edges[z - 1].push_back(kRows[r][0]);
            }
        }
        if (shape.edges[z - 1].size() > kMaxEdges) {
            return "element " + std::to_string(z) + " has too many edges";
        }
    }
    return {};
}

void WriteInts(std::FILE *out, const char *declaration, const std::vector<int> &values)
{
    std::fprintf(out, "%s = {", declaration);
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::fprintf(out, "%s%d,", i % 10 == 0 ? "\n    " : " ", values[i]);
    }
    std::fprintf(out, "\n};\n\n");
}

void WriteLongDoubles(std::FILE *out, const char *name, const std::vector<long double> &values)
{
    std::fprintf(out, "const long double %s[] = {\n", name);
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::fprintf(out, "%s", i % 4 == 0 ? "    " : "");
        if (std::isinf(values[i])) {
            std::fprintf(out, "-kInfinity,"); // logl(0)
        } else {
            std::fprintf(out, "%LaL,", values[i]);
        }
        std::fprintf(out, "%s", i % 4 == 3 ? "\n" : " ");
    }
    std::fprintf(out, "\n};\n\n");
}

// Each element's search buckets and padded energies; an error text when a
// bucket holds more rows than the lookup steps through.
std::string WriteBuckets(std::FILE *out, const Shape &shape)
{
    std::string error;
    std::fprintf(out, "const std::uint8_t kRowBucket[kElementCount][kBucketCount] = {\n");
    for (int z = 1; z <= kElementCount; ++z) {
        const int first = shape.first[z - 1];
        const int end = shape.first[z];
        std::fprintf(out, "    {");
        for (int b = 0; b < kBucketCount; ++b) {
            const double low = BucketLow(b);
            const double high = BucketLow(b + 1);
            int start = 0;
            int inside = 0;
            for (int r = first; r < end; ++r) {
                const double e = kRows[r][0];
                start = e <= low ? r - first : start;
                inside += e > low && e < high ? 1 : 0;
            }
            if (inside > kBucketSteps) {
                error = "element " + std::to_string(z) + " has more than " + std::to_string(kBucketSteps) +
                    " rows above " + std::to_string(low) + " keV in one bucket";
            }
            std::fprintf(out, "%s%d,", b % 24 == 0 ? "\n     " : " ", start);
        }
        std::fprintf(out, "},\n");
    }
    std::fprintf(out, "};\n\nconst std::uint64_t kPaddedEnergyBits[kElementCount][kPaddedRows] = {\n");
    for (int z = 1; z <= kElementCount; ++z) {
        std::fprintf(out, "    {");
        for (int r = shape.first[z - 1]; r < shape.first[z]; ++r) {
            std::fprintf(
                out, "%s0x%016llx,", (r - shape.first[z - 1]) % 6 == 0 ? "\n     " : " ",
                static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(static_cast<double>(kRows[r][0]))));
        }
        std::fprintf(out, "\n     ");
        for (int r = kRowCounts[z - 1]; r < kPaddedRows; ++r) {
            std::fprintf(out, " kNoneBits,");
        }
        std::fprintf(out, "},\n");
    }
    std::fprintf(out, "};\n\n");
    return error;
}

// Where each column of each element turns positive; an error text when a
// value is negative or a column returns to 0 once positive.
std::string WriteFirstPositive(std::FILE *out, const Shape &shape)
{
    std::fprintf(out, "const std::int32_t kFirstPositiveRow[kElementCount][kColumnCount - 1] = {\n");
    for (int z = 1; z <= kElementCount; ++z) {
        std::fprintf(out, "    {");
        for (int c = 2; c <= kColumnCount; ++c) {
            int first = shape.first[z];
            for (int r = shape.first[z] - 1; r >= shape.first[z - 1] && kRows[r][c - 1] > 0.0f; --r) {
                first = r;
            }
            for (int r = shape.first[z - 1]; r < shape.first[z]; ++r) {
                if (!(kRows[r][c - 1] >= 0.0f) || (r >= first) != (kRows[r][c - 1] > 0.0f)) {
                    return "element " + std::to_string(z) + ", column " + std::to_string(c) +
                        ": a value is negative or returns to 0";
                }
            }
            std::fprintf(out, "%d,%s", first, c < kColumnCount ? " " : "");
        }
        std::fprintf(out, "},\n");
    }
    std::fprintf(out, "};\n\n");
    return {};
}

void WriteEdges(std::FILE *out, const std::vector<std::vector<double>> &edges)
{
    std::vector<int> count;
    std::fprintf(out, "const double kEdges[kElementCount][kMaxEdges] = {\n");
    for (const auto &element : edges) {
        count.push_back(static_cast<int>(element.size()));
        std::fprintf(out, "    {");
        for (int k = 0; k < kMaxEdges; ++k) {
            if (k < static_cast<int>(element.size())) {
                std::fprintf(out, "%a, ", element[k]);
            } else {
                std::fprintf(out, "kNone, ");
            }
        }
        std::fprintf(out, "},\n");
    }
    std::fprintf(out, "};\n\n");
    WriteInts(out, "const std::int32_t kEdgeCount[kElementCount]", count);
}

void WriteLogarithms(std::FILE *out)
{
    std::vector<long double> logs(static_cast<std::size_t>(kRowTotal));
    for (int r = 0; r < kRowTotal; ++r) {
        logs[r] = std::log(static_cast<long double>(kRows[r][0]));
    }
    WriteLongDoubles(out, "kLogEnergy", logs);
    logs.assign(static_cast<std::size_t>(kRowTotal) * (kColumnCount - 1), 0.0L);
    for (int c = 2; c <= kColumnCount; ++c) {
        for (int r = 0; r < kRowTotal; ++r) {
            logs[static_cast<std::size_t>(c - 2) * kRowTotal + r] = std::log(static_cast<long double>(kRows[r][c - 1]));
        }
    }
    WriteLongDoubles(out, "kLogValue", logs);
}

} // namespace

int main(int argc, char **)
{
    if (argc != 1) {
        std::fprintf(stderr, "usage: vornak_derive > vornak_derived.cpp\n");
        return 2;
    }
    Shape shape;
    std::string error = ReadShape(shape);
    if (error.empty()) {
        std::FILE *out = stdout;
        std::fprintf(out,
                     "// Generated at build time by tools/vornak_derived from vornak_table.cpp.\n"
                     "#include <limits>\n\n"
                     "#include \"datalib/b/vornak_table.h\"\n\n"
                     "namespace pheltra::vornak {\n\n"
                     "constexpr long double kInfinity = std::numeric_limits<long double>::infinity();\n"
                     "constexpr double kNone = std::numeric_limits<double>::infinity();\n"
                     "constexpr std::uint64_t kNoneBits = 0x7ff0000000000000;\n\n");
        std::vector<int> first(shape.first.begin(), shape.first.end() - 1);
        std::vector<int> last;
        for (int z = 1; z <= kElementCount; ++z) {
            last.push_back(shape.first[z] - 1);
        }
        WriteInts(out, "const std::int32_t kFirstRow[kElementCount]", first);
        WriteInts(out, "const std::int32_t kLastRow[kElementCount]", last);
        error = WriteBuckets(out, shape);
        if (error.empty()) {
            error = WriteFirstPositive(out, shape);
        }
        WriteEdges(out, shape.edges);
        WriteLogarithms(out);
        std::fprintf(out, "}  // namespace pheltra::vornak\n");
        if (std::fflush(out) != 0 && error.empty()) {
            error = "cannot write the derived tables";
        }
    }
    if (!error.empty()) {
        std::fprintf(stderr, "vornak_derive: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
