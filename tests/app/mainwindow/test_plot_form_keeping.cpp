// Keeping what the user built and taking exact numbers out of it: set-ups
// saved and opened in a new program, a set-up that cannot be used changing
// nothing, the user library at start-up (CmpMix.dat never written), the
// exported curves and the values at one energy equal to CoefficientAt.
#include "app/mainwindow/program.h"

#include "absorber/data_sources.h"
#include "app/datasetup/user_materials.h"
#include "app/mainwindow/plot_form.h"
#include "app/mainwindow/splash_form.h"
#include "app/output/curves_export.h"
#include "app/viewdialogs/value_at_energy_dialog.h"
#include "graph/vexplot.h"
#include "tests/app/support/scripted_prompt.h"

#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>

namespace {

const QString kShippedLibrary = QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat");

QByteArray ReadAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Six data sets of every kind: mixtures, both sources, three quantities,
// colours, widths, patterns and legends of their own.
void FillSixDataSets(TPheltraProgram &program)
{
    struct Row
    {
        std::vector<std::pair<const char *, long double>> absorbers;
        int source, type, width;
        std::uint8_t pattern;
        const char *legend;
    };
    const Row rows[] = {
        {{{"Lead", 0.9L}, {"Antimony", 0.1L}}, kDataSourceB, kCoeffTypeAttenuationTotal, 2, kSolid, "hard lead"},
        {{{"Water, Liquid", 1}}, kDataSourceH, kCoeffTypeEnergyAbsorptionTotal, 1, kDash, "<b>water</b>"},
        {{{"Bone, Cortical (ICRU-44)", 1}}, kDataSourceB, 4, 3, kDot, "bone, Compton"},
        {{{"Polyethylene", 3}, {"Lead", 0.25L}}, kDataSourceB, 7, 1, kDashDot, "loaded PE"},
        {{{"Air, Dry (near sea level)", 1}}, kDataSourceH, kCoeffTypeAttenuationTotal, 1, kDashDotDot, "air"},
        {{{"Tissue, Soft (ICRU-44)", 1}}, kDataSourceB, 1, 4, kSolid, ""},
    };
    for (int i = 0; i < DataSets::kCount; ++i) {
        const Row &row = rows[i];
        TCmpDataSet &set = program.Sets()[i];
        for (const auto &[name, weight] : row.absorbers)
            set.AddAbsorber(QString::fromUtf8(name), weight);
        set.SetDataSource(row.source);
        set.CoeffType = static_cast<std::int8_t>(row.type);
        set.LineWidth = row.width;
        set.LinePattern = row.pattern;
        set.LineColor = RgbColor(static_cast<std::uint8_t>(40 * i), 0x80, 0x20);
        set.SetLegend(QString::fromUtf8(row.legend));
        set.UpdateComposition(program.Library());
    }
    program.PlotRange() = TPlotRange{5, 20000};
    program.MainForm().menuLegendSouthWest->trigger();
    program.MainForm().MRGraph().GraphTitle().SetCaption(QStringLiteral("shields"));
    program.MainForm().menuShowTitle->trigger();
    program.MainForm().PlotData();
}

std::vector<TSeriesPoint> Points(const TPheltraProgram &program, int slot)
{
    return program.MainForm().MRGraph().Series(slot)->Points;
}

class Keeping : public ::testing::Test
{
protected:
    QTemporaryDir dir_;
    QString user_ = dir_.filePath(QStringLiteral("UserMix.dat"));
    QString setup_ = dir_.filePath(QStringLiteral("six.pheltra"));
    ScriptedPrompt prompt_;
};

TEST_F(Keeping, ASavedSetupOpensInANewProgramAsTheSameGraph)
{
    TPheltraProgram first(kShippedLibrary, user_);
    FillSixDataSets(first);
    ASSERT_TRUE(first.MainForm().SaveSetup(setup_));

    TPheltraProgram second(kShippedLibrary, user_);
    ASSERT_TRUE(second.MainForm().OpenSetup(setup_));
    EXPECT_EQ(second.Sets(), first.Sets());
    EXPECT_EQ(second.PlotRange().Min, 5);
    EXPECT_EQ(second.PlotRange().Max, 20000);
    for (int slot = 1; slot <= DataSets::kCount; ++slot) {
        const TSeries &a = *first.MainForm().MRGraph().Series(slot), &b = *second.MainForm().MRGraph().Series(slot);
        EXPECT_EQ(b.Colour, a.Colour);
        EXPECT_EQ(b.Legend, a.Legend);
        EXPECT_EQ(b.LineWidth, a.LineWidth);
        EXPECT_EQ(b.PenStyle, a.PenStyle);
        ASSERT_EQ(b.Points.size(), a.Points.size()) << slot;
        for (std::size_t i = 0; i < a.Points.size(); ++i)
            EXPECT_TRUE(b.Points[i].X == a.Points[i].X && b.Points[i].Y == a.Points[i].Y) << slot << ":" << i;
    }
    const TmrPlotForm &form = second.MainForm();
    EXPECT_TRUE(form.menuLegendSouthWest->isChecked());
    EXPECT_TRUE(form.menuShowTitle->isChecked());
    EXPECT_EQ(form.MRGraph().GraphTitle().Caption(), "shields");
    EXPECT_EQ(form.MRGraph().YAxis().Caption(), first.MainForm().MRGraph().YAxis().Caption());
    EXPECT_TRUE(prompt_.Take().empty());
}

TEST_F(Keeping, ASetupThatCannotBeUsedChangesNothing)
{
    TPheltraProgram first(kShippedLibrary, user_);
    FillSixDataSets(first);
    ASSERT_TRUE(first.MainForm().SaveSetup(setup_));
    QFile missing(dir_.filePath(QStringLiteral("missing.pheltra")));
    ASSERT_TRUE(missing.open(QIODevice::WriteOnly));
    missing.write(ReadAll(setup_).replace("Antimony", "Unobtainium"));
    missing.close();
    QFile other(dir_.filePath(QStringLiteral("other.pheltra")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("Lead;Pb;;;;;;11.35;82;1\r\n");
    other.close();

    TPheltraProgram second(kShippedLibrary, user_);
    second.Sets()[0].AddAbsorber(QStringLiteral("Lead"), 1);
    second.Sets()[0].UpdateComposition(second.Library());
    second.MainForm().PlotData();
    const DataSets before = second.Sets();
    const std::vector<TSeriesPoint> plotted = Points(second, 1);
    const std::pair<QString, QString> rows[] = {
        {missing.fileName(), missing.fileName() + ": data set 1 names 'Unobtainium', which the library does not hold"},
        {other.fileName(), other.fileName() + ": not a Pheltra set-up"},
    };
    for (const auto &[file, message] : rows) {
        prompt_.Answer(UserPrompt::Answer::Ok);
        EXPECT_FALSE(second.MainForm().OpenSetup(file));
        EXPECT_EQ(prompt_.TakeTexts(), QStringList{message});
        EXPECT_EQ(second.Sets(), before);
        EXPECT_EQ(Points(second, 1).size(), plotted.size());
        EXPECT_EQ(second.PlotRange().Max, TPlotRange::kFullMax);
    }
}

TEST_F(Keeping, TheUserLibraryIsReadAfterCmpMixWhichIsNeverWritten)
{
    const QString library = dir_.filePath(QStringLiteral("CmpMix.dat"));
    ASSERT_TRUE(QFile::copy(kShippedLibrary, library));
    QFile faulty(user_);
    ASSERT_TRUE(faulty.open(QIODevice::WriteOnly));
    faulty.write("mine\r\nGOS;Gd2O2S;;;user library;;;7.34;8;0.0845;64;0.831;16;0.0847\r\nBroken;;;;;;;1\r\n");
    faulty.close();

    TPheltraProgram program(library, user_);
    EXPECT_EQ(program.Splash().Message(), "Error in reading line # 2 of file UserMix.dat");
    EXPECT_EQ(program.Library().Count(), 306);
    EXPECT_TRUE(program.Library().IsUser(program.Library().IndexOf(QStringLiteral("GOS"))));

    TCompound bgo = program.Library().Compound(program.Library().IndexOf(QStringLiteral("GOS")));
    EXPECT_EQ(program.UserMaterials().Add(QStringLiteral("BGO"), bgo), QString());
    EXPECT_EQ(program.UserMaterials().Add(QStringLiteral("lead"), bgo),
              "The library already holds a material named 'Lead'.");
    EXPECT_EQ(ReadAll(library), ReadAll(kShippedLibrary));
    EXPECT_TRUE(ReadAll(user_).contains("\r\nBGO;"));
    EXPECT_FALSE(ReadAll(user_).contains("Broken"));
}

TEST_F(Keeping, ExportedCurvesAndValuesAtAnEnergyAreCoefficientAt)
{
    TPheltraProgram program(kShippedLibrary, user_);
    FillSixDataSets(program);
    const TmrPlotForm &form = program.MainForm();

    const double leadK = TCmpDataSet::AbsorptionEdge(82, 1, kDataSourceB);
    const QList<QByteArray> rows = CurvesCsv(form.MRGraph(), program.Sets()).split('\n');
    std::size_t points = 0, edges = 0;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const QByteArray row = rows[i].trimmed();
        if (row.isEmpty())
            continue;
        const qsizetype valueAt = row.lastIndexOf(','), energyAt = row.lastIndexOf(',', valueAt - 1);
        const int set = row.left(row.indexOf(',')).toInt();
        const double energy = row.mid(energyAt + 1, valueAt - energyAt - 1).toDouble();
        const double value = row.mid(valueAt + 1).toDouble();
        EXPECT_EQ(value, double(program.Sets()[set - 1].CoefficientAt(energy))) << row.constData();
        ++points;
        if (set == 1 && std::abs(energy - leadK) < 0.01)
            ++edges;
    }
    std::size_t plotted = 0;
    for (int slot = 1; slot <= DataSets::kCount; ++slot)
        plotted += Points(program, slot).size();
    EXPECT_EQ(points, plotted);
    EXPECT_EQ(edges, 2u); // the lead K edge and 0.001 keV below it

    const std::vector<TExactValue> values = ExactValuesAt(program.Sets(), form.PlottedCurves(), 60.0);
    ASSERT_EQ(values.size(), 6u);
    for (const TExactValue &value : values) {
        EXPECT_EQ(value.Value, program.Sets()[value.Slot - 1].CoefficientAt(60.0));
        long double back = 0;
        const QByteArray text = ExactValuesText(60.0, {value}).split(QLatin1Char('\t')).back().trimmed().toLatin1();
        std::from_chars(text.constData(), text.constData() + text.size(), back);
        EXPECT_EQ(back, value.Value) << text.constData();
    }
}

} // namespace
