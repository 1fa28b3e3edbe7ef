// The Tools menu: each command opens its window, one instance, brought back
// by the command; the main window stays usable; a window closed and opened
// again shows the inputs it had.
#include "app/kit/help_system.h"
#include "app/mainwindow/plot_form.h"
#include "app/mainwindow/program.h"
#include "app/tools/layer_list.h"
#include "app/tools/shielding_form.h"
#include "app/tools/xray_beam_form.h"
#include "controls/num_edit.h"
#include "tests/app/support/field_typing.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kShippedLibrary = QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat");

TEST(ToolsMenu, OpensEachWindowOnceAndTheWindowsKeepTheirInputs)
{
    Help::SetHelpFile(QString());
    TPheltraProgram program(kShippedLibrary);
    TmrPlotForm &form = program.MainForm();

    TShieldingForm &shielding = program.ShieldingWindow();
    EXPECT_FALSE(shielding.isModal());
    form.menuShielding->trigger();
    ASSERT_TRUE(shielding.isVisible());
    shielding.comboNuclide->setCurrentIndex(shielding.comboNuclide->findText(QStringLiteral("Co-60")));
    app_test::TypeInto(shielding.neDistance, QStringLiteral("3"));
    QTest::mouseClick(shielding.btnClose, Qt::LeftButton);
    EXPECT_FALSE(shielding.isVisible());
    form.menuShielding->trigger();
    form.menuShielding->trigger();
    EXPECT_TRUE(shielding.isVisible());
    EXPECT_EQ(form.findChildren<TShieldingForm *>().size(), 1);
    EXPECT_EQ(shielding.comboNuclide->currentText(), QStringLiteral("Co-60"));
    EXPECT_EQ(app_test::Shown(shielding.neDistance), QStringLiteral("3"));
    EXPECT_EQ(shielding.Layers->Layers().size(), 1u);
    // A distance without an activity is refused, in the window's one line.
    EXPECT_EQ(shielding.lblRefusal->text(),
              QStringLiteral("the air-kerma rate needs both the activity and the distance"));

    form.menuXrayBeam->trigger();
    EXPECT_TRUE(program.XrayBeamWindow().isVisible());
    EXPECT_TRUE(program.XrayBeamWindow().Outcome().ok());
    // The main window's own commands stay available beside both.
    EXPECT_TRUE(form.isEnabled());
    EXPECT_TRUE(form.menuDataSetup->isEnabled());
}

} // namespace
