// Writes the tables the source-B lookup derives from its coefficient table:
// where each element's rows start, the energies in one contiguous array for
// the interval search, the logarithms of energies and positive values, and
// each element's edges counted from the top.
//
// The logarithms are taken here with the very logl the lookup would call, so
// a lookup that reads them gets the bits it would have computed. They are
// written as hexadecimal literals, which the compiler reads back exactly.
//
//   vornak_derive <output.cpp>

#include <cmath>
#include <cstdio>
#include <vector>

#include "datalib/b/vornak_table.h"

namespace {

using namespace pheltra::vornak;

void WriteLongDoubles(std::FILE* out, const char* name, const std::vector<long double>& values) {
  std::fprintf(out, "const long double %s[] = {\n", name);
  for (std::size_t i = 0; i < values.size(); ++i) {
    std::fprintf(out, "%s", i % 4 == 0 ? "    " : "");
    if (std::isinf(values[i])) {
      std::fprintf(out, "-kInfinity,");  // logl(0)
    } else {
      std::fprintf(out, "%LaL,", values[i]);
    }
    std::fprintf(out, "%s", i % 4 == 3 ? "\n" : " ");
  }
  std::fprintf(out, "\n};\n\n");
}

// Row (from the element's first) where the search for each bucket starts;
// false when a bucket holds more rows than the lookup steps through.
bool WriteBuckets(std::FILE* out, const std::vector<int>& first) {
  bool fits = true;
  std::fprintf(out, "const std::uint8_t kBucketRow[kElementCount][kBucketCount] = {\n");
  for (int z = 1; z <= kElementCount; ++z) {
    std::fprintf(out, "    {");
    for (int b = 0; b < kBucketCount; ++b) {
      const double low = BucketLow(b);
      const double high = BucketLow(b + 1);
      int start = first[z - 1];
      while (start + 1 < first[z] && static_cast<double>(kRows[start + 1][0]) <= low) {
        ++start;
      }
      int inside = 0;
      for (int r = start + 1; r < first[z] && static_cast<double>(kRows[r][0]) < high; ++r) {
        ++inside;
      }
      if (inside > kBucketSteps && low <= 50000.0) {
        std::fprintf(stderr, "vornak_derive: Z = %d has %d rows in [%g, %g) keV\n", z, inside,
                     low, high);
        fits = false;
      }
      std::fprintf(out, "%s%d,", b % 32 == 0 ? "\n     " : " ", start - first[z - 1]);
    }
    std::fprintf(out, "},\n");
  }
  std::fprintf(out, "};\n\n");
  return fits;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vornak_derive <output.cpp>\n");
    return 2;
  }
  std::vector<int> first(kElementCount + 1, 0);
  for (int z = 1; z <= kElementCount; ++z) {
    first[z] = first[z - 1] + kRowCounts[z - 1];
  }
  const int total = first[kElementCount];
  if (total != kRowTotal) {
    std::fprintf(stderr, "vornak_derive: row counts add up to %d, not %d\n", total, kRowTotal);
    return 1;
  }

  std::FILE* out = std::fopen(argv[1], "w");
  if (out == nullptr) {
    std::perror(argv[1]);
    return 1;
  }
  std::fprintf(out,
               "// Generated at build time by tools/vornak_derived from vornak_table.cpp.\n"
               "#include \"datalib/b/vornak_table.h\"\n\n"
               "#include <limits>\n\n"
               "namespace pheltra::vornak {\n\n"
               "constexpr long double kInfinity = std::numeric_limits<long double>::infinity();\n\n");

  std::fprintf(out, "const std::int32_t kFirstRow[kElementCount + 1] = {");
  for (int z = 0; z <= kElementCount; ++z) {
    std::fprintf(out, "%s%d,", z % 10 == 0 ? "\n    " : " ", first[z]);
  }
  std::fprintf(out, "\n};\n\nconst float kEnergy[] = {");
  for (int r = 0; r < total; ++r) {
    std::fprintf(out, "%s%af,", r % 6 == 0 ? "\n    " : " ", static_cast<double>(kRows[r][0]));
  }
  std::fprintf(out, "\n};\n\n");

  std::vector<long double> logs(static_cast<std::size_t>(total));
  for (int r = 0; r < total; ++r) {
    logs[r] = std::log(static_cast<long double>(kRows[r][0]));
  }
  WriteLongDoubles(out, "kLogEnergy", logs);

  logs.assign(static_cast<std::size_t>(total) * (kColumnCount - 1), 0.0L);
  for (int c = 2; c <= kColumnCount; ++c) {
    for (int r = 0; r < total; ++r) {
      logs[static_cast<std::size_t>(c - 2) * total + r] =
          std::log(static_cast<long double>(kRows[r][c - 1]));
    }
  }
  WriteLongDoubles(out, "kLogValue", logs);

  // Edges as the lookup counts them: walking down from the top row, two
  // neighbouring rows with one energy are one edge.
  std::vector<int> count(kElementCount, 0);
  std::fprintf(out, "const float kEdgeEnergy[kElementCount][kMaxEdgeIndex] = {\n");
  for (int z = 1; z <= kElementCount; ++z) {
    std::fprintf(out, "    {");
    for (int r = first[z] - 1; r > first[z - 1] && count[z - 1] < kMaxEdgeIndex; --r) {
      if (kRows[r][0] == kRows[r - 1][0]) {
        std::fprintf(out, "%af, ", static_cast<double>(kRows[r][0]));
        ++count[z - 1];
      }
    }
    std::fprintf(out, "},\n");
  }
  std::fprintf(out, "};\n\nconst std::int32_t kEdgeCount[kElementCount] = {");
  for (int z = 0; z < kElementCount; ++z) {
    std::fprintf(out, "%s%d,", z % 10 == 0 ? "\n    " : " ", count[z]);
  }
  std::fprintf(out, "\n};\n\n");
  const bool fits = WriteBuckets(out, first);
  std::fprintf(out, "}  // namespace pheltra::vornak\n");
  if (!fits) {
    std::fclose(out);
    std::remove(argv[1]);
    return 1;
  }
  if (std::fclose(out) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
