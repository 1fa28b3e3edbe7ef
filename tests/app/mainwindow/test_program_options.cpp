// The program's command line: --help and --version answer before any window,
// --check-startup is taken, and every other argument is refused in one line,
// except the windowing system's own options before it has taken them out.
#include "app/mainwindow/program_options.h"
#include "pheltra_version.h"

#include <gtest/gtest.h>

namespace {

using Action = ProgramOptions::Action;

ProgramOptions Parse(const QStringList &arguments, bool beforeWindowSystem = false)
{
    return ParseProgramOptions(arguments, beforeWindowSystem);
}

TEST(ProgramOptions, HelpAndVersionWinOverEverythingElse)
{
    EXPECT_EQ(Parse({}).action, Action::Run);
    EXPECT_EQ(Parse({QStringLiteral("--help")}).action, Action::Help);
    EXPECT_EQ(Parse({QStringLiteral("-h")}).action, Action::Help);
    EXPECT_EQ(Parse({QStringLiteral("--bogus"), QStringLiteral("--help")}).action, Action::Help);
    EXPECT_EQ(Parse({QStringLiteral("--check-startup"), QStringLiteral("--version")}).action, Action::Version);
    EXPECT_EQ(Parse({QStringLiteral("--check-startup")}).action, Action::CheckStartup);
}

TEST(ProgramOptions, OtherArgumentsAreRefusedInOneLine)
{
    const ProgramOptions unknown = Parse({QStringLiteral("--bogus")});
    EXPECT_EQ(unknown.action, Action::Refuse);
    EXPECT_EQ(unknown.problem, QStringLiteral("unknown option '--bogus' (try --help)"));

    // One file is the set-up to open; a second one is refused.
    const ProgramOptions one = Parse({QStringLiteral("my.pheltra")});
    EXPECT_EQ(one.action, Action::Run);
    EXPECT_EQ(one.setupFile, QStringLiteral("my.pheltra"));
    const ProgramOptions file = Parse({QStringLiteral("a.pheltra"), QStringLiteral("my.dat")});
    EXPECT_EQ(file.action, Action::Refuse);
    EXPECT_EQ(file.problem, QStringLiteral("unexpected argument 'my.dat': Pheltra opens one set-up file (try --help)"));
    EXPECT_EQ(Parse({QStringLiteral("--bogus")}, true).action, Action::Refuse);

    // What is echoed cannot break the line or reach the terminal raw.
    const ProgramOptions hostile = Parse({QStringLiteral("--x\n\x1b[2J")});
    EXPECT_EQ(hostile.action, Action::Refuse);
    EXPECT_FALSE(hostile.problem.contains(QLatin1Char('\n')));
    EXPECT_FALSE(hostile.problem.contains(QChar(0x1b)));
}

TEST(ProgramOptions, WindowSystemOptionsPassOnlyBeforeItTookThem)
{
    const QStringList platform{QStringLiteral("-platform"), QStringLiteral("offscreen"),
                               QStringLiteral("--check-startup")};
    EXPECT_EQ(Parse(platform, true).action, Action::CheckStartup);
    EXPECT_EQ(Parse({QStringLiteral("-reverse")}, true).action, Action::Run);
    // What the windowing system left is the program's alone.
    EXPECT_EQ(Parse(platform).action, Action::Refuse);
    EXPECT_EQ(Parse({QStringLiteral("-reverse")}).action, Action::Refuse);
}

// Refused before the windowing system starts, so that no display is needed
// to learn what was wrong; the windowing system's own options pass.
TEST(ProgramOptions, BeforeTheWindowSystemOnlyItsOwnOptionsPass)
{
    struct Row
    {
        QStringList arguments;
        const char *problem; // empty: passes
    };
    for (const Row &row : {
             Row{{"-x"}, "unknown option '-x' (try --help)"},
             Row{{"a.pheltra", "my.dat"}, "unexpected argument 'my.dat': Pheltra opens one set-up file (try --help)"},
             Row{{"-platform", "offscreen", "a.pheltra"}, ""},
             Row{{"-platform"}, "option '-platform' needs a value (try --help)"},
             Row{{"-reverse=1"}, "unknown option '-reverse=1' (try --help)"},
             Row{{"-style", "fusion", "-qwindowtitle", "A b", "-widgetcount"}, ""},
             Row{{"--platform", "offscreen", "-style=fusion"}, ""},
         }) {
        const ProgramOptions options = Parse(row.arguments, true);
        EXPECT_EQ(options.problem, QString::fromLatin1(row.problem)) << row.arguments.join(' ').toStdString();
        EXPECT_EQ(options.action, *row.problem ? Action::Refuse : Action::Run);
    }
}

TEST(ProgramOptions, HelpTellsWhereTheLibraryIsRead)
{
    const QString help = ProgramHelpText();
    EXPECT_TRUE(help.startsWith(
        QStringLiteral("Usage: pheltra [-h | --help | --version | --check-startup] [SETUP.pheltra]\n")));
    EXPECT_TRUE(help.contains(QStringLiteral("CmpMix.dat in the working folder")));
    EXPECT_TRUE(help.contains(QStringLiteral("../share/pheltra/CmpMix.dat")));
    EXPECT_TRUE(help.contains(QStringLiteral("--check-startup")));
    EXPECT_EQ(ProgramVersionText(), QStringLiteral("pheltra %1\n").arg(QString::fromLatin1(kPheltraVersion)));
}

} // namespace
