// The main window's commands that keep what the user built or take exact
// numbers out of it: File, Open Set-up... and Save Set-up... (the six data
// sets, the plot range, the legend position and the title in a .pheltra
// file), File, Export Curves... (every curve's points as CSV) and View,
// Value at Energy...
#include "app/mainwindow/plot_form.h"

#include "absorber/setup_file.h"
#include "app/kit/user_prompt.h"
#include "app/output/curves_export.h"
#include "app/output/save_file_chooser.h"
#include "app/viewdialogs/value_at_energy_dialog.h"
#include "textio/atomic_file.h"
#include "graph/vexplot.h"

#include <QAction>
#include <QDir>

using pheltra::LegendPlacement;

namespace {

const SaveFileChooser::Filter kSetupFilter{QStringLiteral("Pheltra set-ups (*.pheltra)"), QStringLiteral("pheltra")};
const SaveFileChooser::Filter kCsvFilter{QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv")};

QString NotWritten(const QString &fileName, const QString &reason)
{
    return QStringLiteral("%1 could not be written: %2").arg(QDir::toNativeSeparators(fileName), reason);
}

} // namespace

void TmrPlotForm::ConnectKeepingCommands()
{
    valueDialog_ = new TValueAtEnergyDlg(dataSets_, this);
    connect(menuOpenSetup, &QAction::triggered, this, &TmrPlotForm::menuOpenSetupClick);
    connect(menuSaveSetup, &QAction::triggered, this, &TmrPlotForm::menuSaveSetupClick);
    connect(menuExportCurves, &QAction::triggered, this, &TmrPlotForm::menuExportCurvesClick);
    connect(menuValueAtEnergy, &QAction::triggered, this, &TmrPlotForm::menuValueAtEnergyClick);
}

bool TmrPlotForm::SaveSetup(const QString &fileName)
{
    pheltra::SavedSetup setup;
    setup.sets = dataSets_;
    setup.rangeMin = plotRange_.Min;
    setup.rangeMax = plotRange_.Max;
    setup.legend = menuNoLegends->isChecked() ? LegendPlacement::kNone
        : menuLegendTop->isChecked()          ? LegendPlacement::kTop
        : menuLegendBottom->isChecked()       ? LegendPlacement::kBottom
        : menuLegendSouthWest->isChecked()    ? LegendPlacement::kSouthWest
                                              : LegendPlacement::kNorthEast;
    setup.title = mrGraph_->GraphTitle().Caption();
    setup.titleShown = mrGraph_->GraphTitle().Enabled();
    if (IsNonRegularFile(fileName)) {
        UserPrompt::Error(this, NotRegularFileMessage(QDir::toNativeSeparators(fileName)));
        return false;
    }
    QString error;
    if (!SaveFileAtomically(fileName, pheltra::SetupJson(setup), &error)) {
        UserPrompt::Error(this, NotWritten(fileName, error));
        return false;
    }
    return true;
}

bool TmrPlotForm::OpenSetup(const QString &fileName)
{
    if (!library_)
        return false;
    pheltra::SavedSetup setup;
    try {
        setup = pheltra::ReadSetupFile(fileName, *library_);
    } catch (const pheltra::SetupError &error) {
        UserPrompt::Error(this, error.message);
        return false;
    }
    if (!CloseQuery())
        return false;
    for (int i = 0; i < DataSets::Count(); ++i)
        dataSets_[i].CopyFrom(setup.sets[i]);
    plotRange_ = TPlotRange{setup.rangeMin, setup.rangeMax};
    QAction *position = setup.legend == LegendPlacement::kTop ? menuLegendTop
        : setup.legend == LegendPlacement::kBottom            ? menuLegendBottom
        : setup.legend == LegendPlacement::kSouthWest         ? menuLegendSouthWest
        : setup.legend == LegendPlacement::kNone              ? menuNoLegends
                                                              : menuLegendNorthEast;
    position->setChecked(true);
    AnyLegendPositionClick(position);
    mrGraph_->GraphTitle().SetCaption(setup.title);
    mrGraph_->GraphTitle().SetEnabled(setup.titleShown);
    menuShowTitle->setChecked(setup.titleShown);
    PlotData();
    return true;
}

void TmrPlotForm::menuOpenSetupClick()
{
    SaveFileChooser::Request request{QStringLiteral("Open Set-up"), QString(), {kSetupFilter}, true};
    if (const auto choice = SaveFileChooser::AskSaveFileName(this, request))
        OpenSetup(choice->fileName);
}

void TmrPlotForm::menuSaveSetupClick()
{
    SaveFileChooser::Request request{QStringLiteral("Save Set-up"), QStringLiteral("setup.pheltra"), {kSetupFilter}};
    if (const auto choice = SaveFileChooser::AskSaveFileName(this, request))
        SaveSetup(choice->fileName);
}

void TmrPlotForm::menuExportCurvesClick()
{
    const std::array<bool, DataSets::kCount> plotted = PlottedCurves();
    if (std::find(plotted.begin(), plotted.end(), true) == plotted.end()) {
        UserPrompt::Message(this, QStringLiteral("No curve is plotted: there is nothing to export."));
        return;
    }
    SaveFileChooser::Request request{QStringLiteral("Export Curves"), QStringLiteral("curves.csv"), {kCsvFilter}};
    const auto choice = SaveFileChooser::AskSaveFileName(this, request);
    if (!choice)
        return;
    if (IsNonRegularFile(choice->fileName)) {
        UserPrompt::Error(this, NotRegularFileMessage(QDir::toNativeSeparators(choice->fileName)));
        return;
    }
    QString error;
    if (!SaveFileAtomically(choice->fileName, CurvesCsv(*mrGraph_, dataSets_), &error))
        UserPrompt::Error(this, NotWritten(choice->fileName, error));
}

void TmrPlotForm::menuValueAtEnergyClick()
{
    // The energy under the read-out when one shows, else the last one asked.
    if (const std::optional<QPoint> at = mrGraph_->Overlay().Pointer)
        valueEnergy_ = std::clamp(mrGraph_->ScreenXAt(at->x()), plotRange_.Min, plotRange_.Max);
    valueDialog_->Execute(PlottedCurves(), valueEnergy_);
    valueEnergy_ = valueDialog_->Energy();
    RepaintGraph();
}
