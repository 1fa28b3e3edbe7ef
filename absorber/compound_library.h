// CompoundLibrary: the list of (name, TCompound) entries the program offers as
// absorbers, sorted by name. The order follows the user locale's collation,
// ignoring case; a lookup matches names by Unicode case folding, the same in
// every locale (under a Turkish locale "SILICON" still finds "Silicon").
// Duplicate names are kept; a lookup finds the first.
//
// A library file of 64 MB holds some five million short entries, so an entry
// is kept compact: its texts side by side in one pool of characters, its
// constituents up to the last one in use in another, and a small record of
// positions and numbers. Name() and Compound() build the values on request.
#pragma once

#include "absorber/compound.h"

#include <QCollator>
#include <QSet>
#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
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

    int Count() const { return static_cast<int>(records_.size()); }
    bool IsEmpty() const { return records_.empty(); }
    // Positions are 0-based, in sorted order once Sort() has run.
    QString Name(int index) const { return NameView(index).toString(); }
    QStringView NameView(int index) const;
    TCompound Compound(int index) const;
    Entry At(int index) const { return Entry{Name(index), Compound(index)}; }

    // The entries in order, each built when it is reached.
    class Iterator
    {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = Entry;
        using difference_type = std::ptrdiff_t;
        Iterator(const CompoundLibrary *library, int index) : library_(library), index_(index) { }
        Entry operator*() const { return library_->At(index_); }
        Iterator &operator++()
        {
            ++index_;
            return *this;
        }
        bool operator==(const Iterator &other) const { return index_ == other.index_; }

    private:
        const CompoundLibrary *library_;
        int index_;
    };
    struct Range
    {
        Iterator first;
        Iterator last;
        Iterator begin() const { return first; }
        Iterator end() const { return last; }
    };
    Range Entries() const { return Range{Iterator(this, 0), Iterator(this, Count())}; }

    // Position of the first entry whose name equals name after Unicode case
    // folding, or -1.
    int IndexOf(QStringView name) const;
    int IndexOf(const QString &name) const { return IndexOf(QStringView(name)); }

    // `user`: the entry comes from the user's own library, not CmpMix.dat;
    // its name is one no other entry has.
    void Append(QStringView name, const TCompound &compound, bool user = false);
    // Removes the entry at index (0-based); the order of the others stays.
    // Its texts stay in the pools until Clear().
    void RemoveAt(int index);
    bool IsUser(int index) const;
    // Room for count entries holding textUnits UTF-16 units of text and
    // slots constituents in all, so that appending them never copies what
    // is held. Reserved room that is never filled takes address space only.
    void Reserve(std::size_t count, std::size_t textUnits = 0, std::size_t slotCount = 0);
    // Empties the library and gives its memory back.
    void Clear();
    // Ascending by name; entries with names that compare equal keep their
    // order of appending.
    void Sort();

    // The name comparison the library sorts with: < 0, 0, > 0.
    int CompareNames(QStringView a, QStringView b) const { return collator_.compare(a, b); }
    // The one lookups use: equal after Unicode case folding, whatever the
    // locale.
    static bool SameName(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

private:
    // The texts of a record after its name, in the order of the pool.
    static constexpr std::size_t kTextCount = 5;
    struct Record
    {
        std::uint64_t textStart = 0; // the name, then the texts, in texts_
        std::uint32_t nameLength = 0;
        std::array<std::uint16_t, kTextCount> textLengths{}; // at most 255 characters each
        float extraValue = 0.0f;
        float density = 0.0f;
        std::uint64_t slotStart = 0; // in slots_
        std::uint8_t slotCount = 0;  // up to the last slot that differs from an empty one
    };
    struct Slot
    {
        std::int32_t z;
        float weight;
    };

    QCollator collator_;
    std::vector<Record> records_;
    std::vector<char16_t> texts_;
    std::vector<Slot> slots_;
    // The case-folded names of the user's entries.
    QSet<QString> userNames_;
};
