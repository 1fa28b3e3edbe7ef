// pheltra-cli, the batch companion of Pheltra: coefficient tables, the
// absorber and coefficient reports and the atomic data of an element from the
// same libraries and the same report code as the program.
//
//   pheltra-cli library | mu | composition | report | element | slab | buildup | shield [options]
//
// Exit status: 0 done; 2 arguments the tool cannot use (one line on stderr,
// nothing on stdout); 3 the compound library is missing, unreadable or has a
// faulty line (what could be done is still printed); 1 the output could not
// be written.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <ostream>

struct CliContext
{
    QDateTime now;  // the moment report headers show unless --date/--time say otherwise
    QLocale locale; // the user's locale, unless --locale says otherwise
    // The compound library unless --library says otherwise: the working
    // folder's CmpMix.dat, or where FindCompoundLibrary found one.
    QString libraryFile = QStringLiteral("CmpMix.dat");
    // The user's own library, read after it unless --no-user-library says
    // otherwise; empty: none.
    QString userLibraryFile;
};

// The text of pheltra-cli --help; the manual page pheltra-cli(1) is generated
// from it and from the commands' own --help texts.
QString CliUsageText();

// Runs one command; arguments exclude the program name. Returns the exit
// status.
int RunCli(const QStringList &arguments, const CliContext &context, std::ostream &out, std::ostream &err);
