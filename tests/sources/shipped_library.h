// The shipped compound library, loaded once for the tests of the sources
// code: air, aluminium, copper and water come from it.
#pragma once

#include "absorber/compound_file.h"
#include "absorber/compound_library.h"

inline const CompoundLibrary &ShippedLibrary()
{
    static const CompoundLibrary library = [] {
        CompoundLibrary loaded;
        LoadCompoundLibrary(QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat"), loaded);
        return loaded;
    }();
    return library;
}
