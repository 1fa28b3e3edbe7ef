// What pheltra-cli buildup and shield share: their options and help texts,
// the response option and the plain-words notes of a result.
#pragma once

#include "app/cli/cli_commands.h"
#include "shielding/buildup_response.h"

#include <QString>

#include <string>
#include <vector>

QString BuildupHelp();
QString ShieldHelp();
std::vector<OptionSpec> BuildupOptions();
std::vector<OptionSpec> ShieldOptions();

// The options of buildup and shield beyond those of cli_options.h and of the
// beam options.
inline constexpr OptionSpec kResponseOption{"response", true, false};
inline constexpr OptionSpec kMfpOption{"mfp", true, true};
inline constexpr OptionSpec kEnergyOption{"energy", true, false};
inline constexpr OptionSpec kNuclideOption{"nuclide", true, false};
inline constexpr OptionSpec kLayerOption{"layer", true, true};
inline constexpr OptionSpec kBuildupMaterialOption{"buildup-material", true, false};
inline constexpr OptionSpec kDoseRateOption{"dose-rate", true, false};

// --response exposure|energy-absorption; exposure when absent.
pheltra::BuildupResponse ResponseOption(const CommandContext &context);
// What the response means, for the first line of the output.
QString ResponseWords(pheltra::BuildupResponse response);
// Notes joined by "; " for one table cell.
QString NotesText(const std::vector<std::string> &notes);
