// The program's command line. Pheltra is a window; the one file it takes is
// a set-up (.pheltra) to open at start. --help and --version answer on the
// terminal without opening a
// window (they work without a display); --check-startup runs the start-up up
// to the main window and the splash window, prints what the splash window
// says and ends, so that an installation can be checked from a script.
#pragma once

#include <QString>
#include <QStringList>

struct ProgramOptions
{
    enum class Action { Run, Help, Version, CheckStartup, Refuse };
    Action action = Action::Run;
    QString problem;   // for Refuse: one line saying what was wrong
    QString setupFile; // a set-up to open once the start-up window is closed
};

// arguments exclude the program name. --help or --version anywhere wins over
// everything else. The program parses twice: first before the windowing
// system starts (beforeWindowSystem true), where the windowing system's own
// options ("-platform offscreen", "-reverse") pass and every other unknown
// argument is refused, so that a refusal needs no display; then on what the
// windowing system left, where every argument but --check-startup and one
// set-up file is refused.
ProgramOptions ParseProgramOptions(const QStringList &arguments, bool beforeWindowSystem);

// The texts of --help and --version; the manual page pheltra(1) is generated
// from the same help text.
QString ProgramHelpText();
QString ProgramVersionText();

// Exit status for arguments the program cannot use.
inline constexpr int kProgramExitBadArguments = 2;
