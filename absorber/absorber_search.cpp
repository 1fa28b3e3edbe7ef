#include "absorber/absorber_search.h"

namespace pheltra {

namespace {

// Joins the folded texts of an entry; folding drops control characters from
// a query, so no query spans two texts.
constexpr QChar kKeySeparator = QChar(0x1F);

bool SourceStartsWith(const TCompound &compound, QLatin1StringView prefix)
{
    return compound.Source.str().startsWith(prefix, Qt::CaseInsensitive);
}

} // namespace

AbsorberGroup GroupOf(const CompoundLibrary &library, int index)
{
    if (library.IsUser(index))
        return AbsorberGroup::kUser;
    const TCompound &compound = library.Compound(index);
    if (SourceStartsWith(compound, QLatin1StringView("Pure element")))
        return AbsorberGroup::kElement;
    if (SourceStartsWith(compound, QLatin1StringView("NIST SRD 126")))
        return AbsorberGroup::kNistTable;
    if (compound.Source.str().contains(QLatin1StringView("ESTAR/XCOM"), Qt::CaseInsensitive))
        return AbsorberGroup::kEstarXcom;
    return AbsorberGroup::kLibrary;
}

QString GroupName(AbsorberGroup group)
{
    switch (group) {
    case AbsorberGroup::kElement:
        return QStringLiteral("element");
    case AbsorberGroup::kNistTable:
        return QStringLiteral("NIST table");
    case AbsorberGroup::kEstarXcom:
        return QStringLiteral("ESTAR/XCOM list");
    case AbsorberGroup::kUser:
        return QStringLiteral("user");
    case AbsorberGroup::kLibrary:
        break;
    }
    return QStringLiteral("library");
}

QString SearchFolded(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing || category == QChar::Other_Control)
            continue;
        folded.append(c);
    }
    return folded.toCaseFolded();
}

AbsorberIndex::AbsorberIndex(const CompoundLibrary &library)
{
    keys_.reserve(static_cast<std::size_t>(library.Count()));
    groups_.reserve(static_cast<std::size_t>(library.Count()));
    for (int i = 0; i < library.Count(); ++i) {
        const TCompound compound = library.Compound(i);
        keys_.push_back(SearchFolded(library.Name(i)) + kKeySeparator + SearchFolded(compound.SecondName) +
                        kKeySeparator + SearchFolded(compound.Formula));
        groups_.push_back(GroupOf(library, i));
    }
}

std::vector<int> AbsorberIndex::Matches(const QString &query) const
{
    const QString folded = SearchFolded(query.trimmed());
    std::vector<int> found;
    found.reserve(keys_.size());
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        if (folded.isEmpty() || keys_[i].contains(folded))
            found.push_back(static_cast<int>(i));
    }
    return found;
}

} // namespace pheltra

namespace pheltra {

int AbsorberIndex::BestMatch(const QString &query, const std::vector<int> &found) const
{
    const QString folded = SearchFolded(query.trimmed());
    if (folded.isEmpty())
        return -1;
    const QString whole = folded + kKeySeparator;
    int begins = -1;
    for (const int i : found) {
        const QString &key = keys_.at(static_cast<std::size_t>(i));
        if (key.startsWith(whole))
            return i;
        if (begins < 0 && key.startsWith(folded))
            begins = i;
    }
    return begins;
}

} // namespace pheltra
