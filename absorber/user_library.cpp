#include "absorber/user_library.h"

#include "absorber/formula/formula.h"
#include "gallomir/gallomir.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

namespace pheltra {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");
const QString kUserSource = QStringLiteral("user library");

// Shortest text that reads back as the same 32-bit float.
QByteArray FloatText(float value)
{
    std::array<char, 32> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return ec == std::errc() ? QByteArray(buffer.data(), end - buffer.data()) : QByteArray();
}

// The element whose symbol is `symbol`, matched ignoring case (a pair holds
// one symbol, so "PB" can only mean lead), or 0.
int ElementOfSymbol(const QString &symbol)
{
    for (int z = 1; z <= TCompound::kMaxAtomicNumber; ++z) {
        if (QString::compare(QString::fromUtf8(GetElementSymbol(z)).trimmed(), symbol, Qt::CaseInsensitive) == 0)
            return z;
    }
    return 0;
}

[[noreturn]] void Refuse(const char *field, const QString &message)
{
    throw UserMaterialError{QString::fromLatin1(field), message};
}

} // namespace

QString UserLibraryFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Pheltra/") + QString::fromLatin1(kUserLibraryFileName));
}

UserLibraryLoad MergeUserLibrary(const QString &fileName, CompoundLibrary &library)
{
    UserLibraryLoad load;
    if (!QFileInfo::exists(fileName))
        return load;
    CompoundLibrary own;
    load.status = LoadCompoundLibrary(fileName, own);
    for (const CompoundLibrary::Entry &entry : own.Entries()) {
        if (library.IndexOf(entry.name) >= 0) {
            load.refused << entry.name;
            continue;
        }
        library.Append(entry.name, entry.compound, true);
    }
    library.Sort();
    return load;
}

QString UserLibraryMessage(const UserLibraryLoad &load)
{
    const QString file = QString::fromLatin1(kUserLibraryFileName);
    QStringList lines;
    if (load.status == kLibraryUnreadable)
        lines << QStringLiteral("File %1 could not be read!").arg(file);
    else if (load.status > 0)
        lines << QStringLiteral("Error in reading line # %1 of file %2").arg(QString::number(load.status), file);
    for (const QString &name : load.refused)
        lines << QStringLiteral("%1: '%2' left out, the library holds that name already").arg(file, name);
    return lines.join(QLatin1Char('\n'));
}

QByteArray CompoundDataLine(const QString &name, const TCompound &c)
{
    QList<QByteArray> fields{name.toUtf8(),
                             c.Formula.str().toUtf8(),
                             c.SecondName.str().toUtf8(),
                             c.ExtraText1.str().toUtf8(),
                             c.Source.str().toUtf8(),
                             c.ExtraValue >= 0.0f ? FloatText(c.ExtraValue) : QByteArray(),
                             c.ExtraText2.str().toUtf8(),
                             c.Density > 0.0f ? FloatText(c.Density) : QByteArray()};
    for (std::size_t slot = 0; slot < c.Z.size(); ++slot) {
        if (c.Z[slot] < 1)
            continue;
        fields << QByteArray::number(c.Z[slot]) << FloatText(c.Weight[slot]);
    }
    return fields.join(';');
}

QByteArray UserLibraryText(const CompoundLibrary &library)
{
    QByteArray text = QByteArrayLiteral("Pheltra user library") + kLineEnd +
        QByteArrayLiteral("; Written by Pheltra's \"New...\", \"Edit...\" and \"Delete\"; the format of CmpMix.dat.") +
        kLineEnd;
    for (int i = 0; i < library.Count(); ++i) {
        if (library.IsUser(i))
            text += CompoundDataLine(library.Name(i), library.Compound(i)) + kLineEnd;
    }
    return text;
}

QString CheckedMaterialName(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        Refuse("name", QStringLiteral("The material needs a name."));
    if (trimmed.contains(QLatin1Char(';')))
        Refuse("name", QStringLiteral("A name may not hold \";\"."));
    if (std::any_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.category() == QChar::Other_Control; }))
        Refuse("name", QStringLiteral("A name may not hold control characters."));
    if (trimmed.size() > ShortText::kCapacity)
        Refuse("name", QStringLiteral("A name may hold at most %1 characters.").arg(ShortText::kCapacity));
    return trimmed;
}

TCompound FractionsCompound(const QString &text)
{
    static const QRegularExpression pairSeparator(QStringLiteral("[,;\\n\\r]+"));
    static const QRegularExpression pairPattern(QStringLiteral("^([A-Za-z]{1,3})\\s*[:=]?\\s*([^\\sA-Za-z:=]\\S*)$"));
    std::map<int, double> weights;
    for (const QString &piece : text.split(pairSeparator, Qt::SkipEmptyParts)) {
        const QString pair = piece.trimmed();
        if (pair.isEmpty())
            continue;
        const QRegularExpressionMatch match = pairPattern.match(pair);
        if (!match.hasMatch())
            Refuse("fractions", QStringLiteral("'%1' is no element and mass fraction (as in \"Pb 0.9\").").arg(pair));
        const int z = ElementOfSymbol(match.captured(1));
        if (z == 0)
            Refuse("fractions", QStringLiteral("'%1' is no element symbol.").arg(match.captured(1)));
        bool ok = false;
        const double weight = match.captured(2).toDouble(&ok);
        if (!ok || !(weight > 0.0) || !std::isfinite(weight))
            Refuse("fractions",
                   QStringLiteral("The fraction of %1 must be a number above 0, not '%2'.").arg(match.captured(1),
                                                                                               match.captured(2)));
        if (!weights.emplace(z, weight).second)
            Refuse("fractions", QStringLiteral("%1 is given twice.").arg(match.captured(1)));
    }
    if (weights.empty())
        Refuse("fractions", QStringLiteral("No element is given."));
    if (weights.size() > static_cast<std::size_t>(TCompound::kSlotCount))
        Refuse("fractions", QStringLiteral("A material holds at most %1 elements.").arg(TCompound::kSlotCount));
    double sum = 0.0;
    for (const auto &[z, weight] : weights)
        sum += weight;
    TCompound compound;
    compound.Clear();
    std::size_t slot = 0;
    for (const auto &[z, weight] : weights) {
        compound.Z[slot] = z;
        compound.Weight[slot] = static_cast<float>(weight / sum);
        ++slot;
    }
    return compound;
}

TCompound UserMaterialCompound(UserMaterialKind kind, const QString &text, double density)
{
    if (!(density > 0.0) || !std::isfinite(density) || density > 1000.0)
        Refuse("density", QStringLiteral("The density must lie above 0 and at most 1000 g/cm\u00B3."));
    TCompound compound;
    if (kind == UserMaterialKind::kFormula) {
        if (text.contains(QLatin1Char(';')))
            Refuse("formula", QStringLiteral("A formula may not hold \";\"."));
        try {
            compound = FormulaCompound(text.trimmed(), static_cast<float>(density));
        } catch (const FormulaError &error) {
            Refuse("formula", QStringLiteral("The formula '%1': %2.").arg(text.trimmed(), error.message));
        }
    } else {
        compound = FractionsCompound(text);
        compound.Density = static_cast<float>(density);
    }
    compound.Source = kUserSource;
    return compound;
}

} // namespace pheltra
