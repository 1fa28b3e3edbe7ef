// The main window's dialogs for a test of the window: made by the factory the
// window calls, each a child of the window, and kept here for the test to
// drive.
#pragma once

#include "absorber/compound_library.h"
#include "absorber/data_set_list.h"
#include "app/datasetup/absorber_selection_dialog.h"
#include "app/datasetup/data_setup_dialog.h"
#include "app/datasetup/duplicate_data_dialog.h"
#include "app/mainwindow/plot_form.h"
#include "app/mainwindow/splash_form.h"
#include "app/output/output_commands.h"
#include "app/viewdialogs/atomic_data_view.h"
#include "app/viewdialogs/coefficient_table_dialog.h"
#include "app/viewdialogs/legends_dialog.h"
#include "app/viewdialogs/plot_range_dialog.h"

namespace dialog_test {

struct MainWindowDialogs
{
    TSplashForm *splash = nullptr;
    TMRDataDlg *dataSetup = nullptr;
    TOutputCommands *output = nullptr;
    TPlotRangeDlg *plotRange = nullptr;
    TLegendsDlg *legends = nullptr;
    TAtomicDataForm *atomicData = nullptr;
    TCoeffTableDlg *coeffTable = nullptr;

    // The factory for a window over these data sets, range and library; all
    // three outlive the window.
    TMainWindowDialogFactory Factory(const CompoundLibrary &library, DataSets &sets, TPlotRange &range)
    {
        return [this, &library, &sets, &range](TmrPlotForm &form) {
            splash = new TSplashForm(&form);
            dataSetup = new TMRDataDlg(library, *new TCmpMixDlg(&form), *new TDuplicateDlg(&form), &form);
            output = new TOutputCommands(&form, sets, form.MRGraph());
            plotRange = new TPlotRangeDlg(range, &form);
            legends = new TLegendsDlg(&form);
            atomicData = new TAtomicDataForm(&form);
            coeffTable = new TCoeffTableDlg(sets, &form);
            return TMainWindowDialogs{*splash, *dataSetup, *output, *plotRange, *legends, *atomicData, *coeffTable};
        };
    }
};

} // namespace dialog_test
