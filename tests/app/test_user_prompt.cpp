// The message boxes the program asks through: the real boxes carry the
// buttons their kind promises and report the button pressed; a scripted
// handler stands in for the user in every other test.
#include "app/user_prompt.h"

#include "tests/app/dialogs/modal_driver.h"
#include "tests/app/scripted_prompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include <gtest/gtest.h>


namespace {

QMessageBox::StandardButtons ButtonsOf(QWidget *box)
{
    return static_cast<QMessageBox *>(box)->standardButtons();
}

void Press(QWidget *box, QMessageBox::StandardButton which)
{
    static_cast<QMessageBox *>(box)->button(which)->click();
}

TEST(UserPrompt, ConfirmationAsksYesOrNo)
{
    dialog_test::WhenModalShows([](QWidget *box) {
        EXPECT_EQ(ButtonsOf(box), QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(static_cast<QMessageBox *>(box)->text(), QStringLiteral("Discard all data entries ?"));
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Confirm"));
        Press(box, QMessageBox::No);
    });
    EXPECT_FALSE(UserPrompt::Confirm(nullptr, QStringLiteral("Discard all data entries ?")));
    dialog_test::WhenModalShows([](QWidget *box) { Press(box, QMessageBox::Yes); });
    EXPECT_TRUE(UserPrompt::Confirm(nullptr, QStringLiteral("Discard all data entries ?")));
}

TEST(UserPrompt, WarningWithCancelIsTrueOnlyForOk)
{
    dialog_test::WhenModalShows([](QWidget *box) {
        EXPECT_EQ(ButtonsOf(box), QMessageBox::Ok | QMessageBox::Cancel);
        EXPECT_EQ(static_cast<QMessageBox *>(box)->icon(), QMessageBox::Warning);
        Press(box, QMessageBox::Cancel);
    });
    EXPECT_FALSE(UserPrompt::WarningOkCancel(nullptr, QStringLiteral("199 data points selected ! Continue ?")));
    dialog_test::WhenModalShows([](QWidget *box) { Press(box, QMessageBox::Ok); });
    EXPECT_TRUE(UserPrompt::WarningOkCancel(nullptr, QStringLiteral("0 data points selected ! Continue ?")));
}

TEST(UserPrompt, ErrorHasOnlyOk)
{
    dialog_test::WhenModalShows([](QWidget *box) {
        EXPECT_EQ(ButtonsOf(box), QMessageBox::Ok);
        EXPECT_EQ(static_cast<QMessageBox *>(box)->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Error"));
        Press(box, QMessageBox::Ok);
    });
    UserPrompt::Error(nullptr, QStringLiteral("File I/O error."));
}

TEST(UserPrompt, InputBoxGivesTheTextOrNothing)
{
    dialog_test::WhenModalShows([](QWidget *box) {
        auto *input = static_cast<QInputDialog *>(box);
        EXPECT_EQ(input->windowTitle(), QStringLiteral("Graph Title"));
        EXPECT_EQ(input->labelText(), QStringLiteral("Enter caption:"));
        EXPECT_EQ(input->textValue(), QStringLiteral("old"));
        input->setTextValue(QStringLiteral("<sym>m</sym> of lead"));
        input->accept();
    });
    EXPECT_EQ(UserPrompt::InputText(nullptr, QStringLiteral("Graph Title"), QStringLiteral("Enter caption:"),
                                    QStringLiteral("old")),
              QStringLiteral("<sym>m</sym> of lead"));
    dialog_test::WhenModalShows([](QWidget *box) { static_cast<QInputDialog *>(box)->reject(); });
    EXPECT_EQ(UserPrompt::InputText(nullptr, QStringLiteral("Graph Title"), QStringLiteral("Enter caption:"),
                                    QStringLiteral("old")),
              std::nullopt);
}

TEST(UserPrompt, ScriptedAnswersReplaceTheBoxesAndAreRecorded)
{
    {
        ScriptedPrompt prompt;
        prompt.Answer(UserPrompt::Answer::Yes);
        prompt.Answer(UserPrompt::Answer::Ok);
        prompt.AnswerText(QStringLiteral("new"));
        EXPECT_TRUE(UserPrompt::Confirm(nullptr, QStringLiteral("Q")));
        UserPrompt::Warning(nullptr, QStringLiteral("W"));
        EXPECT_EQ(UserPrompt::InputText(nullptr, QStringLiteral("C"), QStringLiteral("P"), QStringLiteral("x")),
                  QStringLiteral("new"));
        const std::vector<UserPrompt::Request> asked = prompt.Take();
        ASSERT_EQ(asked.size(), 3u);
        EXPECT_EQ(asked[0].kind, UserPrompt::Kind::Confirmation);
        EXPECT_EQ(asked[1].kind, UserPrompt::Kind::Warning);
        EXPECT_EQ(asked[1].caption, QStringLiteral("Warning"));
        EXPECT_EQ(asked[2].preset, QStringLiteral("x"));
    }
    // Gone with the script: the real box is back.
    dialog_test::WhenModalShows([](QWidget *box) { Press(box, QMessageBox::Ok); });
    UserPrompt::Message(nullptr, QStringLiteral("real"));
}

} // namespace
