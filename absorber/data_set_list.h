// DataSets: the program's six data sets, one per curve of the graph. They are
// created at start-up, before any window, and live to the end of the run;
// position i (0-based here) is the graph's series i + 1 and carries the key
// "1:" to "6:". A new list, and a list after Reset (File, New), holds six
// cleared data sets in the default colours black, blue, green, teal, purple
// and red.
#pragma once

#include "absorber/data_set.h"

#include <array>

class DataSets
{
public:
    static constexpr int kCount = 6;

    DataSets() { Reset(); }

    // Clears all six and gives each its default colour by position.
    void Reset();

    TCmpDataSet &operator[](int index) { return sets_.at(static_cast<std::size_t>(index)); }
    const TCmpDataSet &operator[](int index) const { return sets_.at(static_cast<std::size_t>(index)); }
    static constexpr int Count() { return kCount; }
    auto begin() { return sets_.begin(); }
    auto end() { return sets_.end(); }
    auto begin() const { return sets_.begin(); }
    auto end() const { return sets_.end(); }

    // "1:" for index 0 up to "6:" for index 5.
    static QString Key(int index);
    // The colour a data set at index gets on creation and on Reset.
    static LineColorValue DefaultLineColor(int index);

    // Whether at least one data set has an absorber.
    bool AnyInUse() const;

    friend bool operator==(const DataSets &, const DataSets &) = default;

private:
    std::array<TCmpDataSet, kCount> sets_;
};
