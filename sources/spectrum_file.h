// Spectra read from files. Two kinds:
//  - tables, one bin a row: an energy and a fluence, separated by tabs,
//    semicolons, commas or blanks (SpekPy's export among them), after
//    optional '#' comment lines and one optional header line. The energy unit
//    is stated by option or by the header (its first field naming eV, keV or
//    MeV, as in "energy_keV" or "Energy [keV]"; without a header line, the
//    lowest comment line above the rows that names one). The fluence is per
//    keV unless the option or the header says per bin. In a semicolon table a
//    decimal comma reads as a point. Further columns are passed over.
//  - MC-GPU/penEasy .spc files: '#' comments, then rows of an energy in eV
//    and the probability of the bin that starts there, ended by a row whose
//    probability is negative and whose energy closes the last bin.
// A fault refuses the whole file with one line naming the row and what is
// wrong; nothing is taken from a file read only in part.
#pragma once

#include "sources/spectrum.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pheltra {

enum class EnergyUnit { EV, KeV, MeV };

enum class SpectrumFileFormat { Table, Spc };

struct SpectrumReadOptions
{
    // The energy unit of a table; unset: the header must name it.
    std::optional<EnergyUnit> energyUnit;
    // A table's fluence is photons in each bin rather than per keV.
    bool perBin = false;
};

// The largest file and the most bins a spectrum file may hold.
inline constexpr std::size_t kMaxSpectrumFileBytes = 16 * 1024 * 1024;
inline constexpr std::size_t kMaxSpectrumRows = 100000;

// "eV", "keV", "MeV" (any case) or nothing.
std::optional<EnergyUnit> ParseEnergyUnit(std::string_view text);
const char *EnergyUnitName(EnergyUnit unit);

// .spc (any case) is read as MC-GPU/penEasy, anything else as a table.
SpectrumFileFormat FormatOfFileName(std::string_view fileName);

// The spectrum a file's text holds; throws SourceError.
Spectrum ParseSpectrumText(std::string_view text, SpectrumFileFormat format, const SpectrumReadOptions &options);
// The spectrum in a regular file of at most kMaxSpectrumFileBytes; throws
// SourceError, naming the file, when it cannot be read or holds a fault.
Spectrum ReadSpectrumFile(const std::string &fileName, const SpectrumReadOptions &options);

} // namespace pheltra
