// Finding an absorber in the compound library by what a user types: a piece
// of its name, second name or formula, in any case and with or without
// accents ("rontgen" finds "Röntgen"). Each entry also carries its group, so
// that a list can say what kind of entry it is.
#pragma once

#include "absorber/compound_library.h"

#include <QString>

#include <vector>

namespace pheltra {

// Where an entry comes from. The shipped CmpMix.dat holds three sections,
// told apart by each entry's source text: the pure elements, NIST's
// materials of its attenuation tables (SRD 126, Table 2) and the further
// NIST compositions of its ESTAR/XCOM lists; entries of the user's library
// are the user's. An entry of a hand-made CmpMix.dat that fits none of the
// three is a plain library entry.
enum class AbsorberGroup { kElement, kNistTable, kEstarXcom, kUser, kLibrary };

AbsorberGroup GroupOf(const CompoundLibrary &library, int index);
// "element", "NIST table", "ESTAR/XCOM list", "user", "library".
QString GroupName(AbsorberGroup group);

// The form in which texts are compared: accents taken off (canonical
// decomposition, combining marks dropped), then Unicode case folding.
QString SearchFolded(const QString &text);

// The library made searchable once: each entry's folded name, second name
// and formula, and its group.
class AbsorberIndex
{
public:
    explicit AbsorberIndex(const CompoundLibrary &library);

    // Positions (in library order) of the entries whose name, second name or
    // formula holds `query` anywhere, after folding both; every position for
    // an empty or blank query.
    std::vector<int> Matches(const QString &query) const;
    // Of the positions `found` (as Matches gave them for `query`), the one a
    // user typing `query` most likely means: the entry named so, else the
    // first whose name begins with it; -1 when none does.
    int BestMatch(const QString &query, const std::vector<int> &found) const;
    AbsorberGroup Group(int index) const { return groups_.at(static_cast<std::size_t>(index)); }
    int Count() const { return static_cast<int>(groups_.size()); }

private:
    // The three folded texts of an entry, joined by a character no query
    // holds, so that one search covers them without matching across.
    std::vector<QString> keys_;
    std::vector<AbsorberGroup> groups_;
};

} // namespace pheltra
