#include "textio/atomic_file.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Large enough that writing costs one system call per block, small enough to
// keep the memory of a report of millions of lines bounded.
constexpr qsizetype kBlockSize = 256 * 1024;

} // namespace

bool IsNonRegularFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    // A link that leads nowhere is something too: QSaveFile would write
    // through it into a place the user did not name.
    if (info.isSymLink() && !info.exists())
        return true;
    return info.exists() && !info.isFile();
}

QString NotRegularFileMessage(const QString &shownName)
{
    return QStringLiteral("%1 is not a regular file.").arg(shownName);
}

TAtomicFile::TAtomicFile(const QString &fileName) : fileName_(fileName), file_(fileName) { }

TAtomicFile::~TAtomicFile()
{
    // A file never committed is dropped; the target stays as it was.
    if (file_.isOpen())
        file_.cancelWriting();
}

bool TAtomicFile::Fail(const QString &reason)
{
    if (!failed_)
        error_ = reason;
    failed_ = true;
    if (file_.isOpen())
        file_.cancelWriting();
    return false;
}

bool TAtomicFile::RefuseSpecialTarget()
{
    if (!IsNonRegularFile(fileName_))
        return false;
    refused_ = true;
    Fail(NotRegularFileMessage(QDir::toNativeSeparators(fileName_)));
    return true;
}

bool TAtomicFile::Open()
{
    if (RefuseSpecialTarget())
        return false;
    // Unbuffered, so that a short write (a full disk) shows at write(): a
    // buffered QSaveFile flushes its last block at commit() and puts the cut
    // file in place without reporting the failure. The blocks are collected
    // here instead.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Fail(file_.errorString());
    pending_.reserve(kBlockSize);
    return true;
}

bool TAtomicFile::Flush()
{
    if (failed_ || !file_.isOpen())
        return Fail(error_.isEmpty() ? QStringLiteral("The file is not open.") : error_);
    if (pending_.isEmpty())
        return true;
    if (file_.write(pending_) != pending_.size())
        return Fail(file_.errorString());
    pending_.resize(0); // keeps the block's memory for the next one
    return true;
}

bool TAtomicFile::Write(QByteArrayView bytes)
{
    if (failed_)
        return false;
    pending_.append(bytes);
    return pending_.size() < kBlockSize || Flush();
}

bool TAtomicFile::Commit()
{
    if (failed_ || !Flush())
        return false;
    // The target was checked when the file was opened; a pipe put in its
    // place while the file was written is refused as well.
    if (RefuseSpecialTarget())
        return false;
    if (!file_.commit())
        return Fail(file_.errorString());
    return true;
}

bool SaveFileAtomically(const QString &fileName, QByteArrayView bytes, QString *error)
{
    TAtomicFile file(fileName);
    const bool saved = file.Open() && file.Write(bytes) && file.Commit();
    if (!saved && error)
        *error = file.ErrorString();
    return saved;
}
