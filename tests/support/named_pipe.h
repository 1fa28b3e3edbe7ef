// A named pipe for tests of what is read and written: a name that exists and
// is no regular file. Reading or writing it would block the test; the code
// under test must refuse it without opening it for good.
#pragma once

#include <QFileInfo>
#include <QString>

#include <sys/stat.h>

namespace test_support {

// Makes a named pipe at path; false when the system refused.
inline bool MakeNamedPipe(const QString &path)
{
    return ::mkfifo(path.toLocal8Bit().constData(), 0600) == 0;
}

// True while path is still a named pipe (not replaced by a file).
inline bool IsNamedPipe(const QString &path)
{
    struct stat status
    { };
    return ::lstat(path.toLocal8Bit().constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

} // namespace test_support
