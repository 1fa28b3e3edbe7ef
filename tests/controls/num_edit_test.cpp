// The field as a user meets it: real key events, real focus changes.
#include "controls/num_edit.h"

#include "tests/support/system_sound_recorder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace pheltra::controls {
namespace {

using enum TNumEditType;
using Sounds = std::vector<SystemSound>;

class NumEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        window_ = std::make_unique<QDialog>();
        auto *layout = new QVBoxLayout(window_.get());
        field_ = new TNumEdit(window_.get());
        next_ = new TNumEdit(window_.get());
        ok_ = new QPushButton(QStringLiteral("Ok"), window_.get());
        ok_->setDefault(true);
        QObject::connect(ok_, &QPushButton::clicked, window_.get(), &QDialog::accept);
        layout->addWidget(field_);
        layout->addWidget(next_);
        layout->addWidget(ok_);
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        ok_->setFocus(); // so that no field starts out entered
    }
    void TearDown() override { QLocale::setDefault(locale_); }

    // Settings as the data-set number field of "Copy Data" has them.
    void MakeSetNumberField()
    {
        field_->SetEntryRequired(wordvalue);
        field_->SetMaximum(6);
        field_->SetMinimum(1);
    }
    void Enter()
    {
        field_->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(field_->hasFocus());
    }
    void Type(const QString &keys) { QTest::keyClicks(field_, keys); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(field_, key, modifiers);
    }
    void Paste(const QString &text)
    {
        QApplication::clipboard()->setText(text);
        Press(Qt::Key_V, Qt::ControlModifier);
    }

    QLocale locale_;
    SystemSoundRecorder sounds_;
    std::unique_ptr<QDialog> window_;
    TNumEdit *field_ = nullptr;
    TNumEdit *next_ = nullptr;
    QPushButton *ok_ = nullptr;
};

TEST_F(NumEditTest, NewFieldIsAnEmptyFloatingPointField)
{
    EXPECT_EQ(field_->EntryRequired(), floatingpointvalue);
    EXPECT_EQ(field_->DisplayFormat(), "0.00;-0.00");
    EXPECT_EQ(field_->Minimum(), -1.1E4932L);
    EXPECT_EQ(field_->Maximum(), 1.1E4932L);
    EXPECT_TRUE(field_->EntryBlankZero());
    EXPECT_FALSE(field_->ValueChanged());
    EXPECT_EQ(field_->text(), "");
    EXPECT_EQ(field_->Value(), 0.0L);
    EXPECT_TRUE(field_->alignment() & Qt::AlignRight);
    EXPECT_EQ(TNumEdit().size(), QSize(121, 25));
}

TEST_F(NumEditTest, DigitsBeyondTheKindsRangeAreDroppedWithABeep)
{
    field_->SetEntryRequired(integervalue);
    field_->SetValue(3276);
    Enter();
    QSignalSpy typed(field_, &TNumEdit::keyPressed);
    Press(Qt::Key_End);
    Type("8");
    EXPECT_EQ(field_->text(), "3276");
    Type("7");
    EXPECT_EQ(field_->text(), "32767");
    ASSERT_EQ(typed.size(), 2);
    EXPECT_EQ(typed[0][0].value<QChar>(), QChar());
    EXPECT_EQ(typed[1][0].value<QChar>(), QChar(u'7'));

    field_->SetEntryRequired(wordvalue);
    field_->SetValue(6553);
    Press(Qt::Key_End);
    Type("6-");
    EXPECT_EQ(field_->text(), "6553");
    // Each refused key is heard: the 8, the 6 and the minus.
    EXPECT_EQ(sounds_.Take(), Sounds(3, SystemSound::kBeep));
}

TEST_F(NumEditTest, LongIntegerTextsAndTheDefaultMinimum)
{
    field_->SetEntryRequired(longintvalue);
    Enter();
    Type("12345678901");
    EXPECT_EQ(field_->text(), "1234567890");
    field_->selectAll();
    Type("-2147483648");
    EXPECT_EQ(field_->text(), "-2147483648");
    EXPECT_EQ(field_->ExitCheck(), -1);
    // The eleventh digit refused, then the exit check.
    EXPECT_EQ(sounds_.Take(), Sounds(2, SystemSound::kBeep));
    EXPECT_EQ(field_->Value(), -2147483648.0L);
}

TEST_F(NumEditTest, MinusAndSeparatorRules)
{
    field_->SetEntryRequired(integervalue);
    field_->SetValue(5);
    Enter();
    Press(Qt::Key_End);
    Type("-");
    EXPECT_EQ(field_->text(), "5");
    Press(Qt::Key_Home);
    Type("-");
    Press(Qt::Key_Home);
    Type("3.");
    EXPECT_EQ(field_->text(), "-5");

    field_->SetEntryRequired(floatingpointvalue);
    field_->selectAll();
    Type("12.34");
    Press(Qt::Key_Home);
    Press(Qt::Key_Right);
    Type(".5");
    EXPECT_EQ(field_->text(), "12.5");
    Type("abc+E ");
    Press(Qt::Key_Backspace);
    EXPECT_EQ(field_->text(), "12.");
}

TEST_F(NumEditTest, ReturnConfirmsTheDialogWithoutAnExitCheck)
{
    MakeSetNumberField();
    Enter();
    Type("9");
    QSignalSpy exits(field_, &TNumEdit::exited);
    Press(Qt::Key_Return);
    EXPECT_EQ(window_->result(), QDialog::Accepted); // no exit check held it
    EXPECT_EQ(field_->text(), "9");
    EXPECT_EQ(exits.size(), 0);
}

TEST_F(NumEditTest, EmptyEntryWithAndWithoutBlankZero)
{
    MakeSetNumberField();
    Enter();
    QTest::keyClick(field_, Qt::Key_Tab);
    EXPECT_TRUE(next_->hasFocus());
    EXPECT_EQ(field_->text(), "");

    // The plot range's energy fields: zero lies below their minimum.
    field_->SetEntryRequired(floatingpointvalue);
    field_->SetEntryBlankZero(false);
    field_->SetMinimum(1.04E-4931L);
    Enter();
    QTest::keyClick(field_, Qt::Key_Tab);
    EXPECT_TRUE(field_->hasFocus());
    EXPECT_EQ(sounds_.Take(), Sounds{SystemSound::kBeep});

    field_->SetMinimum(0);
    QTest::keyClick(field_, Qt::Key_Tab);
    EXPECT_TRUE(next_->hasFocus());
    EXPECT_EQ(field_->text(), "0.00");
}

TEST_F(NumEditTest, FailedExitKeepsTheFocusAndTheTypedText)
{
    MakeSetNumberField();
    Enter();
    Type("009");
    QSignalSpy exits(field_, &TNumEdit::exited);
    QSignalSpy next_entered(next_, &TNumEdit::entered);
    QSignalSpy next_exits(next_, &TNumEdit::exited);
    QTest::keyClick(field_, Qt::Key_Tab);
    QTest::mouseClick(next_, Qt::LeftButton);
    EXPECT_TRUE(field_->hasFocus());
    EXPECT_EQ(field_->text(), "009");
    EXPECT_EQ(field_->selectedText(), "009");
    EXPECT_EQ(sounds_.Take(), Sounds(2, SystemSound::kBeep));
    ASSERT_EQ(exits.size(), 2);
    EXPECT_FALSE(exits[0][0].toBool());
    EXPECT_EQ(next_entered.size() + next_exits.size(), 0);
    EXPECT_EQ(field_->Value(), 9.0L); // out of range, but read as typed
}

TEST_F(NumEditTest, PassedExitNormalisesTheTextAndNotesAChange)
{
    field_->SetEntryBlankZero(false);
    field_->SetValue(1);
    field_->SetValueChanged(true);
    QSignalSpy entered(field_, &TNumEdit::entered);
    Enter();
    EXPECT_EQ(entered.size(), 1);
    EXPECT_FALSE(field_->ValueChanged());
    EXPECT_EQ(field_->selectedText(), "1.00");
    QTest::keyClick(field_, Qt::Key_Tab);
    EXPECT_FALSE(field_->ValueChanged());

    Enter();
    Type("1.5");
    QTest::keyClick(field_, Qt::Key_Tab);
    EXPECT_EQ(field_->text(), "1.50");
    EXPECT_TRUE(field_->ValueChanged());
    EXPECT_EQ(field_->Value(), 1.5L);
}

TEST_F(NumEditTest, FocusGoingWithTheWindowIsNeitherEntryNorExit)
{
    MakeSetNumberField();
    Enter();
    Type("9");
    QSignalSpy exits(field_, &TNumEdit::exited);
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    EXPECT_TRUE(field_->hasFocus());
    EXPECT_EQ(field_->selectedText(), "");
    EXPECT_EQ(exits.size(), 0);
    EXPECT_EQ(sounds_.Take(), Sounds{});

    // Closed with the focus in the field, the dialog enters it anew on opening.
    window_->hide();
    field_->SetValueChanged(true);
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    field_->setFocus();
    EXPECT_FALSE(field_->ValueChanged());
}

TEST_F(NumEditTest, PastedTextIsReadLenientlyAndNeverBreaksTheField)
{
    field_->SetEntryRequired(integervalue);
    field_->SetValue(3);
    Enter();
    Paste("(5)");
    EXPECT_EQ(field_->Value(), -5.0L);
    field_->selectAll();
    Paste("x.");
    Press(Qt::Key_End);
    Type("5"); // no integer: the keystroke is dropped
    EXPECT_EQ(field_->text(), "x.");
    EXPECT_EQ(field_->ExitCheck(), -1);
    EXPECT_EQ(sounds_.Take(), (Sounds{SystemSound::kBeep, SystemSound::kInformation, SystemSound::kBeep}));
    EXPECT_EQ(field_->Value(), -5.0L);
    EXPECT_EQ(sounds_.Take(), Sounds{SystemSound::kInformation});
}

TEST_F(NumEditTest, WritingTheStoredValueLeavesTypedText)
{
    field_->SetValue(5);
    Enter();
    Type("12");
    field_->SetValue(5);
    EXPECT_EQ(field_->text(), "12");
    field_->SetValue(6);
    EXPECT_EQ(field_->text(), "6.00");
}

TEST_F(NumEditTest, ChoosingTheKindResetsPictureAndBounds)
{
    field_->SetDisplayFormat("0.000000;-0.000000");
    field_->SetMaximum(6);
    field_->SetMinimum(1);
    field_->SetEntryRequired(floatingpointvalue);
    EXPECT_EQ(field_->DisplayFormat(), "0.00;-0.00");
    EXPECT_EQ(field_->Minimum(), -1.1E4932L);
    EXPECT_EQ(field_->Maximum(), 1.1E4932L);

    field_->SetEntryBlankZero(false); // does not re-display
    EXPECT_EQ(field_->text(), "");
    field_->SetDisplayFormat("0;-0");
    EXPECT_EQ(field_->text(), "0");
    field_->SetEntryBlankZero(true);
    EXPECT_EQ(field_->text(), "");
}

TEST_F(NumEditTest, ExitCheckOnDemandTakesTheFocusOnlyWhenItFails)
{
    MakeSetNumberField();
    next_->setFocus();
    field_->SetValue(4);
    EXPECT_EQ(field_->ExitCheck(), 0);
    EXPECT_TRUE(next_->hasFocus());
    field_->SetValue(7);
    QSignalSpy next_exits(next_, &TNumEdit::exited);
    EXPECT_EQ(field_->ExitCheck(), -1);
    EXPECT_TRUE(field_->hasFocus());
    EXPECT_EQ(field_->selectedText(), "7");
    ASSERT_EQ(next_exits.size(), 1); // the focus really left it
    EXPECT_TRUE(next_exits[0][0].toBool());
    EXPECT_EQ(sounds_.Take(), Sounds{SystemSound::kBeep});
}

TEST_F(NumEditTest, CommaLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TNumEdit *field = new TNumEdit(window_.get());
    window_->layout()->addWidget(field);
    field->show();
    field->SetValue(1.5L);
    EXPECT_EQ(field->text(), "1,50");
    field->setFocus();
    QTest::keyClicks(field, "2.2,25");
    EXPECT_EQ(field->text(), "22,25");
    EXPECT_EQ(field->Value(), 22.25L);
}

} // namespace
} // namespace pheltra::controls
