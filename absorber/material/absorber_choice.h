// Library entries named as a user names them: NAME or NAME:WEIGHT, found
// ignoring case as the program's selection dialog finds them, alone or as a
// comma-separated list, and the data set they make with a source and a type.
// Refusals throw InputError (Field::Absorber, Field::Weight, Field::Type).
#pragma once

#include "absorber/data_set.h"
#include "absorber/material/loaded_library.h"

#include <QList>
#include <QString>

namespace pheltra {

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

// Fills set: up to six absorbers, source, type and legend, then its
// composition. Throws when there are more than six absorbers or the source
// does not offer the type.
void FillDataSet(TCmpDataSet &set, const QList<AbsorberChoice> &absorbers, int source, int type, const QString &legend,
                 const LoadedLibrary &library);

} // namespace pheltra
