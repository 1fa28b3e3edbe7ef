// A file's bytes read or written whole, for tests that check what a save left.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace test_support {

// The file's bytes; empty when it cannot be read.
inline QByteArray ReadFileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes bytes as the whole file; false when it could not be written.
inline bool WriteFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace test_support
