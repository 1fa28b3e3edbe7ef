#include "absorber/compound_file.h"

#include "absorber/compound_file_syntax.h"

#include <QFile>
#include <QFileInfo>

#include <limits>
#include <optional>

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

// An atomic number above 99 is no element the program knows: it counts as an
// invalid number, so the user sees an error line rather than a material with
// a silently dropped constituent.
std::optional<std::int32_t> ParseAtomicNumber(QByteArrayView field)
{
    const auto z = ParseInteger(field);
    if (z && *z > TCompound::kMaxAtomicNumber)
        return std::nullopt;
    return z;
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
        const auto z = ParseAtomicNumber(CutField(rest));
        const auto weight = ParseReal(CutField(rest));
        if (slot == 0 && (!z || !weight)) {
            result.kind = DataLine::Kind::Faulty;
            return result;
        }
        // A negative atomic number or weight is valid syntax that leaves the
        // slot empty; so does an invalid number after the first pair.
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
    LineReader lines(data);
    lines.Next(); // the title line

    std::int64_t lineNumber = 0;
    LibraryStatus status = kLibraryLoaded;
    while (!lines.AtEnd()) {
        ++lineNumber;
        DataLine line = ParseDataLine(lines.Next());
        if (line.kind == DataLine::Kind::Faulty) {
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
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return kLibraryUnreadable;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return kLibraryUnreadable;
    return LoadCompoundLibraryFromBytes(data, library);
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
