#include "absorber/compound.h"

#include "gallomir/gallomir.h"

void TCompound::Clear()
{
    Formula.clear();
    SecondName.clear();
    ExtraText1.clear();
    Source.clear();
    ExtraValue = -1.0f;
    ExtraText2.clear();
    Density = -1.0f;
    Z.fill(-1);
    Weight.fill(-1.0f);
}

int TCompound::ConstituentCount() const
{
    // An atomic number above 99 cannot come from the library file; a record
    // filled by code that carries one ends the list there rather than asking
    // Gallomir for an element it does not have.
    int count = 0;
    while (count < kSlotCount && Z[count] >= 1 && Z[count] <= kMaxAtomicNumber)
        ++count;
    return count;
}

long double TCompound::ElectronsPerGram() const
{
    long double sum = 0.0L;
    for (int i = 0; i < ConstituentCount(); ++i)
        sum += static_cast<long double>(Z[i]) * Weight[i] / GetAtomicWeight(Z[i]);
    return sum / kAtomicMassUnit;
}
