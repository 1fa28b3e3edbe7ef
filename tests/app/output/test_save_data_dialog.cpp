// The selection dialog of "Save Data" and "Print Data", driven through its
// controls: its two forms, the selection it keeps, and the checks of its
// action button in their order.
#include "app/output/save_data_dialog.h"

#include "controls/num_edit.h"
#include "tests/app/support/modal_driver.h"
#include "tests/app/support/help_topic_recorder.h"
#include "tests/app/support/field_typing.h"
#include "tests/app/support/scripted_prompt.h"
#include "tests/support/system_sound_recorder.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

using app_test::Shown;
using app_test::TypeInto;
using dialog_test::Child;
using dialog_test::Click;
using dialog_test::ModalAction;
using pheltra::controls::SystemSound;
using pheltra::controls::SystemSoundRecorder;
using pheltra::controls::TNumEdit;
using Sounds = std::vector<SystemSound>;
using UserPrompt::Answer;

class SaveDataDialog : public ::testing::Test
{
protected:
    bool Run(TMRSaveDlg::Form form, const ModalAction &action)
    {
        dialog_test::WhenModalShows(action);
        return dialog_.Execute(form);
    }
    static QCheckBox *Absorber(QWidget *d, int number)
    {
        return d->findChild<QCheckBox *>(QStringLiteral("cbAbsorber%1").arg(number));
    }
    static void UntickAll(QWidget *d)
    {
        for (int i = 1; i <= 6; ++i)
            Absorber(d, i)->setChecked(false);
    }
    static void TypeGrid(QWidget *d, const char *from, const char *to, const char *interval)
    {
        TypeInto(Child<TNumEdit>(d, "numeditFrom"), QString::fromLatin1(from));
        TypeInto(Child<TNumEdit>(d, "numeditTo"), QString::fromLatin1(to));
        TypeInto(Child<TNumEdit>(d, "numeditIntv"), QString::fromLatin1(interval));
    }

    TMRSaveDlg dialog_;
    dialog_test::ModalActionScope modalActions_;
    SystemSoundRecorder sounds_;
    ScriptedPrompt prompts_;
};

TEST_F(SaveDataDialog, SaveAndPrintFormsShowTheSelectionAtStart)
{
    EXPECT_FALSE(Run(TMRSaveDlg::Form::Save, [](QWidget *d) {
        EXPECT_EQ(d->windowTitle(), "Save Data Dialog");
        EXPECT_EQ(Child<QLabel>(d, "lblTitle")->text(), "Selection of data to be saved:");
        EXPECT_TRUE(Child<QLabel>(d, "lblTitle")->font().bold());
        EXPECT_EQ(Child<QPushButton>(d, "btnAction")->text(), "Save");
        EXPECT_TRUE(Child<QPushButton>(d, "btnAction")->isDefault());
        EXPECT_EQ(Child<QGroupBox>(d, "grpAbsorbers")->title(), " Absorbers ");
        EXPECT_EQ(Child<QGroupBox>(d, "grpData")->title(), " Data ");
        for (int i = 1; i <= 6; ++i) {
            EXPECT_EQ(Absorber(d, i)->text(), QStringLiteral("# %1").arg(i));
            EXPECT_TRUE(Absorber(d, i)->isChecked());
        }
        EXPECT_EQ(Child<QCheckBox>(d, "cbAbsData")->text(), "absorber composition");
        EXPECT_EQ(Child<QCheckBox>(d, "cbCoeffData")->text(), "absorption coefficients");
        EXPECT_TRUE(Child<QCheckBox>(d, "cbAbsData")->isChecked());
        EXPECT_TRUE(Child<QCheckBox>(d, "cbCoeffData")->isChecked());
        EXPECT_EQ(Child<QLabel>(d, "lblEnergyGrid")->text(), "Energy grid (units keV):");
        for (const char *name : {"numeditFrom", "numeditTo", "numeditIntv"})
            EXPECT_EQ(Shown(Child<TNumEdit>(d, name)), "1.00");
        dialog_test::Shot(d, "save_data_dialog");
        Click(d, "btnCancel");
    }));
    EXPECT_FALSE(Run(TMRSaveDlg::Form::Print, [](QWidget *d) {
        EXPECT_EQ(d->windowTitle(), "Print Data Dialog");
        EXPECT_EQ(Child<QLabel>(d, "lblTitle")->text(), "Selection of data to be printed:");
        EXPECT_EQ(Child<QPushButton>(d, "btnAction")->text(), "Print");
        Click(d, "btnCancel");
    }));
}

TEST_F(SaveDataDialog, SelectAllAndTheGridFollowingTheCoefficients)
{
    Run(TMRSaveDlg::Form::Save, [](QWidget *d) {
        UntickAll(d);
        Click(d, "btnSelectAll");
        for (int i = 1; i <= 6; ++i)
            EXPECT_TRUE(Absorber(d, i)->isChecked());
        const auto gridEnabled = [d](bool enabled) {
            for (const char *name : {"lblEnergyGrid", "numeditFrom", "numeditTo", "numeditIntv"})
                EXPECT_EQ(Child<QWidget>(d, name)->isEnabled(), enabled) << name;
        };
        QTest::mouseClick(Child<QCheckBox>(d, "cbCoeffData"), Qt::LeftButton);
        gridEnabled(false);
        QTest::mouseClick(Child<QCheckBox>(d, "cbCoeffData"), Qt::LeftButton);
        gridEnabled(true);
        Click(d, "btnCancel");
    });
}

TEST_F(SaveDataDialog, ConfirmingTakesTheSelectionCancellingKeepsIt)
{
    ASSERT_TRUE(Run(TMRSaveDlg::Form::Save, [](QWidget *d) {
        Absorber(d, 2)->setChecked(false);
        Absorber(d, 5)->setChecked(false);
        Child<QCheckBox>(d, "cbAbsData")->setChecked(false);
        TypeGrid(d, "10", "30", "10");
        Click(d, "btnAction");
    }));
    ReportSelection expected;
    expected.dataSets = {true, false, true, true, false, true};
    expected.absorberComposition = false;
    expected.from = 10.0f;
    expected.to = 30.0f;
    expected.interval = 10.0f;
    const auto same = [](const ReportSelection &a, const ReportSelection &b) {
        return a.dataSets == b.dataSets && a.absorberComposition == b.absorberComposition &&
            a.absorptionCoefficients == b.absorptionCoefficients && a.from == b.from && a.to == b.to &&
            a.interval == b.interval;
    };
    EXPECT_TRUE(same(dialog_.Selection(), expected));

    EXPECT_FALSE(Run(TMRSaveDlg::Form::Print, [](QWidget *d) {
        EXPECT_FALSE(Absorber(d, 2)->isChecked());
        EXPECT_EQ(Shown(Child<TNumEdit>(d, "numeditTo")), "30.00");
        Click(d, "btnSelectAll");
        TypeGrid(d, "20", "40", "5");
        Click(d, "btnCancel");
    }));
    EXPECT_TRUE(same(dialog_.Selection(), expected));
    Run(TMRSaveDlg::Form::Save, [](QWidget *d) {
        EXPECT_FALSE(Absorber(d, 2)->isChecked());
        EXPECT_EQ(Shown(Child<TNumEdit>(d, "numeditFrom")), "10.00");
        Click(d, "btnCancel");
    });
    EXPECT_TRUE(prompts_.Take().empty());
}

TEST_F(SaveDataDialog, NothingSelectedGivesBothWarningsInTurn)
{
    EXPECT_TRUE(Run(TMRSaveDlg::Form::Save, [this](QWidget *d) {
        UntickAll(d);
        Child<QCheckBox>(d, "cbAbsData")->setChecked(false);
        Child<QCheckBox>(d, "cbCoeffData")->setChecked(false);
        prompts_.Answer(Answer::Ok);
        prompts_.Answer(Answer::Ok);
        Click(d, "btnAction");
        const std::vector<UserPrompt::Request> asked = prompts_.Take();
        ASSERT_EQ(asked.size(), 2u);
        EXPECT_EQ(asked[0].kind, UserPrompt::Kind::Warning);
        EXPECT_EQ(asked[0].text, "No absorber selected!");
        EXPECT_EQ(asked[1].kind, UserPrompt::Kind::Warning);
        EXPECT_EQ(asked[1].text, "No data (composition and/or coefficients) selected!");
        EXPECT_TRUE(d->isVisible());

        Absorber(d, 4)->setChecked(true);
        prompts_.Answer(Answer::Ok);
        Click(d, "btnAction");
        EXPECT_EQ(prompts_.TakeTexts(), QStringList{"No data (composition and/or coefficients) selected!"});
        EXPECT_TRUE(d->isVisible());

        Child<QCheckBox>(d, "cbAbsData")->setChecked(true);
        Click(d, "btnAction");
    }));
    EXPECT_TRUE(sounds_.Take().empty());
}

TEST_F(SaveDataDialog, EnergiesOutsideOneTo50000AreSetToTheLimitWithABeep)
{
    EXPECT_TRUE(Run(TMRSaveDlg::Form::Save, [this](QWidget *d) {
        auto *from = Child<TNumEdit>(d, "numeditFrom");
        auto *to = Child<TNumEdit>(d, "numeditTo");
        TypeGrid(d, "0.994", "60000", "500");
        prompts_.Answer(Answer::Ok);
        Click(d, "btnAction");
        EXPECT_EQ(sounds_.Take(), (Sounds{SystemSound::kBeep, SystemSound::kBeep}));
        EXPECT_EQ(Shown(from), "1.00");
        EXPECT_EQ(Shown(to), "50000.00");
        EXPECT_TRUE(to->hasFocus());
        // The count runs on the corrected values (60000 would have made
        // 121), and OK does not close a dialog whose checks failed.
        EXPECT_EQ(prompts_.TakeTexts(), QStringList{"101 data points selected ! Continue ?"});
        EXPECT_TRUE(d->isVisible());

        TypeInto(from, QStringLiteral("0.995")); // two decimals: 1.00, accepted
        TypeInto(to, QStringLiteral("-3"));
        Click(d, "btnAction"); // 1 to 1: one point
        EXPECT_EQ(sounds_.Take(), Sounds{SystemSound::kBeep});
        EXPECT_EQ(Shown(from), "1.00");
        EXPECT_EQ(Shown(to), "1.00");
        EXPECT_TRUE(to->hasFocus());
        EXPECT_TRUE(d->isVisible());
        Click(d, "btnAction");
    }));
    EXPECT_EQ(dialog_.Selection().from, 1.0f);
    EXPECT_EQ(dialog_.Selection().to, 1.0f);
}

TEST_F(SaveDataDialog, IntervalBelowAHundredthBecomesAHundredth)
{
    EXPECT_TRUE(Run(TMRSaveDlg::Form::Save, [this](QWidget *d) {
        auto *interval = Child<TNumEdit>(d, "numeditIntv");
        TypeGrid(d, "1", "1.5", "0.004");
        Click(d, "btnAction");
        EXPECT_EQ(sounds_.Take(), Sounds{SystemSound::kBeep});
        EXPECT_EQ(Shown(interval), "0.01");
        EXPECT_TRUE(interval->hasFocus());
        EXPECT_TRUE(d->isVisible());
        Click(d, "btnAction");
    }));
    EXPECT_EQ(dialog_.Selection().interval, 0.01f);
}

TEST_F(SaveDataDialog, ValuesAreTakenToTwoDecimalsHalvesToEven)
{
    // 2.125 and 0.125 are exact in binary: their halves go to the even
    // hundredth. Confirmed with Return, the field is not left, so the check
    // sees the entry as typed, not as the field's picture would round it.
    EXPECT_TRUE(Run(TMRSaveDlg::Form::Save, [](QWidget *d) {
        TypeGrid(d, "3", "4", "1");
        TypeInto(Child<TNumEdit>(d, "numeditFrom"), QStringLiteral("2.125"));
        QTest::keyClick(Child<TNumEdit>(d, "numeditFrom"), Qt::Key_Return);
    }));
    EXPECT_EQ(dialog_.Selection().from, 2.12f);
    EXPECT_TRUE(Run(TMRSaveDlg::Form::Save, [](QWidget *d) {
        TypeInto(Child<TNumEdit>(d, "numeditIntv"), QStringLiteral("0.125"));
        QTest::keyClick(Child<TNumEdit>(d, "numeditIntv"), Qt::Key_Return);
        EXPECT_EQ(Shown(Child<TNumEdit>(d, "numeditIntv")), "0.12");
    }));
    EXPECT_EQ(dialog_.Selection().interval, 0.12f);
    // Left by a click, the field shows its picture first: 2.38.
    EXPECT_TRUE(Run(TMRSaveDlg::Form::Save, [](QWidget *d) {
        TypeInto(Child<TNumEdit>(d, "numeditTo"), QStringLiteral("2.375"));
        Click(d, "btnAction");
    }));
    EXPECT_EQ(dialog_.Selection().to, 2.38f);
    EXPECT_TRUE(sounds_.Take().empty());
}

TEST_F(SaveDataDialog, CountOutsideOneToHundredIsAskedAbout)
{
    EXPECT_TRUE(Run(TMRSaveDlg::Form::Save, [this](QWidget *d) {
        TypeGrid(d, "1", "100", "0.5");
        prompts_.Answer(Answer::Cancel);
        Click(d, "btnAction");
        const std::vector<UserPrompt::Request> asked = prompts_.Take();
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].kind, UserPrompt::Kind::WarningOkCancel);
        EXPECT_EQ(asked[0].text, "199 data points selected ! Continue ?");
        EXPECT_TRUE(d->isVisible());

        TypeGrid(d, "100", "10", "1");
        prompts_.Answer(Answer::Cancel);
        Click(d, "btnAction");
        EXPECT_EQ(prompts_.TakeTexts(), QStringList{"0 data points selected ! Continue ?"});
        EXPECT_TRUE(d->isVisible());

        TypeGrid(d, "1", "100", "1");
        Click(d, "btnAction"); // 100 points: no question
    }));
    EXPECT_TRUE(prompts_.Take().empty());
    EXPECT_TRUE(Run(TMRSaveDlg::Form::Save, [this](QWidget *d) {
        TypeGrid(d, "1", "101", "1");
        prompts_.Answer(Answer::Ok);
        Click(d, "btnAction");
    }));
    EXPECT_EQ(prompts_.TakeTexts(), QStringList{"101 data points selected ! Continue ?"});
    EXPECT_EQ(dialog_.Selection().to, 101.0f);
}

TEST_F(SaveDataDialog, HelpOpensThePrintSaveTopic)
{
    Help::SetHelpFile(QString::fromLatin1(Help::kHelpFileName));
    HelpTopicRecorder help;
    Run(TMRSaveDlg::Form::Print, [](QWidget *d) {
        Click(d, "btnHelp");
        EXPECT_TRUE(d->isVisible());
        Click(d, "btnCancel");
    });
    EXPECT_EQ(help.Take(), QStringList{"menu_PrintSave"});
}

} // namespace
