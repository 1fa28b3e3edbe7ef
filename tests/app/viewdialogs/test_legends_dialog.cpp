// The legends dialog: the six legends shown, stored on OK with the leading
// blank and the 255-character rule, untouched on Cancel.
#include "app/viewdialogs/legends_dialog.h"

#include "tests/app/support/modal_driver.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class LegendsDialog : public ::testing::Test
{
protected:
    LegendsDialog()
    {
        for (int i = 0; i < DataSets::kCount; ++i)
            sets[i].Legend = QStringLiteral(" set %1").arg(i + 1);
    }
    static void Retype(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    dialog_test::ModalActionScope scope;
    DataSets sets;
    TLegendsDlg dialog;
};

TEST_F(LegendsDialog, ShowsAndStoresTheSixLegends)
{
    const QString longText(300, u'x');
    dialog_test::WhenModalShows([&](QWidget *modal) {
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("Edit Graph Legends"));
        for (int i = 0; i < DataSets::kCount; ++i)
            EXPECT_EQ(dialog.editLegend[static_cast<std::size_t>(i)]->text(), QStringLiteral(" set %1").arg(i + 1));
        Retype(dialog.editLegend[0], QString());
        Retype(dialog.editLegend[1], QStringLiteral("<sym>m</sym> lead"));
        dialog.editLegend[2]->setText(longText);
        // Return confirms: OK is the default button.
        QTest::keyClick(dialog.editLegend[1], Qt::Key_Return);
    });
    EXPECT_TRUE(dialog.Execute(sets));
    EXPECT_EQ(sets[0].Legend.str(), QStringLiteral(" "));
    EXPECT_EQ(sets[1].Legend.str(), QStringLiteral(" <sym>m</sym> lead"));
    EXPECT_EQ(sets[2].Legend.str(), QStringLiteral(" ") + QString(254, u'x'));
    EXPECT_EQ(sets[3].Legend.str(), QStringLiteral(" set 4"));
}

TEST_F(LegendsDialog, CancelAndEscapeChangeNothing)
{
    const DataSets before = sets;
    dialog_test::WhenModalShows([&](QWidget *modal) {
        Retype(dialog.editLegend[4], QStringLiteral("changed"));
        dialog_test::Click(modal, "btnCancel");
    });
    EXPECT_FALSE(dialog.Execute(sets));
    EXPECT_EQ(sets, before);

    dialog_test::WhenModalShows([&](QWidget *modal) {
        Retype(dialog.editLegend[5], QStringLiteral("changed"));
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_FALSE(dialog.Execute(sets));
    EXPECT_EQ(sets, before);
}

} // namespace
