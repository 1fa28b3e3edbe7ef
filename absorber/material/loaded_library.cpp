#include "absorber/material/loaded_library.h"

#include <algorithm>

namespace pheltra {

QString LoadedLibrary::Problem() const
{
    return QStringLiteral("%1 [%2]").arg(LibraryStatusMessage(status), fileName);
}

LoadedLibrary LoadLibrary(const QString &fileName)
{
    LoadedLibrary loaded;
    loaded.fileName = fileName;
    loaded.status = LoadCompoundLibrary(fileName, loaded.library);
    for (const CompoundLibrary::Entry &entry : loaded.library.Entries())
        loaded.mostCommas = std::max(loaded.mostCommas, entry.name.count(QLatin1Char(',')));
    return loaded;
}

} // namespace pheltra
