#include "absorber/compound_library.h"

#include <QLocale>

#include <algorithm>

CompoundLibrary::CompoundLibrary() : collator_(QLocale())
{
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

int CompoundLibrary::IndexOf(const QString &name) const
{
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (collator_.compare(entries_[i].name, name) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

void CompoundLibrary::Append(QString name, const TCompound &compound)
{
    entries_.push_back(Entry{std::move(name), compound});
}

void CompoundLibrary::Sort()
{
    std::stable_sort(entries_.begin(), entries_.end(),
                     [this](const Entry &a, const Entry &b) { return collator_.compare(a.name, b.name) < 0; });
}
