#include "absorber/compound_library.h"

#include <QLocale>

#include <algorithm>
#include <numeric>

namespace {

constexpr std::int32_t kEmptyZ = -1;
constexpr float kEmptyWeight = -1.0f;

bool IsEmptySlot(std::int32_t z, float weight)
{
    return z == kEmptyZ && weight == kEmptyWeight;
}

} // namespace

CompoundLibrary::CompoundLibrary() : collator_(QLocale())
{
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

QStringView CompoundLibrary::NameView(int index) const
{
    const Record &record = records_.at(static_cast<std::size_t>(index));
    return QStringView(texts_.data() + record.textStart, record.nameLength);
}

TCompound CompoundLibrary::Compound(int index) const
{
    const Record &record = records_.at(static_cast<std::size_t>(index));
    TCompound compound;
    compound.Clear();
    const char16_t *text = texts_.data() + record.textStart + record.nameLength;
    const auto next = [&text, &record](std::size_t i) {
        const QStringView view(text, record.textLengths[i]);
        text += record.textLengths[i];
        return view.toString();
    };
    compound.Formula = next(0);
    compound.SecondName = next(1);
    compound.ExtraText1 = next(2);
    compound.Source = next(3);
    compound.ExtraText2 = next(4);
    compound.ExtraValue = record.extraValue;
    compound.Density = record.density;
    for (std::size_t i = 0; i < record.slotCount; ++i) {
        compound.Z[i] = slots_[record.slotStart + i].z;
        compound.Weight[i] = slots_[record.slotStart + i].weight;
    }
    return compound;
}

int CompoundLibrary::IndexOf(QStringView name) const
{
    for (int i = 0; i < Count(); ++i) {
        if (SameName(NameView(i), name))
            return i;
    }
    return -1;
}

void CompoundLibrary::Append(QStringView name, const TCompound &compound, bool user)
{
    if (user)
        userNames_.insert(name.toString().toCaseFolded());
    Record record;
    record.textStart = texts_.size();
    record.nameLength = static_cast<std::uint32_t>(name.size());
    const auto add = [this](QStringView text) {
        texts_.insert(texts_.end(), text.utf16(), text.utf16() + text.size());
    };
    add(name);
    const std::array<const QString *, kTextCount> texts = {&compound.Formula.str(), &compound.SecondName.str(),
                                                           &compound.ExtraText1.str(), &compound.Source.str(),
                                                           &compound.ExtraText2.str()};
    for (std::size_t i = 0; i < kTextCount; ++i) {
        record.textLengths[i] = static_cast<std::uint16_t>(texts[i]->size());
        add(*texts[i]);
    }
    record.extraValue = compound.ExtraValue;
    record.density = compound.Density;
    std::size_t used = compound.Z.size();
    while (used > 0 && IsEmptySlot(compound.Z[used - 1], compound.Weight[used - 1]))
        --used;
    record.slotStart = slots_.size();
    record.slotCount = static_cast<std::uint8_t>(used);
    for (std::size_t i = 0; i < used; ++i)
        slots_.push_back(Slot{compound.Z[i], compound.Weight[i]});
    records_.push_back(record);
}

void CompoundLibrary::Reserve(std::size_t count, std::size_t textUnits, std::size_t slotCount)
{
    records_.reserve(count);
    texts_.reserve(textUnits);
    slots_.reserve(slotCount);
}

void CompoundLibrary::Clear()
{
    records_ = {};
    texts_ = {};
    slots_ = {};
    userNames_.clear();
}

void CompoundLibrary::RemoveAt(int index)
{
    userNames_.remove(Name(index).toCaseFolded());
    records_.erase(records_.begin() + index);
}

bool CompoundLibrary::IsUser(int index) const
{
    return !userNames_.isEmpty() && userNames_.contains(Name(index).toCaseFolded());
}

void CompoundLibrary::Sort()
{
    // Sorted as positions, then the records moved into place along the
    // cycles of the permutation: a large library is never held twice. The
    // pools stay as they are; records point into them.
    std::vector<std::uint32_t> order(records_.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [this](std::uint32_t a, std::uint32_t b) {
        return collator_.compare(NameView(static_cast<int>(a)), NameView(static_cast<int>(b))) < 0;
    });
    for (std::size_t start = 0; start < order.size(); ++start) {
        if (order[start] == start)
            continue;
        // Position start takes the record from order[start], that one from
        // its own source, and so on until the cycle closes.
        const Record held = records_[start];
        std::size_t to = start;
        for (std::size_t from = order[to]; from != start; from = order[to]) {
            records_[to] = records_[from];
            order[to] = static_cast<std::uint32_t>(to);
            to = from;
        }
        records_[to] = held;
        order[to] = static_cast<std::uint32_t>(to);
    }
}
