// The C library's numeric locale switched to another one while it lives, as
// Qt switches it to the user's at start-up. A locale not installed on the
// machine is compiled from the system's locale sources into a temporary
// folder first (localedef), so checks do not depend on generated locales.
#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <clocale>
#include <cstdlib>
#include <string>

class CLibraryNumericLocale
{
public:
    // `name` such as "de_DE", a locale source of the system.
    explicit CLibraryNumericLocale(const char *name) : former_(std::setlocale(LC_NUMERIC, nullptr))
    {
        if (std::setlocale(LC_NUMERIC, name) || !dir_.isValid())
            return;
        // Only the numeric category, copied from the system's source of the
        // locale: a fraction of a second, where a whole locale takes seconds.
        // localedef warns about the missing categories; what counts is
        // whether setlocale takes the result.
        QFile source(dir_.filePath(QStringLiteral("numeric")));
        if (!source.open(QIODevice::WriteOnly))
            return;
        source.write("LC_NUMERIC\ncopy \"" + QByteArray(name) + "\"\nEND LC_NUMERIC\n");
        source.close();
        QProcess localedef;
        localedef.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        localedef.start(
            QStringLiteral("localedef"),
            {QStringLiteral("-c"), QStringLiteral("-i"), source.fileName(), dir_.filePath(QString::fromLatin1(name))});
        localedef.waitForFinished(30000);
        const char *path = std::getenv("LOCPATH");
        formerPath_ = path ? path : "";
        hadPath_ = path != nullptr;
        setenv("LOCPATH", dir_.path().toLocal8Bit().constData(), 1);
        std::setlocale(LC_NUMERIC, name);
    }
    ~CLibraryNumericLocale()
    {
        std::setlocale(LC_NUMERIC, former_.c_str());
        if (hadPath_)
            setenv("LOCPATH", formerPath_.c_str(), 1);
        else
            unsetenv("LOCPATH");
    }
    CLibraryNumericLocale(const CLibraryNumericLocale &) = delete;
    CLibraryNumericLocale &operator=(const CLibraryNumericLocale &) = delete;

    // The decimal point printf now writes.
    static char DecimalPoint() { return std::localeconv()->decimal_point[0]; }

private:
    std::string former_;
    QTemporaryDir dir_;
    std::string formerPath_;
    bool hadPath_ = false;
};
