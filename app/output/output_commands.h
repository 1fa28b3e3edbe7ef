// The File menu's output commands: "Save Data" and "Print Data" with the
// selection dialog and the two reports, "Save Graph", "Printer Setup" and
// "Print Graph" with its dialog. The main window creates one at start-up,
// with the dialogs and the current printer, and calls the handlers from its
// menu.
#pragma once

#include "app/reports/reports.h"

#include <QObject>

#include <functional>
#include <memory>

class DataSets;
class QPrinter;
class QWidget;
class TMRPrintGraphDlg;
class TMRSaveDlg;
class TVexplot;

class TOutputCommands : public QObject
{
    Q_OBJECT
public:
    // The dialogs are children of `window`; the data sets and the graph
    // belong to the program and outlive this object.
    TOutputCommands(QWidget *window, const DataSets &dataSets, TVexplot &graph);
    ~TOutputCommands() override;

    TMRSaveDlg &SaveDlg() const { return *saveDlg_; }
    TMRPrintGraphDlg &PrintGraphDlg() const { return *printGraphDlg_; }
    QPrinter &CurrentPrinter() const { return *printer_; }

    // The moment and locale a report header shows: now and the user's
    // locale unless a test fixes them.
    std::function<ReportEnvironment()> Environment;

    void menuSaveDataClick();
    void menuPrintDataClick();
    void SaveGraph1Click();
    void menuPrinterSetupClick();
    void menuPrintGraphClick();

private:
    QWidget *window_;
    const DataSets &dataSets_;
    TVexplot &graph_;
    TMRSaveDlg *saveDlg_;
    TMRPrintGraphDlg *printGraphDlg_;
    std::unique_ptr<QPrinter> printer_;
};
