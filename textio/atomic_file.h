// A file written whole or not at all: the bytes go to a temporary file beside
// the target, which replaces the target only once every byte was written. A
// failure at any point leaves an earlier file of that name as it was and
// nothing half-written beside it. A target that exists and is not a regular
// file (a named pipe, a device, a folder) is refused before anything is
// written: renaming over it would replace the pipe or the device itself.
// Every file a user writes goes this way: the graph's picture, the saved
// reports of the program and the batch tool, the PDF files printed.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

// True when something exists under fileName (a symbolic link followed) that is
// not a regular file.
bool IsNonRegularFile(const QString &fileName);

// "<shown name> is not a regular file."
QString NotRegularFileMessage(const QString &shownName);

class TAtomicFile
{
public:
    explicit TAtomicFile(const QString &fileName);
    ~TAtomicFile();
    TAtomicFile(const TAtomicFile &) = delete;
    TAtomicFile &operator=(const TAtomicFile &) = delete;

    // Starts the temporary file. False when the target is no regular file
    // (Refused() tells) or the temporary file cannot be created.
    bool Open();
    // Appends bytes; they are collected and written in large blocks, so many
    // small writes cost little. False once any write failed.
    bool Write(QByteArrayView bytes);
    // Writes what is collected and puts the file in place. False, and the
    // target untouched, when any write failed or the target has meanwhile
    // become something other than a regular file.
    bool Commit();

    bool Refused() const { return refused_; }
    // The reason of the first failure.
    QString ErrorString() const { return error_; }

private:
    bool Flush();
    bool Fail(const QString &reason);
    bool RefuseSpecialTarget();

    QString fileName_;
    QSaveFile file_;
    QByteArray pending_;
    QString error_;
    bool failed_ = false;
    bool refused_ = false;
};

// The whole file in one go, as TAtomicFile writes it. False, with the reason
// in error, when it could not be written.
bool SaveFileAtomically(const QString &fileName, QByteArrayView bytes, QString *error = nullptr);
