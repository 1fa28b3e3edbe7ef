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
    // Why a line was faulty or the file unreadable; what loaded but deserves
    // a word (see LibraryLoad).
    QString reason{};
    QString warning{};

    bool Clean() const { return status == kLibraryLoaded; }
    // The most commas any entry's name holds.
    qsizetype mostCommas = 0;
    // The start-up message of a load that was not clean, with its reason and
    // the file read.
    QString Problem() const;
    // The message of the load as the start-up window words it, with its
    // reason, or for a clean load its warning; empty for a clean load
    // without one.
    QString Message() const;
};

// Reads the file; never throws. A missing or unreadable file leaves the
// library empty.
LoadedLibrary LoadLibrary(const QString &fileName);

} // namespace pheltra
