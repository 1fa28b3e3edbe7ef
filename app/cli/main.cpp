// pheltra-cli: Pheltra's numbers and reports for scripts. It reads CmpMix.dat
// from the working folder, like the program.
#include "app/cli/cli.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const CliContext context{QDateTime::currentDateTime(), QLocale(), QStringLiteral("CmpMix.dat")};
    return RunCli(arguments, context, std::cout, std::cerr);
}
