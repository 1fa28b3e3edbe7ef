#include "textio/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Large enough that writing costs one system call per block, small enough to
// keep the memory of a report of millions of lines bounded.
constexpr qsizetype kBlockSize = 256 * 1024;

std::atomic<bool> unnamedAllowed{true};

// The named temporary files of saves in progress, for the signal handler:
// fixed slots of plain characters, since a handler may neither allocate nor
// lock. A slot is claimed, then filled, then marked ready; the handler only
// reads ready slots.
constexpr std::size_t kSlots = 8;
enum SlotState : int { kFree, kClaimed, kReady };
struct PendingName
{
    std::atomic<int> state{kFree};
    char path[PATH_MAX]{};
};
std::array<PendingName, kSlots> pendingNames;

bool RememberName(const QByteArray &path)
{
    if (path.size() >= PATH_MAX)
        return false;
    for (PendingName &slot : pendingNames) {
        int expected = kFree;
        if (!slot.state.compare_exchange_strong(expected, kClaimed))
            continue;
        std::memcpy(slot.path, path.constData(), static_cast<std::size_t>(path.size()) + 1);
        slot.state.store(kReady);
        return true;
    }
    return false;
}

void ForgetName(const QByteArray &path)
{
    for (PendingName &slot : pendingNames) {
        if (slot.state.load() == kReady && path == slot.path) {
            slot.state.store(kClaimed);
            slot.path[0] = '\0';
            slot.state.store(kFree);
        }
    }
}

extern "C" void RemoveNamesAndEnd(int signalNumber)
{
    for (PendingName &slot : pendingNames) {
        if (slot.state.load() == kReady)
            ::unlink(slot.path);
    }
    ::signal(signalNumber, SIG_DFL);
    ::raise(signalNumber);
}

QByteArray RandomSuffix()
{
    return QByteArray::number(QRandomGenerator::global()->generate64() & 0xFFFFFFFFFFFull, 36);
}

} // namespace

bool IsNonRegularFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    // A link that leads nowhere is something too: the save would write
    // through it into a place the user did not name.
    if (info.isSymLink() && !info.exists())
        return true;
    return info.exists() && !info.isFile();
}

QString NotRegularFileMessage(const QString &shownName)
{
    return QStringLiteral("%1 is not a regular file.").arg(shownName);
}

void TAtomicFile::SetUnnamedTemporaryFiles(bool allowed)
{
    unnamedAllowed.store(allowed);
}

TAtomicFile::TAtomicFile(const QString &fileName) : fileName_(fileName) { }

TAtomicFile::~TAtomicFile()
{
    // A file never committed is dropped; the target stays as it was.
    Drop();
}

void TAtomicFile::Drop()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
    if (!named_.isEmpty()) {
        ::unlink(named_.constData());
        ForgetName(named_);
        named_.clear();
    }
}

bool TAtomicFile::Fail(const QString &reason)
{
    if (!failed_)
        error_ = reason;
    failed_ = true;
    Drop();
    return false;
}

bool TAtomicFile::FailWithSystemReason(const char *what, int error)
{
    return Fail(QStringLiteral("could not %1 %2: %3")
                    .arg(QLatin1String(what), QDir::toNativeSeparators(fileName_),
                         QString::fromLocal8Bit(std::strerror(error))));
}

bool TAtomicFile::RefuseSpecialTarget()
{
    if (!IsNonRegularFile(fileName_))
        return false;
    refused_ = true;
    Fail(NotRegularFileMessage(QDir::toNativeSeparators(fileName_)));
    return true;
}

bool TAtomicFile::OpenNamed()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = target_ + '.' + RandomSuffix();
        // Named before it exists, so that a signal right after the open
        // finds it.
        if (!RememberName(name))
            return FailWithSystemReason("create a temporary file for", ENAMETOOLONG);
        descriptor_ = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor_ >= 0) {
            named_ = name;
            return true;
        }
        const int error = errno;
        ForgetName(name);
        if (error != EEXIST)
            return FailWithSystemReason("create a temporary file for", error);
    }
    return FailWithSystemReason("create a temporary file for", EEXIST);
}

bool TAtomicFile::Open()
{
    if (RefuseSpecialTarget())
        return false;
    // A link is followed: the file it leads to is replaced, the link stays.
    const QFileInfo info(fileName_);
    target_ = QFile::encodeName(info.isSymLink() ? info.canonicalFilePath() : info.absoluteFilePath());
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target_)).absolutePath());
    if (unnamedAllowed.load())
        descriptor_ = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (descriptor_ < 0 && !OpenNamed())
        return false;
    // An earlier file keeps its permissions.
    struct stat earlier
    { };
    if (::stat(target_.constData(), &earlier) == 0)
        ::fchmod(descriptor_, earlier.st_mode & 07777);
    pending_.reserve(kBlockSize);
    return true;
}

bool TAtomicFile::Flush()
{
    if (failed_ || descriptor_ < 0)
        return Fail(error_.isEmpty() ? QStringLiteral("%1 is not open.").arg(fileName_) : error_);
    const char *data = pending_.constData();
    qsizetype left = pending_.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor_, data, static_cast<std::size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return FailWithSystemReason("write", written < 0 ? errno : ENOSPC);
        data += written;
        left -= written;
    }
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

bool TAtomicFile::PutInPlace()
{
    if (::fsync(descriptor_) != 0)
        return FailWithSystemReason("write", errno);
    if (named_.isEmpty()) {
        // The unnamed file gets a name beside the target, then takes its
        // place in one step.
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(descriptor_);
        for (int attempt = 0; attempt < 100 && named_.isEmpty(); ++attempt) {
            const QByteArray name = target_ + '.' + RandomSuffix();
            if (!RememberName(name))
                return FailWithSystemReason("save", ENAMETOOLONG);
            if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0) {
                named_ = name;
                break;
            }
            const int error = errno;
            ForgetName(name);
            if (error != EEXIST)
                return FailWithSystemReason("save", error);
        }
    }
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (::close(descriptor) != 0)
        return FailWithSystemReason("write", errno);
    if (::rename(named_.constData(), target_.constData()) != 0)
        return FailWithSystemReason("save", errno);
    ForgetName(named_);
    named_.clear();
    return true;
}

bool TAtomicFile::Commit()
{
    if (failed_ || !Flush())
        return false;
    // The target was checked when the file was opened; a pipe put in its
    // place while the file was written is refused as well.
    if (RefuseSpecialTarget())
        return false;
    return PutInPlace();
}

bool SaveFileAtomically(const QString &fileName, QByteArrayView bytes, QString *error)
{
    TAtomicFile file(fileName);
    const bool saved = file.Open() && file.Write(bytes) && file.Commit();
    if (!saved && error)
        *error = file.ErrorString();
    return saved;
}

void RemoveTemporaryFilesOnSignals()
{
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction former
        { };
        if (::sigaction(signalNumber, nullptr, &former) != 0 || former.sa_handler == SIG_IGN)
            continue;
        struct sigaction action
        { };
        action.sa_handler = RemoveNamesAndEnd;
        sigemptyset(&action.sa_mask);
        ::sigaction(signalNumber, &action, nullptr);
    }
}
