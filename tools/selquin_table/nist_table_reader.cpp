#include "tools/selquin_table/nist_table_reader.h"

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace pheltra::tools {
namespace {

bool IsPlainDecimal(const std::string &s)
{
    // Digits with at most one decimal point: the form the NIST tables print.
    bool digit = false;
    bool point = false;
    for (char c : s) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

// The value the generated table will hold: the float nearest to the text.
float AsFloat(const std::string &s)
{
    return std::strtof(s.c_str(), nullptr);
}

[[noreturn]] void Fail(const std::string &path, int line, const std::string &what)
{
    throw std::runtime_error(path + ":" + std::to_string(line) + ": " + what);
}

void CheckElement(const std::string &path, int line, const std::vector<NistRow> &rows, std::size_t first)
{
    if (first == rows.size()) {
        return;
    }
    if (AsFloat(rows[first].energy) != 1.0f || AsFloat(rows.back().energy) != 20000.0f) {
        Fail(path, line, "element " + std::to_string(rows.back().z) + " does not run from 1 to 20000 keV");
    }
    // The per-call spline of the lookup holds at most 66 knots.
    if (rows.size() - first > 66) {
        Fail(path, line, "element " + std::to_string(rows.back().z) + " has more than 66 rows");
    }
}

} // namespace

std::vector<NistRow> ReadNistTable(const std::string &path)
{
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error(path + ": cannot open");
    }
    std::vector<NistRow> rows;
    std::size_t elementStart = 0;
    std::string text;
    int line = 0;
    while (std::getline(in, text)) {
        ++line;
        if (text.empty() || text[0] == '#') {
            continue;
        }
        std::istringstream fields(text);
        NistRow row;
        std::string z;
        std::string extra;
        if (!std::getline(fields, z, '\t') || !std::getline(fields, row.energy, '\t') ||
            !std::getline(fields, row.mu, '\t') || !std::getline(fields, row.muen, '\t') ||
            std::getline(fields, extra, '\t')) {
            Fail(path, line, "expected four tab-separated fields");
        }
        const auto [end, ec] = std::from_chars(z.data(), z.data() + z.size(), row.z);
        if (ec != std::errc() || end != z.data() + z.size() || row.z < 1 || row.z > 92) {
            Fail(path, line, "bad atomic number '" + z + "'");
        }
        for (const std::string *number : {&row.energy, &row.mu, &row.muen}) {
            if (!IsPlainDecimal(*number) || !(AsFloat(*number) > 0.0f)) {
                Fail(path, line, "bad number '" + *number + "'");
            }
        }
        if (rows.empty() ? row.z != 1 : row.z != rows.back().z && row.z != rows.back().z + 1) {
            Fail(path, line, "elements out of order");
        }
        if (!rows.empty() && row.z != rows.back().z) {
            CheckElement(path, line, rows, elementStart);
            elementStart = rows.size();
        } else if (!rows.empty()) {
            const float previous = AsFloat(rows.back().energy);
            const float energy = AsFloat(row.energy);
            if (energy < previous) {
                Fail(path, line, "energy decreases");
            }
            if (energy == previous && rows.size() >= 2 && rows[rows.size() - 2].z == row.z &&
                AsFloat(rows[rows.size() - 2].energy) == energy) {
                Fail(path, line, "three rows at one energy");
            }
        }
        rows.push_back(row);
    }
    CheckElement(path, line, rows, elementStart);
    if (rows.empty() || rows.back().z != 92) {
        throw std::runtime_error(path + ": the table must cover Z = 1..92");
    }
    return rows;
}

} // namespace pheltra::tools
