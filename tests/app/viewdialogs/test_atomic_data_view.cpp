// The atomic data view driven as a user drives it: typing into the input,
// "Enter" or Return, the beep on a miss, the fields kept between openings.
#include "app/viewdialogs/atomic_data_view.h"

#include "controls/system_sound.h"
#include "tests/app/support/modal_driver.h"
#include "app/kit/help_system.h"
#include "tests/app/support/help_topic_recorder.h"
#include "tests/app/support/scripted_prompt.h"
#include "tests/support/system_sound_recorder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using pheltra::controls::SystemSound;
using pheltra::controls::SystemSoundRecorder;

class AtomicDataView : public ::testing::Test
{
protected:
    AtomicDataView()
    {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // Types `input` into the field and confirms it with the button.
    void EnterByButton(const QString &input)
    {
        QTest::keyClicks(form.editElement, input);
        QTest::mouseClick(form.btnEnter, Qt::LeftButton);
    }
    // Types `input` and presses Return in the field.
    void EnterByReturn(const QString &input)
    {
        form.editElement->setFocus();
        QTest::keyClicks(form.editElement, input);
        QTest::keyClick(form.editElement, Qt::Key_Return);
    }
    QString Field(const char *caption) const { return form.FieldText(QString::fromUtf8(caption)); }

    TAtomicDataForm form;
    SystemSoundRecorder sounds;
};

TEST_F(AtomicDataView, CaptionAndFocusOnTheInput)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Atomic Data"));
    EXPECT_TRUE(form.editElement->hasFocus());
    EXPECT_EQ(Field("K:"), QString());
}

TEST_F(AtomicDataView, LeadByNumber)
{
    EnterByButton(QStringLiteral("82"));
    EXPECT_EQ(Field("Element:"), QStringLiteral("Lead"));
    EXPECT_EQ(Field("Atomic Number:"), QStringLiteral("82"));
    EXPECT_EQ(Field("Symbol:"), QStringLiteral("Pb"));
    EXPECT_EQ(Field("Atomic Weight:"), QStringLiteral("207.20000"));
    const std::pair<const char *, const char *> edges[] = {{"K:", "88.0045"},  {"L1:", "15.8608"}, {"L2:", "15.2000"},
                                                           {"L3:", "13.0352"}, {"M1:", "3.8507"},  {"M2:", "3.5542"},
                                                           {"M3:", "3.0664"},  {"M4:", "2.5856"},  {"M5:", "2.4840"},
                                                           {"N1:", "--"},      {"N2:", "--"},      {"N3:", "--"}};
    for (const auto &[caption, text] : edges)
        EXPECT_EQ(Field(caption), QString::fromLatin1(text)) << caption;
    EXPECT_EQ(Field("K-Yield:"), QStringLiteral("0.9830"));
    EXPECT_EQ(Field("L-Yield:"), QStringLiteral("0.2190"));
    EXPECT_EQ(Field("K(alpha)/K(beta):"), QStringLiteral("0.2800"));
    EXPECT_TRUE(form.editElement->text().isEmpty());
    EXPECT_TRUE(sounds.Take().empty());
}

TEST_F(AtomicDataView, SymbolsWithReturnAndLeadingBlanks)
{
    for (const char *input : {"Fe", "fe", "   FE", "fe2o3"}) {
        EnterByButton(QStringLiteral("82"));
        EnterByReturn(QString::fromLatin1(input));
        EXPECT_EQ(Field("Element:"), QStringLiteral("Iron")) << input;
        EXPECT_EQ(Field("K:"), QStringLiteral("7.1120")) << input;
        EXPECT_EQ(Field("L1:"), QStringLiteral("--")) << input;
        EXPECT_TRUE(form.editElement->text().isEmpty()) << input;
    }
    // Only the first two characters count.
    EnterByReturn(QStringLiteral("Carbon"));
    EXPECT_EQ(Field("Element:"), QStringLiteral("Calcium"));
    EnterByReturn(QStringLiteral("$52"));
    EXPECT_EQ(Field("Element:"), QStringLiteral("Lead"));
    EXPECT_TRUE(sounds.Take().empty());
}

TEST_F(AtomicDataView, MissesBeepAndKeepTheFields)
{
    EnterByButton(QStringLiteral("82"));
    for (const char *input : {"0", "100", "-5", "Xx", "2.5"}) {
        EnterByButton(QString::fromLatin1(input));
        EXPECT_EQ(sounds.Take(), std::vector{SystemSound::kBeep}) << input;
        EXPECT_EQ(Field("Element:"), QStringLiteral("Lead")) << input;
        EXPECT_EQ(Field("K:"), QStringLiteral("88.0045")) << input;
        EXPECT_TRUE(form.editElement->text().isEmpty()) << input;
        EXPECT_TRUE(form.editElement->hasFocus()) << input;
    }
}

TEST_F(AtomicDataView, NothingOrOnlyBlanksDoesNothing)
{
    EnterByButton(QStringLiteral("3"));
    EXPECT_EQ(Field("K-Yield:"), QStringLiteral("--"));
    for (const char *input : {"", "    "}) {
        EnterByReturn(QString::fromLatin1(input));
        EXPECT_TRUE(sounds.Take().empty());
        EXPECT_EQ(Field("Element:"), QStringLiteral("Lithium"));
        EXPECT_TRUE(form.editElement->text().isEmpty());
    }
}

TEST(AtomicDataViewOpenings, KeepsTheLastElementAndOpensHelp)
{
    dialog_test::ModalActionScope scope;
    HelpTopicRecorder help;
    ScriptedPrompt prompt; // an error box instead of the help fails the test
    Help::SetHelpFile(QString::fromLatin1(Help::kHelpFileName));
    TAtomicDataForm form;
    dialog_test::WhenModalShows([](QWidget *dialog) {
        auto *view = static_cast<TAtomicDataForm *>(dialog);
        EXPECT_TRUE(view->editElement->hasFocus());
        QTest::keyClicks(view->editElement, QStringLiteral("95"));
        QTest::keyClick(view->editElement, Qt::Key_Return);
        dialog_test::Click(dialog, "btnHelp");
        dialog_test::Click(dialog, "btnContinue");
    });
    form.Execute();
    EXPECT_EQ(help.Take(), QStringList{QStringLiteral("menu_View")});

    dialog_test::WhenModalShows([](QWidget *dialog) {
        auto *view = static_cast<TAtomicDataForm *>(dialog);
        // Americium: element data and yields, no edges in source H.
        EXPECT_EQ(view->FieldText(QStringLiteral("Symbol:")), QStringLiteral("Am"));
        EXPECT_NE(view->FieldText(QStringLiteral("K-Yield:")), QStringLiteral("--"));
        EXPECT_EQ(view->FieldText(QStringLiteral("K:")), QStringLiteral("--"));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    form.Execute();
}

} // namespace
