// The Shielding and X-ray Beam windows driven through their controls: a lead
// shield for Cs-137 shows the figures its calculation gives (which are
// pheltra-cli's, tests/app/cli/test_cli_tool_calculations.cpp), a changed
// thickness moves the results and the graph, a refused input shows its line
// and computes nothing, Copy puts the figures and the curve on the clipboard.
#include "absorber/compound_file.h"
#include "absorber/compound_library.h"
#include "absorber/material/number_text.h"
#include "app/datasetup/absorber_selection_dialog.h"
#include "app/kit/string_grid.h"
#include "app/output/current_printer.h"
#include "app/output/save_file_chooser.h"
#include "app/tools/layer_list.h"
#include "app/tools/shielding_form.h"
#include "app/tools/tool_reports.h"
#include "app/tools/xray_beam_form.h"
#include "graph/vexplot.h"
#include "tests/app/support/field_typing.h"
#include "tests/app/support/modal_driver.h"
#include "tests/app/support/scripted_prompt.h"

#include <QClipboard>
#include <QFile>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gmock/gmock.h>

namespace {

const QString kShippedLibrary = QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat");

// The tests look at series and scales, not at fonts and grids.
void PlainLook(TPlotEngine &) { }

using app_test::TypeInto;
using dialog_test::Child;
using dialog_test::Click;
using dialog_test::WhenModalShows;

// The value shown beside a quantity in a result grid.
QString Shown(const StringGrid *grid, const QString &quantity)
{
    for (int row = 1; row < grid->rowCount(); ++row)
        if (grid->Cell(row, 0) == quantity)
            return grid->Cell(row, 1);
    return QString();
}

class ToolWindows : public ::testing::Test
{
protected:
    ToolWindows()
    {
        EXPECT_EQ(LoadCompoundLibrary(kShippedLibrary, library_), kLibraryLoaded);
        printer_ = NewCurrentPrinter(dir_.filePath(QStringLiteral("out.pdf")));
        beam_ = new TXrayBeamForm(library_, absorberDialog_, *printer_, &PlainLook);
        shielding_ = new TShieldingForm(library_, absorberDialog_, *beam_, *printer_, &PlainLook);
    }
    ~ToolWindows() override
    {
        dialog_test::CancelModalActions();
        delete shielding_;
        delete beam_;
    }

    // The layer dialog's answer: a library entry through the selection
    // dialog, its thickness in cm.
    static void QueueLayer(const char *entry, const char *thicknessCm)
    {
        WhenModalShows([=](QWidget *layer) {
            if (entry) {
                WhenModalShows([=](QWidget *selection) {
                    auto *list = Child<QComboBox>(selection, "CMSelectBox");
                    const int index = list->findText(QString::fromLatin1(entry));
                    list->setCurrentIndex(index);
                    emit list->activated(index);
                    Click(selection, "OkBtn");
                });
                Click(layer, "btnChoose");
            }
            TypeInto(Child<pheltra::controls::TNumEdit>(layer, "neThickness"), QString::fromLatin1(thicknessCm));
            Click(layer, "btnOk");
        });
    }

    // Cs-137 behind 2 cm of lead, 1 GBq at 2 m, as a user enters it.
    void EnterLeadForCs137()
    {
        shielding_->Layers->SetLayers({});
        QueueLayer("Lead", "2");
        QTest::mouseClick(shielding_->Layers->btnAdd, Qt::LeftButton);
        shielding_->comboNuclide->setCurrentIndex(shielding_->comboNuclide->findText(QStringLiteral("Cs-137")));
        TypeInto(shielding_->neActivity, QStringLiteral("1"));
        TypeInto(shielding_->neDistance, QStringLiteral("2"));
    }

    QTemporaryDir dir_;
    CompoundLibrary library_;
    TCmpMixDlg absorberDialog_;
    std::unique_ptr<QPrinter> printer_;
    TXrayBeamForm *beam_;
    TShieldingForm *shielding_;
};

TEST_F(ToolWindows, LeadForCs137ShowsItsCalculationsFigures)
{
    shielding_->show();
    EnterLeadForCs137();
    pheltra::ShieldingInputs inputs;
    inputs.nuclide = QStringLiteral("Cs-137");
    inputs.layers = {{{QStringLiteral("Lead")}, {2.0, pheltra::ThicknessUnit::Cm}}};
    inputs.activityGBq = 1.0;
    inputs.distanceM = 2.0;
    const pheltra::ShieldingOutcome expected = pheltra::ComputeShielding(inputs, library_);
    ASSERT_TRUE(expected.ok()) << expected.refusal.toStdString();
    const pheltra::ShieldingOutcome &outcome = shielding_->Outcome();
    ASSERT_TRUE(outcome.ok()) << outcome.refusal.toStdString();
    const std::vector<pheltra::ResultRow> rows = pheltra::ShieldingSummary(expected);
    const std::vector<pheltra::ResultRow> shown = pheltra::ShieldingSummary(outcome);
    ASSERT_EQ(shown.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].label.toStdString());
        EXPECT_EQ(pheltra::ShortestText(shown[i].value), pheltra::ShortestText(rows[i].value));
        EXPECT_EQ(Shown(shielding_->ResultGrid, rows[i].label), pheltra::ShownValue(rows[i].value));
    }
    EXPECT_TRUE(shielding_->lblRefusal->text().isEmpty());
    EXPECT_EQ(shielding_->NuclideLineGrid->Cell(5, 1), QStringLiteral("661.655"));
}

TEST_F(ToolWindows, AChangedThicknessMovesTheResultsAndTheGraph)
{
    shielding_->show();
    EnterLeadForCs137();
    const double before = shielding_->Outcome().result.broadBeam;
    shielding_->Layers->SelectRow(0);
    QueueLayer(nullptr, "3");
    QTest::mouseClick(shielding_->Layers->btnEdit, Qt::LeftButton);

    const pheltra::ShieldingOutcome &after = shielding_->Outcome();
    EXPECT_LT(after.result.broadBeam, before);
    EXPECT_EQ(Shown(shielding_->ResultGrid, QStringLiteral("Broad-beam transmission")),
              pheltra::ShownValue(after.result.broadBeam));
    // The curve reaches past the new thickness, which the marker shows.
    TVexplot &graph = *shielding_->ShieldGraph;
    EXPECT_DOUBLE_EQ(graph.XScale().Max(), 4.5);
    EXPECT_EQ(graph.Series(2)->Count(), pheltra::kCurvePoints);
    ASSERT_TRUE(graph.OverlayPolyline(1)->Enabled);
    EXPECT_DOUBLE_EQ(graph.OverlayPolyline(1)->Vertices.front().x(), 3.0);
}

TEST_F(ToolWindows, ARefusedInputShowsItsLineAndComputesNothing)
{
    struct Row
    {
        const char *energyKeV;
        const char *says;
    };
    shielding_->show();
    for (const Row &row : {Row{"10", "15 keV"}, Row{"20000", "15 MeV"}}) {
        SCOPED_TRACE(row.energyKeV);
        QTest::mouseClick(shielding_->rbEnergy, Qt::LeftButton);
        TypeInto(shielding_->neEnergy, QString::fromLatin1(row.energyKeV));
        EXPECT_THAT(shielding_->lblRefusal->text().toStdString(), ::testing::HasSubstr(row.says));
        EXPECT_TRUE(Shown(shielding_->ResultGrid, QStringLiteral("Broad-beam transmission")).isEmpty());
        EXPECT_EQ(shielding_->ShieldGraph->Series(1)->Count(), 0);
        EXPECT_FALSE(shielding_->btnCopy->isEnabled());
    }
    TypeInto(shielding_->neEnergy, QStringLiteral("662"));
    EXPECT_TRUE(shielding_->lblRefusal->text().isEmpty());
    EXPECT_TRUE(shielding_->btnCopy->isEnabled());
}

TEST_F(ToolWindows, CopyPutsTheFiguresAndTheCurveOnTheClipboard)
{
    shielding_->show();
    EnterLeadForCs137();
    QTest::mouseClick(shielding_->btnCopy, Qt::LeftButton);
    const QStringList copied = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    const pheltra::ShieldingOutcome &outcome = shielding_->Outcome();
    EXPECT_TRUE(copied.contains(QStringLiteral("Broad-beam transmission\t") +
                                pheltra::ShortestText(outcome.result.broadBeam) + QLatin1Char('\t')));
    const qsizetype curve = copied.indexOf(QStringLiteral("last_layer_cm\tnarrow_beam\tbroad_beam"));
    ASSERT_GE(curve, 0);
    const pheltra::CurvePoint &last = outcome.curve.back();
    EXPECT_EQ(copied[curve + pheltra::kCurvePoints],
              QStringList({pheltra::ShortestText(last.thicknessCm), pheltra::ShortestText(last.narrowBeam),
                           pheltra::ShortestText(last.broadBeam)})
                  .join(QLatin1Char('\t')));

    beam_->show();
    QTest::mouseClick(beam_->btnCopy, Qt::LeftButton);
    const QString beamText = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(beamText.startsWith(QStringLiteral("First HVL\t")));
    EXPECT_TRUE(beamText.contains(QStringLiteral("\nenergy_keV\tfluence_per_keV_unfiltered")));
}

TEST_F(ToolWindows, XrayBeamShowsItsCalculationsFiguresAndRefusesOutsideTasmip)
{
    beam_->show();
    TypeInto(beam_->neKv, QStringLiteral("100"));
    pheltra::BeamInputs inputs;
    inputs.kv = 100.0;
    inputs.filters = {{{QStringLiteral("Aluminum")}, {2.5, pheltra::ThicknessUnit::Mm}}};
    const pheltra::BeamOutcome expected = pheltra::ComputeBeam(inputs, library_);
    ASSERT_TRUE(expected.ok()) << expected.refusal.toStdString();
    EXPECT_EQ(beam_->Outcome().quality.hvl1Mm, expected.quality.hvl1Mm);
    EXPECT_EQ(beam_->Outcome().quality.airKermaUGyPerMAsAt1m, expected.quality.airKermaUGyPerMAsAt1m);
    EXPECT_EQ(Shown(beam_->ResultGrid, QStringLiteral("First HVL")), pheltra::ShownValue(expected.quality.hvl1Mm));
    EXPECT_EQ(beam_->BeamGraph->Series(2)->Count(), 91); // 10 to 100 keV in 1-keV bins

    TypeInto(beam_->neKv, QStringLiteral("20"));
    EXPECT_THAT(beam_->lblRefusal->text().toStdString(), ::testing::HasSubstr("30"));
    EXPECT_TRUE(Shown(beam_->ResultGrid, QStringLiteral("First HVL")).isEmpty());
    EXPECT_EQ(beam_->BeamGraph->Series(2)->Count(), 0);
    // The Shielding window's beam source follows, refused with the reason.
    QTest::mouseClick(shielding_->rbBeam, Qt::LeftButton);
    EXPECT_TRUE(shielding_->lblRefusal->text().startsWith(QStringLiteral("the X-ray beam: ")));
}

TEST_F(ToolWindows, LayerButtonsKeepTheOrderAndTheLimit)
{
    using pheltra::LayerChoice;
    TLayerList &list = *shielding_->Layers;
    const auto layer = [](const char *name) {
        return LayerChoice{{QString::fromLatin1(name)}, {1.0, pheltra::ThicknessUnit::Cm}};
    };
    list.SetLayers({layer("Iron"), layer("Water, Liquid"), layer("Lead")});
    struct Step
    {
        int row;
        QPushButton *TLayerList::*button;
        QStringList after;
    };
    for (const Step &step : {Step{2, &TLayerList::btnUp, {"Iron", "Lead", "Water, Liquid"}},
                             Step{0, &TLayerList::btnUp, {"Iron", "Lead", "Water, Liquid"}},
                             Step{0, &TLayerList::btnDown, {"Lead", "Iron", "Water, Liquid"}},
                             Step{1, &TLayerList::btnDelete, {"Lead", "Water, Liquid"}}}) {
        list.SelectRow(step.row);
        QTest::mouseClick(list.*step.button, Qt::LeftButton);
        QStringList names;
        for (const LayerChoice &choice : list.Layers())
            names << choice.material.text;
        EXPECT_EQ(names, step.after);
        EXPECT_EQ(list.LayerGrid->Cell(1, 1), step.after.first());
    }
    // The last layer faces the point: its material gives the build-up.
    EXPECT_EQ(shielding_->Outcome().basis, QStringLiteral("Water table"));

    list.SetLayers(std::vector<LayerChoice>(TLayerList::kRows, layer("Lead")));
    ScriptedPrompt prompt;
    prompt.Answer(UserPrompt::Answer::Ok);
    QTest::mouseClick(list.btnAdd, Qt::LeftButton);
    EXPECT_EQ(prompt.TakeTexts(), QStringList{QStringLiteral("Number of layers limited to 6!")});
    EXPECT_EQ(list.Layers().size(), std::size_t(TLayerList::kRows));
}

TEST_F(ToolWindows, SaveWritesTheReportWhole)
{
    shielding_->show();
    const QString file = dir_.filePath(QStringLiteral("shield.txt"));
    const SaveFileChooser::Handler previous =
        SaveFileChooser::SetHandler([&](QWidget *, const SaveFileChooser::Request &) {
            return SaveFileChooser::Choice{file, QString()};
        });
    QTest::mouseClick(shielding_->btnSave, Qt::LeftButton);
    SaveFileChooser::SetHandler(previous);
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(saved.readAll());
    EXPECT_TRUE(text.startsWith(QStringLiteral("Pheltra ")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nBroad-beam transmission ")));
    EXPECT_TRUE(text.contains(QStringLiteral("last_layer_cm")));
    EXPECT_FALSE(text.contains(QStringLiteral("\t")));
}

} // namespace
