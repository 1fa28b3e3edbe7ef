#include "absorber/material/loaded_library.h"

#include <algorithm>

namespace pheltra {

QString LoadedLibrary::Message() const
{
    return LibraryLoadMessage(LibraryLoad{status, reason, warning});
}

QString LoadedLibrary::Problem() const
{
    return QStringLiteral("%1 [%2]").arg(Message(), fileName);
}

LoadedLibrary LoadLibrary(const QString &fileName)
{
    LoadedLibrary loaded;
    loaded.fileName = fileName;
    const LibraryLoad load = ReadCompoundLibrary(fileName, loaded.library);
    loaded.status = load.status;
    loaded.reason = load.reason;
    loaded.warning = load.warning;
    for (int i = 0; i < loaded.library.Count(); ++i)
        loaded.mostCommas = std::max(loaded.mostCommas, loaded.library.NameView(i).count(QLatin1Char(',')));
    return loaded;
}

} // namespace pheltra
