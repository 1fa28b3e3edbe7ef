// How the batch tool reports a problem: one line on stderr and an exit status.
#pragma once

#include "absorber/material/input_error.h"

#include <QString>

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;      // the output could not be written
inline constexpr int kExitBadInput = 2;     // arguments the tool cannot use
inline constexpr int kExitLibraryFault = 3; // the compound library did not load cleanly

// Thrown while the arguments are checked, always before any output starts,
// so a refused command never leaves a partial table behind.
struct CliError
{
    QString message;
    int exitStatus = kExitBadInput;
};

// A refusal of the material layer in the tool's words: the field named as
// the option that gives it ("--density must lie above 0 ...").
inline CliError CliErrorOf(const pheltra::InputError &error)
{
    const QString option = QStringLiteral("--") + pheltra::FieldName(error.field);
    return CliError{pheltra::Worded(error, option, option)};
}
