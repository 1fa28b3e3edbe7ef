// Reading the compound library file CmpMix.dat.
//
// Line 1 is a title and is ignored. Every further line is a data line,
// numbered from 1 (blank and comment lines count too):
//   name; formula; second name; text; source; number; text; density;
//   Z1; weight1; Z2; weight2; ... up to 14 pairs
// A line whose name is empty (a blank line, or one that starts with ";") is
// skipped. A line is faulty when its first pair is no valid pair, when a
// later pair holds something other than two numbers (both fields empty is no
// pair at all), when any pair names an atomic number above 99, or when it
// ends in another kind of line end than the title line. Invalid optional
// numbers are repaired to their empty values; negative numbers in a pair
// leave its slot empty.
#pragma once

#include "absorber/compound.h"
#include "absorber/compound_library.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>

inline constexpr char kCompoundLibraryFileName[] = "CmpMix.dat";

// Outcome of a load: 0 loaded without fault (an empty file too); N > 0 the
// load stopped at the faulty data line N; kLibraryNotFound when the file does
// not exist; kLibraryUnreadable when it exists but cannot be opened or read.
using LibraryStatus = std::int32_t;
inline constexpr LibraryStatus kLibraryLoaded = 0;
inline constexpr LibraryStatus kLibraryNotFound = -1;
inline constexpr LibraryStatus kLibraryUnreadable = -2;

// The largest library file read; the shipped one has some 30 kB, a file of a
// million entries some 50 MB. A larger file, or one that is no regular file
// (a named pipe, a device), counts as unreadable.
inline constexpr qsizetype kMaxLibraryFileSize = qsizetype{64} * 1024 * 1024;

// Reads the file into library, replacing what it held, and sorts it. After a
// faulty line the entries before it stay, sorted. When the file is missing or
// unreadable the library is left empty: it is read whole before any line is
// taken, so it is never half-read.
LibraryStatus LoadCompoundLibrary(const QString &fileName, CompoundLibrary &library);

// The same for file contents already in memory.
LibraryStatus LoadCompoundLibraryFromBytes(QByteArrayView data, CompoundLibrary &library);

// The start-up message for a status: empty when the library loaded without
// fault, otherwise the text the splash window shows. Every caller words the
// outcome of a load through this one function.
QString LibraryStatusMessage(LibraryStatus status);

// One data line, parsed on its own.
struct DataLine
{
    enum class Kind { Skipped, Entry, Faulty };
    Kind kind = Kind::Skipped;
    QString name;
    TCompound compound; // filled when kind is Entry
};
DataLine ParseDataLine(QByteArrayView line);
