// How the batch tool reports a problem: one line on stderr and an exit status.
#pragma once

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
