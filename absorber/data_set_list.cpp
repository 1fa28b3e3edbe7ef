#include "absorber/data_set_list.h"

#include <algorithm>

namespace {

constexpr std::array<LineColorValue, DataSets::kCount> kDefaultLineColors{
    RgbColor(0, 0, 0),     // black
    RgbColor(0, 0, 255),   // blue
    RgbColor(0, 128, 0),   // green
    RgbColor(0, 128, 128), // teal
    RgbColor(128, 0, 128), // purple
    RgbColor(255, 0, 0),   // red
};

} // namespace

void DataSets::Reset()
{
    for (int index = 0; index < kCount; ++index) {
        TCmpDataSet &set = (*this)[index];
        set.Clear();
        set.LineColor = DefaultLineColor(index);
    }
}

QString DataSets::Key(int index)
{
    return QString::number(index + 1) + QLatin1Char(':');
}

LineColorValue DataSets::DefaultLineColor(int index)
{
    return kDefaultLineColors.at(static_cast<std::size_t>(index));
}

bool DataSets::AnyInUse() const
{
    return std::any_of(sets_.begin(), sets_.end(), [](const TCmpDataSet &set) { return set.InUse(); });
}
