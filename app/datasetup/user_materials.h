// The user's materials as the window changes them: adding, replacing and
// deleting entries of the user library. Every change is written to
// UserMix.dat whole (atomically) before the compound library takes it, so
// the file and the list the user sees never differ; CmpMix.dat is never
// written.
#pragma once

#include "absorber/compound.h"
#include "absorber/compound_library.h"

#include <QString>

class TUserMaterials
{
public:
    // `library` is the program's compound library, CmpMix.dat and the user
    // library merged; `fileName` the user library file.
    TUserMaterials(CompoundLibrary &library, QString fileName);

    const CompoundLibrary &Library() const { return library_; }
    const QString &FileName() const { return fileName_; }

    // Each answers an empty text when done, else one line saying why not;
    // then nothing changed, in the file or in the library.
    // A name the library holds already (ignoring case) is refused.
    QString Add(const QString &name, const TCompound &compound);
    // The user entry `name` takes a new record.
    QString Replace(const QString &name, const TCompound &compound);
    QString Remove(const QString &name);

private:
    // Writes `changed` and, once it is written, makes it the library.
    QString Keep(CompoundLibrary changed);

    CompoundLibrary &library_;
    QString fileName_;
};
