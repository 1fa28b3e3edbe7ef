#include "absorber/material/absorber_choice.h"

#include "absorber/material/input_error.h"
#include "absorber/material/number_text.h"
#include "absorber/material/source_and_type.h"

#include <algorithm>
#include <optional>

namespace pheltra {

namespace {

std::optional<QString> LibraryName(const QString &text, const LoadedLibrary &library)
{
    const int index = library.library.IndexOf(text.trimmed());
    if (index < 0)
        return std::nullopt;
    return library.library.Name(index);
}

InputError UnknownAbsorber(const QString &text, const LoadedLibrary &library)
{
    QString message = QStringLiteral("unknown absorber '%1'").arg(text.trimmed());
    if (!library.Clean())
        message += QStringLiteral(" (%1)").arg(library.Problem());
    return InputError{Field::Absorber, message};
}

InputError TooManyAbsorbers()
{
    return InputError{Field::Absorber, QStringLiteral("more than six absorbers in one data set")};
}

// strict: the text is meant as one absorber, so a name with a weight that is
// no number or out of range is an error rather than no match.
std::optional<AbsorberChoice> FindAbsorber(const QString &text, const LoadedLibrary &library, bool strict)
{
    if (const auto name = LibraryName(text, library))
        return AbsorberChoice{*name, 1.0L};
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        return std::nullopt;
    const auto name = LibraryName(text.left(colon), library);
    if (!name)
        return std::nullopt;
    const QString weightText = text.mid(colon + 1).trimmed();
    const std::optional<long double> weight = ReadNumber(weightText);
    if (!weight) {
        if (!strict)
            return std::nullopt;
        throw InputError{Field::Weight,
                         QStringLiteral("malformed number '%1' for the weight of %2").arg(weightText, *name)};
    }
    if (!TCmpDataSet::IsValidRelWeight(*weight)) {
        if (!strict)
            return std::nullopt;
        throw InputError{Field::Weight,
                         QStringLiteral("the relative weight of '%1' must lie between %2 and %3")
                             .arg(*name, QString::number(static_cast<double>(TCmpDataSet::kMinRelWeight), 'g'),
                                  QString::number(static_cast<double>(TCmpDataSet::kMaxRelWeight), 'f', 0))};
    }
    return AbsorberChoice{*name, *weight};
}

} // namespace

AbsorberChoice ParseAbsorber(const QString &text, const LoadedLibrary &library)
{
    if (const auto choice = FindAbsorber(text, library, true))
        return *choice;
    throw UnknownAbsorber(text, library);
}

QList<AbsorberChoice> ParseAbsorberList(const QString &text, const LoadedLibrary &library, qsizetype room)
{
    const QStringList pieces = text.split(QLatin1Char(','));
    // No name can span more pieces than the library's most commas in one
    // name allow, so each name costs a bounded number of tries: the list is
    // read in time proportional to its length.
    const qsizetype longest = library.mostCommas + 1;
    QList<AbsorberChoice> choices;
    for (qsizetype first = 0; first < pieces.size();) {
        if (choices.size() == room)
            throw TooManyAbsorbers();
        qsizetype count = std::min(longest, pieces.size() - first);
        for (; count > 0; --count) {
            const QString joined = pieces.mid(first, count).join(QLatin1Char(','));
            if (const auto choice = FindAbsorber(joined, library, count == 1)) {
                choices << *choice;
                break;
            }
        }
        if (count == 0)
            throw UnknownAbsorber(pieces[first], library);
        first += count;
    }
    return choices;
}

void FillDataSet(TCmpDataSet &set, const QList<AbsorberChoice> &absorbers, int source, int type, const QString &legend,
                 const LoadedLibrary &library)
{
    TCmpDataSet filled;
    for (const AbsorberChoice &absorber : absorbers) {
        if (filled.AddAbsorber(absorber.name, absorber.weight) < 0)
            throw TooManyAbsorbers();
    }
    CheckTypeOffered(source, type);
    filled.SetDataSource(source);
    filled.CoeffType = static_cast<std::int8_t>(type);
    filled.SetLegend(legend);
    filled.UpdateComposition(library.library);
    set = filled;
}

} // namespace pheltra
