// gen_manpages OUTPUT_FOLDER: writes pheltra.1 and pheltra-cli.1 from the
// --help texts of the program and of pheltra-cli and its commands, so that
// the manual pages say what --help says.
#include "app/cli/cli.h"
#include "app/cli/cli_commands.h"
#include "app/mainwindow/program_options.h"
#include "pheltra_version.h"
#include "tools/manpages/help_to_man.h"

#include <QDir>
#include <QSaveFile>

#include <cstdio>

namespace {

// The usage paragraph of a help text and the rest.
std::pair<QString, QString> SplitUsage(const QString &help)
{
    const qsizetype end = help.indexOf(QLatin1String("\n\n"));
    if (end < 0)
        return {help, QString()};
    return {help.left(end + 1), help.mid(end + 2)};
}

QList<ManSection> TopSections(const QString &help)
{
    const auto [usage, rest] = SplitUsage(help);
    return {{QStringLiteral("SYNOPSIS"), {}, usage}, {QStringLiteral("DESCRIPTION"), {}, rest}};
}

bool Write(const QString &path, const QString &page)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "gen_manpages: cannot write %s\n", qPrintable(path));
        return false;
    }
    file.write(page.toUtf8());
    return file.commit();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_manpages OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString version = QString::fromLatin1(kPheltraVersion);

    QList<ManSection> program = TopSections(ProgramHelpText());
    program.append({QStringLiteral("SEE ALSO"), {}, QStringLiteral("pheltra-cli(1)\n")});

    QList<ManSection> cli = TopSections(CliUsageText());
    for (const Command &command : Commands())
        cli.append({QStringLiteral("COMMANDS"), QString::fromLatin1(command.name), command.help()});
    cli.append({QStringLiteral("SEE ALSO"), {}, QStringLiteral("pheltra(1)\n")});

    const bool written =
        Write(folder.filePath(QStringLiteral("pheltra.1")),
              ManPage(QStringLiteral("pheltra"), QStringLiteral("photon interaction coefficients of materials"),
                      version, program)) &&
        Write(folder.filePath(QStringLiteral("pheltra-cli.1")),
              ManPage(QStringLiteral("pheltra-cli"), QStringLiteral("Pheltra's coefficients and reports for scripts"),
                      version, cli));
    return written ? 0 : 1;
}
