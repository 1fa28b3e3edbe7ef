// A file written whole or not at all: the bytes go to a temporary file beside
// the target, which replaces the target only once every byte was written. A
// failure at any point leaves an earlier file of that name as it was and
// nothing half-written beside it. A target that exists and is not a regular
// file (a named pipe, a device, a folder) is refused before anything is
// written: renaming over it would replace the pipe or the device itself.
// Every file a user writes goes this way: the graph's picture, the saved
// reports of the program and the batch tool, the PDF files printed.
//
// The temporary file has no name where the filesystem allows it (Linux's
// unnamed temporary files), so that nothing is left whatever ends the
// program. Elsewhere (vfat, NFSv3) it is named; a program that installs
// RemoveTemporaryFilesOnSignals() removes such a file when it is interrupted.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
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
    // The reason of the first failure, in one line with the file's name and
    // the system's reason: "could not write /tmp/a.txt: No space left on
    // device".
    QString ErrorString() const { return error_; }

    // Whether unnamed temporary files are tried at all; off, every save takes
    // the path of filesystems without them (for tests of that path).
    static void SetUnnamedTemporaryFiles(bool allowed);

private:
    bool Flush();
    bool Fail(const QString &reason);
    bool FailWithSystemReason(const char *what, int error);
    bool RefuseSpecialTarget();
    bool OpenNamed();
    bool PutInPlace();
    void Drop();

    QString fileName_;
    QByteArray target_; // the file replaced, a link followed
    QByteArray named_;  // the named temporary file, if any
    int descriptor_ = -1;
    QByteArray pending_;
    QString error_;
    bool failed_ = false;
    bool refused_ = false;
};

// The whole file in one go, as TAtomicFile writes it. False, with the reason
// in error, when it could not be written.
bool SaveFileAtomically(const QString &fileName, QByteArrayView bytes, QString *error = nullptr);

// Installs handlers for SIGINT, SIGTERM and SIGHUP that remove the named
// temporary files of saves in progress, then end the program as the signal
// would have. A signal the program ignores stays ignored.
void RemoveTemporaryFilesOnSignals();
