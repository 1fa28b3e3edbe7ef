// The user's own library of materials, UserMix.dat, in the format of
// CmpMix.dat, kept in Pheltra's application-data folder (on Linux
// ~/.local/share/Pheltra). It is read after CmpMix.dat and its entries join
// the compound library marked as the user's; CmpMix.dat itself is never
// written. The window, pheltra-cli and the Python module all read it here.
#pragma once

#include "absorber/compound.h"
#include "absorber/compound_file.h"
#include "absorber/compound_library.h"
#include "absorber/material/loaded_library.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace pheltra {

inline constexpr char kUserLibraryFileName[] = "UserMix.dat";

// UserMix.dat in the application-data folder (the same for the window and
// the batch tool, whatever the program's name).
QString UserLibraryFile();

struct UserLibraryLoad
{
    LibraryStatus status = kLibraryNotFound;
    // Entries left out because the library already held their name.
    QStringList refused;
};

// Reads `fileName` and adds its entries, marked as the user's, to `library`
// (already holding CmpMix.dat), then sorts it. A missing file adds nothing
// and is no fault; a faulty line keeps the entries before it, as a faulty
// CmpMix.dat does; an entry whose name the library holds already is left out.
UserLibraryLoad MergeUserLibrary(const QString &fileName, CompoundLibrary &library);

// The same for a library as a front end read it (the batch tool, the Python
// module): merged, with the longest comma run of the names kept up to date.
// Answers what UserLibraryMessage says, empty when all went well; the front
// end warns with it and goes on.
QString AddUserLibrary(LoadedLibrary &loaded, const QString &fileName);

// What the start-up says about the user library, or nothing when it was
// read without fault or does not exist: "Error in reading line # 3 of file
// UserMix.dat", "File UserMix.dat could not be read!", "UserMix.dat: 'Water'
// left out, the library holds that name already".
QString UserLibraryMessage(const UserLibraryLoad &load);

// The user's entries of `library` as the text of UserMix.dat: a title line,
// a comment, then one CR LF-ended data line per entry.
QByteArray UserLibraryText(const CompoundLibrary &library);

// One data line of the library format (without its line end), numbers in
// shortest round-trip form with "." as decimal point; empty slots are left
// out.
QByteArray CompoundDataLine(const QString &name, const TCompound &compound);

// The name of a user material, checked: not empty, no ";" (the field
// separator), no control character, at most 255 characters. Answers the
// trimmed name; throws InputError (Field::Absorber).
QString CheckedMaterialName(const QString &name);

// A record from element symbols and mass fractions, "Pb 0.96, Sb 0.04"
// (pairs separated by commas, semicolons or line ends; symbol and number by
// blanks, ":" or "="; "." as decimal point), elements in ascending Z, with
// the density (g/cm3). The fractions are checked as WeightsCompound checks
// them. Throws InputError (Field::Weights) for an unknown symbol, an element
// given twice or a pair that is none.
TCompound FractionsCompound(const QString &text, float density);

// The record of a user material: from a formula (the formula parser) or from
// fractions, with its density (checked as CheckedDensity does) and the
// source text "user library". Throws InputError.
enum class UserMaterialKind { kFormula, kFractions };
TCompound UserMaterialCompound(UserMaterialKind kind, const QString &text, double density);

} // namespace pheltra
