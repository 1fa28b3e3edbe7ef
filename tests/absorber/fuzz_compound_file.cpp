// Random bytes as the compound library file: the loader must neither crash
// nor leak, and whatever it accepts must hold the record's invariants.
#include "absorber/compound_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static CompoundLibrary library;
    const LibraryStatus status = LoadCompoundLibraryFromBytes(
        QByteArrayView(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)), library);
    if (status < 0)
        std::abort();
    for (const auto &[name, compound] : library.Entries()) {
        if (name.isEmpty() || compound.Formula.str().size() > 2 * ShortText::kCapacity)
            std::abort();
        for (int i = 0; i < TCompound::kSlotCount; ++i) {
            const bool empty = compound.Z[i] == -1 && compound.Weight[i] == -1.0f;
            const bool used =
                compound.Z[i] >= 0 && compound.Z[i] <= TCompound::kMaxAtomicNumber && compound.Weight[i] >= 0.0f;
            if (!empty && !used)
                std::abort();
        }
        (void)compound.ElectronsPerGram();
        if (library.IndexOf(name) < 0)
            std::abort();
    }
    return 0;
}
