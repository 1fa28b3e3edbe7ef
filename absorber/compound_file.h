// Reading the compound library file CmpMix.dat.
//
// Line 1 is a title and is ignored. Every further line is a data line,
// numbered from 1 (blank and comment lines count too):
//   name; formula; second name; text; source; number; text; density;
//   Z1; weight1; Z2; weight2; ... up to 14 pairs
// A line whose name is empty (a blank line, or one that starts with ";") is
// skipped. A line is faulty when its first pair is no valid pair, when a
// later pair holds something other than two numbers (both fields empty is no
// pair at all), when any pair names an atomic number above 99, when it holds
// more than 14 pairs, when its density is neither empty nor a number (a
// number above 0 must lie within TCompound's density bounds), or when it
// ends in another kind of line end than the title line. The optional number
// of field 6 is repaired to its empty value when invalid; negative numbers in
// a pair leave its slot empty.
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

// What a load came to: its status, why a line or the file was refused, and
// what loaded but deserves a word (entries without an element, names given
// more than once), which never refuses the file.
struct LibraryLoad
{
    LibraryStatus status = kLibraryLoaded;
    QString reason;  // for a faulty line or an unreadable file; may be empty
    QString warning; // empty when there is nothing to say
};

// Reads the file into library, replacing what it held, and sorts it. After a
// faulty line the entries before it stay, sorted. When the file is missing or
// unreadable (a file too large for the memory there is included) the library
// is left empty: it is read whole before any line is taken, so it is never
// half-read.
LibraryLoad ReadCompoundLibrary(const QString &fileName, CompoundLibrary &library);
// The same for file contents already in memory.
LibraryLoad ReadCompoundLibraryBytes(QByteArrayView data, CompoundLibrary &library);

// The status alone, where nothing more is shown.
inline LibraryStatus LoadCompoundLibrary(const QString &fileName, CompoundLibrary &library)
{
    return ReadCompoundLibrary(fileName, library).status;
}
inline LibraryStatus LoadCompoundLibraryFromBytes(QByteArrayView data, CompoundLibrary &library)
{
    return ReadCompoundLibraryBytes(data, library).status;
}

// The start-up message for a status: empty when the library loaded without
// fault, otherwise the text the splash window shows. Every caller words the
// outcome of a load through these functions.
QString LibraryStatusMessage(LibraryStatus status);
// The message with its reason ("Error in reading line # 4 of file
// CmpMix.dat: density 2,5 is not a number"), or for a clean load the
// warning, if any; empty when there is nothing to say.
QString LibraryLoadMessage(const LibraryLoad &load);

// One data line, parsed on its own.
struct DataLine
{
    enum class Kind { Skipped, Entry, Faulty };
    Kind kind = Kind::Skipped;
    QString name;
    TCompound compound; // filled when kind is Entry
    QString fault;      // why, when kind is Faulty
};
DataLine ParseDataLine(QByteArrayView line);
