#include "sources/spectrum_file.h"

#include "absorber/data_sources.h"
#include "sources/source_error.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace pheltra {
namespace {

struct Line
{
    std::size_t number; // 1-based
    std::string_view text;
};

struct Row
{
    std::size_t line;
    double energy; // in the file's unit until converted
    double fluence;
};

constexpr std::string_view kBlanks = " \t\r\f\v";

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<Line> SplitLines(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<Line> lines;
    std::size_t number = 1;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back({number++, Trimmed(text.substr(0, end))});
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

[[noreturn]] void Refuse(std::size_t line, const std::string &what)
{
    throw SourceError("line " + std::to_string(line) + ": " + what);
}

std::string Quoted(std::string_view text)
{
    constexpr std::size_t kShown = 40;
    std::string shown(1, '\'');
    for (const char c : text.substr(0, kShown))
        shown.push_back(static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c);
    shown.append(text.size() > kShown ? "...'" : "'");
    return shown;
}

std::string Number(double value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

// A row's fields: split at tabs, else semicolons, else commas, else blanks.
std::vector<std::string_view> Fields(std::string_view line, bool &semicolons)
{
    char delimiter = ' ';
    for (const char candidate : {'\t', ';', ','}) {
        if (line.find(candidate) != std::string_view::npos) {
            delimiter = candidate;
            break;
        }
    }
    semicolons = delimiter == ';';
    std::vector<std::string_view> fields;
    if (delimiter == ' ') {
        for (std::size_t at = line.find_first_not_of(kBlanks); at != std::string_view::npos;
             at = line.find_first_not_of(kBlanks, at)) {
            const std::size_t end = std::min(line.find_first_of(kBlanks, at), line.size());
            fields.push_back(line.substr(at, end - at));
            at = end;
        }
        return fields;
    }
    for (;;) {
        const std::size_t end = line.find(delimiter);
        fields.push_back(Trimmed(line.substr(0, end)));
        if (end == std::string_view::npos)
            return fields;
        line.remove_prefix(end + 1);
    }
}

// A plain decimal number ("10", "0.5", "1.5e4", "+2"); a decimal comma
// where the row is split at semicolons. Nothing else: no inf, no nan, no
// trailing text.
std::optional<double> NumberIn(std::string_view field, bool decimalComma)
{
    std::string text(field);
    if (decimalComma)
        std::replace(text.begin(), text.end(), ',', '.');
    const char *begin = text.data();
    const char *end = begin + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    double value = 0.0;
    const auto [stop, error] = std::from_chars(begin, end, value, std::chars_format::general);
    if (error != std::errc() || stop != end || begin == end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The energy units a text names: every run of letters compared with eV,
// keV and MeV, ignoring case.
std::vector<EnergyUnit> UnitsNamedIn(std::string_view text)
{
    std::vector<EnergyUnit> units;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
        if (!isLetter(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && isLetter(text[end]))
            ++end;
        if (const auto unit = ParseEnergyUnit(text.substr(at, end - at)))
            units.push_back(*unit);
        at = end;
    }
    return units;
}

double KeVPer(EnergyUnit unit)
{
    switch (unit) {
    case EnergyUnit::EV:
        return 1e-3;
    case EnergyUnit::KeV:
        return 1.0;
    case EnergyUnit::MeV:
        return 1e3;
    }
    return 1.0;
}

std::string Lowered(std::string_view text)
{
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

// What a header says about the columns.
struct Header
{
    std::size_t line = 0; // 0: no header
    std::optional<EnergyUnit> unit;
    bool perBin = false;
};

Header ReadHeader(const Line &line, std::string_view energyField, bool commentOnly)
{
    Header header{line.number, std::nullopt, false};
    const std::vector<EnergyUnit> units = UnitsNamedIn(energyField);
    if (!units.empty()) {
        if (!commentOnly && std::any_of(units.begin(), units.end(), [&](EnergyUnit u) { return u != units[0]; }))
            Refuse(line.number, "the header's energy column names more than one unit");
        header.unit = units[0];
    }
    const std::string lowered = Lowered(line.text);
    header.perBin = lowered.find("per bin") != std::string::npos || lowered.find("per_bin") != std::string::npos;
    return header;
}

// The rows of energy and fluence (a .spc end row included), each with the
// line it came from; the header and the last comment above the rows.
struct Rows
{
    std::vector<Row> rows;
    Header header;
    std::vector<Line> comments;         // those above the rows
    std::optional<std::size_t> endLine; // .spc: the row of negative probability
};

Rows ReadRows(std::string_view text, bool spc)
{
    Rows read;
    for (const Line &line : SplitLines(text)) {
        if (line.text.empty())
            continue;
        if (line.text.starts_with('#')) {
            if (read.rows.empty() && read.header.line == 0)
                read.comments.push_back({line.number, line.text.substr(1)});
            continue;
        }
        if (read.endLine)
            Refuse(line.number,
                   "a row after the end row (negative probability) of line " + std::to_string(*read.endLine));
        bool semicolons = false;
        const std::vector<std::string_view> fields = Fields(line.text, semicolons);
        const std::optional<double> energy = NumberIn(fields[0], semicolons);
        if (!energy) {
            if (!spc && read.rows.empty() && read.header.line == 0) {
                read.header = ReadHeader(line, fields[0], false);
                continue;
            }
            Refuse(line.number, "the energy " + Quoted(fields[0]) + " is not a number");
        }
        if (fields.size() < 2)
            Refuse(line.number,
                   spc ? "expected an energy and a probability, found one field"
                       : "expected an energy and a fluence, found one field");
        const std::optional<double> fluence = NumberIn(fields[1], semicolons);
        if (!fluence)
            Refuse(line.number, (spc ? "the probability " : "the fluence ") + Quoted(fields[1]) + " is not a number");
        if (read.rows.size() >= kMaxSpectrumRows)
            Refuse(line.number, "more than " + std::to_string(kMaxSpectrumRows) + " rows");
        if (spc && *fluence < 0.0)
            read.endLine = line.number;
        else if (*fluence < 0.0)
            Refuse(line.number, "the fluence " + Quoted(fields[1]) + " is negative");
        if (spc ? *energy < 0.0 : !(*energy > 0.0))
            Refuse(line.number, "the energy " + Quoted(fields[0]) + (spc ? " is negative" : " is not above 0"));
        if (!read.rows.empty() && !(*energy > read.rows.back().energy)) {
            Refuse(line.number,
                   "the energy " + Quoted(fields[0]) + " does not rise above the " + Number(read.rows.back().energy) +
                       " of line " + std::to_string(read.rows.back().line));
        }
        read.rows.push_back({line.number, *energy, *fluence});
    }
    return read;
}

// The bins with photons must lie where the coefficient data do; empty bins
// outside are dropped (a spectrum tabulated from 0 keV).
Spectrum CoveredSpectrum(const std::vector<Row> &bins)
{
    std::vector<double> energies;
    std::vector<double> fluence;
    for (const Row &bin : bins) {
        const bool covered = bin.energy >= kEnergyRangeMin && bin.energy <= kEnergyRangeMax;
        if (!covered && bin.fluence > 0.0) {
            Refuse(bin.line,
                   "the energy " + Number(bin.energy) + " keV lies outside the " + Number(kEnergyRangeMin) + " to " +
                       Number(kEnergyRangeMax) + " keV the coefficient data cover");
        }
        if (covered) {
            energies.push_back(bin.energy);
            fluence.push_back(bin.fluence);
        }
    }
    if (std::none_of(fluence.begin(), fluence.end(), [](double value) { return value > 0.0; }))
        throw SourceError("the file's spectrum has no photons: every fluence is 0");
    return Spectrum(std::move(energies), std::move(fluence));
}

Spectrum TableSpectrum(const Rows &read, const SpectrumReadOptions &options)
{
    // Without a header line, the lowest comment above the rows that names a
    // unit names the energies' (SpekPy's export); an option stated outright
    // wins over a comment.
    Header header = read.header;
    const bool fromComment = header.line == 0;
    for (auto comment = read.comments.rbegin(); fromComment && comment != read.comments.rend(); ++comment) {
        header = ReadHeader(*comment, comment->text, true);
        if (header.unit)
            break;
    }
    if (options.energyUnit && header.unit && *options.energyUnit != *header.unit && !fromComment) {
        Refuse(header.line,
               std::string("the header names ") + EnergyUnitName(*header.unit) +
                   ", but the energies were said to be in " + EnergyUnitName(*options.energyUnit));
    }
    const std::optional<EnergyUnit> unit = options.energyUnit ? options.energyUnit : header.unit;
    if (!unit)
        throw SourceError(
            "the file does not say whether its energies are in eV, keV or MeV: no header names the "
            "unit, so it must be given");
    const bool perBin = options.perBin || header.perBin;
    if (read.rows.size() < 2 && !perBin)
        Refuse(read.rows[0].line, "a fluence per keV needs at least two rows to give the bin its width");
    std::vector<Row> bins = read.rows;
    for (Row &bin : bins)
        bin.energy *= KeVPer(*unit);
    if (!perBin) {
        // Each row stands for the bin reaching halfway to its neighbours.
        std::vector<double> widths(bins.size());
        for (std::size_t i = 0; i < bins.size(); ++i) {
            const std::size_t lower = i == 0 ? 0 : i - 1;
            const std::size_t upper = i + 1 == bins.size() ? i : i + 1;
            widths[i] = (bins[upper].energy - bins[lower].energy) / static_cast<double>(upper - lower);
        }
        for (std::size_t i = 0; i < bins.size(); ++i)
            bins[i].fluence *= widths[i];
    }
    return CoveredSpectrum(bins);
}

Spectrum SpcSpectrum(const Rows &read, const SpectrumReadOptions &options)
{
    if (options.energyUnit && *options.energyUnit != EnergyUnit::EV) {
        throw SourceError(std::string("a .spc file holds energies in eV, not ") + EnergyUnitName(*options.energyUnit));
    }
    if (!read.endLine) {
        throw SourceError(
            "the file ends without the row of negative probability that closes the last bin "
            "of a .spc spectrum");
    }
    if (read.rows.size() < 2)
        Refuse(*read.endLine, "the end row closes no bin: a .spc file needs a bin before it");
    // A row gives the lower edge of its bin; the next row's energy is the
    // upper edge.
    std::vector<Row> bins;
    for (std::size_t i = 0; i + 1 < read.rows.size(); ++i) {
        const double centre = (read.rows[i].energy + read.rows[i + 1].energy) / 2.0;
        bins.push_back({read.rows[i].line, centre * KeVPer(EnergyUnit::EV), read.rows[i].fluence});
    }
    return CoveredSpectrum(bins);
}

} // namespace

std::optional<EnergyUnit> ParseEnergyUnit(std::string_view text)
{
    const std::string lowered = Lowered(text);
    if (lowered == "ev")
        return EnergyUnit::EV;
    if (lowered == "kev")
        return EnergyUnit::KeV;
    if (lowered == "mev")
        return EnergyUnit::MeV;
    return std::nullopt;
}

const char *EnergyUnitName(EnergyUnit unit)
{
    switch (unit) {
    case EnergyUnit::EV:
        return "eV";
    case EnergyUnit::KeV:
        return "keV";
    case EnergyUnit::MeV:
        return "MeV";
    }
    return "";
}

SpectrumFileFormat FormatOfFileName(std::string_view fileName)
{
    return Lowered(fileName).ends_with(".spc") ? SpectrumFileFormat::Spc : SpectrumFileFormat::Table;
}

Spectrum ParseSpectrumText(std::string_view text, SpectrumFileFormat format, const SpectrumReadOptions &options)
{
    const bool spc = format == SpectrumFileFormat::Spc;
    const Rows read = ReadRows(text, spc);
    if (read.rows.empty())
        throw SourceError(spc ? "the file holds no rows of energy and probability"
                              : "the file holds no rows of energy and fluence");
    return spc ? SpcSpectrum(read, options) : TableSpectrum(read, options);
}

Spectrum ReadSpectrumFile(const std::string &fileName, const SpectrumReadOptions &options)
{
    std::string name(1, '\'');
    name.append(fileName).push_back('\'');
    std::error_code error;
    const auto status = std::filesystem::status(fileName, error);
    if (!std::filesystem::exists(status))
        throw SourceError("cannot read the spectrum " + name + ": no such file");
    if (!std::filesystem::is_regular_file(status))
        throw SourceError("cannot read the spectrum " + name + ": not a regular file");
    const std::uintmax_t size = std::filesystem::file_size(fileName, error);
    if (!error && size > kMaxSpectrumFileBytes) {
        throw SourceError("the spectrum " + name + " is larger than " +
                          std::to_string(kMaxSpectrumFileBytes / (1024 * 1024)) + " MiB");
    }
    std::ifstream file(fileName, std::ios::binary);
    std::string text(error ? 0 : static_cast<std::size_t>(size), '\0');
    if (!file || !file.read(text.data(), static_cast<std::streamsize>(text.size())) || file.peek() != EOF)
        throw SourceError("cannot read the spectrum " + name);
    try {
        return ParseSpectrumText(text, FormatOfFileName(fileName), options);
    } catch (const SourceError &fault) {
        throw SourceError(fileName + ": " + fault.what());
    }
}

} // namespace pheltra
