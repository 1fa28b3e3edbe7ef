// The main window's Edit commands that shape the plot rather than its data
// (plot range, legends, legend position, graph title) and its View menu
// (atomic data, coefficient table).
#include "app/mainwindow/plot_form.h"

#include "app/viewdialogs/atomic_data_view.h"
#include "app/viewdialogs/coefficient_table_dialog.h"
#include "app/viewdialogs/legends_dialog.h"
#include "app/viewdialogs/plot_range_dialog.h"
#include "app/kit/user_prompt.h"
#include "graph/vexplot.h"

#include <QAction>
#include <QMenu>

namespace {

const QString kTitleCaption = QStringLiteral("Graph Title");
const QString kTitlePrompt = QStringLiteral("Enter caption:");

} // namespace

void TmrPlotForm::ConnectPlotShapeAndViewDialogs(const TMainWindowDialogs &dialogs)
{
    for (QAction *command : {menuPlotRange, menuLegends, menuAtomicData, menuCoefficientData})
        command->setEnabled(true);
    connect(menuPlotRange, &QAction::triggered, this,
            [this, &dialog = dialogs.plotRange] { menuPlotRangeClick(dialog); });
    connect(menuLegends, &QAction::triggered, this, [this, &dialog = dialogs.legends] { menuLegendsClick(dialog); });
    connect(menuAtomicData, &QAction::triggered, this,
            [this, &view = dialogs.atomicData] { menuAtomicDataClick(view); });
    connect(menuCoefficientData, &QAction::triggered, this,
            [this, &dialog = dialogs.coefficientTable] { menuCoefficientDataClick(dialog); });
}

void TmrPlotForm::ConnectPlotShapeAndViewCommands()
{
    connect(menuLegendPosition, &QMenu::triggered, this, &TmrPlotForm::AnyLegendPositionClick);
    connect(menuShowTitle, &QAction::triggered, this, &TmrPlotForm::menuShowTitleClick);
    connect(menuTitleText, &QAction::triggered, this, &TmrPlotForm::menuTitleTextClick);
}

void TmrPlotForm::menuPlotRangeClick(TPlotRangeDlg &dialog)
{
    // Confirmed or not, the graph is plotted over the range as it stands.
    dialog.Execute();
    PlotData();
}

void TmrPlotForm::menuLegendsClick(TLegendsDlg &dialog)
{
    dialog.Execute(dataSets_);
    for (int i = 0; i < DataSets::Count(); ++i) {
        mrGraph_->SetSeries(i + 1, true, false, ColorFromRgbValue(dataSets_[i].LineColor), dataSets_[i].Legend);
    }
    PlotData();
}

void TmrPlotForm::AnyLegendPositionClick(QAction *chosen)
{
    for (QAction *position : menuLegendPosition->actions())
        position->setChecked(position == chosen);
    TLegendBox &box = mrGraph_->LegendBox();
    if (chosen == menuLegendTop)
        box.SetPlacement(lbxTop);
    else if (chosen == menuLegendBottom)
        box.SetPlacement(lbxBottom);
    else if (chosen == menuLegendSouthWest)
        box.SetPlacement(lbxSouthWest);
    else
        box.SetPlacement(lbxNorthEast); // "North east", and where "No Legends" leaves the box
    box.SetEnabled(!menuNoLegends->isChecked());
    RepaintGraph();
}

void TmrPlotForm::menuShowTitleClick()
{
    mrGraph_->GraphTitle().SetEnabled(menuShowTitle->isChecked());
    RepaintGraph();
}

void TmrPlotForm::menuTitleTextClick()
{
    TGTitle &title = mrGraph_->GraphTitle();
    if (const auto caption = UserPrompt::InputText(this, kTitleCaption, kTitlePrompt, title.Caption()))
        title.SetCaption(*caption); // markup, cut to 255 characters
    RepaintGraph();
}

void TmrPlotForm::menuAtomicDataClick(TAtomicDataForm &view)
{
    view.Execute();
    RepaintGraph();
}

void TmrPlotForm::menuCoefficientDataClick(TCoeffTableDlg &dialog)
{
    dialog.Execute();
    RepaintGraph();
}
