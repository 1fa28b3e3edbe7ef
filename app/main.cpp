// Pheltra: photon interaction coefficients of materials. The program reads
// its compound library at start-up (the working folder's CmpMix.dat, else the
// one installed with it, then the user's UserMix.dat) and opens the set-up
// named on its command line.
#include "absorber/library_location.h"
#include "absorber/material/user_library.h"
#include "app/mainwindow/plot_form.h"
#include "app/mainwindow/program.h"
#include "app/mainwindow/program_options.h"
#include "app/mainwindow/splash_form.h"

#include <QApplication>

#include <iostream>
#include <optional>

namespace {

void Print(std::ostream &stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    stream.write(bytes.constData(), bytes.size());
    stream.flush();
}

// --check-startup: what the splash window shows, a line each.
void PrintStartup(const TPheltraProgram &program)
{
    Print(std::cout,
          QStringLiteral("version: %1\nmain window: %2\nlibrary: %3 (%4 entries)\nmessage: %5\n")
              .arg(program.Splash().Version(),
                   program.MainForm().isVisible() ? QStringLiteral("shown") : QStringLiteral("not shown"),
                   program.LibraryFile().isEmpty() ? QStringLiteral("none") : program.LibraryFile(),
                   QString::number(program.Library().Count()), program.Splash().Message()));
}

// --help, --version and refused arguments end the program with their answer
// on the terminal.
std::optional<int> AnswerOnTerminal(const ProgramOptions &options)
{
    switch (options.action) {
    case ProgramOptions::Action::Help:
        Print(std::cout, ProgramHelpText());
        return 0;
    case ProgramOptions::Action::Version:
        Print(std::cout, ProgramVersionText());
        return 0;
    case ProgramOptions::Action::Refuse:
        Print(std::cerr, QStringLiteral("pheltra: %1\n").arg(options.problem));
        return kProgramExitBadArguments;
    case ProgramOptions::Action::Run:
    case ProgramOptions::Action::CheckStartup:
        break;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char **argv)
{
    // --help and --version need no display, so they are answered before the
    // windowing system starts.
    QStringList raw;
    for (int i = 1; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    if (const auto status = AnswerOnTerminal(ParseProgramOptions(raw, true)))
        return *status;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pheltra"));
    QApplication::setApplicationVersion(QString::fromLatin1(kPheltraVersion));
    QApplication::setDesktopFileName(QStringLiteral("pheltra"));

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const ProgramOptions options = ParseProgramOptions(arguments, false);
    if (const auto status = AnswerOnTerminal(options))
        return *status;

    TPheltraProgram program(FindCompoundLibrary(InstalledLibraryFile(QApplication::applicationDirPath())),
                            pheltra::UserLibraryFile());
    if (options.action == ProgramOptions::Action::CheckStartup) {
        program.Splash().show();
        QApplication::processEvents();
        PrintStartup(program);
        return program.MainForm().isVisible() && program.Splash().isVisible() ? 0 : 1;
    }
    program.ShowSplash();
    if (!options.setupFile.isEmpty())
        program.MainForm().OpenSetup(options.setupFile);
    return QApplication::exec();
}
