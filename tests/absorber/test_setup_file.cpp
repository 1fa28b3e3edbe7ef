// Set-ups written and read back, and every set-up that cannot be used
// refused in one line.
#include "absorber/setup_file.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>

namespace {

using pheltra::SavedSetup;
using pheltra::SetupError;

CompoundLibrary Library()
{
    CompoundLibrary library;
    const auto add = [&library](const char *name, std::initializer_list<std::pair<int, float>> parts, float density) {
        TCompound c;
        c.Clear();
        c.Density = density;
        std::size_t slot = 0;
        for (const auto &[z, w] : parts) {
            c.Z[slot] = z;
            c.Weight[slot++] = w;
        }
        library.Append(QString::fromLatin1(name), c);
    };
    add("Lead", {{82, 1.0f}}, 11.35f);
    add("Water", {{1, 0.111898f}, {8, 0.888102f}}, 1.0f);
    add("Antimony", {{51, 1.0f}}, 6.69f);
    library.Sort();
    return library;
}

SavedSetup Example(const CompoundLibrary &library)
{
    SavedSetup setup;
    setup.sets[0].AddAbsorber(QStringLiteral("Lead"), 0.9L);
    setup.sets[0].AddAbsorber(QStringLiteral("Antimony"), 0.1L);
    setup.sets[0].SetLegend(QStringLiteral("Hard <b>lead</b>"));
    setup.sets[0].LinePattern = kDashDot;
    setup.sets[0].LineWidth = 3;
    setup.sets[2].AddAbsorber(QStringLiteral("Water"), 1.0L);
    setup.sets[2].SetDataSource(kDataSourceH);
    setup.sets[2].CoeffType = kCoeffTypeEnergyAbsorptionTotal;
    setup.sets[2].LineColor = RgbColor(0x12, 0x34, 0x56);
    for (TCmpDataSet &set : setup.sets)
        set.UpdateComposition(library);
    setup.rangeMin = 10;
    setup.rangeMax = 2000;
    setup.legend = pheltra::LegendPlacement::kSouthWest;
    setup.title = QStringLiteral("<sym>m</sym> of shields");
    setup.titleShown = true;
    return setup;
}

TEST(SetupFile, ReadsBackWhatItWrote)
{
    const CompoundLibrary library = Library();
    const SavedSetup written = Example(library);
    const SavedSetup read = pheltra::ReadSetup(pheltra::SetupJson(written), library);
    EXPECT_EQ(read.sets, written.sets);
    EXPECT_EQ(read.rangeMin, written.rangeMin);
    EXPECT_EQ(read.rangeMax, written.rangeMax);
    EXPECT_EQ(read.legend, written.legend);
    EXPECT_EQ(read.title, written.title);
    EXPECT_EQ(read.titleShown, written.titleShown);
}

// A set-up that cannot be used is refused with one line naming the trouble.
TEST(SetupFile, RefusesWhatItCannotUse)
{
    const CompoundLibrary library = Library();
    const QJsonObject good = QJsonDocument::fromJson(pheltra::SetupJson(Example(library))).object();
    const auto changed = [&good](const std::function<void(QJsonObject &)> &change) {
        QJsonObject root = good;
        change(root);
        return QJsonDocument(root).toJson();
    };
    const auto setSet = [](QJsonObject &root, const char *key, const QJsonValue &value) {
        QJsonArray sets = root[QStringLiteral("dataSets")].toArray();
        QJsonObject first = sets[0].toObject();
        first[QLatin1String(key)] = value;
        sets[0] = first;
        root[QStringLiteral("dataSets")] = sets;
    };
    const std::pair<QByteArray, QString> rows[] = {
        {"Lead;Pb;;;;;;11.35;82;1", "not a Pheltra set-up"},
        {"{\"format\": \"something else\"}", "not a Pheltra set-up"},
        {changed([](QJsonObject &r) { r[QStringLiteral("version")] = 7; }),
         "the set-up was written by a newer Pheltra (version 7; this one reads up to 1)"},
        {changed([&](QJsonObject &r) {
             setSet(r, "absorbers", QJsonArray{QJsonObject{{"name", "Leed"}, {"weight", 1}}});
         }),
         "data set 1 names 'Leed', which the library does not hold"},
        {changed([&](QJsonObject &r) { setSet(r, "type", "attenuation-everything"); }),
         "data set 1 has a coefficient type its source does not offer: 'attenuation-everything'"},
        {changed([&](QJsonObject &r) { setSet(r, "colour", "red"); }),
         "data set 1 has a colour that is not #rrggbb: 'red'"},
        {changed([&](QJsonObject &r) { setSet(r, "width", 1.5); }),
         "data set 1 has a line width that is no whole number from -32768 to 32767"},
        {changed([](QJsonObject &r) {
             r[QStringLiteral("plotRange")] = QJsonObject{{"min", 100}, {"max", 10}};
         }),
         "the plot range is no range of energies above 0"},
        {changed([](QJsonObject &r) { r.remove(QStringLiteral("title")); }), "the set-up has no valid \"title\""},
    };
    for (const auto &[bytes, message] : rows) {
        try {
            pheltra::ReadSetup(bytes, library);
            ADD_FAILURE() << "taken: " << message.toStdString();
        } catch (const SetupError &error) {
            EXPECT_EQ(error.message, message);
        }
    }
}

} // namespace
