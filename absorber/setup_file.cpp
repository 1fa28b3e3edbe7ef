#include "absorber/setup_file.h"

#include "absorber/coefficient_types.h"
#include "absorber/data_sources.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cmath>
#include <charconv>
#include <limits>
#include <optional>

namespace pheltra {

namespace {

const QString kFormat = QStringLiteral("pheltra-setup");

constexpr std::array<const char *, 5> kPatternNames{"solid", "dash", "dot", "dash-dot", "dash-dot-dot"};
constexpr std::array<const char *, 5> kLegendNames{"top", "bottom", "north east", "south west", "none"};

[[noreturn]] void Refuse(const QString &message)
{
    throw SetupError{message};
}

template<std::size_t N>
int NameIndex(const std::array<const char *, N> &names, const QString &name)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (name == QLatin1String(names[i]))
            return static_cast<int>(i);
    }
    return -1;
}

QString ColourText(LineColorValue colour)
{
    return QStringLiteral("#%1%2%3")
        .arg(RedOf(colour), 2, 16, QLatin1Char('0'))
        .arg(GreenOf(colour), 2, 16, QLatin1Char('0'))
        .arg(BlueOf(colour), 2, 16, QLatin1Char('0'));
}

// The shortest decimal text that reads back as the same extended-precision
// weight: a JSON number is a double, which would change a typed 0.9.
QString WeightText(long double weight)
{
    std::array<char, 64> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), weight);
    return ec == std::errc() ? QString::fromLatin1(buffer.data(), end - buffer.data()) : QString();
}

// A weight written as decimal text (or, by hand, as a JSON number).
std::optional<long double> WeightOf(const QJsonValue &value)
{
    if (value.isDouble())
        return static_cast<long double>(value.toDouble());
    const QByteArray text = value.toString().toLatin1();
    long double weight = 0;
    const auto [end, ec] = std::from_chars(text.constData(), text.constData() + text.size(), weight);
    if (!value.isString() || text.isEmpty() || ec != std::errc() || end != text.constData() + text.size())
        return std::nullopt;
    return weight;
}

QJsonObject DataSetJson(const TCmpDataSet &set)
{
    QJsonArray absorbers;
    for (int slot = 0; slot < set.AbsorberCount(); ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        absorbers.append(QJsonObject{{QStringLiteral("name"), set.AbsorberName[s].str()},
                                     {QStringLiteral("weight"), WeightText(set.RelWeight[s])}});
    }
    return QJsonObject{{QStringLiteral("absorbers"), absorbers},
                       {QStringLiteral("source"), QString::fromLatin1(DataSourceAt(set.DataSource).letter)},
                       {QStringLiteral("type"), CoeffTypeName(set.CoeffType)},
                       {QStringLiteral("colour"), ColourText(set.LineColor)},
                       {QStringLiteral("width"), set.LineWidth},
                       {QStringLiteral("pattern"), QString::fromLatin1(kPatternNames[set.LinePattern % 5])},
                       {QStringLiteral("legend"), set.Legend.str()}};
}

// Member `key` of `object` as the kind asked for; `where` names the object in
// a refusal.
QJsonValue Member(const QJsonObject &object, const char *key, QJsonValue::Type type, const QString &where)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.type() != type)
        Refuse(QStringLiteral("%1 has no valid \"%2\"").arg(where, QLatin1String(key)));
    return value;
}

QString Text(const QJsonObject &object, const char *key, const QString &where)
{
    return Member(object, key, QJsonValue::String, where).toString();
}

double Number(const QJsonObject &object, const char *key, const QString &where)
{
    return Member(object, key, QJsonValue::Double, where).toDouble();
}

LineColorValue ColourOf(const QString &text, const QString &where)
{
    bool ok = text.size() == 7 && text.startsWith(QLatin1Char('#'));
    const uint rgb = ok ? text.mid(1).toUInt(&ok, 16) : 0;
    if (!ok)
        Refuse(QStringLiteral("%1 has a colour that is not #rrggbb: '%2'").arg(where, text));
    return RgbColor(static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                    static_cast<std::uint8_t>(rgb));
}

void ReadDataSet(const QJsonObject &object, int index, const CompoundLibrary &library, TCmpDataSet &set)
{
    const QString where = QStringLiteral("data set %1").arg(index + 1);
    const int source = FindDataSource(Text(object, "source", where));
    if (source < 0)
        Refuse(QStringLiteral("%1 names an unknown data source '%2'").arg(where, Text(object, "source", where)));
    const int type = FindCoeffType(Text(object, "type", where));
    if (type < 0 || !SourceOffers(source, type))
        Refuse(QStringLiteral("%1 has a coefficient type its source does not offer: '%2'")
                   .arg(where, Text(object, "type", where)));
    const double width = Number(object, "width", where);
    if (width != std::trunc(width) || width < std::numeric_limits<std::int16_t>::min() ||
        width > std::numeric_limits<std::int16_t>::max())
        Refuse(QStringLiteral("%1 has a line width that is no whole number from -32768 to 32767").arg(where));
    const int pattern = NameIndex(kPatternNames, Text(object, "pattern", where));
    if (pattern < 0)
        Refuse(QStringLiteral("%1 has an unknown line pattern '%2'").arg(where, Text(object, "pattern", where)));

    set.DataSource = static_cast<std::uint8_t>(source);
    set.CoeffType = static_cast<std::int8_t>(type);
    set.LineColor = ColourOf(Text(object, "colour", where), where);
    set.LineWidth = static_cast<std::int32_t>(width);
    set.LinePattern = static_cast<std::uint8_t>(pattern);
    set.SetLegend(Text(object, "legend", where));

    const QJsonArray absorbers = Member(object, "absorbers", QJsonValue::Array, where).toArray();
    if (absorbers.size() > TCmpDataSet::kAbsorberSlots)
        Refuse(QStringLiteral("%1 holds more than %2 absorbers").arg(where).arg(TCmpDataSet::kAbsorberSlots));
    for (const QJsonValue &value : absorbers) {
        const QString absorberWhere = where + QStringLiteral(" absorber");
        if (!value.isObject())
            Refuse(QStringLiteral("%1 holds an absorber that is no object").arg(where));
        const QString name = Text(value.toObject(), "name", absorberWhere);
        const int entry = library.IndexOf(name);
        if (entry < 0)
            Refuse(QStringLiteral("%1 names '%2', which the library does not hold").arg(where, name));
        const std::optional<long double> weight = WeightOf(value.toObject().value(QLatin1String("weight")));
        if (!weight)
            Refuse(QStringLiteral("%1: '%2' has no valid \"weight\"").arg(where, name));
        if (!TCmpDataSet::IsValidRelWeight(*weight))
            Refuse(QStringLiteral("%1: the weight of '%2' lies outside 1e-100 to 100000000").arg(where, name));
        set.AddAbsorber(library.Name(entry), *weight);
    }
    set.UpdateComposition(library);
}

} // namespace

QByteArray SetupJson(const SavedSetup &setup)
{
    QJsonArray sets;
    for (const TCmpDataSet &set : setup.sets)
        sets.append(DataSetJson(set));
    const QJsonObject root{
        {QStringLiteral("format"), kFormat},
        {QStringLiteral("version"), kSetupVersion},
        {QStringLiteral("plotRange"),
         QJsonObject{{QStringLiteral("min"), setup.rangeMin}, {QStringLiteral("max"), setup.rangeMax}}},
        {QStringLiteral("legendPosition"), QString::fromLatin1(kLegendNames[static_cast<std::size_t>(setup.legend)])},
        {QStringLiteral("title"),
         QJsonObject{{QStringLiteral("text"), setup.title}, {QStringLiteral("shown"), setup.titleShown}}},
        {QStringLiteral("dataSets"), sets}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SavedSetup ReadSetup(QByteArrayView bytes, const CompoundLibrary &library)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes.toByteArray(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject() ||
        document.object().value(QLatin1String("format")).toString() != kFormat)
        Refuse(QStringLiteral("not a Pheltra set-up"));
    const QJsonObject root = document.object();
    const QString top = QStringLiteral("the set-up");
    const double version = Number(root, "version", top);
    if (version != std::trunc(version) || version < 1)
        Refuse(QStringLiteral("the set-up has no valid \"version\""));
    if (version > kSetupVersion)
        Refuse(QStringLiteral("the set-up was written by a newer Pheltra (version %1; this one reads up to %2)")
                   .arg(version)
                   .arg(kSetupVersion));

    SavedSetup setup;
    const QJsonObject range = Member(root, "plotRange", QJsonValue::Object, top).toObject();
    setup.rangeMin = Number(range, "min", QStringLiteral("the plot range"));
    setup.rangeMax = Number(range, "max", QStringLiteral("the plot range"));
    if (!(setup.rangeMin > 0) || !(setup.rangeMax > setup.rangeMin) || !std::isfinite(setup.rangeMax))
        Refuse(QStringLiteral("the plot range is no range of energies above 0"));
    const int legend = NameIndex(kLegendNames, Text(root, "legendPosition", top));
    if (legend < 0)
        Refuse(QStringLiteral("the set-up has an unknown legend position '%1'").arg(Text(root, "legendPosition", top)));
    setup.legend = static_cast<LegendPlacement>(legend);
    const QJsonObject title = Member(root, "title", QJsonValue::Object, top).toObject();
    setup.title = Text(title, "text", QStringLiteral("the title"));
    setup.titleShown = Member(title, "shown", QJsonValue::Bool, QStringLiteral("the title")).toBool();

    const QJsonArray sets = Member(root, "dataSets", QJsonValue::Array, top).toArray();
    if (sets.size() > DataSets::kCount)
        Refuse(QStringLiteral("the set-up holds more than %1 data sets").arg(DataSets::kCount));
    for (qsizetype i = 0; i < sets.size(); ++i) {
        if (!sets[i].isObject())
            Refuse(QStringLiteral("data set %1 is no object").arg(i + 1));
        ReadDataSet(sets[i].toObject(), static_cast<int>(i), library, setup.sets[static_cast<int>(i)]);
    }
    return setup;
}

SavedSetup ReadSetupFile(const QString &fileName, const CompoundLibrary &library)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        Refuse(QStringLiteral("%1 does not exist").arg(fileName));
    if (!info.isFile() || info.size() > kMaxSetupFileSize)
        Refuse(QStringLiteral("%1 is not a Pheltra set-up").arg(fileName));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        Refuse(QStringLiteral("%1 cannot be read: %2").arg(fileName, file.errorString()));
    try {
        return ReadSetup(file.read(kMaxSetupFileSize + 1), library);
    } catch (const SetupError &error) {
        Refuse(QStringLiteral("%1: %2").arg(fileName, error.message));
    }
}

} // namespace pheltra
