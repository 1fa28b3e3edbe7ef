// The options that describe an X-ray beam, shared by every command that
// takes one (beam, and commands that put a beam through a shield):
//   --kv KV | --spectrum FILE [--energy-unit eV|keV|MeV] [--per-bin]
//   [--filter MATERIAL:THICKNESS ...] [--source H|B]
// and the reading of a material named on the command line for the sources
// code.
#pragma once

#include "app/cli/cli_commands.h"
#include "app/cli/cli_error.h"
#include "sources/source_error.h"
#include "sources/source_material.h"
#include "sources/spectrum.h"

#include <QString>

#include <vector>

// The options of the sources commands, named once.
inline constexpr OptionSpec kKvOption{"kv", true, false};
inline constexpr OptionSpec kSpectrumOption{"spectrum", true, false};
inline constexpr OptionSpec kEnergyUnitOption{"energy-unit", true, false};
inline constexpr OptionSpec kPerBinOption{"per-bin", false, false};
inline constexpr OptionSpec kFilterOption{"filter", true, true};
inline constexpr OptionSpec kHvlMaterialOption{"hvl-material", true, false};
inline constexpr OptionSpec kMediumOption{"medium", true, false};
inline constexpr OptionSpec kPrintSpectrumOption{"print-spectrum", false, false};
inline constexpr OptionSpec kCutoffOption{"cutoff", true, false};
inline constexpr OptionSpec kActivityOption{"activity", true, false};
inline constexpr OptionSpec kDistanceOption{"distance", true, false};

// The beam options, for a command's option list.
std::vector<OptionSpec> BeamSourceOptions();

// A material for the sources code, named as NamedMaterial takes it; a
// refusal names option.
pheltra::SourceMaterial SourceMaterialArgument(const QString &text, const pheltra::LoadedLibrary &library, int source,
                                               const QString &option);

struct Beam
{
    pheltra::LoadedLibrary library; // read for the air and the materials
    int source;                     // the data source of every coefficient
    pheltra::Spectrum spectrum;
};

// The beam of the options, behind its filters. Throws CliError with the
// one-line reason for anything it cannot use (a faulty spectrum file names
// its row); the library is read (exit status 3 when it is missing).
Beam BeamOption(const CommandContext &context);

// Runs a piece of the sources code, turning its refusal into the tool's.
template<class Function>
auto FromSources(Function function) -> decltype(function())
{
    try {
        return function();
    } catch (const pheltra::SourceError &error) {
        throw CliError{QString::fromStdString(error.what())};
    }
}
