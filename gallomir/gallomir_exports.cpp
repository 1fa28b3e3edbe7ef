// The five exports of libgallomir.so. Only these carry default visibility;
// everything else in the library stays hidden.
#include "gallomir/gallomir.h"

#include "gallomir/element_table.h"

namespace {

constexpr double kInvalid = -1.0;
constexpr const char *kNoText = "";

} // namespace

extern "C" {

double GetAtomicWeight(int32_t Z)
{
    const auto *element = gallomir::FindElement(Z);
    return element ? element->atomicWeight : kInvalid;
}

const char *GetElementSymbol(int32_t Z)
{
    const auto *element = gallomir::FindElement(Z);
    return element ? element->symbol : kNoText;
}

const char *GetElementName(int32_t Z)
{
    const auto *element = gallomir::FindElement(Z);
    return element ? element->name : kNoText;
}

double GetExcitationPot(int32_t Z)
{
    const auto *element = gallomir::FindElement(Z);
    return element ? element->excitationPotential : kInvalid;
}

double GetElementDensity(int32_t Z)
{
    const auto *element = gallomir::FindElement(Z);
    return element ? element->density : kInvalid;
}

} // extern "C"
