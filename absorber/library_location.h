// Where the compound library is read from, the same rule for the program and
// pheltra-cli: CmpMix.dat in the working folder wins, so a library of the
// user's own is always the one read; without one, the library installed with
// the program is read: share/pheltra/CmpMix.dat of the installation, found
// relative to the folder of the executable (so an installed or unpacked tree
// works from any prefix). When neither exists the working folder's name is
// kept, and loading it reports "File CmpMix.dat not found!".
#pragma once

#include <QString>

// The installed library of an installation whose executables lie in
// `executableFolder` (for /usr/bin: /usr/share/pheltra/CmpMix.dat).
QString InstalledLibraryFile(const QString &executableFolder);

// The file to read: "CmpMix.dat" (the working folder's, as a relative name)
// when it exists there, else `installedFile` when that exists, else
// "CmpMix.dat" again. Exists means anything of that name, a link that leads
// nowhere included, so a working folder's CmpMix.dat that cannot be read is
// reported, not passed over.
QString FindCompoundLibrary(const QString &installedFile);

// The rule in the words of the --help texts and the manual pages.
extern const char kLibraryRuleText[];
