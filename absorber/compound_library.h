// CompoundLibrary: the list of (name, TCompound) entries the program offers as
// absorbers, sorted by name. The order follows the user locale's collation,
// ignoring case; a lookup matches names by Unicode case folding, the same in
// every locale (under a Turkish locale "SILICON" still finds "Silicon").
// Duplicate names are kept; a lookup finds the first.
#pragma once

#include "absorber/compound.h"

#include <QCollator>
#include <QSet>
#include <QString>

#include <vector>

class CompoundLibrary
{
public:
    struct Entry
    {
        QString name;
        TCompound compound;
    };

    // Sorts with the collation of the default QLocale, the user's locale.
    CompoundLibrary();

    int Count() const { return static_cast<int>(entries_.size()); }
    bool IsEmpty() const { return entries_.empty(); }
    // Positions are 0-based, in sorted order once Sort() has run.
    const QString &Name(int index) const { return entries_.at(static_cast<std::size_t>(index)).name; }
    const TCompound &Compound(int index) const { return entries_.at(static_cast<std::size_t>(index)).compound; }
    const std::vector<Entry> &Entries() const { return entries_; }

    // Position of the first entry whose name equals name after Unicode case
    // folding, or -1.
    int IndexOf(const QString &name) const;

    // `user`: the entry comes from the user's own library, not CmpMix.dat;
    // its name is one no other entry has.
    void Append(QString name, const TCompound &compound, bool user = false);
    // Removes the entry at index (0-based); the order of the others stays.
    void RemoveAt(int index);
    bool IsUser(int index) const;
    // Room for count entries, so that appending them never copies the list.
    void Reserve(std::size_t count) { entries_.reserve(count); }
    void Clear() { entries_.clear(); }
    // Ascending by name; entries with names that compare equal keep their
    // order of appending.
    void Sort();

    // The name comparison the library sorts with: < 0, 0, > 0.
    int CompareNames(const QString &a, const QString &b) const { return collator_.compare(a, b); }
    // The one lookups use: equal after Unicode case folding, whatever the
    // locale.
    static bool SameName(const QString &a, const QString &b)
    {
        return QString::compare(a, b, Qt::CaseInsensitive) == 0;
    }

private:
    QCollator collator_;
    std::vector<Entry> entries_;
    // The case-folded names of the user's entries.
    QSet<QString> userNames_;
};
