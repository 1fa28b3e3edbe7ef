// The message boxes the program asks through: each real box carries the
// buttons its kind promises and reports the button pressed; a scripted
// handler stands in for the user in every other test.
#include "app/kit/user_prompt.h"

#include "tests/app/support/modal_driver.h"
#include "tests/app/support/scripted_prompt.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace {

// Presses `which` in the next message box, after checking its buttons.
void WillPress(QMessageBox::StandardButtons buttons, QMessageBox::StandardButton which)
{
    dialog_test::WhenModalShows([buttons, which](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->standardButtons(), buttons);
        box->button(which)->click();
    });
}

TEST(UserPrompt, EachBoxHasItsButtonsAndReportsThePressedOne)
{
    dialog_test::ModalActionScope scope;
    const auto yesNo = QMessageBox::Yes | QMessageBox::No;
    const auto okCancel = QMessageBox::Ok | QMessageBox::Cancel;
    WillPress(yesNo, QMessageBox::No);
    EXPECT_FALSE(UserPrompt::Confirm(nullptr, QStringLiteral("Discard all data entries ?")));
    WillPress(yesNo, QMessageBox::Yes);
    EXPECT_TRUE(UserPrompt::Confirm(nullptr, QStringLiteral("Discard all data entries ?")));
    WillPress(okCancel, QMessageBox::Cancel);
    EXPECT_FALSE(UserPrompt::WarningOkCancel(nullptr, QStringLiteral("199 data points selected ! Continue ?")));
    WillPress(okCancel, QMessageBox::Ok);
    EXPECT_TRUE(UserPrompt::WarningOkCancel(nullptr, QStringLiteral("0 data points selected ! Continue ?")));
    WillPress(QMessageBox::Ok, QMessageBox::Ok);
    UserPrompt::Error(nullptr, QStringLiteral("File I/O error."));
    WillPress(QMessageBox::Ok, QMessageBox::Ok);
    UserPrompt::Warning(nullptr, QStringLiteral("No absorber selected!"));
}

TEST(UserPrompt, InputBoxGivesTheTextOrNothing)
{
    dialog_test::ModalActionScope scope;
    dialog_test::WhenModalShows([](QWidget *box) {
        auto *input = qobject_cast<QInputDialog *>(box);
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(input->windowTitle(), QStringLiteral("Graph Title"));
        EXPECT_EQ(input->labelText(), QStringLiteral("Enter caption:"));
        EXPECT_EQ(input->textValue(), QStringLiteral("old"));
        input->setTextValue(QStringLiteral("<sym>m</sym> of lead"));
        input->accept();
    });
    const auto ask = [] {
        return UserPrompt::InputText(nullptr, QStringLiteral("Graph Title"), QStringLiteral("Enter caption:"),
                                     QStringLiteral("old"));
    };
    EXPECT_EQ(ask(), QStringLiteral("<sym>m</sym> of lead"));
    dialog_test::WhenModalShows([](QWidget *box) { static_cast<QDialog *>(box)->reject(); });
    EXPECT_EQ(ask(), std::nullopt);
}

TEST(UserPrompt, ScriptedAnswersReplaceTheBoxesAndAreRecorded)
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
    EXPECT_EQ(asked[0].caption, QStringLiteral("Confirm"));
    EXPECT_EQ(asked[1].kind, UserPrompt::Kind::Warning);
    EXPECT_EQ(asked[2].preset, QStringLiteral("x"));
}

} // namespace
