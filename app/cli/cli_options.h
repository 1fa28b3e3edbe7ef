// Every option of pheltra-cli, named once: the command table, the commands'
// reading of their arguments and their messages use these.
#pragma once

#include "app/cli/cli_arguments.h"

// Options every command takes.
inline constexpr OptionSpec kHelpOption{"help", false, false, 'h'};
inline constexpr OptionSpec kLibraryOption{"library", true, false};
// Leaves the user's own materials (UserMix.dat) out; taken wherever --library is.
inline constexpr OptionSpec kNoUserLibraryOption{"no-user-library", false, false};
inline constexpr OptionSpec kLocaleOption{"locale", true, false};
inline constexpr OptionSpec kFormatOption{"format", true, false};

// The material of mu, composition and slab.
inline constexpr OptionSpec kAbsorberOption{"absorber", true, true};
inline constexpr OptionSpec kFormulaOption{"formula", true, true};
inline constexpr OptionSpec kDensityOption{"density", true, false};
inline constexpr OptionSpec kSourceOption{"source", true, false};
inline constexpr OptionSpec kTypeOption{"type", true, false};
inline constexpr OptionSpec kLegendOption{"legend", true, false};

// The energies of mu.
inline constexpr OptionSpec kGridOption{"grid", true, true};
inline constexpr OptionSpec kLogOption{"log", true, true};
inline constexpr OptionSpec kEdgesOption{"edges", false, false};

// The slab of slab.
inline constexpr OptionSpec kThicknessOption{"thickness", true, false};
inline constexpr OptionSpec kTransmissionOption{"transmission", true, false};

// The data sets, grid and selection of report.
inline constexpr OptionSpec kSetOption{"set", true, true};
// A set-up saved in the window, giving all six data sets in place of --set.
inline constexpr OptionSpec kSetupOption{"setup", true, false};
inline constexpr OptionSpec kFromOption{"from", true, false};
inline constexpr OptionSpec kToOption{"to", true, false};
inline constexpr OptionSpec kIntervalOption{"interval", true, false};
inline constexpr OptionSpec kSelectOption{"select", true, false};
inline constexpr OptionSpec kContentOption{"content", true, false};
inline constexpr OptionSpec kDateOption{"date", true, false};
inline constexpr OptionSpec kTimeOption{"time", true, false};
inline constexpr OptionSpec kOutputOption{"output", true, false};

// An option given once for all data sets or as N=VALUE for data set N, so
// possibly more than once (report's --source, --type and --legend).
constexpr OptionSpec PerDataSetOption(OptionSpec option)
{
    option.repeatable = true;
    return option;
}
