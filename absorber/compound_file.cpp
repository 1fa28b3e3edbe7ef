#include "absorber/compound_file.h"

#include "absorber/compound_file_syntax.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
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

// An atomic number above 99 is no element the program knows: in any slot it
// makes the line faulty, so the user learns of it rather than getting a
// material with a silently dropped constituent.
bool IsUnknownElement(std::optional<std::int32_t> z)
{
    return z && *z > TCompound::kMaxAtomicNumber;
}

// The whole file, or nothing when it is no regular file (a named pipe would
// block the program before its first window, a device would be read until
// memory runs out) or larger than a compound library can sensibly be.
std::optional<QByteArray> ReadLibraryFile(const QString &fileName)
{
    // Opened without waiting, so that a pipe put in place of the file cannot
    // block the open itself; only then is it checked for what it is.
    const int descriptor = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return std::nullopt;
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return std::nullopt;
    }
    struct stat status
    { };
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > kMaxLibraryFileSize)
        return std::nullopt;
    // A file that grows while it is read is cut at the limit and refused.
    QByteArray data = file.read(kMaxLibraryFileSize + 1);
    if (file.error() != QFileDevice::NoError || data.size() > kMaxLibraryFileSize)
        return std::nullopt;
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

    TCompound &compound = result.compound;
    compound.Clear();
    compound.Formula = CutText(rest);
    compound.SecondName = CutText(rest);
    compound.ExtraText1 = CutText(rest);
    compound.Source = CutText(rest);
    compound.ExtraValue = CutOptionalReal(rest);
    compound.ExtraText2 = CutText(rest);
    compound.Density = CutOptionalReal(rest);

    for (int slot = 0; slot < TCompound::kSlotCount; ++slot) {
        const QByteArrayView zField = CutField(rest);
        const QByteArrayView weightField = CutField(rest);
        const auto z = ParseInteger(zField);
        const auto weight = ParseReal(weightField);
        if ((slot == 0 && (!z || !weight)) || IsUnknownElement(z) || IsUnreadablePair(zField, weightField, z, weight)) {
            result.kind = DataLine::Kind::Faulty;
            return result;
        }
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
    result.kind = DataLine::Kind::Entry;
    return result;
}

LibraryStatus LoadCompoundLibraryFromBytes(QByteArrayView data, CompoundLibrary &library)
{
    library.Clear();
    // One entry a line at most: room for all of them at once, so the list
    // never holds twice its size while it grows.
    library.Reserve(static_cast<std::size_t>(std::max(data.count('\r'), data.count('\n'))));
    LineReader lines(data);
    lines.Next(); // the title line

    std::int64_t lineNumber = 0;
    LibraryStatus status = kLibraryLoaded;
    while (!lines.AtEnd()) {
        ++lineNumber;
        DataLine line = ParseDataLine(lines.Next());
        if (line.kind == DataLine::Kind::Faulty || lines.LastLineEndDiffers()) {
            // A status is a 32-bit number; no real file has this many lines.
            status = static_cast<LibraryStatus>(
                std::min<std::int64_t>(lineNumber, std::numeric_limits<LibraryStatus>::max()));
            break;
        }
        if (line.kind == DataLine::Kind::Entry)
            library.Append(std::move(line.name), line.compound);
    }
    library.Sort();
    return status;
}

LibraryStatus LoadCompoundLibrary(const QString &fileName, CompoundLibrary &library)
{
    library.Clear();
    if (!QFileInfo::exists(fileName))
        return kLibraryNotFound;
    const std::optional<QByteArray> data = ReadLibraryFile(fileName);
    if (!data)
        return kLibraryUnreadable;
    return LoadCompoundLibraryFromBytes(*data, library);
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
