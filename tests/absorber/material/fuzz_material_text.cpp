// Random bytes as a material description: a list of library entries with
// weights, a formula with a weight, a type and a source name. Nothing may
// crash or hang; a refusal is an InputError with a message, and whatever is
// accepted names an entry of the library with a weight the dialog takes.
#include "absorber/coefficient_types.h"
#include "absorber/material/absorber_choice.h"
#include "absorber/material/input_error.h"
#include "absorber/material/material_parts.h"
#include "absorber/material/source_and_type.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

const pheltra::LoadedLibrary &Library()
{
    static const pheltra::LoadedLibrary library = [] {
        pheltra::LoadedLibrary loaded;
        loaded.status = kLibraryLoaded;
        TCompound lead;
        lead.Z[0] = 82;
        lead.Weight[0] = 1.0f;
        for (const char *name : {"Lead", "Bone, Cortical (ICRP)", "A, B, C", "x:1"})
            loaded.library.Append(QString::fromLatin1(name), lead);
        loaded.mostCommas = 2;
        return loaded;
    }();
    return library;
}

template<typename Call>
void Refusable(Call call)
{
    try {
        call();
    } catch (const pheltra::InputError &error) {
        if (error.message.isEmpty())
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    Refusable([&] {
        for (const pheltra::AbsorberChoice &choice : pheltra::ParseAbsorberList(text, Library())) {
            if (Library().library.IndexOf(choice.name) < 0 || !TCmpDataSet::IsValidRelWeight(choice.weight))
                std::abort();
        }
    });
    Refusable([&] { (void)pheltra::FormulaPart(text); });
    Refusable([&] {
        if (!IsValidCoeffType(pheltra::ParseCoeffType(text)))
            std::abort();
    });
    Refusable([&] { (void)pheltra::ParseSource(text); });
    return 0;
}
