// A set-up: what the user built in the window, kept in a small JSON file
// (".pheltra") — the six data sets (absorbers by name with their relative
// weights, data source, coefficient type, line colour, width and pattern,
// legend), the plot range, the legend position and the graph title. Reading
// one checks everything against the compound library before anything is
// taken, so a set-up that cannot be used changes nothing. No widget is
// involved: the window and pheltra-cli read set-ups alike.
#pragma once

#include "absorber/compound_library.h"
#include "absorber/data_set_list.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace pheltra {

inline constexpr char kSetupSuffix[] = "pheltra";
// The version this program writes; it reads this one and the earlier ones.
inline constexpr int kSetupVersion = 1;
// The largest set-up file read; a set-up of six full data sets has some 3 kB.
inline constexpr qsizetype kMaxSetupFileSize = qsizetype{1} * 1024 * 1024;

enum class LegendPlacement { kTop, kBottom, kNorthEast, kSouthWest, kNone };

struct SavedSetup
{
    // Composition and derived values recomputed from the library on reading.
    DataSets sets;
    double rangeMin = 1.0;
    double rangeMax = 50000.0;
    LegendPlacement legend = LegendPlacement::kNorthEast;
    QString title; // graph markup
    bool titleShown = false;
};

// Why a set-up cannot be read, in one line: "not a Pheltra set-up (no
// \"format\": \"pheltra-setup\")", "data set 2 names 'Leed', which the
// library does not hold".
struct SetupError
{
    QString message;
};

QByteArray SetupJson(const SavedSetup &setup);

// The set-up in `bytes`, its absorbers spelt as the library spells them and
// every data set's composition computed. Throws SetupError.
SavedSetup ReadSetup(QByteArrayView bytes, const CompoundLibrary &library);

// The same from a file, read whole (a regular file of at most
// kMaxSetupFileSize bytes). Throws SetupError naming the file's trouble.
SavedSetup ReadSetupFile(const QString &fileName, const CompoundLibrary &library);

} // namespace pheltra
