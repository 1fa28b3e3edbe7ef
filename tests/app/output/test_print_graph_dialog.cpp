// The print dialog of "Print Graph": the printable page it shows, which
// controls "Full page" and "Center in page" enable, the four fit checks with
// their warnings and corrections, and what it hands to PrintGraph.
#include "app/output/print_graph_dialog.h"

#include "controls/num_edit.h"
#include "tests/app/support/modal_driver.h"
#include "tests/app/support/help_topic_recorder.h"
#include "tests/app/support/field_typing.h"
#include "tests/app/support/scripted_prompt.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

using app_test::TypeInto;
using dialog_test::Child;
using dialog_test::Click;
using dialog_test::ModalAction;
using pheltra::controls::TNumEdit;
using UserPrompt::Answer;

const char *const kSizeControls[] = {"lblHorSize", "neHorSize", "lblMM3", "lblVerSize", "neVerSize", "lblMM4"};
const char *const kMarginControls[] = {"lblLeftM", "neLeftM", "lblMM1", "lblTopM", "neTopM", "lblMM2"};

class PrintGraphDialog : public ::testing::Test
{
protected:
    PrintGraphDialog() { dialog_.SetPrintableSize(203, 271); }

    bool Run(const ModalAction &action)
    {
        dialog_test::WhenModalShows(action);
        return dialog_.Execute();
    }
    static void ExpectEnabled(QWidget *d, const char *const (&names)[6], bool enabled)
    {
        for (const char *name : names)
            EXPECT_EQ(Child<QWidget>(d, name)->isEnabled(), enabled) << name;
    }
    static TNumEdit *Field(QWidget *d, const char *name) { return Child<TNumEdit>(d, name); }
    // A click on the check box's square.
    static void Toggle(QWidget *d, const char *name)
    {
        auto *box = Child<QCheckBox>(d, name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

    // The user confirms a warning; its text.
    QString WarningFor(const std::function<void()> &action)
    {
        prompts_.Answer(Answer::Ok);
        action();
        const std::vector<UserPrompt::Request> asked = prompts_.Take();
        if (asked.size() != 1 || asked[0].kind != UserPrompt::Kind::Warning)
            return QStringLiteral("(%1 prompts)").arg(asked.size());
        return asked[0].text;
    }

    TMRPrintGraphDlg dialog_;
    dialog_test::ModalActionScope modalActions_;
    ScriptedPrompt prompts_;
};

TEST_F(PrintGraphDialog, ShowsThePrintablePageAndTheSettingsOfStart)
{
    EXPECT_FALSE(Run([](QWidget *d) {
        EXPECT_EQ(d->windowTitle(), "Print Graph");
        EXPECT_EQ(Child<QLabel>(d, "lblPrintSize")->text(), "Printable page size (W x H):203 x 271 mm");
        EXPECT_EQ(Child<QLabel>(d, "lblGraphSize")->text(), "Graph Size: ");
        EXPECT_EQ(Child<QLabel>(d, "lblHorSize")->text(), "horizontal :");
        EXPECT_EQ(Child<QLabel>(d, "lblTopM")->text(), "top margin :");
        EXPECT_EQ(Child<QPushButton>(d, "btnPrint")->text(), "Print");
        EXPECT_FALSE(Child<QCheckBox>(d, "cbFullPage")->isChecked());
        EXPECT_TRUE(Child<QCheckBox>(d, "cbCenter")->isChecked());
        EXPECT_EQ(Field(d, "neHorSize")->text(), "140");
        EXPECT_EQ(Field(d, "neVerSize")->text(), "100");
        EXPECT_EQ(Field(d, "neLeftM")->text(), "25");
        EXPECT_EQ(Field(d, "neTopM")->text(), "25");
        ExpectEnabled(d, kSizeControls, true);
        ExpectEnabled(d, kMarginControls, false);
        dialog_test::Shot(d, "print_graph_dialog");
        Click(d, "btnCancel");
    }));
    EXPECT_EQ(dialog_.Placement(), (TGraphPlacementMM{-1, -1, 140, 100}));
}

TEST_F(PrintGraphDialog, SizeBeyondTheRoomRightOfTheMarginIsCut)
{
    EXPECT_TRUE(Run([this](QWidget *d) {
        Toggle(d, "cbCenter"); // off: 25 + 140 and 25 + 100 fit, nothing said
        ExpectEnabled(d, kMarginControls, true);
        EXPECT_EQ(WarningFor([d] { TypeInto(Field(d, "neHorSize"), QStringLiteral("190")); }),
                  "Currently available maximum horizontal size: 178");
        EXPECT_EQ(Field(d, "neHorSize")->text(), "178");
        EXPECT_TRUE(d->isVisible());
        Click(d, "btnPrint");
    }));
    EXPECT_EQ(dialog_.Placement(), (TGraphPlacementMM{25, 25, 178, 100}));
}

TEST_F(PrintGraphDialog, CentredTheWholePrintableWidthFitsWhateverTheMargins)
{
    EXPECT_TRUE(Run([this](QWidget *d) {
        TypeInto(Field(d, "neHorSize"), QStringLiteral("203"));
        EXPECT_TRUE(prompts_.Take().empty());
        EXPECT_EQ(WarningFor([d] { TypeInto(Field(d, "neHorSize"), QStringLiteral("204")); }),
                  "Currently available maximum horizontal size: 203");
        EXPECT_EQ(WarningFor([d] { TypeInto(Field(d, "neVerSize"), QStringLiteral("300")); }),
                  "Currently available maximum vertical size: 271");
        Click(d, "btnPrint");
    }));
    EXPECT_EQ(dialog_.Placement(), (TGraphPlacementMM{-1, -1, 203, 271}));
}

TEST_F(PrintGraphDialog, MarginsAreCutToWhatTheSizeLeaves)
{
    EXPECT_FALSE(Run([this](QWidget *d) {
        Toggle(d, "cbCenter");
        EXPECT_EQ(WarningFor([d] { TypeInto(Field(d, "neTopM"), QStringLiteral("200")); }),
                  "Currently available maximum top margin: 171");
        EXPECT_EQ(Field(d, "neTopM")->text(), "171");
        EXPECT_EQ(WarningFor([d] { TypeInto(Field(d, "neVerSize"), QStringLiteral("150")); }),
                  "Currently available maximum vertical size: 100");
        EXPECT_EQ(WarningFor([d] { TypeInto(Field(d, "neLeftM"), QStringLiteral("70")); }),
                  "Currently available maximum left margin: 63");
        // A size field shows 0 as empty, a margin field does not.
        TypeInto(Field(d, "neLeftM"), QStringLiteral("0"));
        TypeInto(Field(d, "neHorSize"), QStringLiteral("0"));
        Field(d, "neLeftM")->setFocus();
        EXPECT_EQ(Field(d, "neHorSize")->text(), "");
        TypeInto(Field(d, "neVerSize"), QStringLiteral("0"));
        EXPECT_EQ(Field(d, "neLeftM")->text(), "0");
        Click(d, "btnCancel");
    }));
}

TEST_F(PrintGraphDialog, TogglingCenterRunsTheMarginChecksAtOnce)
{
    dialog_.SetSettings({false, 150, 100, true, 100, 200});
    EXPECT_TRUE(Run([this](QWidget *d) {
        EXPECT_TRUE(prompts_.Take().empty()); // centred, the margins do not count
        prompts_.Answer(Answer::Ok);
        prompts_.Answer(Answer::Ok);
        Toggle(d, "cbCenter");
        EXPECT_EQ(prompts_.TakeTexts(),
                  QStringList(
                      {"Currently available maximum left margin: 53", "Currently available maximum top margin: 171"}));
        EXPECT_EQ(Field(d, "neLeftM")->text(), "53");
        EXPECT_EQ(Field(d, "neTopM")->text(), "171");
        Toggle(d, "cbCenter"); // they fit now
        EXPECT_TRUE(prompts_.Take().empty());
        ExpectEnabled(d, kMarginControls, false);
        Click(d, "btnPrint");
    }));
    EXPECT_EQ(dialog_.Settings().leftMargin, 53);
    EXPECT_EQ(dialog_.Placement(), (TGraphPlacementMM{-1, -1, 150, 100}));
}

TEST_F(PrintGraphDialog, FullPageDisablesSizeAndPositionAndPrintsTheWholeArea)
{
    EXPECT_TRUE(Run([](QWidget *d) {
        Toggle(d, "cbFullPage");
        ExpectEnabled(d, kSizeControls, false);
        ExpectEnabled(d, kMarginControls, false);
        EXPECT_FALSE(Child<QWidget>(d, "cbCenter")->isEnabled());
        Click(d, "btnPrint");
    }));
    EXPECT_EQ(dialog_.Placement(), (TGraphPlacementMM{-1, -1, -1, -1}));

    EXPECT_TRUE(Run([](QWidget *d) {
        ExpectEnabled(d, kSizeControls, false);
        Toggle(d, "cbFullPage");
        // Back from full page every control is enabled, the margins too,
        // although "Center in page" is still on.
        ExpectEnabled(d, kSizeControls, true);
        ExpectEnabled(d, kMarginControls, true);
        EXPECT_TRUE(Child<QCheckBox>(d, "cbCenter")->isChecked());
        Toggle(d, "cbCenter");
        Toggle(d, "cbFullPage");
        Click(d, "btnPrint");
    }));
    EXPECT_EQ(dialog_.Placement(), (TGraphPlacementMM{25, 25, -1, -1}));
}

TEST_F(PrintGraphDialog, CancelKeepsTheSettingsOfBefore)
{
    EXPECT_FALSE(Run([](QWidget *d) {
        TypeInto(Field(d, "neHorSize"), QStringLiteral("120"));
        Toggle(d, "cbCenter");
        Click(d, "btnCancel");
    }));
    EXPECT_FALSE(Run([](QWidget *d) {
        EXPECT_EQ(Field(d, "neHorSize")->text(), "140");
        EXPECT_TRUE(Child<QCheckBox>(d, "cbCenter")->isChecked());
        ExpectEnabled(d, kMarginControls, false);
        QTest::keyClick(d, Qt::Key_Escape);
    }));
    EXPECT_EQ(dialog_.Settings().horSize, 140);
}

TEST_F(PrintGraphDialog, ASmallerPageIsCheckedWhenTheDialogOpens)
{
    dialog_.SetSettings({false, 140, 100, false, 25, 25});
    dialog_.SetPrintableSize(148, 105); // A6 across
    prompts_.Answer(Answer::Ok);
    prompts_.Answer(Answer::Ok);
    EXPECT_TRUE(Run([](QWidget *d) {
        EXPECT_EQ(Child<QLabel>(d, "lblPrintSize")->text(), "Printable page size (W x H):148 x 105 mm");
        Click(d, "btnPrint");
    }));
    EXPECT_EQ(prompts_.TakeTexts(),
              QStringList({"Currently available maximum horizontal size: 123",
                           "Currently available maximum vertical size: 80"}));
    EXPECT_EQ(dialog_.Placement(), (TGraphPlacementMM{25, 25, 123, 80}));
}

TEST_F(PrintGraphDialog, HelpOpensThePrintGraphTopic)
{
    Help::SetHelpFile(QString::fromLatin1(Help::kHelpFileName));
    HelpTopicRecorder help;
    Run([](QWidget *d) {
        Click(d, "btnHelp");
        Click(d, "btnCancel");
    });
    EXPECT_EQ(help.Take(), QStringList{"menu_PrintGraph"});
}

} // namespace
