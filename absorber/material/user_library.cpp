#include "absorber/material/user_library.h"

#include "absorber/formula/formula.h"
#include "absorber/material/density.h"
#include "absorber/material/input_error.h"
#include "absorber/material/material_parts.h"
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

[[noreturn]] void Refuse(Field field, const QString &message)
{
    throw InputError{field, message, InputError::Wording::Alone};
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

QString AddUserLibrary(LoadedLibrary &loaded, const QString &fileName)
{
    const UserLibraryLoad load = MergeUserLibrary(fileName, loaded.library);
    for (const CompoundLibrary::Entry &entry : loaded.library.Entries())
        loaded.mostCommas = std::max(loaded.mostCommas, entry.name.count(QLatin1Char(',')));
    return UserLibraryMessage(load);
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
        Refuse(Field::Absorber, QStringLiteral("the material needs a name"));
    if (trimmed.contains(QLatin1Char(';')))
        Refuse(Field::Absorber, QStringLiteral("a name may not hold \";\""));
    if (std::any_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.category() == QChar::Other_Control; }))
        Refuse(Field::Absorber, QStringLiteral("a name may not hold control characters"));
    if (trimmed.size() > ShortText::kCapacity)
        Refuse(Field::Absorber, QStringLiteral("a name may hold at most %1 characters").arg(ShortText::kCapacity));
    return trimmed;
}

TCompound FractionsCompound(const QString &text, float density)
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
            Refuse(Field::Weights,
                   QStringLiteral("'%1' is no element and mass fraction (as in \"Pb 0.96\")").arg(pair));
        const int z = ElementOfSymbol(match.captured(1));
        if (z == 0)
            Refuse(Field::Weights, QStringLiteral("'%1' is no element symbol").arg(match.captured(1)));
        bool ok = false;
        const double weight = match.captured(2).toDouble(&ok);
        if (!ok)
            Refuse(Field::Weights,
                   QStringLiteral("the fraction of %1 is no number: '%2'").arg(match.captured(1), match.captured(2)));
        if (!weights.emplace(z, weight).second)
            Refuse(Field::Weights, QStringLiteral("%1 is given twice").arg(match.captured(1)));
    }
    return WeightsCompound(std::vector<std::pair<int, double>>(weights.begin(), weights.end()), density);
}

TCompound UserMaterialCompound(UserMaterialKind kind, const QString &text, double density)
{
    const auto checked = static_cast<float>(CheckedDensity(static_cast<long double>(density)));
    TCompound compound;
    if (kind == UserMaterialKind::kFormula) {
        const QString formula = text.trimmed();
        try {
            // A ";" would end the library line's field: no formula holds one.
            if (formula.contains(QLatin1Char(';')))
                throw FormulaError{QStringLiteral("\";\" is no part of a formula")};
            compound = FormulaCompound(formula, checked);
        } catch (const FormulaError &error) {
            throw InputError{Field::Formula, QStringLiteral("'%1': %2").arg(formula, error.message),
                             InputError::Wording::AfterField};
        }
    } else {
        compound = FractionsCompound(text, checked);
    }
    compound.Source = kUserSource;
    return compound;
}

} // namespace pheltra
