#include "absorber/compound_file.h"

#include "absorber/compound_file_syntax.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <limits>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr float kNoValue = -1.0f;
constexpr std::int32_t kEmptySlot = -1;

ShortText CutText(QByteArrayView &rest)
{
    return ShortText(DecodeText(CutField(rest)));
}

float CutOptionalReal(QByteArrayView &rest)
{
    return ParseReal(CutField(rest)).value_or(kNoValue);
}

QString BoundsText()
{
    return QStringLiteral("%1 to %2 g/cm3")
        .arg(QString::number(static_cast<double>(TCompound::kMinDensity), 'g'),
             QString::number(static_cast<double>(TCompound::kMaxDensity), 'g'));
}

// The density field: empty, or a number of which one at most 0 means that no
// density is given. Anything else would be lost as "no density" or shown as
// 0 or infinity, so it makes the line faulty, with the reason.
std::optional<float> CutDensity(QByteArrayView &rest, QString &fault)
{
    const QByteArrayView field = CutField(rest);
    if (field.isEmpty())
        return kNoValue;
    if (!IsRealSyntax(field)) {
        fault = QStringLiteral("density '%1' is not a number").arg(DecodeText(field));
        return std::nullopt;
    }
    const std::optional<float> density = ParseReal(field);
    if (density && *density <= 0.0f)
        return kNoValue;
    if (!density || !TCompound::IsValidDensity(*density)) {
        fault = QStringLiteral("density %1 lies outside %2").arg(DecodeText(field), BoundsText());
        return std::nullopt;
    }
    return density;
}

// An atomic number above 99 is no element the program knows: in any slot it
// makes the line faulty, so the user learns of it rather than getting a
// material with a silently dropped constituent.
bool IsUnknownElement(std::optional<std::int32_t> z)
{
    return z && *z > TCompound::kMaxAtomicNumber;
}

// Whether anything but separators and blanks is left after the last pair: a
// 15th pair would otherwise vanish, and with it perhaps the heaviest element.
bool HoldsMore(QByteArrayView rest)
{
    return std::any_of(rest.begin(), rest.end(), [](char c) { return c != ';' && static_cast<unsigned char>(c) > 32; });
}

// The whole file, or nothing and the reason when it is no regular file (a
// named pipe would block the program before its first window, a device would
// be read until memory runs out) or larger than a compound library can
// sensibly be.
std::optional<QByteArray> ReadLibraryFile(const QString &fileName, QString &reason)
{
    // Opened without waiting, so that a pipe put in place of the file cannot
    // block the open itself; only then is it checked for what it is.
    const int descriptor = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        reason = file.errorString();
        ::close(descriptor);
        return std::nullopt;
    }
    struct stat status
    { };
    if (::fstat(descriptor, &status) != 0) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    if (S_ISDIR(status.st_mode)) {
        reason = QStringLiteral("it is a folder");
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        reason = QStringLiteral("it is no regular file");
        return std::nullopt;
    }
    const QString tooLarge = QStringLiteral("it is larger than %1 MB").arg(kMaxLibraryFileSize / (1024 * 1024));
    if (status.st_size > kMaxLibraryFileSize) {
        reason = tooLarge;
        return std::nullopt;
    }
    // A file that grows while it is read is cut at the limit and refused.
    QByteArray data = file.read(kMaxLibraryFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return std::nullopt;
    }
    if (data.size() > kMaxLibraryFileSize) {
        reason = tooLarge;
        return std::nullopt;
    }
    return data;
}

// A pair after the first that holds something, but not two readable numbers:
// a weight with a decimal comma, letters, an atomic number without its weight
// or a weight without its atomic number. Left out, it would change the
// material without a word, so the line is faulty. A pair with both fields
// empty is simply absent: that is how a line gives fewer than 14 pairs.
bool IsUnreadablePair(QByteArrayView zField, QByteArrayView weightField, std::optional<std::int32_t> z,
                      std::optional<float> weight)
{
    return (!zField.isEmpty() || !weightField.isEmpty()) && (!z || !weight);
}

} // namespace

DataLine ParseDataLine(QByteArrayView line)
{
    DataLine result;
    QByteArrayView rest = line;
    const QByteArrayView name = CutField(rest);
    if (name.isEmpty())
        return result;
    result.name = DecodeText(name);
    const auto faulty = [&result](QString fault) {
        result.kind = DataLine::Kind::Faulty;
        result.fault = std::move(fault);
        return result;
    };

    TCompound &compound = result.compound;
    compound.Clear();
    compound.Formula = CutText(rest);
    compound.SecondName = CutText(rest);
    compound.ExtraText1 = CutText(rest);
    compound.Source = CutText(rest);
    compound.ExtraValue = CutOptionalReal(rest);
    compound.ExtraText2 = CutText(rest);
    QString fault;
    const std::optional<float> density = CutDensity(rest, fault);
    if (!density)
        return faulty(fault);
    compound.Density = *density;

    for (int slot = 0; slot < TCompound::kSlotCount; ++slot) {
        const QByteArrayView zField = CutField(rest);
        const QByteArrayView weightField = CutField(rest);
        const auto z = ParseInteger(zField);
        const auto weight = ParseReal(weightField);
        if (IsUnknownElement(z))
            return faulty(QStringLiteral("atomic number %1 in pair %2 lies above %3")
                              .arg(*z)
                              .arg(slot + 1)
                              .arg(TCompound::kMaxAtomicNumber));
        if ((slot == 0 && (!z || !weight)) || IsUnreadablePair(zField, weightField, z, weight))
            return faulty(QStringLiteral("pair %1 is not an atomic number and a weight").arg(slot + 1));
        // A negative atomic number or weight is valid syntax that leaves the
        // slot empty; so does an absent pair after the first.
        if (z && weight && *z >= 0 && *weight >= 0.0f) {
            compound.Z[slot] = *z;
            compound.Weight[slot] = *weight;
        } else {
            compound.Z[slot] = kEmptySlot;
            compound.Weight[slot] = kNoValue;
        }
    }
    if (HoldsMore(rest))
        return faulty(QStringLiteral("more than %1 pairs of atomic number and weight").arg(TCompound::kSlotCount));
    result.kind = DataLine::Kind::Entry;
    return result;
}

namespace {

// The shortest line that makes an entry, "a;;;;;;;;1;1" and its line end:
// a file of n bytes holds at most n / 13 + 1 entries.
constexpr qsizetype kShortestEntryLine = 13;

QString NamesText(const QStringList &names, qsizetype total)
{
    QStringList quoted;
    for (const QString &name : names)
        quoted << QLatin1Char('\'') + name + QLatin1Char('\'');
    return quoted.join(QStringLiteral(", ")) + (total > names.size() ? QStringLiteral(", ...") : QString());
}

// The entries that load but that the user should know of: one without any
// element gives no coefficient, and of two with the same name a lookup finds
// only the first. The library is sorted, so equal names are neighbours.
QString LibraryWarning(const CompoundLibrary &library)
{
    constexpr qsizetype kNamesShown = 3;
    QStringList empty;
    QStringList repeated;
    qsizetype emptyCount = 0;
    qsizetype repeatedCount = 0;
    for (int i = 0; i < library.Count(); ++i) {
        if (library.Compound(i).ConstituentCount() == 0 && emptyCount++ < kNamesShown)
            empty << library.Name(i);
        if (i > 0 && CompoundLibrary::SameName(library.NameView(i - 1), library.NameView(i)) &&
            (i < 2 || !CompoundLibrary::SameName(library.NameView(i - 2), library.NameView(i))) &&
            repeatedCount++ < kNamesShown) {
            repeated << library.Name(i - 1);
        }
    }
    QStringList parts;
    if (emptyCount > 0)
        parts << QStringLiteral("%1 %2 no element (%3)")
                     .arg(emptyCount)
                     .arg(emptyCount == 1 ? QStringLiteral("entry has") : QStringLiteral("entries have"),
                          NamesText(empty, emptyCount));
    if (repeatedCount > 0)
        parts << QStringLiteral("%1 %2 more than once, only the first is used (%3)")
                     .arg(repeatedCount)
                     .arg(repeatedCount == 1 ? QStringLiteral("name is given") : QStringLiteral("names are given"),
                          NamesText(repeated, repeatedCount));
    return parts.join(QStringLiteral("; "));
}

LibraryLoad ParseLibrary(QByteArrayView data, CompoundLibrary &library)
{
    // Room for all entries at once, so the lists never hold twice their size
    // while they grow: at most one entry a line, text no longer than the
    // file, one constituent per two separators.
    const qsizetype lineCount = std::max(data.count('\r'), data.count('\n'));
    library.Reserve(static_cast<std::size_t>(std::min(lineCount, data.size() / kShortestEntryLine) + 1),
                    static_cast<std::size_t>(data.size()), static_cast<std::size_t>(data.count(';') / 2 + 1));
    LineReader lines(data);
    lines.Next(); // the title line

    std::int64_t lineNumber = 0;
    LibraryLoad load;
    while (!lines.AtEnd()) {
        ++lineNumber;
        DataLine line = ParseDataLine(lines.Next());
        if (line.kind == DataLine::Kind::Faulty || lines.LastLineEndDiffers()) {
            // A status is a 32-bit number; no real file has this many lines.
            load.status = static_cast<LibraryStatus>(
                std::min<std::int64_t>(lineNumber, std::numeric_limits<LibraryStatus>::max()));
            load.reason = line.kind == DataLine::Kind::Faulty
                ? line.fault
                : QStringLiteral("its line end differs from the title line's (CR LF, CR or LF)");
            break;
        }
        if (line.kind == DataLine::Kind::Entry)
            library.Append(line.name, line.compound);
    }
    library.Sort();
    load.warning = LibraryWarning(library);
    return load;
}

LibraryLoad OutOfMemory(CompoundLibrary &library)
{
    library.Clear();
    return LibraryLoad{kLibraryUnreadable, QStringLiteral("not enough memory to hold it"), {}};
}

} // namespace

LibraryLoad ReadCompoundLibraryBytes(QByteArrayView data, CompoundLibrary &library)
{
    library.Clear();
    try {
        return ParseLibrary(data, library);
    } catch (const std::bad_alloc &) {
        return OutOfMemory(library);
    }
}

LibraryLoad ReadCompoundLibrary(const QString &fileName, CompoundLibrary &library)
{
    library.Clear();
    const QFileInfo info(fileName);
    // A link that leads nowhere is a library the user meant to give.
    if (info.isSymLink() && !info.exists())
        return LibraryLoad{kLibraryUnreadable,
                           QStringLiteral("it is a link to %1, which does not exist").arg(info.symLinkTarget()),
                           {}};
    if (!info.exists())
        return LibraryLoad{kLibraryNotFound, {}, {}};
    try {
        QString reason;
        const std::optional<QByteArray> data = ReadLibraryFile(fileName, reason);
        if (!data)
            return LibraryLoad{kLibraryUnreadable, reason, {}};
        return ParseLibrary(*data, library);
    } catch (const std::bad_alloc &) {
        return OutOfMemory(library);
    }
}

QString LibraryStatusMessage(LibraryStatus status)
{
    const QString fileName = QString::fromLatin1(kCompoundLibraryFileName);
    if (status == kLibraryLoaded)
        return {};
    if (status == kLibraryNotFound)
        return QStringLiteral("File %1 not found!").arg(fileName);
    if (status < 0)
        return QStringLiteral("File %1 could not be read!").arg(fileName);
    return QStringLiteral("Error in reading line # %1 of file %2").arg(QString::number(status), fileName);
}

QString LibraryLoadMessage(const LibraryLoad &load)
{
    const QString fileName = QString::fromLatin1(kCompoundLibraryFileName);
    if (load.status == kLibraryLoaded)
        return load.warning.isEmpty() ? QString() : QStringLiteral("File %1: %2").arg(fileName, load.warning);
    if (load.reason.isEmpty())
        return LibraryStatusMessage(load.status);
    if (load.status < 0)
        return QStringLiteral("File %1 could not be read: %2").arg(fileName, load.reason);
    return QStringLiteral("%1: %2").arg(LibraryStatusMessage(load.status), load.reason);
}
