// pheltra-cli: Pheltra's numbers and reports for scripts. It reads the
// compound library as the program does: the working folder's CmpMix.dat,
// else the one installed with it, then the user's UserMix.dat.
#include "absorber/library_location.h"
#include "absorber/material/user_library.h"
#include "app/cli/cli.h"
#include "textio/atomic_file.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    // A report --output interrupted on a filesystem without unnamed
    // temporary files leaves no partial file beside its target.
    RemoveTemporaryFilesOnSignals();
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const CliContext context{QDateTime::currentDateTime(), QLocale(),
                             FindCompoundLibrary(InstalledLibraryFile(QCoreApplication::applicationDirPath())),
                             pheltra::UserLibraryFile()};
    return RunCli(arguments, context, std::cout, std::cerr);
}
