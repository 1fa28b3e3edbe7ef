// Random bytes as a set-up file: the reader must refuse or read, never crash
// or leak, and what it reads must be six data sets the library can compute.
#include "absorber/setup_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const CompoundLibrary library = [] {
        CompoundLibrary l;
        TCompound lead;
        lead.Clear();
        lead.Z[0] = 82;
        lead.Weight[0] = 1.0f;
        lead.Density = 11.35f;
        l.Append(QStringLiteral("Lead"), lead);
        return l;
    }();
    try {
        const pheltra::SavedSetup setup = pheltra::ReadSetup(
            QByteArrayView(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)), library);
        if (!(setup.rangeMin > 0) || !(setup.rangeMax > setup.rangeMin))
            std::abort();
        for (const TCmpDataSet &set : setup.sets) {
            for (int slot = 0; slot < set.AbsorberCount(); ++slot) {
                if (library.IndexOf(set.AbsorberName[static_cast<std::size_t>(slot)]) < 0)
                    std::abort();
            }
            (void)set.CoefficientAt(100.0);
        }
    } catch (const pheltra::SetupError &) { }
    return 0;
}
