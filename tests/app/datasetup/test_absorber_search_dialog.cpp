// The selection dialog's search field (filtering as the user types, its keys)
// and the user's own materials made, refused and kept through the dialog.
#include "app/datasetup/absorber_selection_dialog.h"
#include "app/datasetup/user_materials.h"

#include "controls/num_edit.h"
#include "tests/app/support/modal_driver.h"
#include "tests/app/support/scripted_prompt.h"
#include "tests/app/support/test_library.h"
#include "tests/support/system_sound_recorder.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace dialog_test {
namespace {

using pheltra::controls::SystemSound;
using pheltra::controls::SystemSoundRecorder;
using pheltra::controls::TNumEdit;

class AbsorberSearchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FillTestLibrary(library_);
        dialog_.SetLibrary(&library_);
        dialog_.SetUserMaterials(&materials_);
    }
    bool Run(const ModalAction &action)
    {
        dialog_.SetAbsorberName({});
        dialog_.SetRelWeight(0);
        WhenModalShows(action);
        return dialog_.Execute();
    }
    static QLineEdit *Search(QWidget *d) { return Child<QLineEdit>(d, "editSearch"); }
    static QComboBox *List(QWidget *d) { return Child<QComboBox>(d, "CMSelectBox"); }
    static QStringList Listed(QWidget *d)
    {
        QStringList names;
        for (int i = 0; i < List(d)->count(); ++i)
            names << List(d)->itemText(i);
        return names;
    }

    QTemporaryDir dir_;
    CompoundLibrary library_;
    TUserMaterials materials_{library_, dir_.filePath(QStringLiteral("Pheltra/UserMix.dat"))};
    TCmpMixDlg dialog_;
    ModalActionScope modalActions_;
    SystemSoundRecorder sounds_;
    ScriptedPrompt prompt_;
};

TEST_F(AbsorberSearchTest, TypingFiltersAndTheFirstMatchIsShown)
{
    struct Row
    {
        const char *typed;
        QStringList listed;
        const char *shown;
    };
    const Row rows[] = {
        {"wat", {"Water"}, "Water"},
        {"LIQUID", {"Water"}, "Water"},                 // the second name
        {"pb", {"Lead"}, "Lead"},                       // the formula
        {"a", {"Air", "Lead", "Water"}, "Air"},         // the name that begins so
        {"e", {"Lead", "No density", "Water"}, "Lead"}, // none begins so: the first
        {"lead", {"Lead"}, "Lead"},
        {"zz", {}, ""},
    };
    Run([&rows](QWidget *d) {
        for (const Row &row : rows) {
            Search(d)->clear();
            QTest::keyClicks(Search(d), QString::fromUtf8(row.typed));
            EXPECT_EQ(Listed(d), row.listed) << row.typed;
            EXPECT_EQ(List(d)->currentText(), QString::fromUtf8(row.shown)) << row.typed;
            EXPECT_TRUE(Search(d)->hasFocus());
        }
        // The list shows each entry's group beside it.
        Search(d)->clear();
        EXPECT_EQ(List(d)->model()->index(0, 1).data().toString(), "library");
        Click(d, "CancelBtn");
    });
}

TEST_F(AbsorberSearchTest, ArrowKeysAndReturnWorkFromTheField)
{
    EXPECT_TRUE(Run([](QWidget *d) {
        QTest::keyClicks(Search(d), QStringLiteral("a"));
        QTest::keyClick(Search(d), Qt::Key_Down);
        EXPECT_EQ(List(d)->currentText(), "Lead");
        QTest::keyClick(Search(d), Qt::Key_Down);
        QTest::keyClick(Search(d), Qt::Key_Down); // stays on the last match
        EXPECT_EQ(List(d)->currentText(), "Water");
        QTest::keyClick(Search(d), Qt::Key_Up);
        EXPECT_EQ(Child<QLineEdit>(d, "FormulaEditFld")->text(), "Pb");
        EXPECT_TRUE(Search(d)->hasFocus());
        QTest::keyClick(Search(d), Qt::Key_Return);
        EXPECT_TRUE(Child<TNumEdit>(d, "numeditWeightFrac")->hasFocus());
        QTest::keyClicks(Child<TNumEdit>(d, "numeditWeightFrac"), QStringLiteral("2"));
        QTest::keyClick(Child<TNumEdit>(d, "numeditWeightFrac"), Qt::Key_Return);
    }));
    EXPECT_EQ(dialog_.AbsorberName(), "Lead");
    EXPECT_EQ(dialog_.RelWeight(), 2.0L);
    // Return with nothing matching beeps and keeps the dialog open.
    Run([this](QWidget *d) {
        QTest::keyClicks(Search(d), QStringLiteral("zz"));
        QTest::keyClick(Search(d), Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(sounds_.Take(), std::vector<SystemSound>{SystemSound::kBeep});
        Click(d, "CancelBtn");
    });
}

TEST_F(AbsorberSearchTest, NewMaterialsAreKeptInTheUserLibraryAndDuplicateNamesRefused)
{
    // name, made from a formula?, composition, density; the refusal expected.
    struct Row
    {
        const char *name;
        bool formula;
        const char *composition;
        const char *density;
        QString refusal;
    };
    const Row rows[] = {
        {"water", true, "H2O", "1", "The library already holds a material named 'Water'."},
        {"Hard lead", false, "Pb 0.96, Sb 0.04", "11.1", {}},
        {"BGO", true, "Bi4Ge3O12", "7.13", {}},
    };
    for (const Row &row : rows) {
        if (!row.refusal.isEmpty())
            prompt_.Answer(UserPrompt::Answer::Ok);
        Run([&row](QWidget *d) {
            WhenModalShows([&row](QWidget *m) {
                Child<QLineEdit>(m, "editName")->setText(QString::fromUtf8(row.name));
                Child<QRadioButton>(m, row.formula ? "rbFormula" : "rbFractions")->setChecked(true);
                Child<QLineEdit>(m, "editComposition")->setText(QString::fromUtf8(row.composition));
                QTest::keyClicks(Child<TNumEdit>(m, "numeditDensity"), QString::fromUtf8(row.density));
                Click(m, "OkBtn");
                if (m->isVisible())
                    Click(m, "CancelBtn");
            });
            Click(d, "btnNewMaterial");
            if (row.refusal.isEmpty()) {
                EXPECT_EQ(List(d)->currentText(), QString::fromUtf8(row.name));
                EXPECT_EQ(Child<QLineEdit>(d, "GroupEditFld")->text(), "user");
            }
            Click(d, "CancelBtn");
        });
        EXPECT_EQ(prompt_.TakeTexts(), row.refusal.isEmpty() ? QStringList() : QStringList{row.refusal});
    }
    QFile file(materials_.FileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 5); // title, comment, two materials, the end
    EXPECT_TRUE(lines[2].startsWith("BGO;Bi4Ge3O12;;;user library;;;7.13;8;"));
    EXPECT_TRUE(lines[3].startsWith("Hard lead;;;;user library;;;11.1;51;0.04;82;0.96"));
    EXPECT_EQ(library_.Count(), 7);
}

TEST_F(AbsorberSearchTest, OnlyTheUsersMaterialsCanBeEditedOrDeleted)
{
    TCompound mine = MakeCompound("", 2.0f, {{6, 1.0f}});
    ASSERT_EQ(materials_.Add(QStringLiteral("Mine"), mine), QString());
    prompt_.Answer(UserPrompt::Answer::Yes);
    Run([](QWidget *d) {
        QTest::keyClicks(Search(d), QStringLiteral("water"));
        EXPECT_FALSE(Child<QPushButton>(d, "btnEditMaterial")->isEnabled());
        EXPECT_FALSE(Child<QPushButton>(d, "btnDeleteMaterial")->isEnabled());
        Search(d)->clear();
        QTest::keyClicks(Search(d), QStringLiteral("mine"));
        EXPECT_TRUE(Child<QPushButton>(d, "btnEditMaterial")->isEnabled());
        Click(d, "btnDeleteMaterial");
        EXPECT_EQ(List(d)->count(), 0);
        Click(d, "CancelBtn");
    });
    EXPECT_EQ(library_.IndexOf(QStringLiteral("Mine")), -1);
    QFile file(materials_.FileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("Mine"));
}

} // namespace
} // namespace dialog_test
