#include "absorber/compound_library.h"

#include <QLocale>

#include <algorithm>
#include <cstdint>
#include <numeric>

CompoundLibrary::CompoundLibrary() : collator_(QLocale())
{
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

int CompoundLibrary::IndexOf(const QString &name) const
{
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (SameName(entries_[i].name, name))
            return static_cast<int>(i);
    }
    return -1;
}

void CompoundLibrary::Append(QString name, const TCompound &compound, bool user)
{
    if (user)
        userNames_.insert(name.toCaseFolded());
    entries_.push_back(Entry{std::move(name), compound});
}

void CompoundLibrary::RemoveAt(int index)
{
    const auto position = entries_.begin() + index;
    userNames_.remove(position->name.toCaseFolded());
    entries_.erase(position);
}

bool CompoundLibrary::IsUser(int index) const
{
    return !userNames_.isEmpty() && userNames_.contains(Name(index).toCaseFolded());
}

void CompoundLibrary::Sort()
{
    // Sorted as positions, then the entries moved into place along the
    // cycles of the permutation: a large library is never held twice.
    std::vector<std::uint32_t> order(entries_.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [this](std::uint32_t a, std::uint32_t b) {
        return collator_.compare(entries_[a].name, entries_[b].name) < 0;
    });
    for (std::size_t start = 0; start < order.size(); ++start) {
        if (order[start] == start)
            continue;
        // Position start takes the entry from order[start], that one from
        // its own source, and so on until the cycle closes.
        Entry held = std::move(entries_[start]);
        std::size_t to = start;
        for (std::size_t from = order[to]; from != start; from = order[to]) {
            entries_[to] = std::move(entries_[from]);
            order[to] = static_cast<std::uint32_t>(to);
            to = from;
        }
        entries_[to] = std::move(held);
        order[to] = static_cast<std::uint32_t>(to);
    }
}
