// Data sets built from the command line: absorbers named as NAME or
// NAME:WEIGHT and looked up as the program's selection dialog does, the data
// source as a letter or its list text, and the coefficient type by name.
#pragma once

#include "absorber/compound_file.h"
#include "absorber/data_set.h"

#include <QList>
#include <QString>

// The compound library as the tool read it.
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

struct AbsorberChoice
{
    QString name; // the library's own spelling
    long double weight = 1.0L;
};

// NAME or NAME:WEIGHT. The whole text is tried as a name first, so a name
// that holds a colon still works without a weight. The weight must lie
// between TCmpDataSet::kMinRelWeight (1e-100) and kMaxRelWeight (100000000),
// as in the selection dialog.
AbsorberChoice ParseAbsorber(const QString &text, const LoadedLibrary &library);

// A comma-separated list of NAME[:WEIGHT]. Library names hold commas
// themselves ("Bone, Cortical (ICRP)"), so neighbouring pieces are joined,
// longest first, until they name an entry. Throws at the first name beyond
// room (the slots the data set has left), before reading on.
QList<AbsorberChoice> ParseAbsorberList(const QString &text, const LoadedLibrary &library,
                                        qsizetype room = TCmpDataSet::kAbsorberSlots);

// "H", "B" (any case) or the source's whole list text.
int ParseSource(const QString &text);
// One of the fifteen coefficient type names, any case.
int ParseCoeffType(const QString &text);
// Throws, listing what the source offers, when it does not offer the type.
void CheckTypeOffered(int source, int type);

// Fills set: up to six absorbers, source, type and legend, then its
// composition. Throws when there are more than six absorbers.
void FillDataSet(TCmpDataSet &set, const QList<AbsorberChoice> &absorbers, int source, int type, const QString &legend,
                 const LoadedLibrary &library);
