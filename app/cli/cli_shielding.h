// What pheltra-cli buildup and shield share: their options and help texts,
// the response option and the plain-words notes of a result.
#pragma once

#include "app/cli/cli_commands.h"
#include "shielding/buildup_response.h"

#include <QString>

#include <string>
#include <vector>

extern const char kBuildupHelp[];
extern const char kShieldHelp[];
std::vector<OptionSpec> BuildupOptions();
std::vector<OptionSpec> ShieldOptions();

// --response exposure|energy-absorption; exposure when absent.
pheltra::BuildupResponse ResponseOption(const CommandContext &context);
// What the response means, for the first line of the output.
QString ResponseWords(pheltra::BuildupResponse response);
// Notes joined by "; " for one table cell.
QString NotesText(const std::vector<std::string> &notes);
