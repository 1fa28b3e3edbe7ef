// Pheltra start-up: the compound library is read from CmpMix.dat in the
// working folder before any window exists, then its outcome is shown.
#include "absorber/compound_file.h"
#include "app/library_status_window.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pheltra"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.1"));

    CompoundLibrary library;
    const LibraryStatus status =
        LoadCompoundLibrary(QString::fromLatin1(kCompoundLibraryFileName), library);

    LibraryStatusWindow window(status, library.Count());
    window.show();
    return QApplication::exec();
}
