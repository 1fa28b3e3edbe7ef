#include "absorber/library_location.h"

#include "absorber/compound_file.h"

#include <QDir>
#include <QFileInfo>

// PHELTRA_LIBRARY_FROM_BIN, set by the build from the install folders: the
// installed library relative to the executables' folder.
#ifndef PHELTRA_LIBRARY_FROM_BIN
#error "PHELTRA_LIBRARY_FROM_BIN must name the installed CmpMix.dat relative to the bin folder"
#endif

const char kLibraryRuleText[] =
    "The compound library is CmpMix.dat in the working folder when there is one,\n"
    "otherwise the CmpMix.dat installed with Pheltra, " PHELTRA_LIBRARY_FROM_BIN
    "\n"
    "from the folder of the program (/usr/share/pheltra/CmpMix.dat for a program in\n"
    "/usr/bin). The library is missing only when neither exists.\n";

QString InstalledLibraryFile(const QString &executableFolder)
{
    return QDir::cleanPath(QDir(executableFolder).filePath(QStringLiteral(PHELTRA_LIBRARY_FROM_BIN)));
}

QString FindCompoundLibrary(const QString &installedFile)
{
    const QString working = QString::fromLatin1(kCompoundLibraryFileName);
    // A link that leads nowhere counts: it is reported, not passed over.
    const QFileInfo info(working);
    if (info.exists() || info.isSymLink())
        return working;
    if (!installedFile.isEmpty() && QFileInfo::exists(installedFile))
        return installedFile;
    return working;
}
