// The data setup dialog as a user meets it: tabs, source and type lists, the
// absorber slots through the selection dialog, the composition display, the
// plotting controls and Copy Data, driven while the dialogs run modally.
#include "app/datasetup/data_setup_dialog.h"

#include "absorber/compound_library.h"
#include "app/datasetup/absorber_selection_dialog.h"
#include "app/datasetup/color_swatch.h"
#include "app/datasetup/duplicate_data_dialog.h"
#include "app/kit/string_grid.h"
#include "controls/num_edit.h"
#include "tests/app/support/modal_driver.h"
#include "tests/app/support/test_library.h"
#include "tests/app/support/help_topic_recorder.h"
#include "tests/app/support/scripted_prompt.h"
#include "tests/support/system_sound_recorder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

namespace dialog_test {
namespace {

using pheltra::controls::SystemSound;
using pheltra::controls::SystemSoundRecorder;
using pheltra::controls::TNumEdit;

const QString kRayleigh = QStringLiteral("attenuation-Rayleigh");
const QString kEnergyAbsorption = QStringLiteral("energy absorption-total");
const QString kSourceH = QStringLiteral("Zentrilo, Kavomer; NISTIR 5632, 1995");
const QString kSourceB = QStringLiteral("Ludrane, Pestova; Med Phys 23(1996)1997");

class DataSetupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        FillTestLibrary(library_);
        AddManyElementEntries(library_);
        dialog_ = std::make_unique<TMRDataDlg>(library_, selection_, duplicate_);
    }
    void TearDown() override { QLocale::setDefault(locale_); }

    bool Run(const ModalAction &action)
    {
        WhenModalShows(action);
        return dialog_->Execute(sets_);
    }
    // Fills the first slots of program data set `index` with `names`, each
    // of relative weight 1.
    void GiveAbsorbers(int index, const QStringList &names)
    {
        for (int slot = 0; slot < names.size(); ++slot) {
            sets_[index].AbsorberName[static_cast<std::size_t>(slot)] = names[slot];
            sets_[index].RelWeight[static_cast<std::size_t>(slot)] = 1.0L;
        }
    }

    static QComboBox *Combo(QWidget *d, const char *name) { return Child<QComboBox>(d, name); }
    static StringGrid *Grid(QWidget *d, const char *name) { return Child<StringGrid>(d, name); }
    static QString Text(QWidget *d, const char *name) { return Child<QLineEdit>(d, name)->text(); }
    static QTabBar *Tabs(QWidget *d) { return Child<QTabBar>(d, "dataTabControl"); }
    static TNumEdit *LineWidth(QWidget *d) { return Child<TNumEdit>(d, "numeditLinewidth"); }
    static QStringList Items(QComboBox *combo)
    {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }
    static void ClickTab(QWidget *d, int index)
    {
        QTest::mouseClick(Tabs(d), Qt::LeftButton, {}, Tabs(d)->tabRect(index).center());
    }
    static QPoint RowPoint(StringGrid *grid, int row) { return grid->visualItemRect(grid->item(row, 1)).center(); }
    static void ClickRow(QWidget *d, int row)
    {
        StringGrid *grid = Grid(d, "CompoundGrid");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, RowPoint(grid, row));
    }
    // Queues the selection dialog's answer: `name` picked with `weight`.
    static void WillChooseAbsorber(const QString &name, const QString &weight)
    {
        WhenModalShows([name, weight](QWidget *s) {
            PickFromList(Child<QComboBox>(s, "CMSelectBox"), name);
            QTest::keyClicks(Child<TNumEdit>(s, "numeditWeightFrac"), weight);
            Click(s, "OkBtn");
        });
    }
    static void Add(QWidget *d, const QString &name, const QString &weight)
    {
        WillChooseAbsorber(name, weight);
        Click(d, "btnAddAbsorber");
    }
    static QStringList AbsorberColumn(QWidget *d, int column)
    {
        QStringList cells;
        for (int row = 1; row <= TMRDataDlg::kSlots; ++row)
            cells << Grid(d, "CompoundGrid")->Cell(row, column);
        return cells;
    }
    static QStringList ElementRow(QWidget *d, int row) { return Grid(d, "ElementWeightGrid")->RowTexts(row); }
    static QStringList DerivedFields(QWidget *d)
    {
        return {Text(d, "editElDensity"), Text(d, "editDensity"), Text(d, "editElPerCCM"), Text(d, "editEffZ")};
    }

    QLocale locale_;
    CompoundLibrary library_;
    TCmpMixDlg selection_;
    TDuplicateDlg duplicate_;
    std::unique_ptr<TMRDataDlg> dialog_;
    DataSets sets_;
    ModalActionScope modalActions_;
    SystemSoundRecorder sounds_;
    ScriptedPrompt prompt_;
};

TEST_F(DataSetupTest, ShowsTheTabsListsAndCaptions)
{
    Run([](QWidget *d) {
        EXPECT_EQ(d->windowTitle(), "Selecting data");
        QStringList tabs;
        for (int i = 0; i < Tabs(d)->count(); ++i)
            tabs << Tabs(d)->tabText(i);
        EXPECT_EQ(tabs, QStringList({"# 1", "# 2", "# 3", "# 4", "# 5", "# 6"}));
        EXPECT_EQ(Items(Combo(d, "comboDataSource")), QStringList({kSourceH, kSourceB}));
        // A new data set: source B with all fifteen types, total attenuation.
        EXPECT_EQ(Combo(d, "comboDataSource")->currentIndex(), 1);
        EXPECT_EQ(Combo(d, "comboCoeffType")->count(), 15);
        EXPECT_EQ(Combo(d, "comboCoeffType")->currentText(), "attenuation-total");
        EXPECT_EQ(Combo(d, "comboCoeffType")->itemText(14), "energy absorption-pair");
        EXPECT_EQ(Items(Combo(d, "comboLinepattern")),
                  QStringList({"solid", "dash", "dot", "dash-dot", "dash-dot-dot"}));
        QStringList labels;
        for (const char *name : {"lblCoeffType", "lblDataSource", "lblComposition", "lblElDensity", "lblDensity",
                                 "lblElPerCCM", "lblEffZ", "lblColor", "lblLinewidth", "lblLinepattern", "lblLegend"})
            labels << Child<QLabel>(d, name)->text();
        EXPECT_EQ(labels,
                  QStringList({"Attenuation coefficient type:", "Data source:", "Gross elemental composition:",
                               "Electrons/g:", "Density, g/cm\u00B3:", "Calc. Electrons/cm\u00B3:", "Effective Z:",
                               "Line Color:", "Line width:", "Line pattern:", "Legend:"}));
        StringGrid *absorbers = Grid(d, "CompoundGrid");
        EXPECT_EQ(absorbers->rowCount(), 7);
        EXPECT_EQ(absorbers->Cell(0, 1), "Element/Compound/Mixture");
        EXPECT_EQ(absorbers->Cell(0, 2), "Relative weight");
        EXPECT_EQ(absorbers->Cell(6, 0), "6:");
        StringGrid *elements = Grid(d, "ElementWeightGrid");
        EXPECT_EQ(elements->rowCount(), 15);
        EXPECT_EQ(ElementRow(d, 0), QStringList({"#", "Z", "Element", "Weight fraction"}));
        EXPECT_EQ(elements->Cell(14, 0), "14:");
        EXPECT_EQ(LineWidth(d)->text(), "1");
        EXPECT_EQ(Text(d, "editLegend"), " ");
        for (const char *name : {"btnAddAbsorber", "btnEditAbsorber", "btnDeleteAbsorber", "btnColor", "btnCopyData",
                                 "btnOk", "btnCancel", "btnHelp"})
            EXPECT_NE(Child<QPushButton>(d, name), nullptr);
        Click(d, "btnCancel");
    });
}

TEST_F(DataSetupTest, SwitchingTheSourceKeepsOrResetsTheType)
{
    Run([](QWidget *d) {
        QComboBox *type = Combo(d, "comboCoeffType");
        QComboBox *source = Combo(d, "comboDataSource");
        PickFromList(type, kRayleigh);
        PickFromList(source, kSourceH);
        EXPECT_EQ(Items(type), QStringList({"(none)", "attenuation-total", kEnergyAbsorption}));
        EXPECT_EQ(type->currentText(), "(none)");

        PickFromList(source, kSourceB);
        PickFromList(type, kEnergyAbsorption);
        PickFromList(source, kSourceH);
        EXPECT_EQ(type->currentText(), kEnergyAbsorption);
        PickFromList(source, kSourceB);
        EXPECT_EQ(type->count(), 15);
        EXPECT_EQ(type->currentText(), kEnergyAbsorption);

        PickFromList(type, "attenuation-total");
        PickFromList(source, kSourceH);
        EXPECT_EQ(type->currentText(), "attenuation-total");
        Click(d, "btnOk");
    });
    EXPECT_EQ(sets_[0].DataSource, kDataSourceH);
    EXPECT_EQ(sets_[0].CoeffType, 1);
}

TEST_F(DataSetupTest, EnergyAbsorptionUnderSourceHIsStoredAsItsOwnType)
{
    sets_[2].DataSource = kDataSourceH;
    sets_[2].CoeffType = kCoeffTypeEnergyAbsorptionTotal;
    Run([](QWidget *d) {
        ClickTab(d, 2);
        EXPECT_EQ(Combo(d, "comboCoeffType")->currentIndex(), 2);
        EXPECT_EQ(Combo(d, "comboCoeffType")->currentText(), kEnergyAbsorption);
        ClickTab(d, 0);
        ClickTab(d, 2);
        Click(d, "btnOk");
    });
    EXPECT_EQ(sets_[2].CoeffType, kCoeffTypeEnergyAbsorptionTotal);
}

TEST_F(DataSetupTest, WaterShowsItsCompositionAndDerivedFigures)
{
    Run([](QWidget *d) {
        EXPECT_FALSE(Child<QPushButton>(d, "btnCopyData")->isEnabled());
        Add(d, QStringLiteral("Water"), QStringLiteral("1"));
        EXPECT_EQ(AbsorberColumn(d, 1), QStringList({"Water", "", "", "", "", ""}));
        EXPECT_EQ(AbsorberColumn(d, 2), QStringList({"1", "", "", "", "", ""}));
        EXPECT_EQ(ElementRow(d, 1), QStringList({"1:", "1", "H  (Hydrogen)", "0.111898"}));
        EXPECT_EQ(ElementRow(d, 2), QStringList({"2:", "8", "O  (Oxygen)", "0.888102"}));
        EXPECT_EQ(ElementRow(d, 3), QStringList({"3:", "", "", ""}));
        EXPECT_EQ(DerivedFields(d), QStringList({"3.34E+23", "1.00E+00", "3.34E+23", "7.51"}));
        EXPECT_TRUE(Child<QPushButton>(d, "btnCopyData")->isEnabled());
        Shot(d, "data_setup_water");
        Click(d, "btnOk");
    });
    EXPECT_EQ(sets_[0].AbsorberName[0].str(), "Water");
    EXPECT_EQ(sets_[0].RelWeight[0], 1.0L);
    EXPECT_NEAR(static_cast<double>(sets_[0].EffectiveZ), 7.506, 0.001);
}

TEST_F(DataSetupTest, AnAbsorberWithoutDensityTurnsDensityAndElectronsPerCm3IntoDashes)
{
    GiveAbsorbers(0, {QStringLiteral("Water")});
    Run([](QWidget *d) {
        Add(d, QStringLiteral("No density"), QStringLiteral("1"));
        const QStringList derived = DerivedFields(d);
        EXPECT_NE(derived[0], "--");
        EXPECT_EQ(derived[1], "--");
        EXPECT_EQ(derived[2], "--");
        EXPECT_NE(derived[3], "0.00");
        EXPECT_EQ(ElementRow(d, 1)[1], "1");
        EXPECT_EQ(ElementRow(d, 2)[1], "6");
        EXPECT_EQ(ElementRow(d, 2)[3], "0.5");
        EXPECT_EQ(ElementRow(d, 3)[1], "8");
        Click(d, "btnCancel");
    });
}

TEST_F(DataSetupTest, ADataSetWithoutAbsorbersShowsDashesAndZero)
{
    GiveAbsorbers(1, {QStringLiteral("Lead")});
    Run([](QWidget *d) {
        EXPECT_EQ(DerivedFields(d), QStringList({"--", "--", "--", "0.00"}));
        ClickTab(d, 1);
        EXPECT_EQ(DerivedFields(d), QStringList({"2.38E+23", "1.14E+01", "2.71E+24", "82.00"}));
        EXPECT_EQ(ElementRow(d, 1), QStringList({"1:", "82", "Pb  (Lead)", "1"}));
        ClickTab(d, 0);
        EXPECT_EQ(ElementRow(d, 1), QStringList({"1:", "", "", ""}));
        Click(d, "btnCancel");
    });
}

TEST_F(DataSetupTest, TheElementGridGrowsForMoreElementsThanRows)
{
    GiveAbsorbers(0, {QStringLiteral("First fourteen"), QStringLiteral("Next six")});
    Run([](QWidget *d) {
        StringGrid *elements = Grid(d, "ElementWeightGrid");
        EXPECT_EQ(elements->rowCount(), 21);
        EXPECT_EQ(ElementRow(d, 14)[1], "14");
        EXPECT_EQ(ElementRow(d, 15), QStringList({"15: ", "15", "P  (Phosphorus)", "0.05"}));
        EXPECT_EQ(ElementRow(d, 20)[1], "20");
        Click(d, "btnCancel");
    });
}

TEST_F(DataSetupTest, DeletingASlotMovesTheLaterOnesUp)
{
    GiveAbsorbers(0, {QStringLiteral("Air"), QStringLiteral("Lead"), QStringLiteral("Water"), QStringLiteral("Split")});
    sets_[0].RelWeight[3] = 4.0L;
    Run([](QWidget *d) {
        ClickRow(d, 2);
        Click(d, "btnDeleteAbsorber");
        EXPECT_EQ(AbsorberColumn(d, 1), QStringList({"Air", "Water", "Split", "", "", ""}));
        EXPECT_EQ(AbsorberColumn(d, 2), QStringList({"1", "1", "4", "", "", ""}));
        // An empty row deletes nothing.
        ClickRow(d, 5);
        Click(d, "btnDeleteAbsorber");
        EXPECT_EQ(AbsorberColumn(d, 1), QStringList({"Air", "Water", "Split", "", "", ""}));
        Click(d, "btnOk");
    });
    EXPECT_EQ(sets_[0].AbsorberName[2].str(), "Split");
    EXPECT_EQ(sets_[0].RelWeight[2], 4.0L);
    EXPECT_TRUE(sets_[0].AbsorberName[3].isEmpty());
    EXPECT_EQ(sets_[0].RelWeight[3], 0.0L);
}

TEST_F(DataSetupTest, ASeventhAbsorberIsRefusedWithTheLimitMessage)
{
    GiveAbsorbers(0, {"Air", "Lead", "Water", "Split", "No density", "Air"});
    prompt_.Answer(UserPrompt::Answer::Ok);
    Run([this](QWidget *d) {
        Click(d, "btnAddAbsorber");
        EXPECT_EQ(prompt_.TakeTexts(), QStringList{"Number of absorber materials limited to 6!"});
        EXPECT_EQ(QApplication::activeModalWidget(), d);
        EXPECT_EQ(AbsorberColumn(d, 1)[5], "Air");
        Click(d, "btnCancel");
    });
}

TEST_F(DataSetupTest, AddingThenCancellingTheSelectionChangesNoSlot)
{
    GiveAbsorbers(0, {QStringLiteral("Lead")});
    const DataSets before = sets_;
    Run([](QWidget *d) {
        WhenModalShows([](QWidget *s) {
            PickFromList(Child<QComboBox>(s, "CMSelectBox"), QStringLiteral("Water"));
            Click(s, "CancelBtn");
        });
        Click(d, "btnAddAbsorber");
        EXPECT_EQ(AbsorberColumn(d, 1), QStringList({"Lead", "", "", "", "", ""}));
        Click(d, "btnOk");
    });
    EXPECT_EQ(sets_[0].AbsorberName, before[0].AbsorberName);
    EXPECT_EQ(sets_[0].RelWeight, before[0].RelWeight);
}

TEST_F(DataSetupTest, DoubleClickEditsAFilledSlotAndAddsOnAnEmptyOne)
{
    GiveAbsorbers(0, {QStringLiteral("Lead")});
    Run([](QWidget *d) {
        StringGrid *grid = Grid(d, "CompoundGrid");
        WhenModalShows([](QWidget *s) {
            EXPECT_EQ(Child<QComboBox>(s, "CMSelectBox")->currentText(), "Lead");
            TNumEdit *weight = Child<TNumEdit>(s, "numeditWeightFrac");
            EXPECT_EQ(weight->text(), "1.000000");
            weight->setFocus();
            QTest::keyClicks(weight, QStringLiteral("2.5"));
            QTest::keyClick(weight, Qt::Key_Return);
        });
        DoubleClick(grid->viewport(), RowPoint(grid, 1));
        EXPECT_EQ(AbsorberColumn(d, 2)[0], "2.5");

        WillChooseAbsorber(QStringLiteral("Water"), QStringLiteral("3"));
        DoubleClick(grid->viewport(), RowPoint(grid, 4));
        EXPECT_EQ(AbsorberColumn(d, 1), QStringList({"Lead", "Water", "", "", "", ""}));
        EXPECT_EQ(grid->currentRow(), 2);
        Click(d, "btnOk");
    });
    EXPECT_EQ(sets_[0].RelWeight[0], 2.5L);
    EXPECT_EQ(sets_[0].RelWeight[1], 3.0L);
}

TEST_F(DataSetupTest, CopyDataKeepsTheTargetsLineStyleAndTakesEverythingElse)
{
    GiveAbsorbers(0, {QStringLiteral("Water"), QStringLiteral("Lead")});
    sets_[0].DataSource = kDataSourceH;
    sets_[0].CoeffType = kCoeffTypeEnergyAbsorptionTotal;
    sets_[0].LineWidth = 3;
    sets_[0].LinePattern = kDot;
    sets_[3].Legend = " old";
    sets_[3].LineWidth = 2;
    sets_[3].LinePattern = kDashDot;
    const LineColorValue targetColor = sets_[3].LineColor;
    Run([](QWidget *d) {
        Child<QLineEdit>(d, "editLegend")->selectAll();
        QTest::keyClicks(Child<QLineEdit>(d, "editLegend"), QStringLiteral("Water and lead"));
        // Onto its own number: nothing happens.
        WhenModalShows([](QWidget *c) {
            QTest::keyClicks(Child<TNumEdit>(c, "numbSetNr"), QStringLiteral("1"));
            Click(c, "OkBtn");
        });
        Click(d, "btnCopyData");
        EXPECT_EQ(Tabs(d)->currentIndex(), 0);

        WhenModalShows([](QWidget *c) {
            QTest::keyClicks(Child<TNumEdit>(c, "numbSetNr"), QStringLiteral("4"));
            Click(c, "OkBtn");
        });
        Click(d, "btnCopyData");
        EXPECT_EQ(Tabs(d)->currentIndex(), 3);
        EXPECT_EQ(AbsorberColumn(d, 1), QStringList({"Water", "Lead", "", "", "", ""}));
        EXPECT_EQ(Text(d, "editLegend"), " Water and lead");
        EXPECT_EQ(LineWidth(d)->text(), "2");
        EXPECT_EQ(Combo(d, "comboLinepattern")->currentText(), "dash-dot");
        EXPECT_EQ(Combo(d, "comboCoeffType")->currentText(), kEnergyAbsorption);
        EXPECT_EQ(Text(d, "editEffZ"), Text(d, "editEffZ"));
        Click(d, "btnOk");
    });
    EXPECT_EQ(sets_[3].AbsorberName, sets_[0].AbsorberName);
    EXPECT_EQ(sets_[3].ElementWeight, sets_[0].ElementWeight);
    EXPECT_EQ(sets_[3].DataSource, kDataSourceH);
    EXPECT_EQ(sets_[3].CoeffType, kCoeffTypeEnergyAbsorptionTotal);
    EXPECT_EQ(sets_[3].Legend, ShortText(" Water and lead"));
    EXPECT_EQ(sets_[3].LineColor, targetColor);
    EXPECT_EQ(sets_[3].LineWidth, 2);
    EXPECT_EQ(sets_[3].LinePattern, kDashDot);
    EXPECT_EQ(sets_[0].LineWidth, 3);
}

TEST_F(DataSetupTest, CopyDataCancelledChangesNothing)
{
    GiveAbsorbers(0, {QStringLiteral("Water")});
    const DataSets before = sets_;
    Run([](QWidget *d) {
        WhenModalShows([](QWidget *c) {
            QTest::keyClicks(Child<TNumEdit>(c, "numbSetNr"), QStringLiteral("2"));
            Click(c, "CancelBtn");
        });
        Click(d, "btnCopyData");
        EXPECT_EQ(Tabs(d)->currentIndex(), 0);
        Click(d, "btnOk");
    });
    EXPECT_EQ(sets_[1], before[1]);
}

TEST_F(DataSetupTest, ALegendIsStoredAndShownWithItsLeadingBlank)
{
    GiveAbsorbers(0, {QStringLiteral("Water")});
    Run([](QWidget *d) {
        auto *legend = Child<QLineEdit>(d, "editLegend");
        legend->selectAll();
        QTest::keyClicks(legend, QStringLiteral("Water"));
        ClickTab(d, 1);
        legend->selectAll();
        QTest::keyClick(legend, Qt::Key_Delete);
        Click(d, "btnOk");
    });
    EXPECT_EQ(sets_[0].Legend, ShortText(" Water"));
    EXPECT_EQ(sets_[1].Legend, ShortText(" "));
    Run([](QWidget *d) {
        // The dialog opens on the tab it was closed on.
        EXPECT_EQ(Tabs(d)->currentIndex(), 1);
        ClickTab(d, 0);
        EXPECT_EQ(Text(d, "editLegend"), " Water");
        Click(d, "btnCancel");
    });
}

TEST_F(DataSetupTest, ALineWidthOfZeroOrBelowIsTaken)
{
    GiveAbsorbers(0, {QStringLiteral("Water")});
    Run([](QWidget *d) {
        LineWidth(d)->setFocus();
        QTest::keyClicks(LineWidth(d), QStringLiteral("-3"));
        ClickTab(d, 1);
        // The field keeps the focus across the switch; the user selects the
        // width shown and types over it.
        LineWidth(d)->selectAll();
        QTest::keyClicks(LineWidth(d), QStringLiteral("0"));
        Click(d, "btnOk");
    });
    EXPECT_EQ(sets_[0].LineWidth, -3);
    EXPECT_EQ(sets_[1].LineWidth, 0);
}

TEST_F(DataSetupTest, ALineWidthTheFieldRefusesKeepsTheTabAndIsNeverStored)
{
    Run([this](QWidget *d) {
        TNumEdit *width = LineWidth(d);
        width->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("40000"));
        QTest::keyClick(width, Qt::Key_V, Qt::ControlModifier);
        ASSERT_EQ(width->text(), "40000");
        ClickTab(d, 2);
        EXPECT_EQ(Tabs(d)->currentIndex(), 0);
        EXPECT_EQ(dialog_->CurrentTab(), 0);
        EXPECT_EQ(sounds_.Take(), std::vector<SystemSound>{SystemSound::kBeep});
        EXPECT_TRUE(width->hasFocus());
        QTest::keyClick(width, Qt::Key_Return);
        EXPECT_EQ(sounds_.Take(), std::vector<SystemSound>{SystemSound::kBeep});
        EXPECT_TRUE(d->isVisible());
        QTest::keyClicks(width, QStringLiteral("5"));
        ClickTab(d, 2);
        EXPECT_EQ(Tabs(d)->currentIndex(), 2);
        Click(d, "btnOk");
    });
    EXPECT_EQ(sets_[0].LineWidth, 5);
}

TEST_F(DataSetupTest, TheColourChooserSetsTheLineColour)
{
    Run([](QWidget *d) {
        WhenModalShows([](QWidget *chooser) {
            auto *colors = qobject_cast<QColorDialog *>(chooser);
            ASSERT_NE(colors, nullptr);
            EXPECT_EQ(colors->currentColor(), QColor(Qt::black));
            colors->setCurrentColor(QColor(255, 128, 0));
            colors->accept();
        });
        Click(d, "btnColor");
        EXPECT_EQ(Child<ColorSwatch>(d, "editColor")->Color(), QColor(255, 128, 0));
        ClickTab(d, 1);
        WhenModalShows([](QWidget *chooser) {
            auto *colors = qobject_cast<QColorDialog *>(chooser);
            ASSERT_NE(colors, nullptr);
            EXPECT_EQ(colors->currentColor(), QColor(0, 0, 255));
            colors->setCurrentColor(QColor(1, 2, 3));
            colors->reject();
        });
        DoubleClick(Child<ColorSwatch>(d, "editColor"));
        Click(d, "btnOk");
    });
    EXPECT_EQ(sets_[0].LineColor, RgbColor(255, 128, 0));
    EXPECT_EQ(sets_[1].LineColor, RgbColor(0, 0, 255));
}

TEST_F(DataSetupTest, CancelChangesNothing)
{
    GiveAbsorbers(0, {QStringLiteral("Water")});
    GiveAbsorbers(2, {QStringLiteral("Lead")});
    const DataSets before = sets_;
    EXPECT_FALSE(Run([](QWidget *d) {
        Add(d, QStringLiteral("Air"), QStringLiteral("2"));
        QTest::keyClicks(Child<QLineEdit>(d, "editLegend"), QStringLiteral("changed"));
        PickFromList(Combo(d, "comboDataSource"), kSourceH);
        ClickTab(d, 2);
        ClickRow(d, 1);
        Click(d, "btnDeleteAbsorber");
        PickFromList(Combo(d, "comboLinepattern"), QStringLiteral("dot"));
        Click(d, "btnCancel");
    }));
    EXPECT_EQ(sets_, before);
    // The next run shows the program's data sets, not the abandoned edits.
    Run([](QWidget *d) {
        EXPECT_EQ(AbsorberColumn(d, 1)[0], "Lead");
        EXPECT_EQ(Combo(d, "comboLinepattern")->currentText(), "solid");
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_EQ(sets_, before);
}

TEST_F(DataSetupTest, OkAnswersWhetherAnyDataSetHoldsAnAbsorber)
{
    EXPECT_FALSE(Run([](QWidget *d) { Click(d, "btnOk"); }));
    EXPECT_TRUE(Run([](QWidget *d) {
        ClickTab(d, 5);
        Add(d, QStringLiteral("Lead"), QStringLiteral("1"));
        Click(d, "btnOk");
    }));
    EXPECT_TRUE(sets_[5].InUse());
    EXPECT_GT(sets_[5].ElementWeight[82], 0.0);
    // Every absorber deleted again: confirmed, but nothing to plot.
    EXPECT_FALSE(Run([](QWidget *d) {
        ClickRow(d, 1);
        Click(d, "btnDeleteAbsorber");
        Click(d, "btnOk");
    }));
    EXPECT_FALSE(sets_.AnyInUse());
}

TEST_F(DataSetupTest, HelpOpensTheDataSetupTopic)
{
    HelpTopicRecorder help;
    Help::SetHelpFile(QString::fromLatin1(Help::kHelpFileName));
    Run([](QWidget *d) {
        Click(d, "btnHelp");
        Click(d, "btnCancel");
    });
    EXPECT_EQ(help.Take(), QStringList{"menu_DataSetup"});
}

} // namespace
} // namespace dialog_test
