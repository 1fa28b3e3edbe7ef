// The compound library as a front end read it: the entries, how the load
// went and from which file. Every front end (the window's material choices,
// the batch tool, the Python module) reads it here.
#pragma once

#include "absorber/compound_file.h"

#include <QString>

namespace pheltra {

struct LoadedLibrary
{
    CompoundLibrary library;
    LibraryStatus status = kLibraryNotFound;
    QString fileName;

    bool Clean() const { return status == kLibraryLoaded; }
    // The most commas any entry's name holds.
    qsizetype mostCommas = 0;
    // The start-up message of a load that was not clean, with the file read.
    QString Problem() const;
};

// Reads the file; never throws. A missing or unreadable file leaves the
// library empty.
LoadedLibrary LoadLibrary(const QString &fileName);

} // namespace pheltra
