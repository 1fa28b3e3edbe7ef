// The absorber selection dialog as a user meets it: the list, the library's
// fields, the composition grid and the relative weight, driven by key and
// mouse events while the dialog runs modally.
#include "app/datasetup/absorber_selection_dialog.h"

#include "app/kit/string_grid.h"
#include "controls/num_edit.h"
#include "tests/app/support/modal_driver.h"
#include "tests/app/support/test_library.h"
#include "tests/app/support/help_topic_recorder.h"
#include "tests/app/support/scripted_prompt.h"
#include "tests/support/system_sound_recorder.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

namespace dialog_test {
namespace {

using pheltra::controls::SystemSound;
using pheltra::controls::SystemSoundRecorder;
using pheltra::controls::TNumEdit;
using Sounds = std::vector<SystemSound>;

class AbsorberSelectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        FillTestLibrary(library_);
        dialog_ = std::make_unique<TCmpMixDlg>();
        dialog_->SetLibrary(&library_);
    }
    void TearDown() override { QLocale::setDefault(locale_); }

    // Runs the dialog with `name` and `weight`, acting in it with `action`.
    bool Run(const QString &name, long double weight, const ModalAction &action)
    {
        dialog_->SetAbsorberName(name);
        dialog_->SetRelWeight(weight);
        WhenModalShows(action);
        return dialog_->Execute();
    }

    static QComboBox *List(QWidget *d) { return Child<QComboBox>(d, "CMSelectBox"); }
    static TNumEdit *Weight(QWidget *d) { return Child<TNumEdit>(d, "numeditWeightFrac"); }
    static StringGrid *Grid(QWidget *d) { return Child<StringGrid>(d, "WeightGrid"); }
    static QString Field(QWidget *d, const char *name) { return Child<QLineEdit>(d, name)->text(); }
    // Picks the list entry `name` with the mouse, as a user does.
    static void Pick(QWidget *d, const QString &name) { PickFromList(List(d), name); }

    QLocale locale_;
    CompoundLibrary library_;
    std::unique_ptr<TCmpMixDlg> dialog_;
    ModalActionScope modalActions_;
    SystemSoundRecorder sounds_;
    ScriptedPrompt prompt_;
};

TEST_F(AbsorberSelectionTest, ShowsTheLibraryNamesAndCaptions)
{
    QStringList names, labels;
    EXPECT_FALSE(Run({}, 0, [&](QWidget *d) {
        EXPECT_EQ(d->windowTitle(), "Select Elements, Compounds or Mixture");
        for (int i = 0; i < List(d)->count(); ++i)
            names << List(d)->itemText(i);
        for (const char *label :
             {"NameLbl", "FormulaLbl", "SecNameLbl", "SourceLbl", "DensityLbl", "CompLbl", "lblWeigthFrac"})
            labels << Child<QLabel>(d, label)->text();
        EXPECT_EQ(List(d)->currentIndex(), -1);
        // A new absorber is looked for by typing: the search field has the focus.
        EXPECT_TRUE(Child<QLineEdit>(d, "editSearch")->hasFocus());
        EXPECT_EQ(Child<QPushButton>(d, "OkBtn")->text(), "Ok");
        EXPECT_EQ(Child<QPushButton>(d, "CancelBtn")->text(), "Cancel");
        EXPECT_EQ(Child<QPushButton>(d, "HelpBtn")->text(), "Help");
        StringGrid *grid = Grid(d);
        EXPECT_EQ(grid->rowCount(), 15);
        EXPECT_EQ(grid->RowTexts(0), QStringList({"#", "Z", "Symbol", "Weight fraction"}));
        EXPECT_EQ(grid->RowTexts(1), QStringList({"1:", "", "", ""}));
        EXPECT_EQ(grid->RowTexts(14), QStringList({"14:", "", "", ""}));
        Click(d, "CancelBtn");
    }));
    EXPECT_EQ(names, QStringList({"Air", "Lead", "No density", "Split", "Water"}));
    EXPECT_EQ(labels,
              QStringList({"Element/Compound/Mixture:", "Formula:", "Second Name:", "Source:", "Density (g/cm\u00B3):",
                           "Atomic composition:", "Rel. weight:"}));
    // Emptied on closing, refilled at the next run.
    EXPECT_EQ(List(dialog_.get())->count(), 0);
}

TEST_F(AbsorberSelectionTest, EditingOpensWithTheEntryPreselectedAndOkReturnsItUnchanged)
{
    EXPECT_TRUE(Run(QStringLiteral("Water"), 2.5L, [](QWidget *d) {
        EXPECT_EQ(List(d)->currentText(), "Water");
        EXPECT_EQ(Field(d, "FormulaEditFld"), "H2O");
        EXPECT_EQ(Field(d, "SecNameEditFld"), "Liquid water");
        EXPECT_EQ(Field(d, "SourceEditFld"), "ICRU 44");
        EXPECT_EQ(Field(d, "DensityEditFld"), "1.000E+00");
        EXPECT_EQ(Weight(d)->text(), "2.500000");
        EXPECT_EQ(Grid(d)->RowTexts(1), QStringList({"1:", "1", "H", "0.111898"}));
        EXPECT_EQ(Grid(d)->RowTexts(2), QStringList({"2:", "8", "O", "0.888102"}));
        EXPECT_EQ(Grid(d)->RowTexts(3), QStringList({"3:", "", "", ""}));
        Shot(d, "absorber_selection");
        Click(d, "OkBtn");
    }));
    EXPECT_EQ(dialog_->AbsorberName(), "Water");
    EXPECT_EQ(dialog_->RelWeight(), 2.5L);
    EXPECT_TRUE(sounds_.Take().empty());
}

TEST_F(AbsorberSelectionTest, ThePreselectionIgnoresCaseAndAnUnknownNameSelectsNothing)
{
    Run(QStringLiteral("wATER"), 1, [](QWidget *d) {
        EXPECT_EQ(List(d)->currentText(), "Water");
        Click(d, "CancelBtn");
    });
    Run(QStringLiteral("Unobtainium"), 1, [](QWidget *d) {
        EXPECT_EQ(List(d)->currentIndex(), -1);
        EXPECT_EQ(Field(d, "FormulaEditFld"), "");
        EXPECT_EQ(Weight(d)->text(), "1.000000");
        Click(d, "CancelBtn");
    });
}

TEST_F(AbsorberSelectionTest, PickingAnEntryFillsItsFieldsAndMovesToTheWeight)
{
    EXPECT_TRUE(Run({}, 0, [](QWidget *d) {
        EXPECT_EQ(Weight(d)->text(), "");
        Pick(d, QStringLiteral("Lead"));
        EXPECT_EQ(Field(d, "FormulaEditFld"), "Pb");
        EXPECT_EQ(Field(d, "DensityEditFld"), "1.135E+01");
        EXPECT_EQ(Grid(d)->RowTexts(1), QStringList({"1:", "82", "Pb", "1"}));
        EXPECT_TRUE(Weight(d)->hasFocus());
        QTest::keyClicks(Weight(d), QStringLiteral("0.25"));
        QTest::keyClick(Weight(d), Qt::Key_Return);
    }));
    EXPECT_EQ(dialog_->AbsorberName(), "Lead");
    EXPECT_EQ(dialog_->RelWeight(), 0.25L);
    EXPECT_EQ(dialog_->PickedCompound().Z[0], 82);
}

TEST_F(AbsorberSelectionTest, EveryConstituentSlotIsShownAndAMissingDensityLeavesTheFieldEmpty)
{
    Run({}, 0, [](QWidget *d) {
        Pick(d, QStringLiteral("Split"));
        EXPECT_EQ(Grid(d)->RowTexts(1), QStringList({"1:", "1", "H", "0.5"}));
        EXPECT_EQ(Grid(d)->RowTexts(2), QStringList({"2:", "", "", ""}));
        EXPECT_EQ(Grid(d)->RowTexts(3), QStringList({"3:", "8", "O", "0.5"}));
        Pick(d, QStringLiteral("No density"));
        EXPECT_EQ(Field(d, "DensityEditFld"), "");
        // The rows of the entry picked before are gone.
        EXPECT_EQ(Grid(d)->Cell(3, 1), "");
        Click(d, "CancelBtn");
    });
}

TEST_F(AbsorberSelectionTest, OkWithoutAnEntryBeepsAndReturnsToTheList)
{
    EXPECT_FALSE(Run({}, 3, [this](QWidget *d) {
        Weight(d)->setFocus();
        Click(d, "OkBtn");
        EXPECT_EQ(sounds_.Take(), Sounds{SystemSound::kBeep});
        EXPECT_TRUE(d->isVisible());
        EXPECT_TRUE(List(d)->hasFocus());
        EXPECT_EQ(Weight(d)->text(), "");
        Click(d, "CancelBtn");
    }));
    EXPECT_EQ(dialog_->AbsorberName(), "");
    EXPECT_EQ(dialog_->RelWeight(), 0.0L);
}

TEST_F(AbsorberSelectionTest, OkRefusesAWeightOfZeroOrBelow)
{
    // A negative weight passes the field's own check (no lower bound) but
    // is no relative weight; an empty field reads as 0.
    for (const QString &typed : {QStringLiteral("-2"), QStringLiteral("")}) {
        EXPECT_TRUE(Run({}, 0, [this, typed](QWidget *d) {
            Pick(d, QStringLiteral("Air"));
            QTest::keyClicks(Weight(d), typed);
            Click(d, "OkBtn");
            EXPECT_EQ(sounds_.Take(), Sounds{SystemSound::kBeep}) << typed.toStdString();
            EXPECT_TRUE(d->isVisible());
            EXPECT_TRUE(Weight(d)->hasFocus());
            EXPECT_EQ(Weight(d)->text(), "");
            QTest::keyClicks(Weight(d), QStringLiteral("1"));
            QTest::keyClick(Weight(d), Qt::Key_Return);
        }));
        EXPECT_EQ(dialog_->RelWeight(), 1.0L);
    }
}

TEST_F(AbsorberSelectionTest, AWeightAbove100000000IsRefusedOnceWhetherClickedOrReturned)
{
    EXPECT_TRUE(Run({}, 0, [this](QWidget *d) {
        Pick(d, QStringLiteral("Air"));
        QTest::keyClicks(Weight(d), QStringLiteral("100000001"));
        Click(d, "OkBtn");
        EXPECT_EQ(sounds_.Take(), Sounds{SystemSound::kBeep});
        EXPECT_TRUE(d->isVisible());
        EXPECT_TRUE(Weight(d)->hasFocus());
        QTest::keyClick(Weight(d), Qt::Key_Return);
        EXPECT_EQ(sounds_.Take(), Sounds{SystemSound::kBeep});
        EXPECT_TRUE(d->isVisible());
        // The largest weight the field takes.
        QTest::keyClicks(Weight(d), QStringLiteral("100000000"));
        QTest::keyClick(Weight(d), Qt::Key_Return);
    }));
    EXPECT_EQ(dialog_->RelWeight(), 100000000.0L);
    EXPECT_TRUE(sounds_.Take().empty());
}

TEST_F(AbsorberSelectionTest, CancelAfterAPickLeavesNothingPicked)
{
    EXPECT_FALSE(Run(QStringLiteral("Water"), 1, [](QWidget *d) {
        Pick(d, QStringLiteral("Lead"));
        QTest::keyClicks(Weight(d), QStringLiteral("4"));
        QTest::keyClick(d, Qt::Key_Escape);
    }));
    EXPECT_EQ(dialog_->AbsorberName(), "");
    EXPECT_EQ(dialog_->RelWeight(), 0.0L);
    EXPECT_EQ(dialog_->PickedCompound().Z[0], -1);
    EXPECT_TRUE(dialog_->PickedCompound().Formula.isEmpty());
}

TEST_F(AbsorberSelectionTest, AnEntryLeftUnconfirmedIsNotShownAtTheNextRun)
{
    Run(QStringLiteral("Water"), 1, [](QWidget *d) {
        Weight(d)->setFocus();
        QTest::keyClicks(Weight(d), QStringLiteral("77"));
        Click(d, "CancelBtn");
    });
    Run(QStringLiteral("Water"), 1, [](QWidget *d) {
        EXPECT_EQ(Weight(d)->text(), "1.000000");
        Click(d, "CancelBtn");
    });
}

TEST_F(AbsorberSelectionTest, WithoutALibraryItSaysSoAndShowsNothing)
{
    dialog_->SetLibrary(nullptr);
    dialog_->SetAbsorberName(QStringLiteral("Water"));
    dialog_->SetRelWeight(2);
    prompt_.Answer(UserPrompt::Answer::Ok);
    EXPECT_FALSE(dialog_->Execute());
    EXPECT_EQ(prompt_.TakeTexts(), QStringList{"Compound list not available!"});
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->AbsorberName(), "");
    EXPECT_EQ(dialog_->RelWeight(), 0.0L);
}

TEST_F(AbsorberSelectionTest, HelpOpensTheSelectionTopic)
{
    HelpTopicRecorder help;
    Help::SetHelpFile(QString::fromLatin1(Help::kHelpFileName));
    Run({}, 0, [](QWidget *d) {
        Click(d, "HelpBtn");
        Click(d, "CancelBtn");
    });
    EXPECT_EQ(help.Take(), QStringList{"dlg_AbsSelection"});
}

} // namespace
} // namespace dialog_test
