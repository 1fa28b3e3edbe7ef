#include "app/mainwindow/program.h"

#include "app/datasetup/absorber_selection_dialog.h"
#include "app/viewdialogs/atomic_data_view.h"
#include "app/viewdialogs/coefficient_table_dialog.h"
#include "app/datasetup/data_setup_dialog.h"
#include "app/datasetup/duplicate_data_dialog.h"
#include "app/kit/help_system.h"
#include "app/viewdialogs/legends_dialog.h"
#include "app/output/output_commands.h"
#include "app/mainwindow/main_window_graph.h"
#include "app/mainwindow/plot_form.h"
#include "app/viewdialogs/plot_range_dialog.h"
#include "app/mainwindow/splash_form.h"
#include "app/tools/shielding_form.h"
#include "app/tools/xray_beam_form.h"
#include "app/datasetup/user_materials.h"
#include "absorber/material/user_library.h"

#include <QFileInfo>

TPheltraProgram::TPheltraProgram(const QString &libraryFile, const QString &userLibraryFile)
    : load_(ReadCompoundLibrary(libraryFile, library_))
{
    if (!userLibraryFile.isEmpty())
        userLibraryMessage_ = pheltra::UserLibraryMessage(pheltra::MergeUserLibrary(userLibraryFile, library_));
    userMaterials_ = std::make_unique<TUserMaterials>(library_, userLibraryFile);

    Help::SetHelpFile(QString::fromLatin1(Help::kHelpFileName));

    mainForm_ =
        std::make_unique<TmrPlotForm>(dataSets_, plotRange_, [this, &libraryFile, &userLibraryFile](TmrPlotForm &form) {
            outputCommands_ = new TOutputCommands(&form, dataSets_, form.MRGraph());
            duplicateDialog_ = new TDuplicateDlg(&form);
            splash_ = new TSplashForm(&form);
            splash_->SetVersion(QString::fromLatin1(kPheltraVersion));
            QStringList messages{LibraryLoadMessage(load_), userLibraryMessage_};
            messages.removeAll(QString());
            splash_->SetMessage(messages.join(QLatin1Char('\n')));
            if (load_.status != kLibraryNotFound)
                splash_->SetLibraryFile(QFileInfo(libraryFile).absoluteFilePath());
            absorberDialog_ = new TCmpMixDlg(&form);
            if (!userLibraryFile.isEmpty())
                absorberDialog_->SetUserMaterials(userMaterials_.get());
            dataSetupDialog_ = new TMRDataDlg(library_, *absorberDialog_, *duplicateDialog_, &form);
            atomicDataForm_ = new TAtomicDataForm(&form);
            plotRangeDialog_ = new TPlotRangeDlg(plotRange_, &form);
            legendsDialog_ = new TLegendsDlg(&form);
            coeffTableDialog_ = new TCoeffTableDlg(dataSets_, &form);
            return TMainWindowDialogs{*splash_,        *dataSetupDialog_, *outputCommands_,   *plotRangeDialog_,
                                      *legendsDialog_, *atomicDataForm_,  *coeffTableDialog_, &library_};
        });

    xrayBeamForm_ = new TXrayBeamForm(library_, *absorberDialog_, outputCommands_->CurrentPrinter(),
                                      &ConfigureMainWindowGraph, mainForm_.get());
    shieldingForm_ = new TShieldingForm(library_, *absorberDialog_, *xrayBeamForm_, outputCommands_->CurrentPrinter(),
                                        &ConfigureMainWindowGraph, mainForm_.get());
    mainForm_->ConnectToolWindows(*shieldingForm_, *xrayBeamForm_);

    // The empty graph, scales 1 to 10 as configured: nothing is plotted yet.
    mainForm_->show();
    mainForm_->RepaintGraph();
}

TPheltraProgram::~TPheltraProgram() = default;

QString TPheltraProgram::LibraryFile() const
{
    return splash_->LibraryFile();
}

void TPheltraProgram::ShowSplash()
{
    splash_->Execute();
}
